#include "FakeBackends.h"
#include "FakeLoginItemService.h"
#include "FakeTriggerSources.h"
#include "ViewHarness.h"
#include "preferences/PreferencesView.h"
#include "preferences/TriggerRuleRow.h"
#include "triggers/Schedule.h"
#include "triggers/TriggerWatcher.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QList<TriggerRuleRow *> rows(const QWidget &view)
{
    return shownRows<TriggerRuleRow>(view);
}

void addFromMenu(const QWidget &view, TriggerKind kind)
{
    child<QAction>(*child<QToolButton>(view, u"addTrigger"_s)->menu(), rawValue(kind))->trigger();
}

// Replaces a field's text the way typing does.
void retype(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

QString parseError(const QString &text)
{
    QString error;
    Schedule::parse(text, &error);
    return error;
}

} // namespace

class TestTriggerPrefs : public QObject {
    Q_OBJECT

private slots:
    // Every kind from the menu, its parameters typed well and badly, and the settings all kinds
    // share, down to its removal: each change that makes a rule that can run is stored at once;
    // one that does not stays in the row with its reason, and the stored rule is left as it was.
    void editsReachTheStore()
    {
        struct Case {
            TriggerKind kind;
            std::function<void(TriggerRuleRow &)> editWell;
            QJsonObject storedParameters;
            std::function<void(TriggerRuleRow &)> editBadly; // none for kinds without text to type
            QString badField;
            QString badText;
            QString problem;
        };
        const QList<Case> cases{
            {TriggerKind::PowerAdapter, [](TriggerRuleRow &) {}, {}, {}, {}, {}, {}},
            {TriggerKind::ExternalDisplay, [](TriggerRuleRow &) {}, {}, {}, {}, {}, {}},
            {TriggerKind::RemoteSession,
             [](TriggerRuleRow &row) { child<QCheckBox>(row, u"anyUser"_s)->click(); },
             {{u"anyUser"_s, true}},
             {},
             {},
             {},
             {}},
            {TriggerKind::Unit,
             [](TriggerRuleRow &row) {
                 QTest::keyClicks(child<QLineEdit>(row, u"unit"_s), u"backup.service"_s);
                 child<QCheckBox>(row, u"userUnit"_s)->click();
             },
             {{u"unit"_s, u"backup.service"_s}, {u"userUnit"_s, true}},
             [](TriggerRuleRow &row) { retype(child<QLineEdit>(row, u"unit"_s), u"my backup"_s); },
             u"unit"_s,
             u"my backup"_s,
             u"\u201Cmy backup\u201D is not a systemd unit name (like backup.service)."_s},
            {TriggerKind::Schedule,
             [](TriggerRuleRow &row) {
                 retype(child<QLineEdit>(row, u"schedule"_s), u"Mon-Fri 09:00-17:30"_s);
             },
             {{u"schedule"_s, u"Mon-Fri 09:00-17:30"_s}},
             [](TriggerRuleRow &row) {
                 retype(child<QLineEdit>(row, u"schedule"_s), u"Mon-Fri 25:00-26:00"_s);
             },
             u"schedule"_s,
             u"Mon-Fri 25:00-26:00"_s,
             parseError(u"Mon-Fri 25:00-26:00"_s)},
            {TriggerKind::Audio,
             [](TriggerRuleRow &row) {
                 QTest::keyClicks(child<QLineEdit>(row, u"ignore"_s), u"Firefox, Slack"_s);
                 QTest::keyClicks(child<QLineEdit>(row, u"only"_s), u"mpv"_s);
             },
             {{u"ignore"_s, QJsonArray{u"Firefox"_s, u"Slack"_s}}, {u"only"_s, QJsonArray{u"mpv"_s}}},
             {},
             {},
             {},
             {}},
            {TriggerKind::Download,
             [](TriggerRuleRow &row) {
                 QTest::keyClicks(child<QLineEdit>(row, u"folders"_s), u"/srv/in; /data/dl"_s);
                 QTest::keyClicks(child<QLineEdit>(row, u"patterns"_s), u"*.tmp"_s);
             },
             {{u"folders"_s, QJsonArray{u"/srv/in"_s, u"/data/dl"_s}},
              {u"patterns"_s, QJsonArray{u"*.tmp"_s}}},
             [](TriggerRuleRow &row) {
                 // Typed over the selection: an empty field would be a good rule (the Downloads folder).
                 child<QLineEdit>(row, u"folders"_s)->selectAll();
                 QTest::keyClicks(child<QLineEdit>(row, u"folders"_s), u"Downloads"_s);
             },
             u"folders"_s,
             u"Downloads"_s,
             u"\u201CDownloads\u201D is not a full path to a folder (it must start with /)."_s},
            {TriggerKind::Network,
             [](TriggerRuleRow &row) {
                 child<QSpinBox>(row, u"kilobytesPerSecond"_s)->setValue(2000);
                 child<QSpinBox>(row, u"windowSeconds"_s)->setValue(45);
                 QTest::keyClicks(child<QLineEdit>(row, u"interface"_s), u"eth0"_s);
             },
             {{u"kilobytesPerSecond"_s, 2000}, {u"windowSeconds"_s, 45}, {u"interface"_s, u"eth0"_s}},
             {},
             {},
             {},
             {}},
            {TriggerKind::Busy,
             [](TriggerRuleRow &row) {
                 QTest::keyClicks(child<QLineEdit>(row, u"process"_s), u"ffmpeg"_s);
                 child<QCheckBox>(row, u"matchMode"_s)->click();
                 child<QSpinBox>(row, u"cpuPercent"_s)->setValue(150);
                 child<QSpinBox>(row, u"windowSeconds"_s)->setValue(120);
             },
             {{u"process"_s, u"ffmpeg"_s},
              {u"matchMode"_s, u"contains"_s},
              {u"cpuPercent"_s, 150},
              {u"windowSeconds"_s, 120}},
             [](TriggerRuleRow &row) { retype(child<QLineEdit>(row, u"process"_s), u" "_s); },
             u"process"_s,
             u" "_s,
             u"No process is named."_s},
            {TriggerKind::Machine,
             [](TriggerRuleRow &row) {
                 QTest::keyClicks(child<QLineEdit>(row, u"machine"_s), u"build-vm"_s);
             },
             {{u"machine"_s, u"build-vm"_s}},
             {},
             {},
             {},
             {}},
        };
        for (const Case &c : cases) {
            const QString kind = rawValue(c.kind);
            ViewHarness h;
            PreferencesView view(*h.coordinator, h.loginItems);
            addFromMenu(view, c.kind);
            QCOMPARE(h.prefs().triggerRules().size(), 1);
            const TriggerRule added = h.prefs().triggerRules().at(0);
            QCOMPARE(added.kind, kind);
            QVERIFY2(added.enabled, qPrintable(kind));
            TriggerRuleRow &row = *rows(view).at(0);
            QCOMPARE(child<QLabel>(row, u"kind"_s)->text(), displayName(c.kind));

            c.editWell(row);
            QVERIFY2(h.prefs().triggerRules().at(0).isLive(), qPrintable(kind));
            for (auto it = c.storedParameters.begin(); it != c.storedParameters.end(); ++it)
                QCOMPARE(h.prefs().triggerRules().at(0).parameters.value(it.key()), it.value());
            QVERIFY(child<QLabel>(row, u"parameterError"_s)->isHidden());

            const TriggerRule good = h.prefs().triggerRules().at(0);
            if (c.editBadly) {
                c.editBadly(row);
                QCOMPARE(h.prefs().triggerRules().at(0), good);
                QVERIFY(!child<QLabel>(row, u"parameterError"_s)->isHidden());
                QVERIFY2(child<QLabel>(row, u"parameterError"_s)->text().contains(c.problem),
                         qPrintable(kind));
            }

            // The settings every kind has; the typed text outlives them.
            child<QLineEdit>(row, u"name"_s)->selectAll();
            QTest::keyClicks(child<QLineEdit>(row, u"name"_s), u"Work"_s);
            child<QCheckBox>(row, u"enabled"_s)->click();
            child<QComboBox>(row, u"mode"_s)->setCurrentIndex(2);
            child<QSpinBox>(row, u"delay"_s)->setValue(90);
            child<QSpinBox>(row, u"grace"_s)->setValue(600);
            if (c.kind != TriggerKind::PowerAdapter)
                child<QCheckBox>(row, u"onlyOnAC"_s)->click();
            const TriggerRule stored = h.prefs().triggerRules().at(0);
            QCOMPARE(stored.name, u"Work"_s);
            QVERIFY(!stored.enabled);
            QCOMPARE(stored.mode, std::optional(AwakeMode::Display));
            QCOMPARE(stored.delaySeconds, 90);
            QCOMPARE(stored.graceSeconds, 600);
            QCOMPARE(stored.onlyOnAC, c.kind != TriggerKind::PowerAdapter);
            QCOMPARE(stored.parameters, good.parameters);
            if (c.editBadly)
                QCOMPARE(child<QLineEdit>(row, c.badField)->text(), c.badText);
            QCOMPARE(h.coordinator->triggers().rules(), h.prefs().triggerRules());

            child<QToolButton>(row, u"delete"_s)->click();
            QVERIFY(h.prefs().triggerRules().isEmpty());
            QTRY_VERIFY(rows(view).isEmpty());
        }
    }

