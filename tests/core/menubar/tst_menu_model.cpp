#include "menubar/MenuModel.h"

#include <QTest>
#include <QTimeZone>

#include <algorithm>

using namespace Qt::StringLiterals;
using Kind = MenuAction::Kind;

class TestMenuModel : public QObject {
    Q_OBJECT

    const QDateTime now{QDate(2026, 12, 8), QTime(14, 0), QTimeZone::utc()};

    AwakeReason reason(ReasonType type, const QString &label, AwakeMode mode = AwakeMode::System,
                       std::optional<double> endsIn = std::nullopt) const
    {
        std::optional<QDateTime> end;
        if (endsIn)
            end = now.addMSecs(qint64(*endsIn * 1000));
        return {QUuid::createUuid(), type, label, now, end, mode};
    }

    static QStringList titles(const QList<MenuItem> &items)
    {
        QStringList out;
        for (const MenuItem &item : items)
            out << (item.separator ? u"---"_s : item.title);
        return out;
    }

    static const MenuItem &find(const QList<MenuItem> &items, const QString &title)
    {
        for (const MenuItem &item : items) {
            if (item.title == title)
                return item;
        }
        qFatal("no menu item %s", qPrintable(title));
    }

private slots:
    // Each trigger: its name with a mark while it keeps the computer awake or waits out its delay,
    // checked while on; one that cannot run is greyed, unchecked, with its problem as the tip.
    void triggerSubmenu()
    {
        MenuState state;
        TriggerRule active = TriggerRule::make(TriggerKind::PowerAdapter, {}, u"Plugged in"_s);
        TriggerRule pending = TriggerRule::make(TriggerKind::ExternalDisplay, {}, u"Docked"_s);
        TriggerRule off = TriggerRule::make(TriggerKind::Schedule, {{"schedule"_L1, u"Mon-Fri 09:00-17:00"_s}});
        off.enabled = false;
        TriggerRule newer = TriggerRule::make(TriggerKind::PowerAdapter, {}, u"Headset"_s);
        newer.kind = u"bluetooth"_s;
        state.triggerRules = {active, pending, off, newer};
        state.triggerStatus.insert(active.id, {true, true, true, false, u"While on AC power"_s, {}});
        state.triggerStatus.insert(pending.id, {true, true, false, true, {}, {}});
        const QList<MenuItem> items = find(MenuModel::build(state, now), u"Keep Awake When\u2026"_s).submenu;
        QCOMPARE(titles(items), (QStringList{u"Plugged in  (keeping awake now)"_s,
                                             u"Docked  (holds, waiting out its delay)"_s,
                                             u"Weekdays 09:00\u201317:00"_s, u"Headset"_s, u"---"_s,
                                             u"Manage Triggers\u2026"_s}));
        QCOMPARE((QList<bool>{items[0].checked, items[1].checked, items[2].checked, items[3].checked}),
                 (QList<bool>{true, true, false, false}));
        QVERIFY(items[0].enabled && items[2].enabled && !items[3].enabled);
        QVERIFY(items[3].toolTip.contains(u"newer version"_s));
        QCOMPARE(items[2].action, (MenuAction{.kind = MenuAction::Kind::ToggleTrigger, .id = off.id}));
    }

    void inactiveMenu()
    {
        const QList<MenuItem> menu = MenuModel::build({}, now);
        QCOMPARE(titles(menu), (QStringList{
                                   u"Inactive \u2014 your computer can sleep normally"_s,
                                   u"---"_s,
                                   u"Start Keep Awake"_s,
                                   u"Keep Display Awake"_s,
                                   u"---"_s,
                                   u"Keep Awake For\u2026"_s,
                                   u"Keep Awake Until\u2026"_s,
                                   u"Keep Awake While Process Runs\u2026"_s,
                                   u"Keep Awake When\u2026"_s,
                                   u"Run Command With Vigila\u2026"_s,
                                   u"---"_s,
                                   u"Active Reasons"_s,
                                   u"   None"_s,
                                   u"---"_s,
                                   u"Copy Honest Status Message"_s,
                                   u"Preferences\u2026"_s,
                                   u"---"_s,
                                   u"Quit Vigila"_s,
                               }));
        QVERIFY(!menu.first().enabled);
        QVERIFY(!find(menu, u"   None"_s).enabled);
        QCOMPARE(find(menu, u"Quit Vigila"_s).keyEquivalent, u"q"_s);
        QCOMPARE(find(menu, u"Preferences\u2026"_s).keyEquivalent, u","_s);
        QVERIFY(!find(menu, u"Start Keep Awake"_s).checked);
        QCOMPARE(find(menu, u"Start Keep Awake"_s).action, (MenuAction{.kind = Kind::ToggleManual}));
    }

