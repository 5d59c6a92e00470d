#include "FakeBackends.h"
#include "ScriptedMenuDialogs.h"

#include "menubar/MenuActions.h"
#include "power/AssertionManager.h"
#include "preferences/PreferencesStore.h"
#include "processes/ProcessWatcher.h"
#include "safety/HonestStatus.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = MenuAction::Kind;

class TestMenuActions : public QObject {
    Q_OBJECT

    FakeBackends fakes;
    std::unique_ptr<AppCoordinator> coordinator;
    ScriptedMenuDialogs *dialogs = nullptr; // owned by actions
    std::unique_ptr<MenuActions> actions;

    const QList<AwakeReason> &reasons() const { return coordinator->assertions().reasons(); }

    static double secondsBetween(const QDateTime &from, const QDateTime &to)
    {
        return from.msecsTo(to) / 1000.0;
    }

    QList<ProcessRule> rulesNamed(const QString &name) const
    {
        QList<ProcessRule> found;
        for (const ProcessRule &rule : coordinator->prefs().processRules()) {
            if (rule.name == name)
                found << rule;
        }
        return found;
    }

private slots:
    void init()
    {
        fakes = FakeBackends();
        // Berlin is an hour ahead of UTC in March: until-times must follow the clock's zone.
        fakes.clock->setTimeZone(QTimeZone("Europe/Berlin"));
        coordinator = fakes.makeCoordinator();
        auto scripted = std::make_unique<ScriptedMenuDialogs>();
        dialogs = scripted.get();
        actions = std::make_unique<MenuActions>(coordinator.get(), std::move(scripted));
    }

    void cleanup()
    {
        actions.reset();
        coordinator.reset();
    }

    void customDuration_data()
    {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<double>("seconds"); // 0: no session
        QTest::newRow("fraction of a minute") << std::optional<QString>(u"1.5"_s) << 90.0;
        QTest::newRow("spaces around") << std::optional<QString>(u" 30 "_s) << 1800.0;
        QTest::newRow("zero") << std::optional<QString>(u"0"_s) << 0.0;
        QTest::newRow("negative") << std::optional<QString>(u"-5"_s) << 0.0;
        QTest::newRow("letters") << std::optional<QString>(u"abc"_s) << 0.0;
        QTest::newRow("empty") << std::optional<QString>(QString()) << 0.0;
        QTest::newRow("cancel") << std::optional<QString>() << 0.0;
    }

    void customDuration()
    {
        QFETCH(std::optional<QString>, typed);
        QFETCH(double, seconds);
        dialogs->durationAnswer = typed;
        actions->perform({.kind = Kind::PromptCustomDuration});
        QCOMPARE(dialogs->shown, QStringList{u"duration"_s});
        if (seconds == 0) {
            QVERIFY(reasons().isEmpty());
            QVERIFY(fakes.notifications->posts.isEmpty());
            return;
        }
        QCOMPARE(reasons().size(), 1);
        const AwakeReason &timed = reasons().first();
        QCOMPARE(timed.type, ReasonType::Timed);
        QCOMPARE(secondsBetween(fakes.clock->now(), *timed.endsAt), seconds);
        QCOMPARE(timed.mode, AwakeMode::System); // no mode given: the preference's default
    }

    void manualToggle_data()
    {
        QTest::addColumn<bool>("confirmIndefinite");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("started");
        QTest::newRow("confirmed") << true << true << QStringList{u"confirm"_s} << true;
        QTest::newRow("cancelled") << true << false << QStringList{u"confirm"_s} << false;
        QTest::newRow("no confirmation wanted") << false << false << QStringList() << true;
    }

    void manualToggle()
    {
        QFETCH(bool, confirmIndefinite);
        QFETCH(bool, answer);
        QFETCH(QStringList, shown);
        QFETCH(bool, started);
        coordinator->prefs().setConfirmIndefinite(confirmIndefinite);
        dialogs->confirmAnswer = answer;
        actions->perform({.kind = Kind::ToggleManual, .manualExisted = false});
        QCOMPARE(dialogs->shown, shown);
        QCOMPARE(reasons().size(), started ? 1 : 0);
        if (!started)
            return;
        QCOMPARE(reasons().first().type, ReasonType::Manual);
        QCOMPARE(reasons().first().mode, AwakeMode::System);

        // The "Stop" entry removes every manual reason and leaves the rest.
        coordinator->startTimed(600);
        actions->perform({.kind = Kind::ToggleManual, .manualExisted = true});
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(reasons().first().type, ReasonType::Timed);
        QCOMPARE(dialogs->shown, shown); // stopping never asks
    }

    void stopEntryOfAnEndedSessionStartsNothing()
    {
        // The menu showed "Stop Keep Awake", but the session ended before the click.
        actions->perform({.kind = Kind::ToggleManual, .manualExisted = true});
        QVERIFY(reasons().isEmpty());
        QVERIFY(dialogs->shown.isEmpty());
    }

