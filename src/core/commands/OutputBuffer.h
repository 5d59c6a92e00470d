#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <deque>

// A child's merged output as text for display. Bytes are decoded as UTF-8 across read boundaries;
// only the last maxCharacters user-perceived characters (grapheme clusters) are kept, behind a
// one-line marker once anything was cut. Appending costs time in proportion to the new text, not
// to what is kept, and the memory held stays near the cap whatever the input.
class OutputBuffer final {
public:
    explicit OutputBuffer(qsizetype maxCharacters);

    // "…[earlier output truncated]…" and a line feed: 29 characters.
    static QString truncationMarker();
    // Longer clusters (a base followed by hundreds of combining marks) are counted in pieces of
    // this many UTF-16 code units, so that no input can hold more than the cap allows.
    static constexpr qsizetype longestCharacter = 32;

    const QString &text() const { return m_text; }
    // Characters kept, not counting the marker.
    qsizetype characterCount() const { return m_characterCount; }

    void clear();

    // Each returns whether the text changed.
    // A UTF-8 sequence left incomplete at the end waits for the next call to complete it; bytes
    // that are not UTF-8 become U+FFFD.
    bool appendBytes(QByteArrayView bytes);
    // End of the stream: a sequence still incomplete becomes U+FFFD.
    bool finish();
    // Half a surrogate pair at the end waits for its other half.
    bool appendText(QStringView text);

private:
    // `count` consecutive characters of `length` code units each; most output is one long run of
    // single code units.
    struct Run {
        qsizetype length;
        qsizetype count;
    };

    bool appendCharacters(QStringView text);
    void pushCharacters(qsizetype length, qsizetype count);
    // Cuts a cluster longer than longestCharacter into pieces.
    void pushCharacter(qsizetype start, qsizetype length);
    void dropFront(qsizetype characters);

    qsizetype m_max;
    QString m_text;
    qsizetype m_contentStart = 0; // where the output starts, after the marker when present
    std::deque<Run> m_runs;       // the characters from m_contentStart on, in order
    qsizetype m_characterCount = 0;
    QByteArray m_pendingBytes;
    QString m_pendingHighSurrogate;
};