    void headlineCountsReasons()
    {
        MenuState state;
        state.reasons = {reason(ReasonType::Manual, u"Manual keep-awake"_s)};
        state.effectiveMode = AwakeMode::System;
        QCOMPARE(MenuModel::statusHeadline(state), u"Active \u2014 keeping system awake (1 reason)"_s);
        state.reasons << reason(ReasonType::Process, u"p"_s, AwakeMode::Display);
        state.effectiveMode = AwakeMode::Display;
        QCOMPARE(MenuModel::statusHeadline(state), u"Active \u2014 keeping display awake (2 reasons)"_s);
    }

    // The headline never claims a lock that is not held, and GNOME's blocking sleep lock is named
    // only while it really stands behind ours.
    void headlineAndNotesFollowTheLock_data()
    {
        QTest::addColumn<bool>("taking");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("gnomeLockMode"); // of gnome-session's logind sleep lock; empty: none
        QTest::addColumn<QString>("headline");
        QTest::addColumn<bool>("note");

        const QString held = u"Active \u2014 keeping system awake (2 reasons)"_s;
        QTest::newRow("taking") << true << false << QString() << QString()
                                << u"Starting \u2014 asking for the keep-awake lock (2 reasons)"_s << false;
        QTest::newRow("failed") << false << true << QString() << u"block"_s
                                << u"Waiting \u2014 the keep-awake lock could not be taken (2 reasons)"_s << false;
        QTest::newRow("held by gnome-session, blocking") << false << false << u"gnome-session"_s << u"block"_s
                                                         << held << true;
        QTest::newRow("GNOME 50: block-weak") << false << false << u"gnome-session"_s << u"block-weak"_s << held
                                              << false;
        QTest::newRow("held by logind") << false << false << u"logind"_s << u"block"_s << held << false;
        QTest::newRow("no sleep lock listed") << false << false << u"gnome-session"_s << QString() << held << false;
    }

    void headlineAndNotesFollowTheLock()
    {
        QFETCH(bool, taking);
        QFETCH(bool, failed);
        QFETCH(QString, provider);
        QFETCH(QString, gnomeLockMode);
        QFETCH(QString, headline);
        QFETCH(bool, note);
        MenuState state;
        state.reasons = {reason(ReasonType::Manual, u"Manual keep-awake"_s), reason(ReasonType::Command, u"make"_s)};
        state.effectiveMode = AwakeMode::System;
        state.takingLock = taking;
        if (failed) {
            state.lastError = u"Could not create keep-awake assertion."_s;
            state.lockDetail = u"Tried logind: none available."_s;
        }
        state.lockProvider = provider;
        if (!gnomeLockMode.isEmpty())
            state.otherInhibitors << OtherInhibitor{u"logind"_s, u"root"_s, u"user session inhibited"_s,
                                                    u"sleep"_s, gnomeLockMode, 0u, 42u};
        QCOMPARE(MenuModel::statusHeadline(state), headline);
        const QStringList shown = titles(MenuModel::build(state, now));
        QCOMPARE(shown.contains(u"Tried logind: none available."_s), failed);
        QCOMPARE(MenuModel::gnomeSuspendNote(state).has_value(), note);
        QCOMPARE(shown.contains(u"GNOME also holds off suspend while this runs (a terminal\u2019s `systemctl suspend` needs -i)"_s),
                 note);
    }

