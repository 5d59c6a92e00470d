#include "AppDelegate.h"
#include "HostingWindowController.h"
#include "MenuBarController.h"
#include "commands/CommandRunnerView.h"
#include "preferences/PreferencesView.h"

#include "FakeBackends.h"
#include "FakeLoginItemService.h"
#include "LogCapture.h"
#include "ScriptedMenuDialogs.h"

#include "menubar/MenuActions.h"
#include "power/AssertionManager.h"
#include "timers/SessionTimerManager.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = MenuAction::Kind;

class TestAppDelegate : public QObject {
    Q_OBJECT

    static QStringList appInfo(const LogCapture &log)
    {
        QStringList texts;
        for (const LogCapture::Message &message : log.messages()) {
            if (message.category == "app"_L1 && message.type == QtInfoMsg)
                texts << message.text;
        }
        return texts;
    }

private slots:
    void launchPreparesWithoutShowing()
    {
        QApplication::setQuitOnLastWindowClosed(true);
        FakeBackends fakes;
        LogCapture log;
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching(fakes.backends(), std::make_shared<FakeLoginItemService>(),
                                               std::make_unique<ScriptedMenuDialogs>());

        QVERIFY(delegate.coordinator() && delegate.menuBar());
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QVERIFY(delegate.coordinator()->timers().isRunning()); // started
        QVERIFY(delegate.coordinator()->onStateChanged);       // the tray listens
        QCOMPARE(delegate.preferencesWindow()->window(), nullptr);
        QCOMPARE(delegate.commandWindow()->window(), nullptr);
        QVERIFY(appInfo(log).contains(u"Vigila launched."_s));
        QCOMPARE(fakes.notifications->authorizationRequests, 1);
    }

    void menuOpensEachWindowOnce()
    {
        FakeBackends fakes;
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching(fakes.backends(), std::make_shared<FakeLoginItemService>(),
                                               std::make_unique<ScriptedMenuDialogs>());
        MenuActions &actions = delegate.menuBar()->actions();

        actions.perform({.kind = Kind::OpenPreferences});
        QWidget *preferences = delegate.preferencesWindow()->window();
        QVERIFY(preferences && preferences->isVisible());
        QCOMPARE(preferences->windowTitle(), u"Vigila Preferences"_s);
        QVERIFY(preferences->findChild<PreferencesView *>());
        preferences->close();
        actions.perform({.kind = Kind::OpenPreferences});
        QCOMPARE(delegate.preferencesWindow()->window(), preferences);
        QVERIFY(preferences->isVisible());
        // "Manage Triggers…" brings the same window at its Triggers tab.
        preferences->close();
        actions.perform({.kind = Kind::OpenTriggers});
        QCOMPARE(delegate.preferencesWindow()->window(), preferences);
        QVERIFY(preferences->isVisible());
        const QTabWidget *tabs = preferences->findChild<PreferencesView *>()->tabs();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), u"Triggers"_s);

        actions.perform({.kind = Kind::OpenCommandRunner});
        QWidget *command = delegate.commandWindow()->window();
        QVERIFY(command && command != preferences);
        QCOMPARE(command->windowTitle(), u"Run Command With Vigila"_s);
        QVERIFY(command->findChild<CommandRunnerView *>());
    }

    // Ctrl+, and Ctrl+Q do in Vigila's windows what they do in its menu, also from a text field.
    void windowKeysOpenPreferencesAndQuit()
    {
        FakeBackends fakes;
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching(fakes.backends(), std::make_shared<FakeLoginItemService>(),
                                               std::make_unique<ScriptedMenuDialogs>());
        int quits = 0;
        delegate.menuBar()->actions().quit = [&] { ++quits; };
        delegate.menuBar()->actions().perform({.kind = Kind::OpenCommandRunner});
        QWidget *command = delegate.commandWindow()->window();
        QApplication::setActiveWindow(command);
        QVERIFY(QTest::qWaitForWindowActive(command));
        auto *field = command->findChild<QLineEdit *>(u"command"_s);
        field->setFocus();

        QTest::keyClick(field, Qt::Key_Comma, Qt::ControlModifier);
        QWidget *preferences = delegate.preferencesWindow()->window();
        QVERIFY(preferences && preferences->isVisible());
        QCOMPARE(quits, 0);
        QApplication::setActiveWindow(preferences);
        QVERIFY(QTest::qWaitForWindowActive(preferences));
        QTest::keyClick(preferences, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quits, 1);
    }

    void terminationReleasesTheLockOnce()
    {
        FakeBackends fakes;
        LogCapture log;
        {
            AppDelegate delegate;
            delegate.applicationDidFinishLaunching(fakes.backends(), std::make_shared<FakeLoginItemService>(),
                                                   std::make_unique<ScriptedMenuDialogs>());
            delegate.coordinator()->startTimed(600);
            QVERIFY(fakes.assertion->isActive());

            delegate.applicationWillTerminate();
            QVERIFY(!fakes.assertion->isActive());
            QCOMPARE(delegate.coordinator()->assertions().reasons().size(), 1); // listed, not held
            QVERIFY(!delegate.coordinator()->timers().isRunning());
            delegate.applicationWillTerminate();
        }
        const QStringList lines = appInfo(log);
        QCOMPARE(lines.count(u"Vigila terminating \u2014 assertions released."_s), 1);
        QVERIFY(lines.indexOf(u"Vigila launched."_s) <
                lines.indexOf(u"Vigila terminating \u2014 assertions released."_s));
    }

    void terminationWithoutLaunchStillLogs()
    {
        LogCapture log;
        AppDelegate delegate;
        delegate.applicationWillTerminate();
        QCOMPARE(appInfo(log), QStringList{u"Vigila terminating \u2014 assertions released."_s});
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_app_delegate.moc"
