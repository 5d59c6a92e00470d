#include "utilities/DateFormatting.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestDateFormatting : public QObject {
    Q_OBJECT

    const QLocale us{QLocale::English, QLocale::UnitedStates};
    const QLocale de{QLocale::German, QLocale::Germany};
    const QTimeZone zone{"America/Los_Angeles"};

    QDateTime local(QDate d, QTime t) const { return QDateTime(d, t, zone); }

private slots:
    void remaining_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << u"0s"_s;
        QTest::newRow("0.4 rounds down") << 0.4 << u"0s"_s;
        QTest::newRow("0.5 rounds up") << 0.5 << u"1s"_s;
        QTest::newRow("1.5") << 1.5 << u"2s"_s;
        QTest::newRow("59") << 59.0 << u"59s"_s;
        QTest::newRow("59.6 carries") << 59.6 << u"1m 0s"_s;
        QTest::newRow("60") << 60.0 << u"1m 0s"_s;
        QTest::newRow("61") << 61.0 << u"1m 1s"_s;
        QTest::newRow("89.4") << 89.4 << u"1m 29s"_s;
        QTest::newRow("900") << 900.0 << u"15m 0s"_s;
        QTest::newRow("1800") << 1800.0 << u"30m 0s"_s;
        QTest::newRow("3599") << 3599.0 << u"59m 59s"_s;
        QTest::newRow("3600") << 3600.0 << u"1h 0m"_s;
        QTest::newRow("3661") << 3661.0 << u"1h 1m"_s;
        QTest::newRow("3719 drops seconds") << 3719.0 << u"1h 1m"_s;
        QTest::newRow("5400") << 5400.0 << u"1h 30m"_s;
        QTest::newRow("7200") << 7200.0 << u"2h 0m"_s;
        QTest::newRow("a day, uncapped") << 86400.0 << u"24h 0m"_s;
        QTest::newRow("negative") << -30.0 << u"0s"_s;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << u"0s"_s;
        QTest::newRow("infinity saturates") << std::numeric_limits<double>::infinity()
                                            << u"2562047788015215h 30m"_s;
        QTest::newRow("1e300 minutes saturates") << 6e301 << u"2562047788015215h 30m"_s;
    }

    void remaining()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(DateFormatting::remaining(seconds), text);
    }

    // What the tray icon can hold: minutes rounded up, so a fresh 15-minute timer reads 15.
    void remainingBadge_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("ended") << 0.0 << u"0"_s;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << u"0"_s;
        QTest::newRow("last minute") << 60.0 << u"1"_s;
        QTest::newRow("fresh 15 minutes") << 900.0 << u"15"_s;
        QTest::newRow("one second in") << 899.0 << u"15"_s;
        QTest::newRow("an hour") << 3600.0 << u"60"_s;
        QTest::newRow("under two hours") << 7199.0 << u"1h"_s;
        QTest::newRow("99 hours") << 99 * 3600.0 + 59 * 60 << u"99h"_s;
        QTest::newRow("100 hours") << 100 * 3600.0 + 60 << u"4d"_s;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u"99d"_s;
    }

    void remainingBadge()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(DateFormatting::remainingBadge(seconds), text);
    }

    void clockFollowsTheLocaleWithoutSeconds_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("later");
        // C is Debian's default locale, and Qt's short format there has seconds.
        QTest::newRow("C") << QLocale::c() << u"17:05"_s << u"Dec 11, 08:00"_s;
        QTest::newRow("en_US") << us << u"5:05 PM"_s << u"Dec 11, 8:00 AM"_s;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << u"17:05"_s
                               << u"Dec 11, 08:00"_s;
        QTest::newRow("de_DE") << de << u"17:05"_s << u"Dez. 11, 08:00"_s;
    }

    void clockFollowsTheLocaleWithoutSeconds()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, clock);
        QFETCH(QString, later);
        const QDateTime now = local(QDate(2026, 12, 8), QTime(9, 15));
        const QDateTime fivePast = local(QDate(2026, 12, 8), QTime(17, 5, 42));
        QCOMPARE(DateFormatting::clock(fivePast, zone, locale), clock);
        // The zone decides the clock time, not the instant's own zone.
        QCOMPARE(DateFormatting::clock(fivePast.toUTC(), zone, locale), clock);
        QCOMPARE(DateFormatting::endTime(fivePast, now, zone, locale), u"Today "_s + clock);
        QCOMPARE(DateFormatting::endTime(local(QDate(2026, 12, 11), QTime(8, 0, 30)), now, zone, locale),
                 later);
    }

    void endTimeSaysTodayTomorrowOrTheDate()
    {
        const QDateTime now = local(QDate(2026, 12, 8), QTime(9, 15));
        QCOMPARE(DateFormatting::endTime(local(QDate(2026, 12, 8), QTime(17, 0)), now, zone, us), u"Today 5:00 PM"_s);
        QCOMPARE(DateFormatting::endTime(local(QDate(2026, 12, 9), QTime(8, 0)), now, zone, us),
                 u"Tomorrow 8:00 AM"_s);
        QCOMPARE(DateFormatting::endTime(local(QDate(2026, 12, 11), QTime(8, 0)), now, zone, us),
                 u"Dec 11, 8:00 AM"_s);
        QCOMPARE(DateFormatting::endTime(local(QDate(2026, 12, 7), QTime(8, 0)), now, zone, us),
                 u"Dec 7, 8:00 AM"_s); // yesterday is a plain date
        QCOMPARE(DateFormatting::endTime(local(QDate(2026, 12, 9), QTime(8, 0)), now, zone, de), u"Tomorrow 08:00"_s);
        // Late in the evening "tomorrow" is the zone's tomorrow even though UTC has moved on.
        const QDateTime lateNow = local(QDate(2026, 12, 8), QTime(23, 0));
        QCOMPARE(DateFormatting::endTime(local(QDate(2026, 12, 9), QTime(0, 30)), lateNow, zone, us),
                 u"Tomorrow 12:30 AM"_s);
    }

    void endTimeNamesTheYearOfAFarDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        // From Dec 8, 2026.
        QTest::newRow("next month, next year") << QDate(2027, 1, 5) << u"Jan 5, 8:00 AM"_s;
        QTest::newRow("three months on") << QDate(2027, 3, 8) << u"Mar 8, 8:00 AM"_s;
        QTest::newRow("a day later") << QDate(2027, 3, 9) << u"Mar 9, 2027, 8:00 AM"_s;
        QTest::newRow("a year on") << QDate(2027, 12, 9) << u"Dec 9, 2027, 8:00 AM"_s;
        QTest::newRow("forty years on") << QDate(2067, 1, 2) << u"Jan 2, 2067, 8:00 AM"_s;
        QTest::newRow("three months ago") << QDate(2026, 9, 8) << u"Sep 8, 8:00 AM"_s;
        QTest::newRow("long ago") << QDate(2026, 9, 7) << u"Sep 7, 2026, 8:00 AM"_s;
    }

    void endTimeNamesTheYearOfAFarDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        const QDateTime now = local(QDate(2026, 12, 8), QTime(9, 15));
        QCOMPARE(DateFormatting::endTime(local(date, QTime(8, 0)), now, zone, us), text);
    }
};

QTEST_GUILESS_MAIN(TestDateFormatting)
#include "tst_date_formatting.moc"
