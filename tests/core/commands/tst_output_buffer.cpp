#include "commands/OutputBuffer.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace {

QList<qsizetype> boundaries(const QString &text)
{
    QList<qsizetype> result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary())
        result.append(p);
    return result;
}

// The plain way: append, recount everything, cut to the last max characters behind the marker.
void appendByRecounting(QString &text, const QString &chunk, qsizetype max)
{
    text += chunk;
    const QList<qsizetype> ends = boundaries(text);
    if (ends.size() > max)
        text = OutputBuffer::truncationMarker() + text.sliced(ends.at(ends.size() - max - 1));
}

// Pieces that exercise the ways characters combine: CR LF, combining marks (alone too), surrogate
// pairs, emoji joined by ZWJ or modified, Hangul jamo, a prepended sign.
const QStringList pieces{
    u"a"_s,       u"Z"_s,      u"\r"_s,     u"\n"_s,      u"\t"_s,       u"é"_s,
    u"e\u0301"_s, u"\u0301"_s, u"\u20DD"_s, u"😀"_s,       u"👩\u200D💻"_s, u"\u200D"_s,
    u"🏻"_s,    u"\u1100"_s, u"\u1161"_s, u"\u11A8"_s,  u"각"_s,       u"\u0600"_s,
    u"1"_s,       u"中文"_s,   u"\uFFFD"_s, u"©\uFE0F"_s,
};

// Qt tailors clusters for scripts such as Thai and Devanagari, and pairs flags, with regard to text
// further back than the previous boundary, so the buffer may count these a little differently from
// a recount of everything; it must still cut only between characters.
const QStringList tailoredPieces{u"\u0E01"_s, u"\u0E33"_s, u"\u0915\u094D\u0937"_s, u"🇩"_s, u"🇪"_s, u"\n"_s,
                                 u"\u0301"_s, u"a"_s};

QString randomText(QRandomGenerator &random, int count, const QStringList &from = pieces)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += from.at(random.bounded(static_cast<int>(from.size())));
    return text;
}

// Random reads of text, never ending inside a surrogate pair (decoded output never does).
template <typename Read>
void readInPieces(QRandomGenerator &random, const QString &text, qsizetype longest, Read &&read)
{
    for (qsizetype at = 0; at < text.size();) {
        qsizetype length = std::min<qsizetype>(text.size() - at, 1 + random.bounded(longest));
        if (text.at(at + length - 1).isHighSurrogate())
            ++length;
        read(text.sliced(at, length));
        at += length;
    }
}

QByteArray randomBytes(QRandomGenerator &random, int count)
{
    static const QList<QByteArray> byteSources{
        "a",
        "\n",
        "\xC3\xA9",
        "\xE2\x82\xAC",
        "\xF0\x9F\x98\x80", // valid: 1 to 4 bytes
        "\x80",
        "\xBF",
        "\xFF",
        "\xF8\x88\x80", // stray continuation, invalid leads
        "\xC3",
        "\xE2\x82",
        "\xF0\x9F\x98", // sequences cut short
        "\xC0\x80",
        "\xED\xA0\x80",
        "\xF4\x90\x80\x80", // overlong, surrogate, beyond U+10FFFF
    };
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += byteSources.at(random.bounded(static_cast<int>(byteSources.size())));
    return bytes;
}

} // namespace

class TestOutputBuffer : public QObject {
    Q_OBJECT

private slots:
    // The buffer walks code units below U+0300 without the Unicode tables; this holds it to Qt's.
    void codeUnitsBelowU0300AlwaysBreakExceptCrLf()
    {
        for (char16_t a = 0; a < 0x300; ++a) {
            QString text;
            for (char16_t b = 0; b < 0x300; ++b)
                text += QChar(a) + QChar(b);
            QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
            for (qsizetype p = 1; p < text.size(); ++p) {
                finder.setPosition(p);
                const bool crlf = text.at(p - 1) == u'\r' && text.at(p) == u'\n';
                if (finder.isAtBoundary() == crlf)
                    QFAIL(qPrintable(u"U+%1 U+%2"_s.arg(uint(text.at(p - 1).unicode()), 4, 16, QChar(u'0'))
                                         .arg(uint(text.at(p).unicode()), 4, 16, QChar(u'0'))));
            }
        }
    }

