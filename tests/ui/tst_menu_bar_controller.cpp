#include "BrandAssets.h"
#include "MenuBarController.h"
#include "SymbolIcons.h"
#include "SystemTrayWaiter.h"
#include "TrayMenu.h"

#include "FakeBackends.h"
#include "ScriptedMenuDialogs.h"

#include "menubar/MenuActions.h"
#include "power/AssertionManager.h"
#include "preferences/PreferencesStore.h"
#include "processes/ProcessWatcher.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class TestMenuBarController : public QObject {
    Q_OBJECT

    FakeBackends fakes;
    std::unique_ptr<AppCoordinator> coordinator;
    ScriptedMenuDialogs *dialogs = nullptr;
    std::unique_ptr<MenuBarController> controller;

    // The entries the menu shows (hidden ones wait for a later shape of the menu).
    static QList<QAction *> visible(const QMenu *menu)
    {
        QList<QAction *> actions = menu->actions();
        actions.removeIf([](const QAction *action) { return !action->isVisible(); });
        return actions;
    }

    // The menu as text, depth first: separators as "---", submenu entries indented.
    static QStringList shown(const QMenu *menu, const QString &indent = {})
    {
        QStringList lines;
        for (const QAction *action : visible(menu)) {
            if (action->isSeparator()) {
                lines << indent + u"---"_s;
                continue;
            }
            lines << indent + action->text();
            if (action->menu())
                lines << shown(action->menu(), indent + u"> "_s);
        }
        return lines;
    }

    static QStringList expected(const QList<MenuItem> &items, const QString &indent = {})
    {
        QStringList lines;
        for (const MenuItem &item : items) {
            lines << indent + (item.separator ? u"---"_s : TrayMenu::actionText(item.title));
            lines << expected(item.submenu, indent + u"> "_s);
        }
        return lines;
    }

    static QAction *find(const QMenu *menu, const QString &text)
    {
        for (QAction *action : visible(menu)) {
            if (action->text() == text)
                return action;
            if (action->menu()) {
                if (QAction *inner = find(action->menu(), text))
                    return inner;
            }
        }
        return nullptr;
    }

    const QList<AwakeReason> &reasons() const { return coordinator->assertions().reasons(); }

    void open()
    {
        controller->menu()->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(controller->menu()));
    }