    void statusLinesAppearWhenSet()
    {
        MenuState state;
        state.batteryMessage = u"Running on battery power."_s;
        state.lastStopReason = u"Stopped because battery dropped to 12% (limit 15%)."_s;
        state.lastError = u"Could not create keep-awake assertion."_s;
        const QList<MenuItem> menu = MenuModel::build(state, now);
        QCOMPARE(titles(menu).mid(1, 3),
                 (QStringList{u"Running on battery power."_s,
                              u"Stopped because battery dropped to 12% (limit 15%)."_s,
                              u"Could not create keep-awake assertion."_s}));
        // Their signs are drawn as icons (no default Linux font has them); the headline has none.
        using Symbol = MenuItem::Symbol;
        QList<Symbol> symbols;
        for (const MenuItem &item : menu.mid(0, 4))
            symbols << item.symbol;
        QCOMPARE(symbols, (QList<Symbol>{Symbol::None, Symbol::Warning, Symbol::Info, Symbol::NoEntry}));
    }

    void displayManualSession()
    {
        MenuState state;
        const AwakeReason manual = reason(ReasonType::Manual, u"Manual (display awake)"_s, AwakeMode::Display);
        state.reasons = {manual};
        state.effectiveMode = AwakeMode::Display;
        const QList<MenuItem> menu = MenuModel::build(state, now);
        const MenuItem &toggle = find(menu, u"Stop Keep Awake"_s);
        QVERIFY(toggle.checked);
        QCOMPARE(toggle.action, (MenuAction{.kind = Kind::ToggleManual, .manualExisted = true}));
        const MenuItem &display = find(menu, u"Keep Display Awake"_s);
        QVERIFY(display.checked);
        QCOMPARE(display.action, (MenuAction{.kind = Kind::ToggleDisplay, .manualExisted = true,
                                             .manualMode = AwakeMode::Display}));
        const MenuItem &entry = find(menu, u"   \u2022 Manual (display awake)"_s);
        QCOMPARE(entry.action, (MenuAction{.kind = Kind::StopReason, .id = manual.id}));
        QCOMPARE(entry.toolTip, u"Click to stop this reason"_s);
        QCOMPARE(find(menu, u"Stop Current Session"_s).keyEquivalent, u"s"_s);
        QVERIFY(!titles(menu).contains(u"   \u21BB Extend session by 30 min"_s));
    }

    void onlyAProcess()
    {
        MenuState state;
        state.reasons = {reason(ReasonType::Process, u"\u201Cclaude\u201D running (1 match)"_s)};
        const QList<MenuItem> menu = MenuModel::build(state, now);
        // No manual reason: the display toggle starts one rather than touching the process reason.
        QCOMPARE(find(menu, u"Keep Display Awake"_s).action, (MenuAction{.kind = Kind::ToggleDisplay}));
        QVERIFY(!find(menu, u"Keep Display Awake"_s).checked);
        QVERIFY(titles(menu).contains(u"Stop Current Session"_s));
        QVERIFY(!titles(menu).contains(u"   \u21BB Extend session by 30 min"_s));
    }

    void timedBeatsUntilForTheButtonAndExtend()
    {
        MenuState state;
        state.reasons = {reason(ReasonType::UntilTime, u"Until Today 6:00 PM"_s, AwakeMode::System, 4 * 3600),
                         reason(ReasonType::Timed, u"Timed: 30m 0s"_s, AwakeMode::System, 1799.6)};
        QCOMPARE(MenuModel::buttonTitle(state, now), u" 30m 0s"_s);
        QCOMPARE(MenuModel::iconBadge(state, now), u"30"_s);
        state.showRemainingTime = false;
        QCOMPARE(MenuModel::buttonTitle(state, now), QString());
        QCOMPARE(MenuModel::iconBadge(state, now), QString());

        const QList<MenuItem> menu = MenuModel::build(state, now);
        QCOMPARE(find(menu, u"   \u21BB Extend session by 30 min"_s).action,
                 (MenuAction{.kind = Kind::ExtendSession, .seconds = 1800}));
        QVERIFY(titles(menu).contains(u"   \u2022 Until Today 6:00 PM  \u2014  4h 0m left"_s));
        QVERIFY(titles(menu).contains(u"   \u2022 Timed: 30m 0s  \u2014  30m 0s left"_s));

        // Past its end a reason shows 0s, never a negative time.
        state.reasons = {reason(ReasonType::Timed, u"t"_s, AwakeMode::System, -5)};
        QVERIFY(titles(MenuModel::build(state, now)).contains(u"   \u2022 t  \u2014  0s left"_s));
    }