    void truncation_data()
    {
        QTest::addColumn<qsizetype>("max");
        QTest::addColumn<QStringList>("chunks");
        QTest::addColumn<QString>("expected");

        const QString marker = OutputBuffer::truncationMarker();
        QTest::newRow("exactly at the cap") << qsizetype(5) << QStringList{u"abcde"_s} << u"abcde"_s;
        QTest::newRow("one over") << qsizetype(5) << QStringList{u"abcdef"_s} << marker + u"bcdef"_s;
        QTest::newRow("marker only once")
            << qsizetype(5) << QStringList{u"abcdef"_s, u"g"_s, u"hi"_s} << marker + u"efghi"_s;
        QTest::newRow("CR LF is one character")
            << qsizetype(3) << QStringList{u"a\r"_s, u"\nb"_s} << u"a\r\nb"_s;
        QTest::newRow("CR LF is cut whole")
            << qsizetype(3) << QStringList{u"a\r"_s, u"\nb"_s, u"c"_s} << marker + u"\r\nbc"_s;
        QTest::newRow("mark joins the previous read")
            << qsizetype(2) << QStringList{u"ae"_s, u"\u0301"_s} << u"ae\u0301"_s;
        QTest::newRow("surrogate pair split across reads")
            << qsizetype(1) << QStringList{u"e\xD83C"_s, u"\xDFFB"_s} << u"e\U0001F3FB"_s;
        QTest::newRow("one read far over the cap")
            << qsizetype(3) << QStringList{u"ab"_s, u"0123456789"_s} << marker + u"789"_s;
    }

    void truncation()
    {
        QFETCH(qsizetype, max);
        QFETCH(QStringList, chunks);
        QFETCH(QString, expected);
        OutputBuffer buffer(max);
        for (const QString &chunk : chunks)
            QVERIFY(buffer.appendText(chunk));
        QCOMPARE(buffer.text(), expected);
    }

    void sameAsRecountingEverything_data()
    {
        QTest::addColumn<qsizetype>("max");
        QTest::addColumn<quint32>("seed");
        for (const qsizetype max : {1, 2, 7, 40, 1000}) {
            for (quint32 seed = 1; seed <= 4; ++seed)
                QTest::addRow("max %lld seed %u", static_cast<long long>(max), seed) << max << seed;
        }
    }

    // Reads end anywhere between characters, even inside a cluster; after every read the text is
    // what recounting the whole output would give.
    void sameAsRecountingEverything()
    {
        QFETCH(qsizetype, max);
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QString all = randomText(random, 1500);
        OutputBuffer buffer(max);
        QString expected;
        readInPieces(random, all, max * 2 + 5, [&](const QString &chunk) {
            buffer.appendText(chunk);
            appendByRecounting(expected, chunk, max);
            QCOMPARE(buffer.text(), expected);
        });
    }

    void tailoredScriptsAreCutBetweenCharacters()
    {
        QRandomGenerator random(7);
        const QString all = randomText(random, 3000, tailoredPieces);
        OutputBuffer buffer(50);
        QString input;
        readInPieces(random, all, 40, [&](const QString &chunk) {
            buffer.appendText(chunk);
            input += chunk;
        });
        const QString marker = OutputBuffer::truncationMarker();
        QVERIFY(buffer.text().startsWith(marker));
        const QString kept = buffer.text().sliced(marker.size());
        QVERIFY(input.endsWith(kept));
        QVERIFY(!kept.front().isLowSurrogate());
        QCOMPARE(buffer.characterCount(), 50);
        QVERIFY(kept.size() >= 50);
    }

    void decodingAnySplitMatchesDecodingAtOnce_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 8; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void decodingAnySplitMatchesDecodingAtOnce()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QByteArray all = randomBytes(random, 2000);
        OutputBuffer buffer(1'000'000);
        for (qsizetype at = 0; at < all.size();) {
            const qsizetype length = std::min<qsizetype>(all.size() - at, 1 + random.bounded(6));
            buffer.appendBytes(QByteArrayView(all).sliced(at, length));
            at += length;
        }
        buffer.finish();
        QCOMPARE(buffer.text(), QString::fromUtf8(all));
    }

    // A long chatty run keeps the buffer's allocation near the cap instead of growing with the run.
    void memoryStaysNearTheCap()
    {
        OutputBuffer buffer(10'000);
        const QByteArray line = QByteArray(99, 'x') + '\n';
        qsizetype largest = 0;
        for (int i = 0; i < 20'000; ++i) {
            buffer.appendBytes(line);
            largest = std::max(largest, buffer.text().capacity());
        }
        QCOMPARE(buffer.text().size(), 10'000 + 29);
        QVERIFY2(largest < 3 * 10'000, qPrintable(QString::number(largest)));
    }

    // One base with a megabyte of combining marks is one character to Qt; kept whole it would slip
    // past any cap.
    void aCharacterCannotGrowWithoutBound()
    {
        OutputBuffer buffer(10);
        buffer.appendText(u"a"_s);
        for (int i = 0; i < 1000; ++i)
            buffer.appendText(QString(500, QChar(0x0301)));
        QCOMPARE(buffer.characterCount(), 10);
        QVERIFY(buffer.text().size() <= 29 + 10 * OutputBuffer::longestCharacter);
        QVERIFY(buffer.text().endsWith(QString(200, QChar(0x0301))));
    }
};

QTEST_GUILESS_MAIN(TestOutputBuffer)
#include "tst_output_buffer.moc"
