#include "utilities/OneLine.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestOneLine : public QObject {
    Q_OBJECT

private slots:
    void oneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("maximumLength");
        QTest::addColumn<QString>("line");

        QTest::newRow("plain") << u"make -j8"_s << qsizetype(0) << u"make -j8"_s;
        QTest::newRow("escape sequence") << u"a\x1b[2Jb"_s << qsizetype(0) << u"a [2Jb"_s;
        QTest::newRow("C1 and DEL") << u"a\u009Bb\x7f"_s << qsizetype(0) << u"a b "_s;
        QTest::newRow("CRLF is one break")
            << u"one\r\ntwo\rthree\nfour"_s << qsizetype(0) << u"one two three four"_s;
        QTest::newRow("unicode line breaks") << u"a\u2028b\u2029c\u0085d"_s << qsizetype(0) << u"a b c d"_s;
        QTest::newRow("bidi") << u"\u202Eexe.txt\u2066x\u2069\u200E\u200F\u061C"_s << qsizetype(0)
                              << u" exe.txt x    "_s;
        QTest::newRow("spaces kept") << u"  a  b "_s << qsizetype(0) << u"  a  b "_s;
        QTest::newRow("fits exactly") << u"abcd"_s << qsizetype(4) << u"abcd"_s;
        QTest::newRow("cut") << u"abcdef"_s << qsizetype(4) << u"abc\u2026"_s;
        QTest::newRow("cut after cleaning") << u"ab\r\ncdef"_s << qsizetype(5) << u"ab c\u2026"_s;
        // A thumbs-up with its skin tone (four UTF-16 units) is kept whole or dropped whole.
        QTest::newRow("emoji kept whole") << u"ab\U0001F44D\U0001F3FDcd"_s << qsizetype(6) << u"ab\u2026"_s;
        QTest::newRow("emoji fits") << u"ab\U0001F44D\U0001F3FDcd"_s << qsizetype(7)
                                    << u"ab\U0001F44D\U0001F3FD\u2026"_s;
        QTest::newRow("combining accent") << u"abe\u0301cd"_s << qsizetype(4) << u"ab\u2026"_s;
    }

    void oneLine()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, maximumLength);
        QFETCH(QString, line);
        QCOMPARE(::oneLine(text, maximumLength), line);
    }
};

QTEST_APPLESS_MAIN(TestOneLine)
#include "tst_one_line.moc"
