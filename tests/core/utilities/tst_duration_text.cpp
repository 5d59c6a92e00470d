#include "utilities/DurationText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDurationText : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("seconds"); // -1: rejected

        QTest::newRow("bare number is seconds") << u"90"_s << 90.0;
        QTest::newRow("seconds") << u"90s"_s << 90.0;
        QTest::newRow("minutes") << u"45m"_s << 2700.0;
        QTest::newRow("hours") << u"2h"_s << 7200.0;
        QTest::newRow("hours and minutes") << u"1h30m"_s << 5400.0;
        QTest::newRow("all three") << u"1h30m15s"_s << 5415.0;
        QTest::newRow("leading zeros") << u"007m"_s << 420.0;
        QTest::newRow("exactly the limit") << u"8784h"_s << 8784.0 * 3600;

        QTest::newRow("empty") << QString() << -1.0;
        QTest::newRow("zero") << u"0"_s << -1.0;
        QTest::newRow("negative") << u"-5m"_s << -1.0;
        QTest::newRow("fraction") << u"1.5h"_s << -1.0;
        QTest::newRow("unit alone") << u"m"_s << -1.0;
        QTest::newRow("minutes before hours") << u"30m1h"_s << -1.0;
        QTest::newRow("unit twice") << u"1m1m"_s << -1.0;
        QTest::newRow("trailing bare number") << u"1h30"_s << -1.0;
        QTest::newRow("upper case") << u"2H"_s << -1.0;
        QTest::newRow("days") << u"2d"_s << -1.0;
        QTest::newRow("space inside") << u"1h 30m"_s << -1.0;
        QTest::newRow("surrounding space") << u" 5m"_s << -1.0;
        QTest::newRow("over the limit") << u"8784h1s"_s << -1.0;
        QTest::newRow("overflowing digits") << u"99999999999999999999999s"_s << -1.0;
        QTest::newRow("arabic-indic digits") << u"\u0665m"_s << -1.0;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(double, seconds);
        const std::optional<double> parsed = DurationText::parse(text);
        if (seconds < 0)
            QVERIFY2(!parsed, qPrintable(QString::number(parsed.value_or(0))));
        else
            QCOMPARE(parsed, std::optional<double>(seconds));
    }
};

QTEST_APPLESS_MAIN(TestDurationText)
#include "tst_duration_text.moc"
