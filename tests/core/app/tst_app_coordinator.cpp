#include "CoordinatorRig.h"
#include "commands/CommandHistory.h"
#include "commands/CommandRunner.h"
#include "notifications/NotificationManager.h"
#include "power/AssertionManager.h"
#include "power/PowerSourceMonitor.h"
#include "preferences/PreferencesStore.h"
#include "processes/ProcessWatcher.h"
#include "safety/HonestStatus.h"
#include "timers/SessionTimerManager.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;
using Post = RecordingNotificationSink::Post;

namespace {

// The coordinator rig, with the preferences edited from the default record.
struct Rig : CoordinatorRig {
    explicit Rig(const std::function<void(PreferencesStore::Stored &)> &preferences = {})
        : CoordinatorRig(edited(preferences))
    {
    }

    static std::optional<PreferencesStore::Stored> edited(
        const std::function<void(PreferencesStore::Stored &)> &preferences)
    {
        if (!preferences)
            return std::nullopt;
        PreferencesStore::Stored stored = PreferencesStore::Stored::defaultRecord();
        preferences(stored);
        return stored;
    }

    void onBattery(int percent)
    {
        power->descriptions = QList<QVariantMap>{FakePowerSources::source(percent, 100, u"Battery Power"_s)};
        app->power().refresh();
    }
    void pluggedIn(int percent)
    {
        power->descriptions = QList<QVariantMap>{FakePowerSources::source(percent, 100, u"AC Power"_s)};
        app->power().refresh();
    }

    QList<Post> postsTitled(const QString &title) const
    {
        QList<Post> out;
        for (const Post &post : sink->posts) {
            if (post.title == title)
                out << post;
        }
        return out;
    }
};

ProcessRule rule(const QString &name, bool enabled = true)
{
    return {QUuid::createUuid(), name, enabled, ProcessMatchMode::Exact};
}

SavedCommand shellCommand(const QString &text, std::optional<QString> directory = std::nullopt)
{
    return {QUuid::createUuid(), QString(), text, std::move(directory), u"/bin/sh"_s, false, {}, {}};
}

} // namespace