    void manualOnlyHasNoButtonTitle()
    {
        MenuState state;
        state.reasons = {reason(ReasonType::Manual, u"Manual keep-awake"_s)};
        QCOMPARE(MenuModel::buttonTitle(state, now), QString());
        QCOMPARE(MenuModel::iconBadge(state, now), QString());
    }

    void submenus()
    {
        MenuState state;
        const ProcessRule running{QUuid::createUuid(), u"claude"_s, true, ProcessMatchMode::Exact};
        const ProcessRule disabled{QUuid::createUuid(), u"node"_s, false, ProcessMatchMode::Exact};
        const ProcessRule idle{QUuid::createUuid(), u"make"_s, true, ProcessMatchMode::Contains};
        state.processRules = {running, disabled, idle};
        state.matchCounts = {{running.id, 2}, {disabled.id, 3}, {idle.id, 0}};
        const QList<MenuItem> menu = MenuModel::build(state, now);

        const QList<MenuItem> &processes = find(menu, u"Keep Awake While Process Runs\u2026"_s).submenu;
        // A disabled rule shows no count even with an old positive one.
        QCOMPARE(titles(processes), (QStringList{u"claude  (2 running)"_s, u"node"_s, u"make"_s, u"---"_s,
                                                 u"Add Process\u2026"_s, u"Manage in Preferences\u2026"_s}));
        QVERIFY(processes.at(0).checked);
        QVERIFY(!processes.at(1).checked);
        QCOMPARE(processes.at(1).action, (MenuAction{.kind = Kind::ToggleRule, .id = disabled.id}));

        state.processRules.clear();
        const QList<MenuItem> empty = find(MenuModel::build(state, now), u"Keep Awake While Process Runs\u2026"_s).submenu;
        QCOMPARE(empty.first().title, u"No process rules yet"_s);
        QVERIFY(!empty.first().enabled);

        const QList<MenuItem> &durations = find(menu, u"Keep Awake For\u2026"_s).submenu;
        QCOMPARE(durations.size(), 8);
        QCOMPARE(durations.at(2).action, (MenuAction{.kind = Kind::StartTimed, .seconds = 3600}));
        QCOMPARE(durations.last().title, u"Custom\u2026"_s);

        const QList<MenuItem> &until = find(menu, u"Keep Awake Until\u2026"_s).submenu;
        QCOMPARE(titles(until), (QStringList{u"6:00 PM"_s, u"Midnight"_s, u"Tomorrow 8:00 AM"_s, u"---"_s,
                                             u"Custom time\u2026"_s}));
        QCOMPARE(until.at(0).action, (MenuAction{.kind = Kind::StartUntil, .hour = 18}));
        QCOMPARE(until.at(2).action, (MenuAction{.kind = Kind::StartUntil, .hour = 8}));
    }