private slots:
    void init()
    {
        fakes = FakeBackends();
        coordinator = fakes.makeCoordinator();
        auto scripted = std::make_unique<ScriptedMenuDialogs>();
        dialogs = scripted.get();
        controller = std::make_unique<MenuBarController>(coordinator.get(), std::move(scripted));
    }

    void cleanup()
    {
        controller.reset();
        coordinator.reset();
    }

    void menuShowsTheModel()
    {
        coordinator->prefs().setProcessRules(
            {{QUuid::createUuid(), u"R&D build"_s, true, ProcessMatchMode::Contains}});
        coordinator->startTimed(1800);
        open();
        const QList<MenuItem> model = MenuModel::build(controller->menuState(), fakes.clock->now());
        QCOMPARE(shown(controller->menu()), expected(model));
        // An ampersand in user data shows as itself, not as a shortcut marker.
        QVERIFY(find(controller->menu(), u"R&&D build"_s));

        const QAction *headline = visible(controller->menu()).first();
        QVERIFY(!headline->isEnabled());
        const QAction *stop = find(controller->menu(), u"Stop Current Session"_s);
        QCOMPARE(stop->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(find(controller->menu(), u"Preferences\u2026"_s)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Comma));
        const QAction *reason = find(controller->menu(), u"   \u2022 Timed: 30m 0s  \u2014  30m 0s left"_s);
        QVERIFY(reason);
        QCOMPARE(reason->toolTip(), u"Click to stop this reason"_s);
        QVERIFY(!find(controller->menu(), u"Start Keep Awake"_s)->isCheckable());
        const QAction *rule = find(controller->menu(), u"R&&D build"_s);
        QVERIFY(rule->isCheckable() && rule->isChecked());
    }

    void choosingAnEntryRunsItsAction()
    {
        open();
        find(controller->menu(), u"1 hour"_s)->trigger();
        QVERIFY(reasons().isEmpty()); // after the menu's own handling, not inside it
        QTRY_COMPARE(reasons().size(), 1);
        QCOMPARE(reasons().first().label, u"Timed: 1h 0m"_s);

        open();
        dialogs->confirmAnswer = true;
        find(controller->menu(), u"Start Keep Awake"_s)->trigger();
        QTRY_VERIFY(coordinator->assertions().hasReason(ReasonType::Manual));
        QCOMPARE(dialogs->shown, QStringList{u"confirm"_s});

        int preferences = 0;
        controller->openPreferences = [&] { ++preferences; };
        find(controller->menu(), u"Manage in Preferences\u2026"_s)->trigger();
        QTRY_COMPARE(preferences, 1);
    }

    void entryChosenAsTheControllerGoesDoesNothing()
    {
        open();
        find(controller->menu(), u"1 hour"_s)->trigger();
        controller.reset();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(reasons().isEmpty());
        coordinator->refreshState(); // its callback no longer reaches the controller
    }

    void openMenuFollowsTheState()
    {
        open();
        QCOMPARE(visible(controller->menu()).first()->text(),
                 u"Inactive \u2014 your computer can sleep normally"_s);
        coordinator->startTimed(1800); // the refresh that follows redraws the open menu
        QTRY_COMPARE(visible(controller->menu()).first()->text(),
                     u"Active \u2014 keeping system awake (1 reason)"_s);
        QVERIFY(find(controller->menu(), u"   \u21BB Extend session by 30 min"_s));

        // A minute later only texts differ: the entries are retitled in place, so an open
        // submenu stays open.
        QAction *reason = find(controller->menu(), u"   \u2022 Timed: 30m 0s  \u2014  30m 0s left"_s);
        QVERIFY(reason);
        QMenu *durations = find(controller->menu(), u"Keep Awake For\u2026"_s)->menu();
        fakes.clock->advance(60);
        coordinator->refreshState();
        QCOMPARE(reason->text(), u"   \u2022 Timed: 30m 0s  \u2014  29m 0s left"_s);
        QCOMPARE(find(controller->menu(), u"Keep Awake For\u2026"_s)->menu(), durations);
    }

    void closedMenuKeepsItsEntriesCurrent()
    {
        // Some trays never say they open the menu: new entries must be there without it.
        coordinator->startManual(AwakeMode::System);
        QTRY_VERIFY(find(controller->menu(), u"   \u2022 Manual keep-awake"_s));
        QVERIFY(find(controller->menu(), u"Stop Keep Awake"_s)->isChecked());
    }

    // A change of state that only retitles entries (an extended session, one more matching
    // process) reaches the closed menu too, in place.
    void closedMenuFollowsTitleOnlyChanges()
    {
        coordinator->prefs().setProcessRules(
            {{QUuid::createUuid(), u"make"_s, true, ProcessMatchMode::Exact}});
        coordinator->applyPreferences();
        fakes.processes->processes = {{42, u"make"_s, u"make all"_s}};
        coordinator->watcher().poll();
        coordinator->startTimed(1800);
        QTRY_VERIFY(find(controller->menu(), u"make  (1 running)"_s));
        QAction *timed = find(controller->menu(), u"   \u2022 Timed: 30m 0s  \u2014  30m 0s left"_s);
        QVERIFY(timed);

        coordinator->extendActiveSession(1800);
        QTRY_COMPARE(timed->text(), u"   \u2022 Timed: 1h 0m  \u2014  1h 0m left"_s);
        fakes.processes->processes << RunningProcess{43, u"make"_s, u"make -j2"_s};
        coordinator->watcher().poll();
        QTRY_VERIFY(find(controller->menu(), u"make  (2 running)"_s));
        QVERIFY(!controller->menu()->isVisible());
    }

    // An entry updated in place shows the sign of its latest model each time.
    void signFollowsAnEntryUpdatedInPlace()
    {
        using Symbol = MenuItem::Symbol;
        TrayMenu tray;
        const QColor text = tray.menu()->palette().color(QPalette::WindowText);
        const auto pixels = [](const QIcon &icon) {
            return icon.isNull() ? QImage() : icon.pixmap(QSize(16, 16)).toImage();
        };
        const QImage warning = pixels(SymbolIcons::drawn(SymbolIcons::Symbol::Warning, text));
        const QImage info = pixels(SymbolIcons::drawn(SymbolIcons::Symbol::Info, text));
        const QList<std::pair<Symbol, QImage>> steps{{Symbol::Warning, warning},
                                                     {Symbol::None, QImage()},
                                                     {Symbol::Warning, warning},
                                                     {Symbol::Info, info},
                                                     {Symbol::Warning, warning}};
        QAction *entry = nullptr;
        for (const auto &[symbol, shows] : steps) {
            MenuItem line;
            line.title = u"Running on battery power."_s;
            line.enabled = false;
            line.symbol = symbol;
            tray.update({line});
            if (!entry)
                entry = tray.menu()->actions().first();
            QCOMPARE(tray.menu()->actions().first(), entry);
            QCOMPARE(pixels(entry->icon()), shows);
        }
    }

    // The shortcuts shown beside the entries work while the menu (or one of its submenus) is open.
    void shortcutsWorkWhileTheMenuIsOpen_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("inSubmenu");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << false << u"stopped"_s;
        QTest::newRow("Ctrl+,") << int(Qt::Key_Comma) << false << u"preferences"_s;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << false << u"quit"_s;
        QTest::newRow("Ctrl+Q in a submenu") << int(Qt::Key_Q) << true << u"quit"_s;
    }

    void shortcutsWorkWhileTheMenuIsOpen()
    {
        QFETCH(int, key);
        QFETCH(bool, inSubmenu);
        QFETCH(QString, effect);
        QStringList effects;
        controller->openPreferences = [&] { effects << u"preferences"_s; };
        controller->actions().quit = [&] { effects << u"quit"_s; };
        const auto happened = [&] {
            return reasons().isEmpty() ? effects + QStringList{u"stopped"_s} : effects;
        };
        coordinator->startTimed(1800);
        open();
        QMenu *target = controller->menu();
        if (inSubmenu) {
            target = find(controller->menu(), u"Keep Awake For\u2026"_s)->menu();
            target->popup(QPoint(40, 40));
            QVERIFY(QTest::qWaitForWindowExposed(target));
        }
        QTest::keyClick(target, Qt::Key(key), Qt::ControlModifier);
        QTRY_COMPARE(happened(), QStringList{effect});
        QVERIFY(!controller->menu()->isVisible() && !target->isVisible());
    }

    // A 230-character name must not stretch the menu across the screen.
    void longEntriesAreElidedWithTheFullTextAsTooltip()
    {
        const QString name = u"<b>uild-"_s + QString(224, u'x');
        coordinator->prefs().setProcessRules({{QUuid::createUuid(), name, false, ProcessMatchMode::Exact}});
        const QDateTime now = fakes.clock->now();
        coordinator->assertions().addReason({QUuid::createUuid(), ReasonType::Command, u"Running: "_s + name,
                                             now, now.addSecs(1800), AwakeMode::System});
        open();
        const QAction *rule =
            visible(find(controller->menu(), u"Keep Awake While Process Runs\u2026"_s)->menu()).first();
        QVERIFY(rule->text().size() <= 72 && rule->text().startsWith(u"<b>uild-x"_s));
        // User data shows literally, also where it looks like markup.
        QCOMPARE(rule->toolTip(), Qt::convertFromPlainText(name));

        // The end, with the time left, stays in sight and follows the clock, as does the tooltip.
        const QList<QAction *> top = visible(controller->menu());
        QAction *reason = *std::find_if(top.begin(), top.end(), [](const QAction *action) {
            return action->text().startsWith(u"   \u2022 Running: "_s);
        });
        QVERIFY(reason->text().endsWith(u"30m 0s left"_s));
        fakes.clock->advance(60);
        coordinator->refreshState();
        QVERIFY(reason->text().endsWith(u"29m 0s left"_s));
        QCOMPARE(reason->toolTip(),
                 Qt::convertFromPlainText(u"   \u2022 Running: "_s + name +
                                          u"  \u2014  29m 0s left\nClick to stop this reason"_s));

        // Cuts fall between words when one ends nearby, else between characters.
        QCOMPARE(TrayMenu::elided(u"Stopped because Vigila is set to keep the computer awake only while plugged in."_s),
                 u"Stopped because Vigila is set to \u2026 computer awake only while plugged in."_s);
        const QString faces = QString(40, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(40);
        QVERIFY(QStringView(TrayMenu::elided(faces)).isValidUtf16());
        QCOMPARE(TrayMenu::elided(QString(72, u'a')), QString(72, u'a'));
    }

    // No default Linux font has the no-entry or the circled-i sign: they are drawn as icons.
    void statusSignsAreDrawnIcons()
    {
        fakes.assertion->failActivations = true;
        coordinator->startManual(AwakeMode::System);
        open();
        QTRY_COMPARE(visible(controller->menu()).at(1)->text(), u"Could not create keep-awake assertion."_s);
        const QAction *error = visible(controller->menu()).at(1);
        QVERIFY(!error->icon().isNull());
        QVERIFY(visible(controller->menu()).first()->icon().isNull()); // the headline has none
    }

    void closedMenuFollowsChangesMadeWhileItWasOpen()
    {
        // The closed menu is redrawn only when the state changed since it was drawn, also when it
        // was last drawn open.
        open();
        coordinator->startManual(AwakeMode::System);
        QTRY_VERIFY(find(controller->menu(), u"   \u2022 Manual keep-awake"_s));
        controller->menu()->hide();
        coordinator->assertions().stopAll();
        QTRY_VERIFY(!find(controller->menu(), u"   \u2022 Manual keep-awake"_s));
    }

    void iconAndToolTipFollowTheState()
    {
        const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
        const auto pixels = [](const QIcon &icon) { return icon.pixmap(QSize(24, 24)).toImage(); };
        QCOMPARE(pixels(controller->icon()), pixels(*BrandAssets::sleepingEye(text)));
        QCOMPARE(controller->toolTip(), u"Vigila: inactive"_s);

        // The time left is also drawn into the eye, and the icon is redrawn only when it changes.
        coordinator->startTimed(5400);
        QTRY_COMPARE(controller->toolTip(), u"Vigila: timed session active \u2014 1h 30m left"_s);
        QCOMPARE(pixels(controller->icon()), pixels(*BrandAssets::openEye(text, u"1h"_s)));
        const qint64 oneHour = controller->icon().cacheKey();
        fakes.clock->advance(1799);
        coordinator->refreshState();
        QCOMPARE(controller->icon().cacheKey(), oneHour); // 1h 0m 1s left: still "1h"
        fakes.clock->advance(1);
        coordinator->refreshState();
        QCOMPARE(pixels(controller->icon()), pixels(*BrandAssets::openEye(text, u"60"_s)));
        fakes.clock->advance(3599);
        coordinator->refreshState();
        QCOMPARE(pixels(controller->icon()), pixels(*BrandAssets::openEye(text, u"1"_s)));
        coordinator->prefs().setShowRemainingTime(false);
        coordinator->refreshState();
        QCOMPARE(controller->toolTip(), u"Vigila: timed session active"_s);
        QCOMPARE(pixels(controller->icon()), pixels(*BrandAssets::openEye(text)));

        // A lock the system refuses turns the eye red.
        coordinator->assertions().stopAll();
        fakes.assertion->failActivations = true;
        coordinator->startManual(AwakeMode::System);
        QTRY_COMPARE(controller->toolTip(), u"Vigila: assertion failed"_s);
        QCOMPARE(pixels(controller->icon()), pixels(*BrandAssets::openEye(QColor(0xFF, 0x3B, 0x30))));
    }

    // Sessions that start and stop show the same icons again, not new drawings that Qt's pixmap
    // cache and the tray host would each keep.
    void startingAndStoppingReusesTheIcons()
    {
        const auto shown = [this] { return controller->icon().cacheKey(); };
        const qint64 sleeping = shown();
        coordinator->startTimed(900);
        QTRY_VERIFY(shown() != sleeping);
        const qint64 open = shown();
        for (int i = 0; i < 3; ++i) {
            coordinator->assertions().stopAll();
            QTRY_COMPARE(shown(), sleeping);
            coordinator->startTimed(900);
            QTRY_COMPARE(shown(), open);
        }
    }

    // Opening the menu asks who else keeps the computer awake; the answer fills the open menu when
    // it comes (a long line shortened, all of it in the tooltip), and the next opening starts from it.
    void otherProgramsShowWhenTheSurveyAnswers()
    {
        open();
        QCOMPARE(fakes.survey->waiting.size(), 1);
        const OtherInhibitor video{
            u"logind"_s, u"Firefox"_s, u"Playing video"_s, u"sleep"_s, u"block"_s, 1000, 42};
        const OtherInhibitor backup{
            u"gnome-session"_s, u"Backup"_s, u"copying "_s.repeated(20), u"idle"_s, u"block"_s, {}, {}};
        fakes.survey->answer({video, backup});
        const QStringList lines = shown(controller->menu());
        QCOMPARE(
            lines.mid(lines.indexOf(u"   None"_s) + 1, 3),
            (QStringList{u"---"_s, u"Also Keeping Awake"_s, u"   \u2022 Firefox \u2014 Playing video"_s}));
        const QAction *cut = find(controller->menu(), lines.at(lines.indexOf(u"Also Keeping Awake"_s) + 2));
        QVERIFY(cut->text().size() <= 72 && !cut->isEnabled());
        QCOMPARE(cut->toolTip(), u"   \u2022 "_s + backup.summary());

        controller->menu()->hide();
        open();
        QVERIFY(find(controller->menu(), u"   \u2022 Firefox \u2014 Playing video"_s));
        fakes.survey->answer({});
        QVERIFY(!find(controller->menu(), u"Also Keeping Awake"_s));

        open(); // an answer that comes after the tray is gone is dropped
        controller.reset();
        fakes.survey->answer({video});
    }

    void trayWaiterGivesUpOnceAndKeepsLooking()
    {
        int checks = 0;
        SystemTrayWaiter waiter([&] { return ++checks == 8; }, 1ms, 3ms, 2ms);
        QSignalSpy gaveUp(&waiter, &SystemTrayWaiter::gaveUp);
        QSignalSpy available(&waiter, &SystemTrayWaiter::available);
        waiter.start();
        waiter.start(); // already waiting: no second round
        QVERIFY(available.wait());
        QCOMPARE(gaveUp.count(), 1); // told once, at the third check
        QCOMPARE(checks, 8);
        QVERIFY(!waiter.isWaiting());
    }

    // Without a late pace it stops checking once it gives up, and goes on only when told.
    void trayWaiterWithoutLatePaceWaitsToBeTold()
    {
        bool tray = false;
        int checks = 0;
        SystemTrayWaiter waiter(
            [&] {
                ++checks;
                return tray;
            },
            1ms, 2ms, 0ms);
        QSignalSpy gaveUp(&waiter, &SystemTrayWaiter::gaveUp);
        QSignalSpy available(&waiter, &SystemTrayWaiter::available);
        waiter.checkNow(); // not waiting: nothing to check
        QCOMPARE(checks, 0);
        waiter.start();
        QVERIFY(gaveUp.wait());
        QVERIFY(waiter.isWaiting());
        QVERIFY(!available.wait(20)); // no more checks of its own
        QCOMPARE(checks, 2);
        waiter.checkNow(); // told, but still no tray
        QVERIFY(waiter.isWaiting());
        tray = true;
        waiter.checkNow();
        QCOMPARE(available.count(), 1);
        QVERIFY(!waiter.isWaiting());
    }
};

QTEST_MAIN(TestMenuBarController)
#include "tst_menu_bar_controller.moc"
