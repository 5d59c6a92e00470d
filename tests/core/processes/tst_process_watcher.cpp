#include "FakePowerAssertion.h"
#include "FakeProcessExitWatcher.h"
#include "FakeProcessSnapshotProvider.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "power/AssertionManager.h"
#include "processes/ProcessWatcher.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestProcessWatcher : public QObject {
    Q_OBJECT

    ManualClock clock;
    std::unique_ptr<AssertionManager> manager;
    FakeProcessSnapshotProvider *provider = nullptr;
    FakeProcessExitWatcher *exits = nullptr;
    std::unique_ptr<ProcessWatcher> watcher;
    QStringList events;

    static RunningProcess proc(qint64 pid, const QString &name, const QString &commandLine = {})
    {
        return {pid, name, commandLine.isEmpty() ? u"/usr/bin/"_s + name : commandLine};
    }

    static ProcessRule rule(const QString &name, ProcessMatchMode mode = ProcessMatchMode::Exact,
                            bool enabled = true)
    {
        return {QUuid::createUuid(), name, enabled, mode};
    }

    void running(const QStringList &names)
    {
        provider->processes.clear();
        for (const QString &name : names)
            provider->processes.append(proc(100 + provider->processes.size(), name));
    }

    QStringList labels() const
    {
        QStringList result;
        for (const AwakeReason &reason : manager->reasons())
            result << reason.label;
        return result;
    }