    // A rule written by a newer version: shown read-only with why it cannot run, and stored
    // unchanged when another rule is edited.
    void unknownKindIsShownDisabledAndKept()
    {
        ViewHarness h;
        // Kept as read, with its parameters and the members this version does not know.
        auto unknown = std::optional(TriggerRule::make(TriggerKind::PowerAdapter, {}, u"On Bluetooth"_s));
        unknown->kind = u"bluetooth"_s;
        unknown->parameters = {{u"device"_s, u"Buds"_s}};
        unknown->otherMembers = {{u"future"_s, 3}};
        h.prefs().setTriggerRules({*unknown, TriggerRule::make(TriggerKind::PowerAdapter)});
        PreferencesView view(*h.coordinator, h.loginItems);
        TriggerRuleRow &row = *rows(view).at(0);
        QCOMPARE(child<QLineEdit>(row, u"name"_s)->text(), u"On Bluetooth"_s);
        for (const QString &name : {u"enabled"_s, u"name"_s, u"mode"_s, u"delay"_s})
            QVERIFY2(!child<QWidget>(row, name)->isEnabled(), qPrintable(name));
        QVERIFY(child<QToolButton>(row, u"delete"_s)->isEnabled());
        QVERIFY(!unknown->problem().isEmpty());
        QCOMPARE(child<QLabel>(row, u"status"_s)->text(), unknown->problem());

        child<QCheckBox>(*rows(view).at(1), u"enabled"_s)->click();
        QCOMPARE(h.prefs().triggerRules().size(), 2);
        QCOMPARE(h.prefs().triggerRules().at(0).toJson(), unknown->toJson());
        QVERIFY(!h.prefs().triggerRules().at(1).enabled);
    }

