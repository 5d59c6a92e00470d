#include "CoordinatorRig.h"
#include "HeapInUse.h"
#include "commands/CommandHistory.h"
#include "commands/CommandRunner.h"
#include "power/AssertionManager.h"
#include "power/PowerSourceMonitor.h"
#include "processes/ProcessWatcher.h"
#include "timers/SessionTimerManager.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

// A day of the coordinator on fakes, one-second heartbeats: sessions, watched processes, battery
// episodes and command runs repeat every six hours. After the first six hours (the warm-up) the
// heap must stay where it was.

namespace {

constexpr int hour = 3600;
constexpr int cycleSeconds = 6 * hour;
constexpr int defaultCycles = 4;

// How far the heap may drift between checkpoints. glibc counts the small blocks it keeps cached
// per thread (and in its fast bins) as in use, which makes the figure wander by a few kilobytes;
// ctest switches both caches off, and then only live allocations count.
qint64 heapSlackBytes()
{
#ifdef VIGILA_ASAN
    return 2 * 1024;
#else
    const QByteArray tunables = qgetenv("GLIBC_TUNABLES");
    const bool exact = tunables.contains("tcache_count=0") && tunables.contains("mxfast=0");
    return exact ? 2 * 1024 : 32 * 1024;
#endif
}

// VIGILA_SOAK_HOURS runs longer (in whole six-hour cycles).
int cyclesToRun()
{
    bool ok = false;
    const int hours = qEnvironmentVariableIntValue("VIGILA_SOAK_HOURS", &ok);
    return ok && hours >= 12 ? hours / 6 : defaultCycles;
}

qint64 residentBytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

const RunningProcess make{4242, u"make"_s, u"/usr/bin/make -j2 all"_s};
const RunningProcess pytest{4343, u"python3"_s, u"python3 -m pytest tests/"_s};

SavedCommand shellCommand(const QString &text)
{
    return {QUuid::createUuid(), QString(), text, std::nullopt, u"/bin/sh"_s, false, {}, {}};
}

struct Checkpoint {
    qint64 heap;
    qint64 resident;
};

} // namespace

class TestCoordinatorSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void dayOfTicksKeepsMemoryFlat()
    {
        PreferencesStore::Stored preferences = PreferencesStore::Stored::defaultRecord();
        preferences.processRules = {{QUuid::createUuid(), u"make"_s, true, ProcessMatchMode::Exact},
                                    {QUuid::createUuid(), u"pytest"_s, true, ProcessMatchMode::Contains}};
        preferences.battery.autoStopEnabled = true;
        preferences.battery.autoStopThreshold = 15;
        // The night clocks go forward in Berlin, so the labels cross a daylight-saving change.
        auto clock = std::make_shared<ManualClock>(
            QDateTime(QDate(2026, 3, 28), QTime(22, 0), QTimeZone::utc()), QTimeZone("Europe/Berlin"));
        CoordinatorRig rig(preferences, clock);
        AppCoordinator &app = *rig.app;
        AssertionManager &manager = app.assertions();

        int batteryStops = 0;
        connect(&app, &AppCoordinator::lastStopReasonChanged, this, [&] {
            if (app.lastStopReason())
                ++batteryStops;
        });
        qint64 lockedSeconds = 0;
        qint64 displaySeconds = 0;
        std::optional<QUuid> fakeCommand;
        QList<Checkpoint> checkpoints;
        const int cycles = cyclesToRun();
        QElapsedTimer elapsed;
        elapsed.start();

        for (int second = 1; second <= cycles * cycleSeconds; ++second) {
            const int s = second % cycleSeconds; // second of the six-hour cycle
            const int h = s % hour;              // second of the hour

            // Sessions: a timed one every ten minutes, extended, which ends by itself; a manual one
            // switched to display and back; an until-time one once a cycle; everything stopped before
            // the cycle ends.
            if (h % 600 == 0)
                app.startTimed(8 * 60);
            else if (h % 600 == 300)
                app.extendActiveSession(60);
            if (h == 40 * 60)
                app.startManual(AwakeMode::System);
            else if (h == 45 * 60)
                app.setDisplayAwake(true);
            else if (h == 50 * 60)
                app.setDisplayAwake(false);
            else if (h == 55 * 60)
                app.toggleManual(AwakeMode::System);
            if (s == 2 * hour + 9 * 60 + 30)
                app.startUntil(clock->now().addSecs(20), AwakeMode::Display);
            if (s == 6 * hour - 2 * 60)
                app.stopAll();

            // Commands: one reason through the runner's path every hour, three real runs a cycle.
            if (h == 5 * 60) {
                fakeCommand = QUuid::createUuid();
                manager.addReason({*fakeCommand, ReasonType::Command, u"Running: make check"_s, clock->now(),
                                   std::nullopt, AwakeMode::System});
            } else if (h == 8 * 60 && fakeCommand) {
                manager.removeReason(*std::exchange(fakeCommand, std::nullopt));
            }
            if (s == hour + 20 * 60 || s == hour + 21 * 60 || s == hour + 22 * 60) {
                static const QStringList texts{u"true"_s, u"echo soak"_s, u"exit 3"_s};
                QSignalSpy ended(&app.runner(), &CommandRunner::stateChanged);
                app.runCommand(shellCommand(texts[(s - hour - 20 * 60) / 60]));
                while (app.runner().isRunning())
                    QVERIFY(ended.wait(10000));
            }

            // Processes: make builds for twenty minutes every hour, the tests run on odd hours.
            QList<RunningProcess> running;
            if (h >= 15 * 60 && h < 35 * 60)
                running << make;
            if ((s / hour) % 2 == 1 && h >= 45 * 60 && h < 50 * 60)
                running << pytest;
            rig.processes->processes = running;
            if (second % 5 == 0)
                app.watcher().poll();

            // Power: plugged in, then three hours in, two hours on a draining battery (down to the
            // auto-stop limit), then plugged in again.
            if (second % 10 == 0) {
                if (s >= 3 * hour && s < 5 * hour) {
                    const int percent = 100 - (s - 3 * hour) / 80;
                    rig.power->descriptions =
                        QList<QVariantMap>{FakePowerSources::source(percent, 100, u"Battery Power"_s)};
                } else {
                    rig.power->descriptions =
                        QList<QVariantMap>{FakePowerSources::source(100, 100, u"AC Power"_s)};
                }
                app.power().refresh();
            }

            rig.tick(1);
            if (rig.lock->isActive())
                ++lockedSeconds;
            if (rig.lock->activeMode() == AwakeMode::Display)
                ++displaySeconds;

            if (second % hour == 0) {
                rig.clearLogs();
                CoordinatorRig::settleAll();
            }
            if ((second + 1) % cycleSeconds == 0) {
                // The last second of a cycle: nothing may be left behind.
                rig.clearLogs();
                CoordinatorRig::settleAll();
                QVERIFY(manager.reasons().isEmpty());
                QVERIFY(!rig.lock->isActive());
                QCOMPARE(app.runner().findChildren<QObject *>().size(), 0);
                QCOMPARE(app.history().recent().size(), 3);
                QCOMPARE(app.watcher().matchCounts().size(), 2);
                checkpoints << Checkpoint{heapInUse(), residentBytes()};
            }
        }

        const qint64 ms = elapsed.elapsed();
        QCOMPARE(checkpoints.size(), cycles);
        QStringList heap;
        QStringList resident;
        for (const Checkpoint &c : std::as_const(checkpoints)) {
            heap << QString::number(c.heap);
            resident << QString::number(c.resident);
        }
        qInfo("soak: %d simulated hours in %lld ms; lock held %lld s (display %lld s); %d battery stops",
              cycles * 6, ms, lockedSeconds, displaySeconds, batteryStops);
        qInfo("soak: heap in use at each six-hour mark: %s bytes", qPrintable(heap.join(u", "_s)));
        qInfo("soak: resident set at each six-hour mark: %s bytes", qPrintable(resident.join(u", "_s)));

        // The sessions did run. Every cycle the guard stops the manual session at the battery limit,
        // and once more the one the toggle starts a minute later.
        QCOMPARE(batteryStops, 2 * cycles);
        QVERIFY(lockedSeconds > cycles * 3 * hour);
        QVERIFY(displaySeconds > 0);
        // After the warm-up, each six hours ends where the first did.
        for (qsizetype i = 1; i < checkpoints.size(); ++i) {
            const qint64 growth = checkpoints[i].heap - checkpoints[0].heap;
            if (growth > heapSlackBytes())
                QFAIL(qPrintable(
                    u"the heap grew by %1 bytes in %2 hours after the warm-up"_s.arg(growth).arg(i * 6)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCoordinatorSoak)
#include "tst_coordinator_soak.moc"