private slots:
    void init()
    {
        manager = std::make_unique<AssertionManager>(std::make_shared<FakePowerAssertion>());
        auto fake = std::make_unique<FakeProcessSnapshotProvider>();
        provider = fake.get();
        auto fakeExits = std::make_unique<FakeProcessExitWatcher>();
        exits = fakeExits.get();
        watcher =
            std::make_unique<ProcessWatcher>(manager.get(), std::move(fake), clock, std::move(fakeExits));
        events.clear();
        // Each event also records how many reasons the manager holds, to pin the order.
        watcher->onActivated = [this](const ProcessRule &r, int count) {
            events << u"activated %1 %2 reasons=%3"_s.arg(r.name).arg(count).arg(manager->reasons().size());
        };
        watcher->onReleased = [this](const ProcessRule &r) {
            events << u"released %1 reasons=%2"_s.arg(r.name).arg(manager->reasons().size());
        };
    }

    void countChangesKeepOneReasonAndRelabelIt()
    {
        const ProcessRule claude = rule(u"claude"_s);
        watcher->setRules({claude});
        running({u"claude"_s, u"bash"_s, u"Claude"_s});
        const QDateTime firstPoll = clock.now();
        watcher->poll();

        QCOMPARE(manager->reasons().size(), 1);
        const AwakeReason first = manager->reasons().first();
        QCOMPARE(first.type, ReasonType::Process);
        QCOMPARE(first.mode, AwakeMode::System);
        QCOMPARE(first.startedAt, firstPoll);
        QCOMPARE(first.endsAt, std::nullopt);
        QCOMPARE(first.label, u"\u201Cclaude\u201D running (2 matches)"_s);
        QVERIFY(manager->isAssertionActive());

        clock.advance(5);
        running({u"claude"_s, u"claude"_s, u"CLAUDE"_s});
        watcher->poll();
        QCOMPARE(manager->reasons().size(), 1);
        QCOMPARE(manager->reasons().first().id, first.id);
        QCOMPARE(manager->reasons().first().startedAt, firstPoll);
        QCOMPARE(labels(), QStringList{u"\u201Cclaude\u201D running (3 matches)"_s});
        QCOMPARE(watcher->matchCounts(), (QHash<QUuid, int>{{claude.id, 3}}));
        // Called once per activation, with the first poll's count, after the reason was added.
        QCOMPARE(events, QStringList{u"activated claude 2 reasons=1"_s});
    }

    void label_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("label");
        QTest::newRow("one") << u"claude"_s << 1 << u"\u201Cclaude\u201D running (1 match)"_s;
        QTest::newRow("two") << u"claude"_s << 2 << u"\u201Cclaude\u201D running (2 matches)"_s;
        QTest::newRow("eleven") << u"claude"_s << 11 << u"\u201Cclaude\u201D running (11 matches)"_s;
        QTest::newRow("stored as typed")
            << u" Some App "_s << 1 << u"\u201C Some App \u201D running (1 match)"_s;
    }

    void label()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QString, label);
        watcher->setRules({rule(name)});
        running(QStringList(count, name.toUpper()));
        watcher->poll();
        QCOMPARE(labels(), QStringList{label});
    }

    void releaseThenMatchAgain_data()
    {
        QTest::addColumn<bool>("stoppedElsewhere");
        QTest::newRow("process exited") << false;
        QTest::newRow("reason stopped elsewhere first") << true;
    }

    void releaseThenMatchAgain()
    {
        QFETCH(bool, stoppedElsewhere);
        const ProcessRule rsync = rule(u"rsync"_s);
        watcher->setRules({rsync});
        running({u"rsync"_s});
        watcher->poll();
        const QUuid firstReason = manager->reasons().first().id;

        if (stoppedElsewhere) {
            manager->stopAll();
            // Still running: the rule keeps its entry but its reason is not added back.
            running({u"rsync"_s, u"rsync"_s});
            watcher->poll();
            watcher->poll();
            QVERIFY(manager->reasons().isEmpty());
            QCOMPARE(watcher->matchCounts().value(rsync.id), 2);
        }

        provider->processes.clear();
        watcher->poll();
        QVERIFY(manager->reasons().isEmpty());
        QVERIFY(!manager->isAssertionActive());
        QCOMPARE(watcher->matchCounts(), (QHash<QUuid, int>{{rsync.id, 0}}));
        QCOMPARE(events, (QStringList{u"activated rsync 1 reasons=1"_s, u"released rsync reasons=0"_s}));

        running({u"rsync"_s});
        watcher->poll();
        QCOMPARE(manager->reasons().size(), 1);
        QVERIFY(manager->reasons().first().id != firstReason);
        QCOMPARE(events.size(), 3);
        QCOMPARE(events.last(), u"activated rsync 1 reasons=1"_s);
    }

    void removedRulesLoseTheirReasonsSilently()
    {
        const ProcessRule exact = rule(u"node"_s);
        const ProcessRule contains = rule(u"server.js"_s, ProcessMatchMode::Contains);
        watcher->setRules({exact, contains});
        provider->processes = {proc(7, u"node"_s, u"/usr/bin/node /srv/server.js"_s)};
        watcher->poll();
        // Two rules matching one process each hold their own reason.
        QCOMPARE(manager->reasons().size(), 2);

        watcher->setRules({contains});
        watcher->poll();
        QCOMPARE(labels(), QStringList{u"\u201Cserver.js\u201D running (1 match)"_s});
        QCOMPARE(watcher->matchCounts(), (QHash<QUuid, int>{{contains.id, 1}}));

        // With no rules at all nothing is listed, and the leftovers are cleaned up.
        QSignalSpy countsChanged(watcher.get(), &ProcessWatcher::matchCountsChanged);
        const int snapshots = provider->snapshotCount;
        watcher->setRules({});
        watcher->poll();
        QCOMPARE(provider->snapshotCount, snapshots);
        QVERIFY(manager->reasons().isEmpty());
        QVERIFY(watcher->matchCounts().isEmpty());
        QCOMPARE(countsChanged.size(), 1);
        QCOMPARE(events.size(), 2); // the two activations only
    }

    void listingReadsWhatTheRulesLookAt_data()
    {
        QTest::addColumn<QList<ProcessRule>>("rules");
        QTest::addColumn<int>("snapshots");
        QTest::addColumn<bool>("commandLines");
        const ProcessRule exact = rule(u"node"_s);
        const ProcessRule contains = rule(u"server.js"_s, ProcessMatchMode::Contains);
        QTest::newRow("none") << QList<ProcessRule>{} << 0 << false;
        QTest::newRow("disabled or empty")
            << QList<ProcessRule>{rule(u"node"_s, ProcessMatchMode::Contains, false), rule(QString())} << 0
            << false;
        QTest::newRow("exact") << QList<ProcessRule>{exact} << 1 << false;
        QTest::newRow("exact and contains") << QList<ProcessRule>{exact, contains} << 1 << true;
    }

    void listingReadsWhatTheRulesLookAt()
    {
        QFETCH(QList<ProcessRule>, rules);
        QFETCH(int, snapshots);
        QFETCH(bool, commandLines);
        watcher->setRules(rules);
        watcher->poll();
        QCOMPARE(provider->snapshotCount, snapshots);
        if (snapshots > 0)
            QCOMPARE(provider->lastDetail == ProcessSnapshotProviding::Detail::CommandLines, commandLines);
        QCOMPARE(watcher->matchCounts().size(), rules.size());
    }

    void disabledRuleCountsZeroAndReleases()
    {
        ProcessRule docker = rule(u"docker"_s, ProcessMatchMode::Exact, false);
        watcher->setRules({docker});
        running({u"docker"_s});
        watcher->poll();
        QCOMPARE(watcher->matchCounts(), (QHash<QUuid, int>{{docker.id, 0}}));
        QVERIFY(manager->reasons().isEmpty());

        docker.enabled = true;
        watcher->setRules({docker});
        watcher->poll();
        QCOMPARE(manager->reasons().size(), 1);

        docker.enabled = false;
        watcher->setRules({docker});
        watcher->poll();
        QVERIFY(manager->reasons().isEmpty());
        QCOMPARE(watcher->matchCounts().value(docker.id, -1), 0);
        QCOMPARE(events.last(), u"released docker reasons=0"_s);
    }

    void renamedRuleKeepsItsReasonWhileItMatches()
    {
        ProcessRule tool = rule(u"pytest"_s);
        watcher->setRules({tool});
        running({u"pytest"_s, u"npm"_s});
        watcher->poll();
        const QUuid reason = manager->reasons().first().id;

        tool.name = u"npm"_s;
        watcher->setRules({tool});
        watcher->poll();
        QCOMPARE(manager->reasons().first().id, reason);
        QCOMPARE(labels(), QStringList{u"\u201Cnpm\u201D running (1 match)"_s});

        tool.name = u"bun"_s;
        watcher->setRules({tool});
        watcher->poll();
        QVERIFY(manager->reasons().isEmpty());
        QCOMPARE(events, (QStringList{u"activated pytest 1 reasons=1"_s, u"released bun reasons=0"_s}));
    }

    void failedListingKeepsReasonsAndCounts()
    {
        const ProcessRule claude = rule(u"claude"_s);
        ProcessRule docker = rule(u"docker"_s);
        const ProcessRule gone = rule(u"rsync"_s);
        watcher->setRules({claude, docker, gone});
        running({u"claude"_s, u"claude"_s, u"docker"_s, u"rsync"_s});
        watcher->poll();
        QCOMPARE(manager->reasons().size(), 3);
        const QStringList before = labels();

        LogCapture log;
        provider->fails = true;
        watcher->poll();
        watcher->poll();
        QCOMPARE(labels(), before);
        QCOMPARE(watcher->matchCounts().value(claude.id), 2);
        QCOMPARE(events.size(), 3); // the activations only

        // What needs no listing still happens: a disabled rule is released, a removed one dropped.
        docker.enabled = false;
        watcher->setRules({claude, docker});
        watcher->poll();
        QCOMPARE(labels(), QStringList{before.first()});
        QCOMPARE(events.last(), u"released docker reasons=2"_s);
        QCOMPARE(watcher->matchCounts(), (QHash<QUuid, int>{{claude.id, 2}, {docker.id, 0}}));

        // Logged once per episode, and its end once.
        const auto logged = [&log](QtMsgType type) {
            return log.texts(type).filter(u"running processes"_s).size();
        };
        QCOMPARE(logged(QtCriticalMsg), 1);
        provider->fails = false;
        provider->processes.clear();
        watcher->poll();
        QVERIFY(manager->reasons().isEmpty());
        QCOMPARE(events.last(), u"released claude reasons=0"_s);
        provider->fails = true;
        watcher->poll();
        QCOMPARE(logged(QtCriticalMsg), 2);
        QCOMPARE(logged(QtInfoMsg), 1);
    }

    void exitOfTheLastMatchingProcessPollsAtOnce()
    {
        const ProcessRule node = rule(u"node"_s);
        const ProcessRule rsync = rule(u"rsync"_s);
        watcher->setRules({node, rsync});
        provider->processes = {proc(10, u"node"_s), proc(11, u"node"_s), proc(12, u"bash"_s),
                               proc(13, u"rsync"_s)};
        watcher->start();
        QCOMPARE(exits->watched.size(), 3);
        QVERIFY(!exits->watched.contains(12));

        // One of two node processes ends: nothing to release, so no poll before the next tick.
        provider->processes.removeFirst();
        exits->exit(10);
        QCoreApplication::processEvents();
        QCOMPARE(provider->snapshotCount, 1);

        // The last one ends: the rule is released at once, and the other rule's process watched on.
        provider->processes.removeFirst();
        exits->exit(11);
        QTRY_COMPARE(provider->snapshotCount, 2);
        QCOMPARE(labels(), QStringList{u"\u201Crsync\u201D running (1 match)"_s});
        QCOMPARE(events.last(), u"released node reasons=1"_s);
        QCOMPARE(exits->watched, QList<qint64>{13});

        // Stopped, nothing is watched, and a late exit does not poll.
        watcher->stop();
        QVERIFY(exits->watched.isEmpty());
        exits->exit(13);
        QCoreApplication::processEvents();
        QCOMPARE(provider->snapshotCount, 2);
    }

    void stuckListingCountsAsFailed()
    {
        const ProcessRule rsync = rule(u"rsync"_s);
        watcher->setRules({rsync});
        running({u"rsync"_s});
        watcher->poll();
        QCOMPARE(manager->reasons().size(), 1);

        // A poll while a listing runs waits for it, and follows it at once.
        provider->hangs = true;
        watcher->poll();
        watcher->poll();
        QCOMPARE(provider->snapshotCount, 2);
        provider->finishPending();
        QTRY_COMPARE(provider->snapshotCount, 3);

        // The listing that follows never finishes: past its deadline it counts as failed, and
        // no poll starts another beside it. The process is gone, yet nothing is released.
        LogCapture log;
        const auto logged = [&log](QtMsgType type) {
            return log.texts(type).filter(u"running processes"_s).size();
        };
        watcher->setListingDeadline(50);
        provider->processes.clear();
        QTRY_COMPARE(logged(QtCriticalMsg), 1);
        watcher->poll();
        watcher->poll();
        QCOMPARE(provider->snapshotCount, 3);
        QVERIFY(watcher->isListing());
        QCOMPARE(manager->reasons().size(), 1);
        QCOMPARE(watcher->matchCounts().value(rsync.id), 1);

        // Finished late, it is still dropped; the next poll lists afresh.
        provider->hangs = false;
        provider->finishPending();
        QTRY_VERIFY(!watcher->isListing());
        QCOMPARE(manager->reasons().size(), 1);
        watcher->poll();
        QCOMPARE(provider->snapshotCount, 4);
        QVERIFY(manager->reasons().isEmpty());
        QCOMPARE(logged(QtCriticalMsg), 1);
        QCOMPARE(logged(QtInfoMsg), 1);
    }

    void exitWatchesAreBounded_data()
    {
        QTest::addColumn<int>("rules");
        QTest::addColumn<int>("processesPerRule");
        QTest::addColumn<int>("watched");
        // A rule is watched whole or not at all: some of its processes cannot tell when its
        // last one exits.
        QTest::newRow("one rule, 5 000 processes") << 1 << 5000 << 0;
        QTest::newRow("1 000 rules, 5 processes each") << 1000 << 5 << 60;
        QTest::newRow("10 rules at the per-rule bound") << 10 << 8 << 64;
        QTest::newRow("rules just past it") << 3 << 9 << 0;
        QTest::newRow("a few small rules") << 3 << 2 << 6;
    }

    void exitWatchesAreBounded()
    {
        QFETCH(int, rules);
        QFETCH(int, processesPerRule);
        QFETCH(int, watched);
        QList<ProcessRule> list;
        for (int r = 0; r < rules; ++r) {
            list.append(rule(u"tool-%1"_s.arg(r)));
            for (int p = 0; p < processesPerRule; ++p)
                provider->processes.append(proc(100 + provider->processes.size(), list.last().name));
        }
        watcher->setRules(list);
        watcher->start();
        QCOMPARE(manager->reasons().size(), rules);
        QCOMPARE(exits->watched.size(), watched);
    }

    void timerRunsOnlyWhileThereIsSomethingToPollFor()
    {
        ProcessRule docker = rule(u"docker"_s, ProcessMatchMode::Exact, false);
        watcher->setRules({docker, rule(QString())});
        watcher->start();
        QVERIFY(watcher->isPolling());
        QVERIFY(!watcher->timer()->isActive());

        docker.enabled = true;
        watcher->setRules({docker});
        QVERIFY(watcher->timer()->isActive());
        running({u"docker"_s});
        watcher->poll();

        // Disabled, the rule still holds its reason until a poll releases it.
        docker.enabled = false;
        watcher->setRules({docker});
        QVERIFY(watcher->timer()->isActive());
        watcher->poll();
        QVERIFY(manager->reasons().isEmpty());
        QVERIFY(!watcher->timer()->isActive());
    }

    void destroyedManagerStopsPolling()
    {
        const ProcessRule git = rule(u"git"_s);
        watcher->setRules({git});
        running({u"git"_s});
        watcher->poll();
        QCOMPARE(provider->snapshotCount, 1);

        manager.reset();
        QSignalSpy countsChanged(watcher.get(), &ProcessWatcher::matchCountsChanged);
        provider->processes.clear();
        watcher->poll();
        QCOMPARE(provider->snapshotCount, 1);
        QCOMPARE(countsChanged.size(), 0);
        QCOMPARE(watcher->matchCounts(), (QHash<QUuid, int>{{git.id, 1}}));
        QCOMPARE(events.size(), 1);
    }

    void callbackMayDestroyTheWatcher()
    {
        watcher->setRules({rule(u"a"_s), rule(u"b"_s)});
        running({u"a"_s, u"b"_s});
        watcher->onActivated = [this](const ProcessRule &, int) { watcher.reset(); };
        watcher->poll();
        QVERIFY(!watcher);
        QCOMPARE(manager->reasons().size(), 1);
    }

    void updatePollIntervalRestartsOnlyWhilePolling()
    {
        watcher->setRules({rule(u"bun"_s)});
        QCOMPARE(watcher->pollInterval(), 5.0);
        QVERIFY(!watcher->timer());

        watcher->updatePollInterval(10);
        QCOMPARE(watcher->pollInterval(), 10.0);
        QCOMPARE(provider->snapshotCount, 0);
        QVERIFY(!watcher->isPolling());

        watcher->start();
        QCOMPARE(provider->snapshotCount, 1);
        QVERIFY(watcher->timer());
        QCOMPARE(watcher->timer()->interval(), 10000);
        QCOMPARE(watcher->timer()->timerType(), Qt::CoarseTimer);
        QVERIFY(watcher->timer()->isActive());

        const QTimer *old = watcher->timer();
        watcher->updatePollInterval(2);
        QCOMPARE(provider->snapshotCount, 2);
        QVERIFY(watcher->timer() != old);
        QCOMPARE(watcher->timer()->interval(), 2000);

        // Assigning directly leaves the running timer alone.
        watcher->setPollInterval(30);
        QCOMPARE(watcher->timer()->interval(), 2000);

        watcher->setRules({rule(u"bun"_s)});
        running({u"bun"_s});
        watcher->start();
        QCOMPARE(watcher->timer()->interval(), 30000);
        watcher->stop();
        QVERIFY(!watcher->isPolling());
        // Stopping keeps the reasons already added.
        QCOMPARE(manager->reasons().size(), 1);
        watcher->updatePollInterval(5);
        QCOMPARE(provider->snapshotCount, 3);
    }

    void timerPollsRepeatedly()
    {
        watcher->setRules({rule(u"bun"_s)});
        watcher->updatePollInterval(0); // runs at the one-second minimum, never back to back
        watcher->start();
        QCOMPARE(watcher->timer()->interval(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(provider->snapshotCount, 2, 5000);
        const QPointer<const QTimer> timer = watcher->timer();
        watcher->stop();
        QVERIFY(!watcher->timer());
        QVERIFY(!timer || !timer->isActive());
    }

    void timerInterval_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("default") << 5.0 << 5000;
        QTest::newRow("fraction") << 2.5 << 2500;
        QTest::newRow("below minimum") << 0.25 << 1000;
        QTest::newRow("zero") << 0.0 << 1000;
        QTest::newRow("negative") << -3.0 << 1000;
        QTest::newRow("nan") << std::nan("") << 1000;
        QTest::newRow("huge") << 1e12 << std::numeric_limits<int>::max();
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity()
                                  << std::numeric_limits<int>::max();
    }

    void timerInterval()
    {
        QFETCH(double, seconds);
        QFETCH(int, milliseconds);
        QCOMPARE(ProcessWatcher::timerIntervalMilliseconds(seconds), milliseconds);
    }
};

QTEST_GUILESS_MAIN(TestProcessWatcher)
#include "tst_process_watcher.moc"
