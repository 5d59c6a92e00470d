#include "FakePowerAssertion.h"
#include "ManualClock.h"
#include "power/AssertionManager.h"
#include "timers/DurationPreset.h"
#include "timers/SessionTimerManager.h"

#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestSessionTimer : public QObject {
    Q_OBJECT

    ManualClock clock;
    std::unique_ptr<AssertionManager> manager;
    std::unique_ptr<SessionTimerManager> timers;
    QStringList events;

    AwakeReason add(ReasonType type, std::optional<double> endsIn, const QString &label)
    {
        std::optional<QDateTime> end;
        if (endsIn)
            end = clock.now().addMSecs(qint64(*endsIn * 1000));
        AwakeReason r{QUuid::createUuid(), type, label, clock.now(), end, AwakeMode::System};
        manager->addReason(r);
        return r;
    }

    static QDateTime at(const char *zone, QDate date, QTime time)
    {
        return QDateTime(date, time, QTimeZone(zone));
    }

private slots:
    void init()
    {
        manager = std::make_unique<AssertionManager>(std::make_shared<FakePowerAssertion>());
        timers = std::make_unique<SessionTimerManager>(manager.get(), clock);
        events.clear();
        timers->onExpire = [this](const AwakeReason &r) {
            events << u"expire "_s + r.label + u" remaining="_s + QString::number(manager->reasons().size());
        };
        timers->onTick = [this] { events << u"tick"_s; };
    }

    void expiresAtTheEndNeverBefore()
    {
        add(ReasonType::Timed, 0, u"now"_s);
        add(ReasonType::Timed, 1, u"later"_s);
        timers->tick(clock.now());
        // Removed before it is reported, and the tick comes last.
        QCOMPARE(events, (QStringList{u"expire now remaining=1"_s, u"tick"_s}));
        QCOMPARE(manager->reasons().first().label, u"later"_s);
    }

    void onlyDeadlineTypesExpire()
    {
        add(ReasonType::Manual, -60, u"manual"_s);
        add(ReasonType::Process, -60, u"process"_s);
        add(ReasonType::UntilTime, -1, u"until"_s);
        timers->tick(clock.now());
        QCOMPARE(events, (QStringList{u"expire until remaining=2"_s, u"tick"_s}));
    }

    void twoExpiredReasonsGoInListOrderEachWithItsOwnReconciliation()
    {
        int reconciliations = 0;
        auto backend = std::make_shared<FakePowerAssertion>();
        manager = std::make_unique<AssertionManager>(backend, [&] { ++reconciliations; });
        timers = std::make_unique<SessionTimerManager>(manager.get(), clock);
        QStringList order;
        timers->onExpire = [&](const AwakeReason &r) { order << r.label; };
        add(ReasonType::UntilTime, -5, u"first"_s);
        add(ReasonType::Timed, -1, u"second"_s);
        reconciliations = 0;
        timers->tick(clock.now());
        QCOMPARE(order, (QStringList{u"first"_s, u"second"_s}));
        QCOMPARE(reconciliations, 2);
        QVERIFY(!backend->isActive());
    }

    void tickWithoutManagerCallsNothing()
    {
        add(ReasonType::Timed, 0, u"x"_s);
        manager.reset();
        timers->tick(clock.now());
        QVERIFY(events.isEmpty());
    }

    void startIsIdempotentAndStopIsSafe()
    {
        timers->stop();
        QVERIFY(!timers->isRunning());
        timers->start();
        timers->start();
        QVERIFY(timers->isRunning());
        QCOMPARE(timers->findChildren<QTimer *>().size(), 1);
        QCOMPARE(timers->findChildren<QTimer *>().first()->interval(), 1000);
        timers->stop();
        QVERIFY(!timers->isRunning());
        QVERIFY(timers->findChildren<QTimer *>().isEmpty());
    }

    void runningTimerTicksWithTheClocksTime()
    {
        add(ReasonType::Timed, 30, u"x"_s);
        clock.advance(31);
        timers->start();
        QTRY_COMPARE_WITH_TIMEOUT(events.size(), 2, 3000); // the real timer fires; the injected clock decides
        QCOMPARE(events.first(), u"expire x remaining=0"_s);
    }

    void restsWhileNoReasonIsLeft()
    {
        timers->start();
        // One tick settles the state with nothing to keep awake, then the heartbeat rests.
        QTRY_VERIFY_WITH_TIMEOUT(!timers->isTicking(), 3000);
        QCOMPARE(events, QStringList{u"tick"_s});
        QVERIFY(timers->isRunning());

        const AwakeReason manual = add(ReasonType::Manual, std::nullopt, u"manual"_s);
        QVERIFY(timers->isTicking());
        QTRY_COMPARE_WITH_TIMEOUT(events.size(), 2, 3000);
        // The tick after the last reason ended still comes, so that its end is settled too.
        manager->removeReason(manual.id);
        QVERIFY(timers->isTicking());
        QTRY_VERIFY_WITH_TIMEOUT(!timers->isTicking(), 3000);
        QCOMPARE(events.size(), 3);
        timers->stop();
        manager->addReason(
            {QUuid::createUuid(), ReasonType::Manual, u"m"_s, clock.now(), {}, AwakeMode::System});
        QVERIFY(!timers->isRunning());
    }

    void durationIsNeverNegative()
    {
        const QDateTime now = clock.now();
        QCOMPARE(SessionTimerManager::duration(now.addSecs(-10), now), 0.0);
        QCOMPARE(SessionTimerManager::duration(now.addMSecs(2500), now), 2.5);
    }

    void nextOccurrenceOnOrdinaryDays()
    {
        const QTimeZone zone("Europe/Berlin");
        const QDate day(2026, 6, 15);
        QCOMPARE(SessionTimerManager::nextOccurrence(9, 0, at("Europe/Berlin", day, QTime(8, 59)), zone),
                 at("Europe/Berlin", day, QTime(9, 0)));
        QCOMPARE(SessionTimerManager::nextOccurrence(9, 0, at("Europe/Berlin", day, QTime(9, 0)), zone),
                 at("Europe/Berlin", day.addDays(1), QTime(9, 0)));
        QCOMPARE(SessionTimerManager::nextOccurrence(9, 0, at("Europe/Berlin", day, QTime(9, 0, 30)), zone),
                 at("Europe/Berlin", day.addDays(1), QTime(9, 0)));
        // Midnight is always tomorrow's.
        QCOMPARE(SessionTimerManager::nextOccurrence(0, 0, at("Europe/Berlin", day, QTime(23, 59)), zone),
                 at("Europe/Berlin", day.addDays(1), QTime(0, 0)));
        // "Today" is the zone's day, not UTC's: 00:30 in Berlin is still the previous day in UTC.
        QCOMPARE(SessionTimerManager::nextOccurrence(8, 0, at("Europe/Berlin", day, QTime(0, 30)), zone),
                 at("Europe/Berlin", day, QTime(8, 0)));
    }

    void nextOccurrenceAcrossDaylightSaving_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("springDay");
        QTest::addColumn<QDate>("autumnDay");
        QTest::addColumn<int>("twiceHour"); // an hour that happens twice on the autumn day
        QTest::newRow("Berlin") << QByteArray("Europe/Berlin") << QDate(2026, 3, 29) << QDate(2026, 10, 25) << 2;
        QTest::newRow("New York") << QByteArray("America/New_York") << QDate(2026, 3, 8) << QDate(2026, 11, 1) << 1;
    }

    void nextOccurrenceAcrossDaylightSaving()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, springDay);
        QFETCH(QDate, autumnDay);
        QFETCH(int, twiceHour);
        const QTimeZone tz(zone);
        QVERIFY(tz.isValid());

        // 02:30 does not exist on the spring day: it resolves to 03:30, later than now, the same day.
        const QDateTime springMorning(springDay, QTime(0, 15), tz);
        const QDateTime gap = SessionTimerManager::nextOccurrence(2, 30, springMorning, tz);
        QVERIFY(gap.isValid());
        QCOMPARE(gap.date(), springDay);
        QCOMPARE(gap.time(), QTime(3, 30));
        QCOMPARE(springMorning.secsTo(gap), 2 * 3600 + 15 * 60); // 00:15 → 03:30 is 2h15m of real time

        // The twice-occurring time resolves to its first occurrence (the summer-time one).
        const QDateTime autumnMorning(autumnDay, QTime(0, 0), tz);
        const QDateTime twice = SessionTimerManager::nextOccurrence(twiceHour, 30, autumnMorning, tz);
        QCOMPARE(twice.time(), QTime(twiceHour, 30));
        QCOMPARE(autumnMorning.secsTo(twice), twiceHour * 3600 + 30 * 60);
        QCOMPARE(twice.offsetFromUtc(), tz.offsetFromUtc(autumnMorning));

        // The day after a change is 23 or 25 hours long; the wall-clock time still holds.
        const QDateTime lateSpring(springDay, QTime(10, 0), tz);
        const QDateTime next = SessionTimerManager::nextOccurrence(9, 0, lateSpring, tz);
        QCOMPARE(next.date(), springDay.addDays(1));
        QCOMPARE(next.time(), QTime(9, 0));
    }

    void presetsAreFixed()
    {
        const auto &all = DurationPreset::all();
        QCOMPARE(all.size(), 6);
        QCOMPARE(all.at(2), (DurationPreset{u"1 hour"_s, 3600}));
        for (qsizetype i = 1; i < all.size(); ++i)
            QVERIFY(all.at(i - 1).seconds < all.at(i).seconds);
        QCOMPARE(all.first().label, u"15 minutes"_s);
        QCOMPARE(all.last(), (DurationPreset{u"8 hours"_s, 28800}));
    }
};

QTEST_GUILESS_MAIN(TestSessionTimer)
#include "tst_session_timer.moc"
