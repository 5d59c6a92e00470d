#include "OutputBuffer.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <utility>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OutputBuffer)
};

// How many bytes at the end of bytes start a UTF-8 sequence that is not complete yet.
qsizetype incompleteTail(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, size); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: the lead is further back
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// Two adjacent code units below U+0300 always have a cluster boundary between them, except CR LF:
// none of them extends, joins or is prepended to a neighbour.
bool plainBoundary(char16_t before, char16_t after)
{
    return before < 0x300 && after < 0x300 && (before != u'\r' || after != u'\n');
}

// The first code unit from `from` on that is CR or at least U+0300, or size. Written in blocks
// of a fixed length so that the compiler can check several units at once.
qsizetype firstSpecial(const char16_t *units, qsizetype from, qsizetype size)
{
    constexpr qsizetype block = 16;
    qsizetype i = from;
    for (; i + block <= size; i += block) {
        unsigned special = 0;
        for (qsizetype k = 0; k < block; ++k)
            special |=
                static_cast<unsigned>(units[i + k] >= 0x300) | static_cast<unsigned>(units[i + k] == u'\r');
        if (special != 0)
            break;
    }
    while (i < size && units[i] < 0x300 && units[i] != u'\r')
        ++i;
    return i;
}

} // namespace

OutputBuffer::OutputBuffer(qsizetype maxCharacters)
    : m_max(std::max<qsizetype>(1, maxCharacters))
{
}

QString OutputBuffer::truncationMarker()
{
    return Text::tr("…[earlier output truncated]…\n");
}

void OutputBuffer::clear()
{
    m_text = QString();
    m_contentStart = 0;
    m_runs.clear();
    m_characterCount = 0;
    m_pendingBytes.clear();
    m_pendingHighSurrogate.clear();
}

bool OutputBuffer::appendBytes(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return false;
    QByteArray joined;
    if (!m_pendingBytes.isEmpty()) {
        joined = std::exchange(m_pendingBytes, QByteArray());
        joined.append(bytes);
        bytes = joined;
    }
    const qsizetype held = incompleteTail(bytes);
    const QString text = QString::fromUtf8(bytes.first(bytes.size() - held));
    m_pendingBytes = bytes.last(held).toByteArray();
    return appendCharacters(text);
}

bool OutputBuffer::finish()
{
    QString text = QString::fromUtf8(std::exchange(m_pendingBytes, QByteArray()));
    text.append(std::exchange(m_pendingHighSurrogate, QString()));
    return appendCharacters(text);
}

bool OutputBuffer::appendText(QStringView text)
{
    QString joined;
    if (!m_pendingHighSurrogate.isEmpty()) {
        joined = std::exchange(m_pendingHighSurrogate, QString());
        joined.append(text);
        text = joined;
    }
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        m_pendingHighSurrogate = text.back();
        text.chop(1);
    }
    return appendCharacters(text);
}

bool OutputBuffer::appendCharacters(QStringView text)
{
    if (text.isEmpty())
        return false;
    // The last character may go on in the new text (a combining mark, the LF of CR LF): it is
    // taken off and counted again with it.
    qsizetype start = m_text.size();
    if (!m_runs.empty() && m_runs.back().length < longestCharacter) {
        start -= m_runs.back().length;
        if (--m_runs.back().count == 0)
            m_runs.pop_back();
        --m_characterCount;
    }
    m_text.append(text);

    // Plain text (nearly all program output) is counted directly, a stretch at a time; only the
    // stretches around other characters go through QTextBoundaryFinder. start is always at a
    // boundary.
    const char16_t *units = QStringView(m_text).utf16();
    const qsizetype size = m_text.size();
    while (start < size) {
        const qsizetype special = firstSpecial(units, start, size);
        if (special == size) {
            pushCharacters(1, size - start);
            break;
        }
        if (units[special] == u'\r') {
            pushCharacters(1, special - start);
            const bool crlf = special + 1 < size && units[special + 1] == u'\n';
            pushCharacters(crlf ? 2 : 1, 1);
            start = special + (crlf ? 2 : 1);
            continue;
        }
        // The unit before may be the base the special one combines with.
        const qsizetype stretch = std::max(start, special - 1);
        pushCharacters(1, stretch - start);
        qsizetype end = special + 1;
        while (end < size && !plainBoundary(units[end - 1], units[end]))
            ++end;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                                   reinterpret_cast<const QChar *>(units + stretch), end - stretch);
        qsizetype previous = 0;
        for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary()) {
            // Some of Qt's script tailorings break inside a surrogate pair; a character stays whole.
            if (p < end - stretch && QChar::isLowSurrogate(units[stretch + p]))
                continue;
            pushCharacter(stretch + previous, p - previous);
            previous = p;
        }
        start = end;
    }

    if (m_characterCount > m_max)
        dropFront(m_characterCount - m_max);
    return true;
}

void OutputBuffer::pushCharacters(qsizetype length, qsizetype count)
{
    if (count == 0)
        return;
    if (!m_runs.empty() && m_runs.back().length == length)
        m_runs.back().count += count;
    else
        m_runs.push_back({length, count});
    m_characterCount += count;
}

void OutputBuffer::pushCharacter(qsizetype start, qsizetype length)
{
    while (length > 0) {
        qsizetype piece = std::min(length, longestCharacter);
        if (piece < length && m_text.at(start + piece).isLowSurrogate())
            --piece;
        pushCharacters(piece, 1);
        start += piece;
        length -= piece;
    }
}

void OutputBuffer::dropFront(qsizetype characters)
{
    qsizetype units = 0;
    while (characters > 0) {
        Run &run = m_runs.front();
        const qsizetype taken = std::min(characters, run.count);
        units += taken * run.length;
        run.count -= taken;
        characters -= taken;
        m_characterCount -= taken;
        if (run.count == 0)
            m_runs.pop_front();
    }
    // Removing from the front only moves QString's start; the marker goes into the room this leaves.
    const QString marker = truncationMarker();
    m_text.remove(0, m_contentStart + units);
    m_text.prepend(marker);
    m_contentStart = marker.size();
}
