#include "FakePowerAssertion.h"
#include "FakeTriggerSources.h"
#include "ManualClock.h"
#include "power/AssertionManager.h"
#include "triggers/Schedule.h"
#include "triggers/TriggerWatcher.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QJsonArray>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Step {
    double at;                     // seconds since the start
    std::optional<bool> plugged;   // the adapter changes to this, if given
    bool active;                   // the rule's reason is held afterwards
};

QDateTime berlin(int month, int day, int hour, int minute)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), QTimeZone("Europe/Berlin"));
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestTriggers : public QObject {
    Q_OBJECT

    ManualClock clock;
    FakeTriggerSources fakes;
    std::unique_ptr<AssertionManager> manager;
    std::unique_ptr<TriggerWatcher> watcher;
    QStringList events;

    QList<AwakeReason> triggerReasons() const
    {
        QList<AwakeReason> reasons = manager->reasons();
        reasons.removeIf([](const AwakeReason &r) { return r.type != ReasonType::Trigger; });
        return reasons;
    }

    void watch(const QList<TriggerRule> &rules)
    {
        watcher->setRules(rules);
        watcher->start();
    }

private slots:
    void init()
    {
        clock = ManualClock();
        fakes = FakeTriggerSources();
        events.clear();
        manager = std::make_unique<AssertionManager>(std::make_shared<FakePowerAssertion>());
        watcher = std::make_unique<TriggerWatcher>(manager.get(), fakes.sources(), clock);
        watcher->onActivated = [this](const TriggerRule &rule, const QString &label) {
            events << u"on %1: %2"_s.arg(rule.name, label);
        };
        watcher->onReleased = [this](const TriggerRule &rule) { events << u"off %1"_s.arg(rule.name); };
    }

    // The delay and the grace time: the condition must hold for the delay before the reason
    // starts, and the reason outlives the condition by the grace time; the timer waits for
    // exactly the next moment due and runs only while one is.
    void hysteresis_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("grace");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<int>("activations");

        QTest::newRow("at once") << 0 << 0
                                 << QList<Step>{{0, true, true}, {10, false, false}, {20, true, true}} << 2;
        QTest::newRow("delay") << 30 << 0
                               << QList<Step>{{0, true, false}, {29, {}, false}, {30, {}, true}, {40, false, false}}
                               << 1;
        QTest::newRow("flapping restarts the delay")
            << 30 << 0 << QList<Step>{{0, true, false}, {10, false, false}, {20, true, false}, {45, {}, false}, {50, {}, true}}
            << 1;
        QTest::newRow("grace") << 0 << 60
                               << QList<Step>{{0, true, true}, {10, false, true}, {69, {}, true}, {70, {}, false}} << 1;
        QTest::newRow("back within grace keeps its reason")
            << 0 << 60 << QList<Step>{{0, true, true}, {10, false, true}, {30, true, true}, {200, {}, true}} << 1;
        QTest::newRow("delay and grace") << 5 << 5
                                         << QList<Step>{{0, true, false}, {5, {}, true}, {6, false, true}, {11, {}, false}}
                                         << 1;
    }

    void hysteresis()
    {
        QFETCH(int, delay);
        QFETCH(int, grace);
        QFETCH(QList<Step>, steps);
        QFETCH(int, activations);
        TriggerRule rule = TriggerRule::make(TriggerKind::PowerAdapter, {}, u"AC"_s);
        rule.delaySeconds = delay;
        rule.graceSeconds = grace;
        fakes.adapter->battery = true;
        watch({rule});
        const QDateTime start = clock.now();
        for (const Step &step : steps) {
            clock.set(start.addSecs(qint64(step.at)));
            if (step.plugged)
                fakes.adapter->set(!*step.plugged);
            else
                watcher->evaluate(); // the timer's moment
            QVERIFY2(triggerReasons().size() == (step.active ? 1 : 0), qPrintable(u"at %1 s"_s.arg(step.at)));
            const TriggerWatcher::Status status = watcher->status(rule.id);
            QCOMPARE(status.active, step.active);
            // Waiting out a delay or a grace time keeps the timer to that moment; nothing else does.
            const bool waiting = status.pending || (status.active && !status.holds);
            QCOMPARE(watcher->timer().isActive(), waiting);
        }
        QCOMPARE(events.filter(u"on "_s).size(), activations);
    }

    // Each kind's condition, and the label that says which rule fired.
    void conditions_data()
    {
        QTest::addColumn<TriggerRule>("rule");
        QTest::addColumn<std::function<void(FakeTriggerSources &)>>("arrange");
        QTest::addColumn<QString>("label"); // empty: the condition does not hold
        QTest::addColumn<QString>("note");

        const RemoteSession alice{u"4"_s, u"alice"_s, u"10.0.0.2"_s, u"sshd"_s, true};
        const RemoteSession bob{u"5"_s, u"bob"_s, u"laptop.lan"_s, u"xrdp-sesman"_s, false};
        const TriggerRule mine = TriggerRule::make(TriggerKind::RemoteSession);
        const TriggerRule anyone = TriggerRule::make(TriggerKind::RemoteSession, {{"anyUser"_L1, true}});
        const TriggerRule backup = TriggerRule::make(TriggerKind::Unit, {{"unit"_L1, u"backup.service"_s}});
        const UnitRef backupUnit{u"backup.service"_s, false};
        using Arrange = std::function<void(FakeTriggerSources &)>;

        QTest::newRow("own SSH session") << mine << Arrange([=](auto &f) { f.sessions->sessions = {alice}; })
                                         << u"While alice is logged in over SSH from 10.0.0.2"_s << QString();
        QTest::newRow("another user's session") << mine << Arrange([=](auto &f) { f.sessions->sessions = {bob}; })
                                                << QString() << QString();
        QTest::newRow("any user's session") << anyone << Arrange([=](auto &f) { f.sessions->sessions = {bob}; })
                                            << u"While bob is logged in remotely from laptop.lan"_s << QString();
        QTest::newRow("two sessions") << anyone << Arrange([=](auto &f) { f.sessions->sessions = {alice, bob}; })
                                      << u"While 2 remote sessions are open"_s << QString();
        for (const char *state : {"active", "activating", "reloading", "deactivating"}) {
            QTest::addRow("unit %s", state)
                << backup << Arrange([=](auto &f) { f.units->statuses.insert(backupUnit, {UnitPresence::Loaded, QString::fromLatin1(state)}); })
                << u"While backup.service runs"_s << QString();
        }
        QTest::newRow("unit failed") << backup
                                     << Arrange([=](auto &f) { f.units->statuses.insert(backupUnit, {UnitPresence::Loaded, u"failed"_s}); })
                                     << QString() << QString();
        QTest::newRow("unit missing") << backup
                                      << Arrange([=](auto &f) { f.units->statuses.insert(backupUnit, {UnitPresence::NotFound, {}}); })
                                      << QString() << u"The unit backup.service does not exist; the rule waits for it."_s;
        QTest::newRow("docked") << TriggerRule::make(TriggerKind::ExternalDisplay)
                                << Arrange([](auto &f) { f.displays->displays = {u"dock"_s}; })
                                << u"While docked to an external display"_s << QString();
        QTest::newRow("monitor") << TriggerRule::make(TriggerKind::ExternalDisplay)
                                 << Arrange([](auto &f) { f.displays->displays = {u"HDMI-A-1"_s}; })
                                 << u"While an external display is connected (HDMI-A-1)"_s << QString();
        QTest::newRow("no battery counts as AC")
            << TriggerRule::make(TriggerKind::PowerAdapter) << Arrange([](auto &f) { f.adapter->present = false; })
            << u"While on AC power"_s << u"This computer has no battery, so it always counts as on AC power."_s;
        TriggerRule gated = TriggerRule::make(TriggerKind::ExternalDisplay);
        gated.onlyOnAC = true;
        QTest::newRow("only on AC, on battery") << gated << Arrange([](auto &f) {
            f.displays->displays = {u"DP-1"_s};
            f.adapter->battery = true;
        }) << QString() << u"Waits for AC power."_s;
        QTest::newRow("only on AC, plugged in") << gated << Arrange([](auto &f) {
            f.displays->displays = {u"DP-1"_s};
            f.adapter->battery = false;
        }) << u"While an external display is connected (DP-1)"_s << QString();
        // Sound: only what can be heard counts, less what the rule ignores.
        const auto stream = [](const char *app, bool corked, bool muted, bool silent) {
            return AudioStream{1, QString::fromLatin1(app), QString::fromLatin1(app).toLower(), corked, muted, silent};
        };
        TriggerRule sound = TriggerRule::make(TriggerKind::Audio, {{"ignore"_L1, QJsonArray{u"Slack"_s}}});
        QCOMPARE(sound.delaySeconds, 5); // a chime is not a film
        sound.delaySeconds = 0;
        QTest::newRow("sound playing") << sound << Arrange([=](auto &f) { f.audio->playing = QList{stream("Firefox", false, false, false)}; })
                                       << u"While Firefox plays sound"_s << QString();
        for (const auto &[name, corked, muted, silent] : {std::tuple{"paused", true, false, false},
                                                           std::tuple{"muted", false, true, false},
                                                           std::tuple{"at volume zero", false, false, true}})
            QTest::addRow("sound %s", name) << sound << Arrange([=](auto &f) { f.audio->playing = QList{stream("Firefox", corked, muted, silent)}; })
                                            << QString() << QString();
        QTest::newRow("sound ignored") << sound << Arrange([=](auto &f) { f.audio->playing = QList{stream("slack", false, false, false)}; })
                                       << QString() << QString();
        QTest::newRow("no sound server") << sound << Arrange([](auto &f) { f.audio->playing.reset(); }) << QString()
                                         << u"No sound server answers; the rule waits for one."_s;
        // Machines: any, or the one named.
        const Machine vm{u"win11"_s, u"vm"_s, u"libvirt-qemu"_s};
        QTest::newRow("machine") << TriggerRule::make(TriggerKind::Machine) << Arrange([=](auto &f) { f.machines->running = QList{vm}; })
                                 << u"While the virtual machine \u201Cwin11\u201D runs"_s << QString();
        QTest::newRow("another machine") << TriggerRule::make(TriggerKind::Machine, {{"machine"_L1, u"web"_s}})
                                         << Arrange([=](auto &f) { f.machines->running = QList{vm}; }) << QString() << QString();
        // Downloads: only a partial file that grew within the last minute counts.
        const TriggerRule download = TriggerRule::make(TriggerKind::Download, {{"folders"_L1, QJsonArray{u"/home/a/Downloads"_s}}});
        const QDateTime start = QDateTime(QDate(2026, 3, 10), QTime(12, 0), QTimeZone::utc());
        QTest::newRow("download growing") << download << Arrange([=](auto &f) {
            f.downloads->folders.insert(u"/home/a/Downloads"_s, {{}, {{u"debian.iso.part"_s, 100, start.addSecs(-59)}}});
        }) << u"While \u201Cdebian.iso.part\u201D downloads"_s << QString();
        QTest::newRow("download paused") << download << Arrange([=](auto &f) {
            f.downloads->folders.insert(u"/home/a/Downloads"_s, {{}, {{u"debian.iso.part"_s, 100, start.addSecs(-60)}}});
        }) << QString() << u"\u201Cdebian.iso.part\u201D has not grown for a minute; a paused download does not count."_s;
        QTest::newRow("download folder missing") << download << Arrange([=](auto &f) {
            f.downloads->folders.insert(u"/home/a/Downloads"_s, {u"The folder /home/a/Downloads does not exist."_s, {}});
        }) << QString() << u"The folder /home/a/Downloads does not exist."_s;
        // Network and CPU: averaged over the window from the sources' samples.
        const auto net = [=](int seconds, quint64 eth, quint64 docker) {
            return NetworkSample{start.addSecs(seconds), {{u"eth0"_s, true, eth}, {u"docker0"_s, false, docker}}};
        };
        const TriggerRule traffic = TriggerRule::make(TriggerKind::Network, {{"kilobytesPerSecond"_L1, 100}});
        QTest::newRow("network busy") << traffic << Arrange([=](auto &f) { f.network->history = {net(-40, 0, 0), net(-30, 0, 0), net(0, 3'000'000, 0)}; })
                                      << u"While network traffic is above 100 KB/s"_s << u"Now 100.0 KB/s: eth0 100.0 KB/s."_s;
        QTest::newRow("network: virtual links left out")
            << traffic << Arrange([=](auto &f) { f.network->history = {net(-30, 0, 0), net(0, 0, 90'000'000)}; }) << QString()
            << u"Now 0.0 KB/s: eth0 0.0 KB/s."_s;
        QTest::newRow("network: measuring") << traffic << Arrange([=](auto &f) { f.network->history = {net(0, 0, 0)}; })
                                            << QString() << u"Measuring the traffic\u2026"_s;
        const auto cpu = [=](int seconds, double ffmpeg) {
            return CpuSample{start.addSecs(seconds), {{7, u"ffmpeg"_s, u"ffmpeg -i a.mkv"_s, ffmpeg}, {8, u"bash"_s, u"bash"_s, 500}}};
        };
        const TriggerRule busy = TriggerRule::make(TriggerKind::Busy, {{"process"_L1, u"ffmpeg"_s}});
        QTest::newRow("busy") << busy << Arrange([=](auto &f) { f.cpu->history = {cpu(-60, 10), cpu(0, 16)}; })
                              << u"While \u201Cffmpeg\u201D is busy"_s << u"\u201Cffmpeg\u201D uses 10 % of a core."_s;
        QTest::newRow("open but idle") << busy << Arrange([=](auto &f) { f.cpu->history = {cpu(-60, 10), cpu(0, 12)}; })
                                       << QString() << u"\u201Cffmpeg\u201D uses 3 % of a core."_s;
        QTest::newRow("not running") << busy << Arrange([=](auto &f) { f.cpu->history = {CpuSample{start, {}}}; })
                                     << QString() << u"No process \u201Cffmpeg\u201D runs."_s;
        TriggerRule newer = TriggerRule::make(TriggerKind::PowerAdapter);
        newer.kind = u"bluetooth"_s;
        QTest::newRow("newer kind never runs") << newer << Arrange([](auto &f) { f.adapter->battery = false; })
                                               << QString()
                                               << u"This kind of trigger (\u201Cbluetooth\u201D) comes from a newer version of Vigila."_s;
    }

    void conditions()
    {
        QFETCH(TriggerRule, rule);
        QFETCH(std::function<void(FakeTriggerSources &)>, arrange);
        QFETCH(QString, label);
        QFETCH(QString, note);
        arrange(fakes);
        watch({rule});
        const TriggerWatcher::Status status = watcher->status(rule.id);
        QCOMPARE(status.holds, !label.isEmpty());
        QCOMPARE(status.note, note);
        const QList<AwakeReason> reasons = triggerReasons();
        QCOMPARE(reasons.size(), label.isEmpty() ? 0 : 1);
        if (!label.isEmpty())
            QCOMPARE(reasons.first().label, label);
    }

    // Stopped from the menu, a trigger's reason stays stopped until its condition has ended once;
    // disabling or removing the rule ends the reason without a "stopped" notification.
    void stopFromMenuAndRuleChanges()
    {
        TriggerRule rule = TriggerRule::make(TriggerKind::ExternalDisplay, {}, u"Dock"_s);
        fakes.displays->displays = {u"dock"_s};
        watch({rule});
        QCOMPARE(triggerReasons().size(), 1);
        manager->removeReason(triggerReasons().first().id);
        fakes.displays->set({u"dock"_s, u"DP-2"_s});
        QCOMPARE(triggerReasons().size(), 0);
        QVERIFY(watcher->status(rule.id).holds && !watcher->status(rule.id).active);
        fakes.displays->set({});
        fakes.displays->set({u"dock"_s});
        QCOMPARE(triggerReasons().size(), 1);

        rule.mode = AwakeMode::Display;
        watcher->setRules({rule});
        QCOMPARE(triggerReasons().first().mode, AwakeMode::Display);
        rule.enabled = false;
        watcher->setRules({rule});
        QCOMPARE(triggerReasons().size(), 0);
        QCOMPARE(events, (QStringList{u"on Dock: While docked to an external display"_s,
                                      u"on Dock: While docked to an external display"_s}));
    }

    // A held reason is left alone once its label and mode are right: every change of the reasons
    // brings another evaluation, which must not change them again.
    void anActiveTriggerSettles()
    {
        fakes.displays->displays = {u"HDMI-A-1"_s};
        watch({TriggerRule::make(TriggerKind::ExternalDisplay)});
        QCOMPARE(triggerReasons().size(), 1);
        QSignalSpy changes(manager.get(), &AssertionManager::reasonsChanged);
        for (int turn = 0; turn < 5; ++turn)
            QCoreApplication::sendPostedEvents();
        QCOMPARE(changes.size(), 0);
    }

    // A download that stops growing releases a minute after it last grew, at a timer set for
    // that moment, without the source having to say anything.
    void aStalledDownloadReleasesAfterAMinute()
    {
        const TriggerRule rule = TriggerRule::make(TriggerKind::Download, {{"folders"_L1, QJsonArray{u"/d"_s}}});
        fakes.downloads->folders.insert(u"/d"_s, {{}, {{u"a.part"_s, 10, clock.now()}}});
        watch({rule});
        QCOMPARE(triggerReasons().size(), 1);
        QCOMPARE(watcher->timer().interval(), 60 * 1000);
        clock.advance(60);
        watcher->evaluate(); // the timer's moment
        QCOMPARE(triggerReasons().size(), 0);
        QVERIFY(fakes.downloads->following);
        QCOMPARE(fakes.downloads->followed, (QList<FolderWatch>{{u"/d"_s, TriggerRule::defaultDownloadPatterns()}}));
    }

    // Only what live rules need is followed; idle, nothing is followed and no timer runs.
    void followsOnlyWhatRulesNeed()
    {
        TriggerRule unit = TriggerRule::make(TriggerKind::Unit, {{"unit"_L1, u"a.service"_s}, {"userUnit"_L1, true}});
        unit.onlyOnAC = true;
        TriggerRule off = TriggerRule::make(TriggerKind::RemoteSession);
        off.enabled = false;
        watch({unit, off});
        QVERIFY(fakes.adapter->following && fakes.units->following && !fakes.sessions->following);
        QCOMPARE(fakes.units->followed, (QList<UnitRef>{{u"a.service"_s, true}}));
        QVERIFY(!fakes.displays->following && !fakes.clock->following);
        watcher->setRules({});
        QVERIFY(!fakes.adapter->following && !fakes.units->following);
        QVERIFY(!watcher->timer().isActive());
    }

    void scheduleParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical"); // empty: refused
        QTest::addColumn<QString>("description");
        QTest::newRow("weekdays") << u"Mon-Fri 09:00-17:30"_s << u"Mon-Fri 09:00-17:30"_s << u"Weekdays 09:00\u201317:30"_s;
        QTest::newRow("spaced, lower case, two windows")
            << u" mon-fri 9:00 - 12:00, sat,sun 10:00-11:00 "_s << u"Mon-Fri 09:00-12:00, Sat-Sun 10:00-11:00"_s
            << u"Weekdays 09:00\u201312:00; Weekends 10:00\u201311:00"_s;
        QTest::newRow("wrapping days, across midnight") << u"Fri-Mon 22:00-06:00"_s << u"Mon,Fri-Sun 22:00-06:00"_s
                                                        << u"Mon/Fri-Sun 22:00\u201306:00"_s;
        QTest::newRow("daily to midnight") << u"Daily 18:00-00:00"_s << u"Daily 18:00-24:00"_s << u"Every day 18:00\u201324:00"_s;
        for (const char *bad : {"", "Mon-Fri", "Mon-Fri 9-17", "Mon-Fry 09:00-17:00", "Mon 24:30-25:00",
                                "Mon 09:60-10:00", "Mon 09:00-10:00,", "Mon 09:00-10:00 Tue"})
            QTest::addRow("refused: %s", bad) << QString::fromLatin1(bad) << QString() << QString();
    }

    void scheduleParsing()
    {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        QFETCH(QString, description);
        QString error;
        const auto schedule = Schedule::parse(text, &error);
        QCOMPARE(schedule.has_value(), !canonical.isEmpty());
        if (!schedule) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(schedule->text(), canonical);
        QCOMPARE(schedule->description(), description);
        QCOMPARE(Schedule::parse(schedule->text()), schedule);
    }

    // Inside or not, and the next moment that may change it, in local time: across midnight and
    // over both changes of summer time in Berlin.
    void scheduleMoments_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<QDateTime>("next");
        QTest::newRow("Friday night, before") << u"Fri 22:00-06:00"_s << berlin(12, 11, 21, 59) << false << berlin(12, 11, 22, 0);
        QTest::newRow("Friday night, after midnight") << u"Fri 22:00-06:00"_s << berlin(12, 12, 5, 59) << true << berlin(12, 12, 6, 0);
        QTest::newRow("Saturday night is not Friday's") << u"Fri 22:00-06:00"_s << berlin(12, 13, 1, 0) << false << berlin(12, 18, 22, 0);
        // 29 March: the clocks go from 02:00 to 03:00, so the window closes one real hour early.
        QTest::newRow("spring forward") << u"Daily 01:00-03:00"_s << berlin(3, 29, 1, 30) << true << berlin(3, 29, 3, 0);
        QTest::newRow("start in the skipped hour") << u"Sun 02:30-04:00"_s << berlin(3, 29, 1, 0) << false << berlin(3, 29, 3, 0);
        // 25 October: 03:00 goes back to 02:00; the window lasts one real hour longer.
        QTest::newRow("fall back") << u"Sun 01:00-05:00"_s << berlin(10, 25, 1, 0) << true << berlin(10, 25, 5, 0);
        QTest::newRow("week ahead") << u"Mon-Fri 09:00-17:30"_s << berlin(12, 11, 17, 30) << false << berlin(12, 14, 9, 0);
    }

    void scheduleMoments()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, at);
        QFETCH(bool, inside);
        QFETCH(QDateTime, next);
        const QTimeZone zone("Europe/Berlin");
        const auto schedule = Schedule::parse(text);
        QVERIFY(schedule);
        QCOMPARE(schedule->contains(at, zone), inside);
        QCOMPARE(schedule->nextBoundary(at, zone), std::optional(next));
        QCOMPARE(schedule->nextBoundary(at, zone)->toMSecsSinceEpoch(), next.toMSecsSinceEpoch());
    }

    // A schedule's reason follows the clock: the timer waits for the window's end, and after a
    // resume (or a time-zone change) past it, the reason goes at once.
    void scheduleFollowsClockJumps()
    {
        const QTimeZone zone("Europe/Berlin");
        clock.setTimeZone(zone);
        clock.set(berlin(12, 10, 16, 0)); // a Thursday
        const TriggerRule rule = TriggerRule::make(TriggerKind::Schedule, {{"schedule"_L1, u"Mon-Fri 09:00-17:30"_s}});
        watch({rule});
        QCOMPARE(triggerReasons().size(), 1);
        QCOMPARE(triggerReasons().first().label, u"Weekdays 09:00\u201317:30"_s);
        QVERIFY(fakes.clock->following);
        QCOMPARE(watcher->timer().interval(), 90 * 60 * 1000);
        clock.set(berlin(12, 10, 19, 0));
        fakes.clock->jump();
        QCOMPARE(triggerReasons().size(), 0);
        QCOMPARE(watcher->timer().interval(), 14 * 3600 * 1000);
        clock.setTimeZone(QTimeZone("America/New_York")); // 13:00 there
        fakes.clock->jump();
        QCOMPARE(triggerReasons().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTriggers)
#include "tst_triggers.moc"