    void coordinatorGoneWhileDialogOpen()
    {
        dialogs->whileOpen = [this] { coordinator.reset(); };
        actions->perform({.kind = Kind::ToggleManual}); // asks, then finds nothing to act on
        QCOMPARE(dialogs->shown, QStringList{u"confirm"_s});
        dialogs->durationAnswer = u"10"_s;
        actions->perform({.kind = Kind::PromptCustomDuration}); // nothing asked any more
        QCOMPARE(dialogs->shown, QStringList{u"confirm"_s});

        int opened = 0;
        actions->openPreferences = [&] { ++opened; };
        actions->perform({.kind = Kind::OpenPreferences}); // windows do not need the coordinator
        QCOMPARE(opened, 1);
    }

    void choicesWhileAskingAreIgnored()
    {
        // A tray host delivers another choice while the confirmation waits.
        dialogs->whileOpen = [this] {
            QVERIFY(actions->isAsking());
            actions->perform({.kind = Kind::StartTimed, .seconds = 600});
            actions->perform({.kind = Kind::ToggleManual});
        };
        dialogs->confirmAnswer = false;
        actions->perform({.kind = Kind::ToggleManual});
        QCOMPARE(dialogs->shown, QStringList{u"confirm"_s}); // no second dialog
        QVERIFY(reasons().isEmpty());
        QVERIFY(!actions->isAsking());
        actions->perform({.kind = Kind::StartTimed, .seconds = 600}); // answered: choices count again
        QCOMPARE(reasons().size(), 1);
    }

    void displayToggle_data()
    {
        QTest::addColumn<std::optional<AwakeMode>>("manual"); // the manual session before, if any
        QTest::addColumn<bool>("withProcess");
        QTest::addColumn<AwakeMode>("expectedMode");
        QTest::newRow("nothing running") << std::optional<AwakeMode>() << false << AwakeMode::Display;
        QTest::newRow("only a process") << std::optional<AwakeMode>() << true << AwakeMode::Display;
        QTest::newRow("system manual")
            << std::optional<AwakeMode>(AwakeMode::System) << false << AwakeMode::Display;
        QTest::newRow("display manual")
            << std::optional<AwakeMode>(AwakeMode::Display) << true << AwakeMode::System;
    }

    void displayToggle()
    {
        QFETCH(std::optional<AwakeMode>, manual);
        QFETCH(bool, withProcess);
        QFETCH(AwakeMode, expectedMode);
        if (manual)
            coordinator->startManual(*manual);
        const AwakeReason process{QUuid::createUuid(), ReasonType::Process, u"p"_s, fakes.clock->now(), {},
                                  AwakeMode::System};
        if (withProcess)
            coordinator->assertions().addReason(process);
        const auto before = coordinator->assertions().firstReason(ReasonType::Manual);

        actions->perform(
            {.kind = Kind::ToggleDisplay, .manualExisted = manual.has_value(), .manualMode = manual});

        QVERIFY(dialogs->shown.isEmpty()); // never asks, even with confirmation on
        const auto after = coordinator->assertions().firstReason(ReasonType::Manual);
        QVERIFY(after);
        QCOMPARE(after->mode, expectedMode);
        if (before) {
            QCOMPARE(after->id, before->id); // switched in place
            QCOMPARE(after->label, before->label);
        }
        QCOMPARE(reasons().size(), withProcess ? 2 : 1);
        if (withProcess)
            QVERIFY(reasons().contains(process));
    }

    void untilEntriesFollowTheClockZone()
    {
        // 12:00 UTC is 13:00 in Berlin.
        actions->perform({.kind = Kind::StartUntil, .hour = 18, .minute = 0});
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(*reasons().first().endsAt, QDateTime(QDate(2026, 3, 10), QTime(17, 0), QTimeZone::utc()));
        // Eight in the morning has passed: tomorrow's, replacing today's session.
        actions->perform({.kind = Kind::StartUntil, .hour = 8, .minute = 0});
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(*reasons().first().endsAt, QDateTime(QDate(2026, 3, 11), QTime(7, 0), QTimeZone::utc()));
    }

    void customTime()
    {
        dialogs->timeAnswer = std::nullopt;
        actions->perform({.kind = Kind::PromptCustomTime});
        QCOMPARE(dialogs->lastInitialTime, QTime(14, 0)); // an hour from now, on the local clock
        QVERIFY(reasons().isEmpty());

        // The time is read when the dialog closes: ten minutes pass while it is open.
        dialogs->timeAnswer = QTime(13, 5, 42);
        dialogs->whileOpen = [this] { fakes.clock->advance(600); };
        actions->perform({.kind = Kind::PromptCustomTime});
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(reasons().first().type, ReasonType::UntilTime);
        // 13:05 Berlin has passed by then (13:10): tomorrow, seconds dropped.
        QCOMPARE(*reasons().first().endsAt, QDateTime(QDate(2026, 3, 11), QTime(12, 5), QTimeZone::utc()));
    }