    // A stored list of any length gives a short submenu that points to the preferences.
    void longRuleListIsCutShort()
    {
        MenuState state;
        for (int i = 0; i < 1000; ++i)
            state.processRules << ProcessRule{QUuid::createUuid(), u"rule%1"_s.arg(i), true,
                                              ProcessMatchMode::Exact};
        const QList<MenuItem> processes =
            find(MenuModel::build(state, now), u"Keep Awake While Process Runs\u2026"_s).submenu;
        QCOMPARE(processes.size(), MenuModel::maxMenuRules + 4);
        QCOMPARE(processes.at(MenuModel::maxMenuRules - 1).title,
                 u"rule%1"_s.arg(MenuModel::maxMenuRules - 1));
        const MenuItem &more = processes.at(MenuModel::maxMenuRules);
        QCOMPARE(more.title, u"%1 more in Preferences"_s.arg(1000 - MenuModel::maxMenuRules));
        QVERIFY(!more.enabled);
        QCOMPARE(processes.last().action.kind, Kind::OpenPreferences);
    }

    // Any number of reasons gives a short list that points to the command line, which lists all.
    void longReasonListIsCutShort_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("more");
        const int cap = int(MenuModel::maxMenuReasons);
        QTest::newRow("one") << 1 << 1 << QString();
        QTest::newRow("as many as fit") << cap << cap << QString();
        QTest::newRow("one too many") << cap + 1 << cap << u"   1 more \u2014 `vigila list`"_s;
        QTest::newRow("thousands") << 5000 << cap << u"   %1 more \u2014 `vigila list`"_s.arg(5000 - cap);
    }

    void longReasonListIsCutShort()
    {
        QFETCH(int, count);
        QFETCH(int, listed);
        QFETCH(QString, more);
        // Processes first, a timed session last: hidden or not, it can still be extended.
        MenuState state;
        for (int i = 0; i < count - 1; ++i)
            state.reasons << reason(ReasonType::Process, u"r%1"_s.arg(i));
        state.reasons << reason(ReasonType::Timed, u"t"_s, AwakeMode::System, 60);
        const QList<MenuItem> menu = MenuModel::build(state, now);
        const QStringList shown = titles(menu);
        const qsizetype header = shown.indexOf(u"Active Reasons"_s);
        const qsizetype extend = shown.indexOf(u"   \u21BB Extend session by 30 min"_s);
        QVERIFY(header >= 0 && extend > header);
        QStringList expected;
        for (int i = 0; i < listed; ++i)
            expected << (i < count - 1 ? u"   \u2022 r%1"_s.arg(i) : u"   \u2022 t  \u2014  1m 0s left"_s);
        if (!more.isEmpty())
            expected << more;
        QCOMPARE(shown.mid(header + 1, extend - header - 1), expected);
        QCOMPARE(menu.at(extend - 1).enabled, more.isEmpty());
    }

    // Other programs' locks follow the reasons, as disabled lines, only when there are some.
    void otherProgramsFollowTheReasons()
    {
        MenuState state;
        QVERIFY(!titles(MenuModel::build(state, now)).contains(u"Also Keeping Awake"_s));
        for (int i = 0; i < MenuModel::maxMenuInhibitors + 3; ++i)
            state.otherInhibitors << OtherInhibitor{
                u"logind"_s, u"app%1"_s.arg(i), u"busy"_s, u"sleep"_s, u"block"_s, 1000, 100};
        const QList<MenuItem> menu = MenuModel::build(state, now);
        const QStringList shown = titles(menu);
        const qsizetype header = shown.indexOf(u"Also Keeping Awake"_s);
        QCOMPARE(shown.mid(header - 2, 4), (QStringList{u"   None"_s, u"---"_s, u"Also Keeping Awake"_s,
                                                        u"   \u2022 app0 \u2014 busy"_s}));
        QCOMPARE(shown.mid(header + MenuModel::maxMenuInhibitors, 3),
                 (QStringList{u"   \u2022 app9 \u2014 busy"_s, u"   and 3 more"_s, u"---"_s}));
        QVERIFY(std::none_of(menu.begin() + header, menu.begin() + header + MenuModel::maxMenuInhibitors + 2,
                             [](const MenuItem &item) { return item.enabled; }));
    }

    // Another program's texts are shown literally, on one line, and never without bound.
    void otherProgramTexts_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("summary");
        QTest::newRow("markup") << u"<b>x</b>"_s << u"a &amp; b"_s << u"<b>x</b> \u2014 a &amp; b"_s;
        QTest::newRow("line breaks and controls") << u"app\r\n"_s << u"one\ntwo\u2028three\tfour\x1b[2J"_s
                                                  << u"app \u2014 one two three four [2J"_s;
        QTest::newRow("direction override") << u"evil\u202Etxt.exe"_s << QString() << u"evil txt.exe"_s;
        QTest::newRow("no reason") << u"updater"_s << u"  "_s << u"updater"_s;
        QTest::newRow("no name") << QString() << u"busy"_s << u"Unknown program \u2014 busy"_s;
        QTest::newRow("very long") << u"w"_s.repeated(100000) << u"y"_s
                                   << u"w"_s.repeated(OtherInhibitor::maxPartLength - 1) +
                                          u"\u2026 \u2014 y"_s;
        // Cut between user-perceived characters: an emoji with its modifier stays whole.
        QTest::newRow("cut between graphemes")
            << u"w"_s.repeated(OtherInhibitor::maxPartLength - 2) + u"\U0001F44D\U0001F3FD"_s << u"y"_s
            << u"w"_s.repeated(OtherInhibitor::maxPartLength - 2) + u"\u2026 \u2014 y"_s;
    }

    void otherProgramTexts()
    {
        QFETCH(QString, who);
        QFETCH(QString, why);
        QFETCH(QString, summary);
        const OtherInhibitor lock{u"gnome-session"_s, who, why, u"idle"_s, u"block"_s, {}, {}};
        QCOMPARE(lock.summary(), summary);
    }

    void customMinutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<double>>("seconds");
        QTest::newRow("fraction") << u"1.5"_s << std::optional<double>(90);
        QTest::newRow("spaces and tabs") << u" \t30 "_s << std::optional<double>(1800);
        QTest::newRow("exponent") << u"1e1"_s << std::optional<double>(600);
        QTest::newRow("plus sign") << u"+2"_s << std::optional<double>(120);
        QTest::newRow("zero") << u"0"_s << std::optional<double>();
        QTest::newRow("negative") << u"-5"_s << std::optional<double>();
        QTest::newRow("letters") << u"abc"_s << std::optional<double>();
        QTest::newRow("empty") << QString() << std::optional<double>();
        QTest::newRow("trailing junk") << u"5m"_s << std::optional<double>();
        QTest::newRow("inner space") << u"1 5"_s << std::optional<double>();
        QTest::newRow("comma decimal") << u"1,5"_s << std::optional<double>();
        QTest::newRow("infinity word") << u"inf"_s << std::optional<double>();
        QTest::newRow("nan") << u"nan"_s << std::optional<double>();
        QTest::newRow("hex") << u"0x10"_s << std::optional<double>();
        QTest::newRow("newline is not trimmed") << u"5\n"_s << std::optional<double>();
        QTest::newRow("underflow") << u"1e-400"_s << std::optional<double>();
        QTest::newRow("overflow saturates") << u"1e400"_s << std::optional<double>(std::numeric_limits<double>::infinity());
        QTest::newRow("huge but finite") << u"1e300"_s << std::optional<double>(6e301);
        // Found by fuzzing: an out-of-range number slipped past the check for trailing text, and
        // exponents near the 64-bit limits overflowed when weighing the number's magnitude.
        QTest::newRow("overflow then newline") << u"1e400\n"_s << std::optional<double>();
        QTest::newRow("largest exponent") << u"10e9223372036854775807"_s
                                          << std::optional<double>(std::numeric_limits<double>::infinity());
        QTest::newRow("smallest exponent") << u"0.01e-9223372036854775808"_s << std::optional<double>();
        QTest::newRow("exponent past 64 bits") << u"5e-99999999999999999999"_s << std::optional<double>();
    }

    void customMinutes()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<double>, seconds);
        QCOMPARE(MenuModel::parseCustomMinutes(text), seconds);
    }
};

QTEST_GUILESS_MAIN(TestMenuModel)
#include "tst_menu_model.moc"