class TestAppCoordinator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void constructionLoadsAndAppliesButStartsNothing()
    {
        const ProcessRule stored = rule(u"make"_s);
        Rig rig([&](PreferencesStore::Stored &s) {
            s.processRules = {stored};
            s.keepCommandHistory = false;
        });
        QCOMPARE(rig.app->iconState(), StatusIconState::Inactive);
        QVERIFY(!rig.app->timers().isRunning());
        QVERIFY(!rig.app->watcher().isPolling());
        QVERIFY(!rig.app->power().isRunning());
        QCOMPARE(rig.app->watcher().rules(), QList<ProcessRule>{stored});
        QVERIFY(!rig.app->history().keepHistory());
        QCOMPARE(rig.processes->snapshotCount, 0);
        QVERIFY(rig.lock->calls.isEmpty());
        QVERIFY(rig.defaults->writes.isEmpty());
    }

    void timedSessionFromStartToExpiry()
    {
        Rig rig;
        int redraws = 0;
        rig.app->onStateChanged = [&] { ++redraws; };
        rig.app->start();
        rig.app->startTimed(1800);

        QCOMPARE(rig.sink->posts.last(), (Post{u"Keep-awake started"_s, u"Timed: 30m 0s"_s}));
        QCOMPARE(rig.lock->activeMode(), AwakeMode::System);
        QCOMPARE(rig.lock->calls.last().reason, u"Vigila: keep system awake"_s);
        const AwakeReason timed = rig.app->assertions().reasons().first();
        QCOMPARE(timed.endsAt, rig.clock->now().addSecs(1800));
        Rig::settle();
        QCOMPARE(rig.app->iconState(), StatusIconState::Timed);

        rig.tick(1799);
        QVERIFY(rig.lock->isActive());
        QCOMPARE(rig.postsTitled(u"Keep-awake ended"_s).size(), 0);
        redraws = 0;
        rig.tick(1); // the first tick at the end
        QCOMPARE(rig.postsTitled(u"Keep-awake ended"_s), (QList<Post>{{u"Keep-awake ended"_s, u"Timed: 30m 0s"_s}}));
        QVERIFY(!rig.lock->isActive());
        QVERIFY(rig.app->assertions().reasons().isEmpty());
        QCOMPARE(rig.app->iconState(), StatusIconState::Inactive);
        QVERIFY(redraws >= 2); // after the expiry and after the tick
    }

    void processRuleActivatesAndReleases_data()
    {
        QTest::addColumn<bool>("quiet");
        QTest::newRow("notifications for process watches") << false;
        QTest::newRow("quiet process watches (default)") << true;
    }

    void processRuleActivatesAndReleases()
    {
        QFETCH(bool, quiet);
        Rig rig([&](PreferencesStore::Stored &s) {
            s.processRules = {rule(u"claude"_s)};
            s.quietProcessNotifications = quiet;
        });
        rig.processes->processes = {{42, u"claude"_s, u"/usr/bin/claude --resume"_s}};
        rig.app->watcher().poll();
        Rig::settle();
        QCOMPARE(rig.app->iconState(), StatusIconState::Process);
        QVERIFY(rig.lock->isActive());
        QCOMPARE(rig.app->assertions().reasons().first().label, u"\u201Cclaude\u201D running (1 match)"_s);

        rig.processes->processes.clear();
        rig.app->watcher().poll();
        Rig::settle();
        QVERIFY(!rig.lock->isActive());
        QCOMPARE(rig.app->iconState(), StatusIconState::Inactive);
        if (quiet) {
            QVERIFY(rig.sink->posts.isEmpty());
        } else {
            QCOMPARE(rig.sink->posts,
                     (QList<Post>{{u"Process watch active"_s, u"Keeping awake while \u201Cclaude\u201D runs."_s},
                                  {u"Process watch released"_s, u"\u201Cclaude\u201D is no longer running."_s}}));
        }
    }

    // A trigger's reason takes the lock in the preferences' default mode, shows in the status,
    // and notifies only when the user asked for it.
    void triggerTakesTheLockAndNotifiesOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("notify");
        QTest::newRow("quiet (default)") << false;
        QTest::newRow("notifications for triggers") << true;
    }

    void triggerTakesTheLockAndNotifiesOnlyWhenAsked()
    {
        QFETCH(bool, notify);
        const TriggerRule docked = TriggerRule::make(TriggerKind::ExternalDisplay, {}, u"Docked"_s);
        Rig rig([&](PreferencesStore::Stored &s) {
            s.triggerRules = {docked};
            s.triggerNotifications = notify;
            s.defaultMode = AwakeMode::Display;
        });
        rig.app->start();
        rig.sink->posts.clear();
        rig.triggers.displays->set({u"dock"_s});
        Rig::settle();
        QVERIFY(rig.lock->isActive());
        QCOMPARE(rig.lock->activeMode(), std::optional(AwakeMode::Display));
        QVERIFY(rig.app->status().triggerStatus.value(docked.id).active);
        rig.triggers.displays->set({});
        Rig::settle();
        QVERIFY(!rig.lock->isActive());
        QCOMPARE(rig.sink->posts,
                 notify ? (QList<Post>{{u"Trigger \u201CDocked\u201D started"_s,
                                        u"Keeping awake: While docked to an external display."_s},
                                       {u"Trigger \u201CDocked\u201D ended"_s, u"Its condition no longer holds."_s}})
                        : QList<Post>{});
    }

    void commandRunIsRecordedThenNotifiedThenRefreshed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<QString>>("directory");
        QTest::addColumn<Post>("post");
        const std::optional<QString> none;
        QTest::newRow("success") << u"exit 0"_s << none
                                 << Post{u"Command finished"_s, u"exit 0\nExit code 0"_s};
        QTest::newRow("failure") << u"exit 3"_s << none
                                 << Post{u"Command failed"_s, u"exit 3\nExit code 3"_s};
        QTest::newRow("ended by a signal")
            << u"kill -TERM $$"_s << none << Post{u"Command cancelled"_s, u"kill -TERM $$"_s};
        // Once reported as "Command cancelled", as if the user had stopped it.
        QTest::newRow("never started")
            << u"exit 0"_s << std::optional<QString>(u"/nonexistent-vigila"_s)
            << Post{u"Command failed to start"_s,
                    u"exit 0\nWorking directory does not exist: /nonexistent-vigila"_s};
    }

    void commandRunIsRecordedThenNotifiedThenRefreshed()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<QString>, directory);
        QFETCH(Post, post);
        Rig rig;
        QStringList order;
        const auto posted = [&] { return rig.postsTitled(post.title).size(); };
        connect(&rig.app->history(), &CommandHistory::recentChanged, this,
                [&] { order << u"recorded, posted %1"_s.arg(posted()); });
        rig.app->onStateChanged = [&] {
            if (!rig.app->history().recent().isEmpty() && !order.isEmpty() && order.size() < 3)
                order << u"refreshed, posted %1"_s.arg(posted());
        };
        rig.app->runCommand(shellCommand(text, directory));
        if (!directory)
            QCOMPARE(rig.app->assertions().reasons().first().label, u"Running: "_s + text);
        QTRY_VERIFY(!rig.app->runner().isRunning());
        Rig::settle();

        // The record publishes twice (removal of any older run, then the insertion).
        QCOMPARE(order.first(), u"recorded, posted 0"_s);
        QCOMPARE(order.last(), u"refreshed, posted 1"_s);
        QCOMPARE(rig.postsTitled(post.title), QList<Post>{post});
        QCOMPARE(rig.app->history().recent().first().command, text);
        QVERIFY(rig.app->assertions().reasons().isEmpty());
        QCOMPARE(rig.app->iconState(), StatusIconState::Inactive);
    }

    void commandWorkingDirectoryFallsBackToThePreference_data()
    {
        QTest::addColumn<std::optional<QString>>("given");
        QTest::addColumn<QString>("preference");
        QTest::addColumn<std::optional<QString>>("used");
        QTest::newRow("none, no default") << std::optional<QString>() << QString() << std::optional<QString>();
        QTest::newRow("empty, no default") << std::optional<QString>(u""_s) << QString() << std::optional<QString>();
        QTest::newRow("none, default") << std::optional<QString>() << u"/tmp"_s << std::optional<QString>(u"/tmp"_s);
        QTest::newRow("own beats default") << std::optional<QString>(u"/"_s) << u"/tmp"_s
                                           << std::optional<QString>(u"/"_s);
        // Passed on as typed: no "~" expansion, so this one cannot start.
        QTest::newRow("home-relative default") << std::optional<QString>() << u"~/no-such-dir"_s
                                               << std::optional<QString>(u"~/no-such-dir"_s);
    }

    void commandWorkingDirectoryFallsBackToThePreference()
    {
        QFETCH(std::optional<QString>, given);
        QFETCH(QString, preference);
        QFETCH(std::optional<QString>, used);
        Rig rig([&](PreferencesStore::Stored &s) { s.defaultWorkingDirectory = preference; });
        rig.app->runCommand(shellCommand(u"true"_s, given));
        QTRY_VERIFY(!rig.app->runner().isRunning());
        QCOMPARE(rig.app->history().recent().first().workingDirectory, used);
    }

    void sessionCommands()
    {
        Rig rig;
        AssertionManager &m = rig.app->assertions();

        // A second manual start replaces the first.
        rig.app->startManual(AwakeMode::System);
        rig.app->startManual(AwakeMode::System);
        QCOMPARE(m.reasons().size(), 1);
        QCOMPARE(m.reasons().first().label, u"Manual keep-awake"_s);
        // The second start is told once the first one's notification has been up a while.
        QCOMPARE(rig.postsTitled(u"Keep-awake started"_s).size(), 1);
        rig.clock->advance(2);
        rig.app->notifications().postDueStarts();
        QCOMPARE(rig.postsTitled(u"Keep-awake started"_s).size(), 2);

        // Display replaces system; other reasons stay.
        m.addReason({QUuid::createUuid(), ReasonType::Process, u"p"_s, rig.clock->now(), {}, AwakeMode::System});
        rig.app->startManual(AwakeMode::Display);
        QCOMPARE(m.reasons().size(), 2);
        QCOMPARE(m.firstReason(ReasonType::Manual)->label, u"Manual (display awake)"_s);
        QCOMPARE(m.effectiveMode(), AwakeMode::Display);

        // Toggling an existing manual session removes it whatever the mode, silently.
        const qsizetype posts = rig.sink->posts.size();
        rig.app->toggleManual(AwakeMode::System);
        QVERIFY(!m.hasReason(ReasonType::Manual));
        QCOMPARE(rig.sink->posts.size(), posts);

        // setDisplayAwake: nothing without a manual session when off; starts one when on.
        rig.app->setDisplayAwake(false);
        QVERIFY(!m.hasReason(ReasonType::Manual));
        QCOMPARE(rig.sink->posts.size(), posts);
        rig.clock->advance(2); // a start of its own, not one of a burst
        rig.app->setDisplayAwake(true);
        QCOMPARE(m.firstReason(ReasonType::Manual)->mode, AwakeMode::Display);
        QCOMPARE(rig.sink->posts.last(), (Post{u"Keep-awake started"_s, u"Manual (display awake)"_s}));
        // Switching back keeps the label.
        rig.app->setDisplayAwake(false);
        QCOMPARE(m.firstReason(ReasonType::Manual)->mode, AwakeMode::System);
        QCOMPARE(m.firstReason(ReasonType::Manual)->label, u"Manual (display awake)"_s);

        // Stop all, even with nothing running, says so.
        rig.app->stopAll();
        rig.app->stopAll();
        QCOMPARE(rig.postsTitled(u"Keep-awake ended"_s).size(), 2);
        QCOMPARE(rig.sink->posts.last().body, u"All sessions"_s);
    }

    void deadlineSessions()
    {
        Rig rig([](PreferencesStore::Stored &s) { s.defaultMode = AwakeMode::Display; });
        AssertionManager &m = rig.app->assertions();
        rig.clock->set(QDateTime(QDate(2026, 12, 8), QTime(9, 0), QTimeZone::utc()));

        // A date not in the future changes nothing, not even a running deadline.
        rig.app->startTimed(600);
        const qsizetype posts = rig.sink->posts.size();
        rig.app->startUntil(rig.clock->now().addSecs(-60));
        rig.app->startUntil(rig.clock->now());
        QCOMPARE(m.reasons().size(), 1);
        QCOMPARE(rig.sink->posts.size(), posts);

        // Until replaces timed; the default mode applies.
        rig.app->startUntil(QDateTime(QDate(2026, 12, 8), QTime(17, 0), QTimeZone::utc()));
        QCOMPARE(m.reasons().size(), 1);
        QCOMPARE(m.reasons().first().label, u"Until Today 5:00 PM"_s);
        QCOMPARE(m.reasons().first().mode, AwakeMode::Display);

        // Extending an until-time session moves the end and names the new time.
        rig.app->extendActiveSession(1800);
        QCOMPARE(m.reasons().first().label, u"Until Today 5:30 PM"_s);

        // Timed with 10 minutes left, extended by 30: 40 minutes left, same identity.
        rig.app->startTimed(900, AwakeMode::System);
        const AwakeReason before = m.reasons().first();
        rig.clock->advance(300);
        rig.app->extendActiveSession(1800);
        const AwakeReason after = m.reasons().first();
        QCOMPARE(after.label, u"Timed: 40m 0s"_s);
        QCOMPARE(after.endsAt, before.endsAt->addSecs(1800));
        QCOMPARE(after.id, before.id);
        QCOMPARE(after.startedAt, before.startedAt);
        QCOMPARE(after.mode, AwakeMode::System);

        // Nothing to extend with only a manual session.
        rig.app->stopAll();
        rig.app->startManual(AwakeMode::System);
        const AwakeReason manual = m.reasons().first();
        rig.app->extendActiveSession(1800);
        QCOMPARE(m.reasons().first(), manual);

        // A zero or negative duration ends at the next tick, with the usual notice.
        rig.app->startTimed(-5);
        rig.tick();
        QCOMPARE(rig.sink->posts.last(), (Post{u"Keep-awake ended"_s, u"Timed: 0s"_s}));
    }

    void batteryStopWhenOnlyPluggedInIsWanted()
    {
        Rig rig([](PreferencesStore::Stored &s) { s.battery.onlyWhilePluggedIn = true; });
        rig.onBattery(80);
        rig.app->startManual(AwakeMode::System);
        rig.sink->posts.clear();
        rig.tick();

        const QString reason = u"Stopped because Vigila is set to keep awake only while plugged in."_s;
        QVERIFY(rig.app->assertions().reasons().isEmpty());
        QVERIFY(!rig.lock->isActive());
        QCOMPARE(rig.app->lastStopReason(), reason);
        QCOMPARE(rig.app->batteryMessage(), reason);
        QCOMPARE(rig.sink->posts, (QList<Post>{{u"Keep-awake ended"_s, u"All sessions"_s},
                                               {u"Battery warning"_s, reason}}));
        rig.tick(); // nothing left to guard: the message clears, the stop reason stays
        QCOMPARE(rig.app->batteryMessage(), std::nullopt);
        QCOMPARE(rig.app->lastStopReason(), reason);

        // A new session clears the stop reason; the guard stops it again at the next tick.
        rig.app->startTimed(600);
        QCOMPARE(rig.app->lastStopReason(), std::nullopt);
        rig.tick();
        QCOMPARE(rig.app->lastStopReason(), reason);
        QCOMPARE(rig.postsTitled(u"Battery warning"_s).size(), 2);
    }

    void batteryAutoStopEndsACommandRunToo()
    {
        Rig rig([](PreferencesStore::Stored &s) { s.battery.autoStopEnabled = true; });
        rig.onBattery(12);
        rig.app->runCommand(shellCommand(u"sleep 30"_s));
        QVERIFY(rig.app->runner().isRunning());
        rig.tick();
        QCOMPARE(rig.app->lastStopReason(), u"Stopped because battery dropped to 12% (limit 15%)."_s);
        QTRY_COMPARE(rig.app->runner().state(), CommandRunner::State::cancelled());
    }

    void oneBatteryWarningPerEpisode()
    {
        Rig rig;
        rig.onBattery(80);
        rig.tick(); // nothing keeps the machine awake: nothing to say
        QCOMPARE(rig.app->batteryMessage(), std::nullopt);
        QVERIFY(rig.sink->posts.isEmpty());

        rig.app->startManual(AwakeMode::System);
        QSignalSpy messages(rig.app.get(), &AppCoordinator::batteryMessageChanged);
        for (int i = 0; i < 5; ++i)
            rig.tick();
        QCOMPARE(rig.app->batteryMessage(), u"Running on battery power."_s);
        QCOMPARE(rig.app->iconState(), StatusIconState::BatteryWarning);
        QCOMPARE(messages.count(), 5); // published every tick, changed or not
        QCOMPARE(rig.postsTitled(u"Battery warning"_s).size(), 1);

        rig.onBattery(25);
        rig.tick();
        QCOMPARE(rig.app->batteryMessage(), u"Running on battery at 25%."_s);
        QCOMPARE(rig.postsTitled(u"Battery warning"_s).size(), 1);

        rig.pluggedIn(30);
        rig.tick();
        QCOMPARE(rig.app->batteryMessage(), std::nullopt);
        QCOMPARE(rig.app->iconState(), StatusIconState::System);

        rig.onBattery(29);
        rig.tick();
        QCOMPARE(rig.postsTitled(u"Battery warning"_s).size(), 2); // a new episode
    }

    void noSessionMeansNoBatteryAction()
    {
        Rig rig([](PreferencesStore::Stored &s) { s.battery.autoStopEnabled = true; });
        rig.onBattery(5);
        rig.tick();
        QVERIFY(rig.sink->posts.isEmpty());
        QCOMPARE(rig.app->batteryMessage(), std::nullopt);
        QCOMPARE(rig.app->lastStopReason(), std::nullopt);
    }

    void assertionFailureNotifiesOncePerEpisode()
    {
        Rig rig;
        rig.lock->failActivations = true;
        rig.app->startManual(AwakeMode::System);
        QCOMPARE(rig.sink->posts.last().title, u"Keep-awake started"_s); // still reported as started
        Rig::settle();
        QCOMPARE(rig.app->iconState(), StatusIconState::Error);
        QCOMPARE(rig.postsTitled(u"Vigila error"_s).size(), 1);
        QCOMPARE(rig.postsTitled(u"Vigila error"_s).first().body, u"Could not create keep-awake assertion."_s);
        // Neither the heartbeat nor stopping the session repeats it.
        rig.tick();
        rig.tick();
        rig.app->stopAll();
        Rig::settle();
        rig.tick();
        QCOMPARE(rig.postsTitled(u"Vigila error"_s).size(), 1);
        // With nothing asked for there is no failure left to show.
        QCOMPARE(rig.app->iconState(), StatusIconState::Inactive);
        QCOMPARE(rig.app->assertions().lastError(), std::nullopt);
        rig.lock->failActivations = false;
        rig.app->startManual(AwakeMode::System);
        Rig::settle();
        QCOMPARE(rig.app->iconState(), StatusIconState::System);
        // A new failure is a new episode.
        rig.lock->failActivations = true;
        rig.app->startManual(AwakeMode::Display);
        Rig::settle();
        rig.tick();
        QCOMPARE(rig.postsTitled(u"Vigila error"_s).size(), 2);
    }

    void lockLostOnItsOwnIsTakenAgain()
    {
        Rig rig;
        rig.app->startManual(AwakeMode::Display);
        rig.lock->release(); // the service holding it went away
        rig.lock->failActivations = true;
        rig.app->assertions().resync();
        Rig::settle();
        QCOMPARE(rig.app->iconState(), StatusIconState::Error);
        QVERIFY(!rig.app->assertions().isAssertionActive());

        // The backend got one later by itself: the error is over.
        rig.lock->failActivations = false;
        rig.lock->activate(AwakeMode::Display, u"Vigila: keep display awake"_s);
        const int activations = rig.lock->activateCount();
        rig.app->assertions().resync();
        Rig::settle();
        QCOMPARE(rig.lock->activateCount(), activations); // already held in the right mode
        QCOMPARE(rig.app->assertions().lastError(), std::nullopt);
        QCOMPARE(rig.app->iconState(), StatusIconState::Display);
    }

    void startThenShutdownReleasesEverything()
    {
        Rig rig;
        rig.app->start();
        QVERIFY(rig.app->timers().isRunning());
        QVERIFY(rig.app->watcher().isPolling());
        QVERIFY(!rig.app->power().isRunning()); // idle: nothing reads the power source
        QCOMPARE(rig.sink->authorizationRequests, 1);
        rig.app->startManual(AwakeMode::System);
        Rig::settle();
        QVERIFY(rig.app->power().isRunning());
        rig.app->runCommand(shellCommand(u"sleep 30"_s));
        const qsizetype posts = rig.sink->posts.size();

        rig.app->shutdown();
        QVERIFY(!rig.app->timers().isRunning());
        QVERIFY(!rig.app->watcher().isPolling());
        QVERIFY(!rig.app->power().isRunning());
        QVERIFY(!rig.lock->isActive());
        QVERIFY(!rig.app->assertions().isAssertionActive());
        QCOMPARE(rig.app->assertions().reasons().size(), 2); // listed, but no lock
        QCOMPARE(rig.sink->posts.size(), posts);
        QTRY_COMPARE(rig.app->runner().state(), CommandRunner::State::cancelled());
    }

    // Quitting: shutdown, then everything is destroyed. The command's reason ends only then, and
    // must not take the lock again after it was released.
    void quitNeverTakesTheLockAgain()
    {
        Rig rig;
        rig.app->start();
        rig.app->startManual(AwakeMode::System);
        rig.app->runCommand(shellCommand(u"sleep 30"_s));
        QVERIFY(rig.app->runner().isRunning());
        rig.app->shutdown();
        const qsizetype callsAtShutdown = rig.lock->calls.size();
        QCOMPARE(rig.lock->calls.last().kind, FakePowerAssertion::Call::Release);

        rig.app.reset();
        QCOMPARE(rig.lock->calls.size(), callsAtShutdown);
        QVERIFY(!rig.lock->isActive());
    }

    void pollIntervalAppliesAtOnceOnlyWhilePolling()
    {
        Rig rig;
        rig.app->prefs().setPollInterval(30);
        rig.app->applyPreferences();
        QCOMPARE(rig.app->watcher().pollInterval(), 30.0);
        QCOMPARE(rig.processes->snapshotCount, 0);

        rig.app->start();
        QSignalSpy polls(&rig.app->watcher(), &ProcessWatcher::matchCountsChanged);
        rig.app->prefs().setPollInterval(10);
        rig.app->applyPreferences();
        QCOMPARE(polls.size(), 1);
        QCOMPARE(rig.app->watcher().timer()->interval(), 10000);
        rig.app->shutdown();
    }

    void notificationSwitchesFollowThePreferences()
    {
        Rig rig;
        rig.app->prefs().setShowNotifications(false);
        rig.app->startManual(AwakeMode::System);
        rig.onBattery(10);
        rig.tick();
        QVERIFY(rig.sink->posts.isEmpty());
        rig.app->prefs().setShowNotifications(true);
        rig.app->stopAll();
        QCOMPARE(rig.sink->posts.size(), 1);
    }

    void honestStatusGoesToTheClipboard()
    {
        Rig rig;
        rig.app->copyHonestStatus();
        rig.app->assertions().addReason(
            {QUuid::createUuid(), ReasonType::Process, u"p"_s, rig.clock->now(), {}, AwakeMode::System});
        rig.app->copyHonestStatus();
        QCOMPARE(rig.clipboard->texts, (QStringList{HonestStatus::messages().at(1), HonestStatus::messages().at(2)}));
    }
};

QTEST_GUILESS_MAIN(TestAppCoordinator)
#include "tst_app_coordinator.moc"
