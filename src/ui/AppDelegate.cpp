#include "AppDelegate.h"

#include "BrandAssets.h"
#include "HostingWindowController.h"
#include "MenuBarController.h"
#include "commands/CommandRunnerView.h"
#include "preferences/PreferencesView.h"

#include "app/Clipboard.h"
#include "app/LoginItemService.h"
#include "menubar/MenuActions.h"
#include "menubar/MenuDialogs.h"
#include "notifications/NotificationSink.h"
#include "power/PowerAssertion.h"
#include "power/PowerSourceProviding.h"
#include "preferences/UserDefaults.h"
#include "processes/ProcessSnapshotProviding.h"
#include "utilities/Clock.h"
#include "utilities/Log.h"

#include <QApplication>
#include <QPixmap>
#include <QPointer>

using namespace Qt::StringLiterals;

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching(AppCoordinator::Backends backends,
                                                std::shared_ptr<LoginItemService> loginItems,
                                                std::unique_ptr<MenuDialogs> dialogs)
{
    // Closing a window leaves Vigila running in the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    // The application icon (named like the application), shown by windows and alerts.
    if (const auto icon = BrandAssets::image(u"com.quillmere.vigila"_s, QSize(256, 256)))
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(*icon)));

    m_coordinator = std::make_unique<AppCoordinator>(std::move(backends));
    m_loginItems = std::move(loginItems);
    // The windows are destroyed before the coordinator and the login items, so their views may
    // refer to them.
    AppCoordinator *coordinator = m_coordinator.get();
    LoginItemService *logins = m_loginItems.get();
    m_preferencesWindow =
        std::make_unique<HostingWindowController>(tr("Vigila Preferences"), [coordinator, logins] {
            return makePreferencesView(*coordinator, *logins);
        });
    m_commandWindow = std::make_unique<HostingWindowController>(
        tr("Run Command With Vigila"), [coordinator] { return makeCommandRunnerView(*coordinator); });
    m_menuBar = std::make_unique<MenuBarController>(coordinator, std::move(dialogs));

    const QPointer<AppDelegate> self = this;
    m_menuBar->openPreferences = [self] {
        if (self && self->m_preferencesWindow)
            self->m_preferencesWindow->show();
    };
    m_menuBar->openTriggers = [self] {
        if (!self || !self->m_preferencesWindow)
            return;
        self->m_preferencesWindow->show();
        if (QWidget *window = self->m_preferencesWindow->window()) {
            if (auto *view = window->findChild<PreferencesView *>())
                view->showTriggers();
        }
    };
    m_menuBar->openCommandRunner = [self] {
        if (self && self->m_commandWindow)
            self->m_commandWindow->show();
    };
    // The menu's Preferences and Quit keys work in Vigila's own windows too.
    for (HostingWindowController *window : {m_preferencesWindow.get(), m_commandWindow.get()}) {
        for (const auto &[keys, kind] :
             {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Comma), MenuAction::Kind::OpenPreferences},
              std::pair{QKeySequence(Qt::CTRL | Qt::Key_Q), MenuAction::Kind::Quit}}) {
            window->addShortcut(keys, [self, kind] {
                if (self && self->m_menuBar)
                    self->m_menuBar->actions().perform({.kind = kind});
            });
        }
    }

    m_coordinator->start();
    Log::info(u"Vigila launched."_s);
}

void AppDelegate::applicationWillTerminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    if (m_coordinator)
        m_coordinator->shutdown();
    Log::info(u"Vigila terminating \u2014 assertions released."_s);
}

QWidget *AppDelegate::makePreferencesView(AppCoordinator &coordinator, LoginItemService &loginItems)
{
    return new PreferencesView(coordinator, loginItems);
}

QWidget *AppDelegate::makeCommandRunnerView(AppCoordinator &coordinator)
{
    return new CommandRunnerView(coordinator);
}
