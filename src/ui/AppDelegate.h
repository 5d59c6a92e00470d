#pragma once

#include "app/AppCoordinator.h"
#include "menubar/MenuDialogs.h"

#include <QObject>

#include <memory>

class HostingWindowController;
class LoginItemService;
class MenuBarController;
class QWidget;

// Starts and stops the application: the coordinator, the two windows the menu opens, and the
// tray. Everything it creates lives until the process ends.
class AppDelegate final : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    // Builds everything from the backends and starts the services. The login items are the
    // preferences window's; dialogs default to the Qt ones.
    void applicationDidFinishLaunching(AppCoordinator::Backends backends,
                                       std::shared_ptr<LoginItemService> loginItems,
                                       std::unique_ptr<MenuDialogs> dialogs = {});
    // Releases the keep-awake lock. Runs once; later calls do nothing.
    void applicationWillTerminate();

    AppCoordinator *coordinator() const { return m_coordinator.get(); }
    MenuBarController *menuBar() const { return m_menuBar.get(); }
    HostingWindowController *preferencesWindow() const { return m_preferencesWindow.get(); }
    HostingWindowController *commandWindow() const { return m_commandWindow.get(); }

    // The contents of the two windows.
    static QWidget *makePreferencesView(AppCoordinator &coordinator, LoginItemService &loginItems);
    static QWidget *makeCommandRunnerView(AppCoordinator &coordinator);

private:
    // Declared in the order they are made; destroyed in reverse, so nothing outlives the coordinator.
    std::unique_ptr<AppCoordinator> m_coordinator;
    std::shared_ptr<LoginItemService> m_loginItems;
    std::unique_ptr<MenuBarController> m_menuBar;
    std::unique_ptr<HostingWindowController> m_preferencesWindow;
    std::unique_ptr<HostingWindowController> m_commandWindow;
    bool m_terminated = false;
};