    void addProcess_data()
    {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<bool>("warnOnBroadNames");
        QTest::addColumn<QString>("added"); // empty: nothing added
        QTest::addColumn<bool>("warned");
        QTest::newRow("broad") << std::optional<QString>(u"node"_s) << true << u"node"_s << true;
        QTest::newRow("broad in capitals keeps its case")
            << std::optional<QString>(u"Node"_s) << true << u"Node"_s << true;
        QTest::newRow("broad, warning off")
            << std::optional<QString>(u"node"_s) << false << u"node"_s << false;
        QTest::newRow("trimmed") << std::optional<QString>(u" \tcargo  "_s) << true << u"cargo"_s << false;
        QTest::newRow("only blanks") << std::optional<QString>(u" \t "_s) << true << QString() << false;
        QTest::newRow("cancel") << std::optional<QString>() << true << QString() << false;
    }

    void addProcess()
    {
        QFETCH(std::optional<QString>, typed);
        QFETCH(bool, warnOnBroadNames);
        QFETCH(QString, added);
        QFETCH(bool, warned);
        coordinator->prefs().setWarnOnBroadNames(warnOnBroadNames);
        fakes.processes->processes = {{42, u"node"_s, u"/usr/bin/node server.js"_s},
                                      {43, u"cargo"_s, u"cargo build"_s}};
        const QList<ProcessRule> before = coordinator->prefs().processRules();
        const qsizetype writes = fakes.defaults->writes.size();
        bool ruleInPlaceWhenWarned = false;
        dialogs->whileOpen = [&] {
            if (dialogs->shown.last() == "broad"_L1)
                ruleInPlaceWhenWarned = rulesNamed(added).size() == 1 && !reasons().isEmpty();
        };
        dialogs->processAnswer = typed;

        actions->perform({.kind = Kind::PromptAddProcess});

        QCOMPARE(dialogs->shown,
                 warned ? (QStringList{u"process"_s, u"broad"_s}) : QStringList{u"process"_s});
        if (added.isEmpty()) {
            QCOMPARE(coordinator->prefs().processRules(), before);
            QCOMPARE(fakes.defaults->writes.size(), writes);
            return;
        }
        const QList<ProcessRule> rules = coordinator->prefs().processRules();
        QCOMPARE(rules.size(), before.size() + 1);
        const ProcessRule &rule = rules.last();
        QCOMPARE(rule.name, added);
        QVERIFY(rule.enabled);
        QCOMPARE(rule.matchMode, ProcessMatchMode::Exact);
        QVERIFY(!rule.id.isNull());
        QCOMPARE(coordinator->watcher().rules(), rules); // applied
        // Polled at once: the matching process keeps the machine awake without waiting a poll interval.
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(reasons().first().type, ReasonType::Process);
        if (warned)
            QVERIFY(ruleInPlaceWhenWarned); // the warning comes after the rule took effect
    }

    void toggleRule()
    {
        const ProcessRule rule{QUuid::createUuid(), u"make"_s, false, ProcessMatchMode::Contains};
        coordinator->prefs().setProcessRules({rule});
        fakes.processes->processes = {{7, u"make"_s, u"make -j2"_s}};
        const int snapshots = fakes.processes->snapshotCount;

        actions->perform({.kind = Kind::ToggleRule, .id = rule.id});
        QCOMPARE(coordinator->prefs().processRules().first().enabled, true);
        QCOMPARE(coordinator->watcher().rules().first().enabled, true);
        QVERIFY(fakes.processes->snapshotCount > snapshots);
        QCOMPARE(reasons().size(), 1);

        actions->perform({.kind = Kind::ToggleRule, .id = rule.id});
        QCOMPARE(coordinator->prefs().processRules().first().enabled, false);
        QVERIFY(reasons().isEmpty());

        // A rule removed since the menu was built: nothing is written or polled.
        coordinator->prefs().setProcessRules({});
        const qsizetype writes = fakes.defaults->writes.size();
        const int polls = fakes.processes->snapshotCount;
        actions->perform({.kind = Kind::ToggleRule, .id = rule.id});
        QVERIFY(coordinator->prefs().processRules().isEmpty());
        QCOMPARE(fakes.defaults->writes.size(), writes);
        QCOMPARE(fakes.processes->snapshotCount, polls);
    }

    void sessionEntries()
    {
        actions->perform({.kind = Kind::StartTimed, .seconds = 1800});
        QCOMPARE(reasons().size(), 1);
        const AwakeReason timed = reasons().first();
        QCOMPARE(timed.label, u"Timed: 30m 0s"_s);

        actions->perform({.kind = Kind::ExtendSession, .seconds = 1800});
        QCOMPARE(secondsBetween(timed.startedAt, *reasons().first().endsAt), 3600.0);

        coordinator->startManual(AwakeMode::System);
        actions->perform({.kind = Kind::StopReason, .id = timed.id});
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(reasons().first().type, ReasonType::Manual);

        actions->perform({.kind = Kind::CopyHonestStatus});
        QCOMPARE(fakes.clipboard->texts, QStringList{HonestStatus::messages().at(1)});

        actions->perform({.kind = Kind::StopAll});
        QVERIFY(reasons().isEmpty());
        QCOMPARE(fakes.notifications->posts.last().body, u"All sessions"_s);
    }
};

QTEST_GUILESS_MAIN(TestMenuActions)
#include "tst_menu_actions.moc"
