#include "ViewHarness.h"
#include "preferences/PreferencesView.h"
#include "processes/ProcessWatcher.h"
#include "safety/SafetyCopy.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "ElidedLabel.h"
#include "SymbolIcons.h"
#include "preferences/AboutPrefs.h"
#include "preferences/ProcessRuleRow.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QList<ProcessRuleRow *> ruleRows(const QWidget &view)
{
    return shownRows<ProcessRuleRow>(view);
}

QList<QWidget *> favoriteRows(const QWidget &view)
{
    QList<QWidget *> rows;
    for (QWidget *row : view.findChildren<QWidget *>(u"favorite"_s)) {
        if (!row->isHidden())
            rows.append(row);
    }
    return rows;
}

} // namespace

class TestPreferencesView : public QObject {
    Q_OBJECT

private slots:
    void tabsInOrderAtFixedSize()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        const QStringList titles{u"General"_s,  u"Battery"_s, u"Process Watch"_s, u"Triggers"_s,
                                 u"Commands"_s, u"Safety"_s,  u"About"_s};
        QCOMPARE(view.tabs()->count(), titles.size());
        // One set of symbols: Vigila's own drawings in the text colour, whatever the icon theme has,
        // following a change of palette.
        using SymbolIcons::Symbol;
        const QList<Symbol> symbols{Symbol::Gear,     Symbol::Battery, Symbol::Gears, Symbol::Bolt,
                                    Symbol::Terminal, Symbol::Shield,  Symbol::Info};
        const auto image = [](const QIcon &icon) { return icon.pixmap(QSize(20, 20)).toImage(); };
        for (int i = 0; i < titles.size(); ++i) {
            QCOMPARE(view.tabs()->tabText(i), titles.at(i));
            QCOMPARE(image(view.tabs()->tabIcon(i)),
                     image(SymbolIcons::drawn(symbols.at(i), view.palette().color(QPalette::WindowText))));
        }
        QPalette dark = view.palette();
        dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
        view.setPalette(dark);
        QCOMPARE(image(view.tabs()->tabIcon(1)),
                 image(SymbolIcons::drawn(Symbol::Battery, QColor(0xEE, 0xEE, 0xEE))));
        view.show();
        QCOMPARE(view.tabs()->size(), QSize(520, 440));
        QCOMPARE(view.minimumSize(), view.maximumSize());
        // All seven fit side by side: none is scrolled out of sight.
        const QTabBar *bar = view.tabs()->tabBar();
        QVERIFY(bar->tabRect(titles.size() - 1).right() < bar->width());
        QCOMPARE(bar->tabRect(0).left(), 0);
        // A longer title, as a translation has, widens the window rather than being cut short.
        view.tabs()->setTabText(2, u"Prozess\u00FCberwachung und Ausnahmen"_s);
        QTRY_VERIFY(view.tabs()->width() > 520);
        QCOMPARE(view.minimumSize(), view.maximumSize());
        QVERIFY(bar->tabRect(titles.size() - 1).right() < bar->width());
        QVERIFY(bar->width() >= bar->sizeHint().width()); // every title at full length
    }

    // Each switch stores a click once, and follows a change made elsewhere without storing it again.
    void switchesAreBoundBothWays()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        PreferencesStore &p = h.prefs();
        struct Binding {
            QString name;
            std::function<bool()> get;
            std::function<void(bool)> set;
        };
        const QList<Binding> bindings{
            {u"showNotifications"_s, [&] { return p.showNotifications(); },
             [&](bool v) { p.setShowNotifications(v); }},
            {u"showRemainingTime"_s, [&] { return p.showRemainingTime(); },
             [&](bool v) { p.setShowRemainingTime(v); }},
            {u"confirmIndefinite"_s, [&] { return p.confirmIndefinite(); },
             [&](bool v) { p.setConfirmIndefinite(v); }},
            {u"warnOnBroadNames"_s, [&] { return p.warnOnBroadNames(); },
             [&](bool v) { p.setWarnOnBroadNames(v); }},
            {u"keepCommandHistory"_s, [&] { return p.keepCommandHistory(); },
             [&](bool v) { p.setKeepCommandHistory(v); }},
            {u"warnOnBattery"_s, [&] { return p.battery().warnOnBattery; },
             [&](bool v) {
                 p.setBattery({v, p.battery().onlyWhilePluggedIn, p.battery().autoStopEnabled,
                               p.battery().autoStopThreshold, p.battery().warningThreshold});
             }},
            {u"onlyWhilePluggedIn"_s, [&] { return p.battery().onlyWhilePluggedIn; },
             [&](bool v) {
                 p.setBattery({p.battery().warnOnBattery, v, p.battery().autoStopEnabled,
                               p.battery().autoStopThreshold, p.battery().warningThreshold});
             }},
        };
        for (const Binding &binding : bindings) {
            auto *box = child<QCheckBox>(view, binding.name);
            const bool before = binding.get();
            QCOMPARE(box->isChecked(), before);
            const qsizetype writes = h.defaults->writeCount(PreferencesStore::key());
            box->click();
            QCOMPARE(binding.get(), !before);
            QCOMPARE(h.defaults->writeCount(PreferencesStore::key()), writes + 1);
            binding.set(before);
            QCOMPARE(box->isChecked(), before);
            QCOMPARE(h.defaults->writeCount(PreferencesStore::key()), writes + 2);
        }
        // Keeping history reaches the history at once.
        child<QCheckBox>(view, u"keepCommandHistory"_s)->click();
        QCOMPARE(h.history().keepHistory(), h.prefs().keepCommandHistory());
    }

    void launchAtLoginShowsWhatTheSystemDid_data()
    {
        QTest::addColumn<bool>("refuse");
        QTest::newRow("accepted") << false;
        QTest::newRow("refused") << true;
    }

    void launchAtLoginShowsWhatTheSystemDid()
    {
        QFETCH(bool, refuse);
        ViewHarness h;
        if (refuse)
            h.loginItems.failure = u"not allowed"_s;
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *box = child<QCheckBox>(view, u"launchAtLogin"_s);
        box->click();
        QCOMPARE(h.loginItems.registerCalls, 1);
        QCOMPARE(box->isChecked(), !refuse);
        QCOMPARE(h.prefs().launchAtLogin(), !refuse);
        QCOMPARE(h.loginItems.enabled, !refuse);
        if (refuse)
            return;
        box->click();
        QCOMPARE(h.loginItems.unregisterCalls, 1);
        QVERIFY(!h.prefs().launchAtLogin());
    }

    void defaultModeAndDurationChoices()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *mode = child<QComboBox>(view, u"defaultMode"_s);
        QCOMPARE(mode->count(), 2);
        QCOMPARE(mode->itemText(0), u"Keep System Awake"_s);
        QCOMPARE(mode->itemText(1), u"Keep Display Awake"_s);
        QCOMPARE(mode->currentIndex(), 0);
        mode->setCurrentIndex(1);
        QCOMPARE(h.prefs().defaultMode(), AwakeMode::Display);
        h.prefs().setDefaultMode(AwakeMode::System);
        QCOMPARE(mode->currentIndex(), 0);

        auto *duration = child<QComboBox>(view, u"defaultDuration"_s);
        QCOMPARE(duration->currentText(), u"1 hour"_s);
        duration->setCurrentIndex(duration->findText(u"4 hours"_s));
        QCOMPARE(h.prefs().defaultDurationSeconds(), 14400.0);
        h.prefs().setDefaultDurationSeconds(1000); // no preset
        QCOMPARE(duration->currentIndex(), -1);
        QCOMPARE(h.prefs().defaultDurationSeconds(), 1000.0);
        h.prefs().setDefaultDurationSeconds(900);
        QCOMPARE(duration->currentText(), u"15 minutes"_s);
    }

    void steppersStopAtTheirBounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("warning") << u"warningThreshold"_s << u"Warning threshold: %1%"_s << 5 << 95;
        QTest::newRow("auto-stop") << u"autoStopThreshold"_s << u"Auto-stop threshold: %1%"_s << 5 << 90;
    }

    void steppersStopAtTheirBounds()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        ViewHarness h;
        h.prefs().setBattery({true, false, true, 15, 25});
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *stepper = child<QSpinBox>(view, name);
        auto *caption = child<QLabel>(view, name + u"Label"_s);
        const auto stored = [&] {
            return name == u"warningThreshold"_s ? h.prefs().battery().warningThreshold
                                                 : h.prefs().battery().autoStopThreshold;
        };
        for (int i = 0; i < 25; ++i)
            stepper->stepUp();
        QCOMPARE(stored(), maximum);
        QCOMPARE(caption->text(), label.arg(maximum));
        stepper->stepDown();
        QCOMPARE(stored(), maximum - 5);
        for (int i = 0; i < 25; ++i)
            stepper->stepDown();
        QCOMPARE(stored(), minimum);
        QCOMPARE(caption->text(), label.arg(minimum));

        // A change elsewhere shows here; the other fields of the record are untouched throughout.
        BatterySettings battery = h.prefs().battery();
        (name == u"warningThreshold"_s ? battery.warningThreshold : battery.autoStopThreshold) = 40;
        h.prefs().setBattery(battery);
        QCOMPARE(stepper->value(), 40);
        QCOMPARE(caption->text(), label.arg(40));
        QCOMPARE(h.prefs().battery().warnOnBattery, true);
        QCOMPARE(h.prefs().battery().autoStopEnabled, true);
    }

    // Typed values once went in as typed (12), or lost a digit over the maximum (100 became 10).
    void typedThresholdsStayOnTheGrid_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("12 rounds down") << u"warningThreshold"_s << u"12"_s << 10;
        QTest::newRow("13 rounds up") << u"warningThreshold"_s << u"13"_s << 15;
        QTest::newRow("100 is the maximum") << u"warningThreshold"_s << u"100"_s << 95;
        QTest::newRow("3 is the minimum") << u"warningThreshold"_s << u"3"_s << 5;
        QTest::newRow("on the grid") << u"autoStopThreshold"_s << u"35"_s << 35;
        QTest::newRow("93 is the auto-stop maximum") << u"autoStopThreshold"_s << u"93"_s << 90;
    }

    void typedThresholdsStayOnTheGrid()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        ViewHarness h;
        h.prefs().setBattery({true, false, true, 15, 25});
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *stepper = child<QSpinBox>(view, name);
        const auto value = [&] {
            return name == u"warningThreshold"_s ? h.prefs().battery().warningThreshold
                                                 : h.prefs().battery().autoStopThreshold;
        };
        QTest::keyClick(stepper, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(stepper, typed);
        QTest::keyClick(stepper, Qt::Key_Return);
        QCOMPARE(value(), stored);
        QCOMPARE(stepper->value(), stored);

        // A value stored off the grid by an earlier version joins it on the first step.
        BatterySettings battery = h.prefs().battery();
        (name == u"warningThreshold"_s ? battery.warningThreshold : battery.autoStopThreshold) = 12;
        h.prefs().setBattery(battery);
        stepper->stepUp();
        QCOMPARE(value(), 15);
        h.prefs().setBattery(battery);
        stepper->stepDown();
        QCOMPARE(value(), 10);
    }

    void autoStopStepperIsDisabledWhileOffAndKeepsItsValue()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *enabled = child<QCheckBox>(view, u"autoStopEnabled"_s);
        auto *stepper = child<QSpinBox>(view, u"autoStopThreshold"_s);
        QVERIFY(!enabled->isChecked());
        QVERIFY(!stepper->isEnabled());
        enabled->click();
        QVERIFY(stepper->isEnabled());
        stepper->stepUp();
        QCOMPARE(h.prefs().battery(), (BatterySettings{true, false, true, 20, 25}));
        enabled->click();
        QVERIFY(!stepper->isEnabled());
        QCOMPARE(stepper->value(), 20);
        QCOMPARE(h.prefs().battery(), (BatterySettings{true, false, false, 20, 25}));
        // The warning threshold may go below the auto-stop one: they do not hold each other back.
        auto *warning = child<QSpinBox>(view, u"warningThreshold"_s);
        for (int i = 0; i < 4; ++i)
            warning->stepDown();
        QCOMPARE(h.prefs().battery().warningThreshold, 5);
        QCOMPARE(h.prefs().battery().autoStopThreshold, 20);
    }

    void plusAddsRulesAndDeleteRemovesOnlyThatOne()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        QSignalSpy polls(&h.coordinator->watcher(), &ProcessWatcher::matchCountsChanged);
        auto *add = child<QToolButton>(view, u"addRule"_s);
        add->click();
        add->click();
        const QList<ProcessRule> rules = h.prefs().processRules();
        QCOMPARE(rules.size(), 3);
        for (const ProcessRule &added : {rules.at(1), rules.at(2)}) {
            QCOMPARE(added.name, u"newprocess"_s);
            QVERIFY(!added.enabled);
            QCOMPARE(added.matchMode, ProcessMatchMode::Exact);
        }
        QVERIFY(rules.at(1).id != rules.at(2).id);
        QCOMPARE(h.coordinator->watcher().rules(), rules); // applied at once
        QVERIFY(!polls.isEmpty());                         // and polled
        QCOMPARE(ruleRows(view).size(), 3);

        child<QToolButton>(*ruleRows(view).at(1), u"delete"_s)->click();
        QCOMPARE(h.prefs().processRules(), (QList<ProcessRule>{rules.at(0), rules.at(2)}));
        QCOMPARE(h.coordinator->watcher().rules(), h.prefs().processRules());
        QTRY_COMPARE(ruleRows(view).size(), 2);
        QCOMPARE(child<QLineEdit>(*ruleRows(view).at(1), u"name"_s)->text(), u"newprocess"_s);
    }

    void editingARowStoresEveryChange()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        ProcessRuleRow *row = ruleRows(view).at(0);
        child<QCheckBox>(*row, u"enabled"_s)->click();
        QVERIFY(h.prefs().processRules().at(0).enabled);
        child<QComboBox>(*row, u"matchMode"_s)->setCurrentIndex(1);
        QCOMPARE(h.prefs().processRules().at(0).matchMode, ProcessMatchMode::Contains);
        QCOMPARE(h.coordinator->watcher().rules(), h.prefs().processRules());

        // Some other part of the app changes the rule: the row follows.
        QList<ProcessRule> rules = h.prefs().processRules();
        rules[0].name = u"rsync"_s;
        rules[0].enabled = false;
        h.prefs().setProcessRules(rules);
        QCOMPARE(child<QLineEdit>(*row, u"name"_s)->text(), u"rsync"_s);
        QVERIFY(!child<QCheckBox>(*row, u"enabled"_s)->isChecked());
    }

    void broadNameWarningFollowsNameAndPreference()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        view.tabs()->setCurrentIndex(2);
        view.show();
        QApplication::setActiveWindow(&view);
        QVERIFY(QTest::qWaitForWindowActive(&view));
        ProcessRuleRow *row = ruleRows(view).at(0);
        auto *name = child<QLineEdit>(*row, u"name"_s);
        auto *warning = child<QLabel>(*row, u"broadWarning"_s);
        QCOMPARE(warning->toolTip(), SafetyCopy::broadProcessWarning());
        QVERIFY(warning->isHidden()); // "claude"

        name->setFocus();
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(h.prefs().processRules().at(0).name, QString());
        const int writesBefore = int(h.defaults->writeCount(PreferencesStore::key()));
        QTest::keyClicks(name, u"pyThon"_s);
        // Every keystroke is stored, and the field stays the one being typed in.
        QCOMPARE(h.defaults->writeCount(PreferencesStore::key()), writesBefore + 6);
        QCOMPARE(h.prefs().processRules().at(0).name, u"pyThon"_s);
        QCOMPARE(ruleRows(view).at(0), row);
        QCOMPARE(name->cursorPosition(), 6);
        QVERIFY(name->hasFocus());
        QVERIFY(!warning->isHidden());

        child<QCheckBox>(view, u"warnOnBroadNames"_s)->click();
        QVERIFY(warning->isHidden());
        h.prefs().setWarnOnBroadNames(true);
        QVERIFY(!warning->isHidden());
        QTest::keyClick(name, Qt::Key_A); // "pyThona"
        QVERIFY(warning->isHidden());
    }

    void pollingIntervalChoice()
    {
        ViewHarness h;
        h.prefs().setPollInterval(3); // not offered
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *interval = child<QComboBox>(view, u"pollInterval"_s);
        QCOMPARE(interval->currentIndex(), -1);
        QCOMPARE(h.prefs().pollInterval(), 3.0);
        QStringList texts;
        for (int i = 0; i < interval->count(); ++i)
            texts.append(interval->itemText(i));
        QCOMPARE(texts, (QStringList{u"2s"_s, u"5s"_s, u"10s"_s, u"30s"_s}));
        QSignalSpy polls(&h.coordinator->watcher(), &ProcessWatcher::matchCountsChanged);
        interval->setCurrentIndex(2);
        QCOMPARE(h.prefs().pollInterval(), 10.0);
        QCOMPARE(h.coordinator->watcher().pollInterval(), 10.0);
        QVERIFY(!polls.isEmpty());
        h.prefs().setPollInterval(30);
        QCOMPARE(interval->currentText(), u"30s"_s);
    }

    void commandDefaultsAreBound()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *shell = child<QLineEdit>(view, u"defaultShell"_s);
        auto *directory = child<QLineEdit>(view, u"defaultWorkingDirectory"_s);
        QCOMPARE(shell->text(), h.prefs().defaultShell());
        shell->clear();
        QTest::keyClicks(shell, u"/bin/bash"_s);
        QCOMPARE(h.prefs().defaultShell(), u"/bin/bash"_s);
        QTest::keyClicks(directory, u"~/src"_s); // stored as typed
        QCOMPARE(h.prefs().defaultWorkingDirectory(), u"~/src"_s);
        h.prefs().setDefaultWorkingDirectory(u"/tmp"_s);
        QCOMPARE(directory->text(), u"/tmp"_s);

        // A default shell the system does not have is marked, as it is typed or stored.
        auto *problem = child<QLabel>(view, u"defaultShellProblem"_s);
        QVERIFY(problem->isHidden());
        h.prefs().setDefaultShell(u"/nonexistent/zsh"_s);
        QVERIFY(!problem->isHidden());
        QCOMPARE(problem->text(), u"Shell not found: /nonexistent/zsh"_s);
        shell->clear();
        QTest::keyClicks(shell, u"/bin/sh"_s);
        QVERIFY(problem->isHidden());
    }

    void savedCommandsRunDeleteAndClear()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        auto *none = child<QLabel>(view, u"noFavorites"_s);
        QCOMPARE(none->text(), u"No saved commands yet"_s);
        QVERIFY(!none->isHidden());
        QCOMPARE(favoriteRows(view).size(), 0);

        h.history().addFavorite(ViewHarness::command(u"exit 3"_s, u"  Three  "_s));
        h.history().addFavorite(ViewHarness::command(u"echo hi"_s));
        h.history().record(ViewHarness::command(u"ls"_s));
        QVERIFY(none->isHidden());
        QTRY_COMPARE(favoriteRows(view).size(), 2);
        const auto titleOf = [](QWidget *row) { return child<ElidedLabel>(*row, u"title"_s)->text(); };
        QList<QWidget *> rows = favoriteRows(view);
        std::sort(rows.begin(), rows.end(), [](auto *a, auto *b) { return a->y() < b->y(); });
        QCOMPARE(titleOf(rows.at(0)), u"Three"_s);
        QCOMPARE(titleOf(rows.at(1)), u"echo hi"_s);

        child<QPushButton>(*rows.at(0), u"run"_s)->click();
        QTRY_COMPARE(h.runner().state(), CommandRunner::State::finished(3));

        child<QToolButton>(*rows.at(1), u"delete"_s)->click();
        QCOMPARE(h.history().favorites().size(), 1);
        QCOMPARE(h.history().favorites().at(0).command, u"exit 3"_s);
        QTRY_COMPARE(favoriteRows(view).size(), 1);

        QVERIFY(!h.history().recent().isEmpty());
        child<QPushButton>(view, u"clearHistory"_s)->click();
        QVERIFY(h.history().recent().isEmpty());
        QCOMPARE(h.history().favorites().size(), 1);
    }

    void fixedTexts()
    {
        ViewHarness h;
        PreferencesView view(*h.coordinator, h.loginItems);
        QStringList bullets;
        for (QLabel *bullet : view.findChildren<QLabel *>(u"bullet"_s))
            bullets.append(bullet->text());
        QCOMPARE(bullets, SafetyCopy::safetyBullets());
        auto *logo = child<QLabel>(view, u"logo"_s);
        QCOMPARE(logo->pixmap().size(), QSize(72, 72));
        // Fitted without distortion; an eye when the mark is missing.
        QCOMPARE(AboutPrefs::logo(QImage(144, 72, QImage::Format_ARGB32)).size(), QSize(72, 36));
        const QPixmap eye = AboutPrefs::logo(std::nullopt);
        QCOMPARE(eye.size(), QSize(48, 48));
        QVERIFY(eye.toImage() != QImage(48, 48, QImage::Format_ARGB32_Premultiplied));
        auto *website = child<QLabel>(view, u"website"_s);
        QVERIFY(website->openExternalLinks());
        QVERIFY(website->text().contains(u">Website<"_s));
        QVERIFY(website->text().contains(u"https://quillmere.com/vigila"_s));
    }
};

QTEST_MAIN(TestPreferencesView)
#include "tst_preferences_view.moc"