    // The status lines follow the watcher: holding, waiting out a delay, not holding, and the
    // watcher's note for a power-adapter rule on a computer without a battery.
    void statusLinesFollowTheWatcher()
    {
        FakeBackends fakes;
        FakeTriggerSources sources;
        sources.adapter->present = false;
        const auto &units = sources.units;
        AppCoordinator::Backends backends = fakes.backends();
        backends.triggerSources = sources.sources();
        AppCoordinator coordinator(std::move(backends));
        FakeLoginItemService logins;
        TriggerRule now = TriggerRule::make(TriggerKind::Unit, {{u"unit"_s, u"backup.service"_s}});
        TriggerRule later = TriggerRule::make(TriggerKind::Unit, {{u"unit"_s, u"sync.service"_s}});
        later.delaySeconds = 60;
        const TriggerRule ac = TriggerRule::make(TriggerKind::PowerAdapter);
        coordinator.prefs().setTriggerRules({now, later, ac});
        coordinator.triggers().start();
        PreferencesView view(coordinator, logins);
        const auto status = [&](int i) { return child<QLabel>(*rows(view).at(i), u"status"_s)->text(); };

        QTRY_COMPARE(status(0), TriggerRuleRow::tr("Not holding."));
        units->set({u"backup.service"_s, false}, {UnitPresence::Loaded, u"active"_s});
        units->set({u"sync.service"_s, false}, {UnitPresence::Loaded, u"active"_s});
        QTRY_VERIFY(coordinator.triggers().status(now.id).active);
        const QString label = coordinator.triggers().status(now.id).label;
        QTRY_COMPARE(status(0), TriggerRuleRow::tr("Keeping awake now: %1").arg(label));
        QVERIFY(label.contains(u"backup.service"_s));
        QCOMPARE(status(1), TriggerRuleRow::tr("Holds \u2014 waiting out its delay."));
        units->set({u"backup.service"_s, false}, {UnitPresence::Loaded, u"inactive"_s});
        QTRY_COMPARE(status(0), TriggerRuleRow::tr("Not holding."));

        const QString noBattery = coordinator.triggers().status(ac.id).note;
        QVERIFY(noBattery.contains(u"no battery"_s));
        auto *note = child<QLabel>(*rows(view).at(2), u"note"_s);
        QVERIFY(!note->isHidden());
        QCOMPARE(note->text(), noBattery);
    }
};

QTEST_MAIN(TestTriggerPrefs)
#include "tst_trigger_prefs.moc"
