#pragma once

#include "menubar/MenuDialogs.h"
#include "menubar/MenuModel.h"

#include <QObject>
#include <QPointer>
#include <QUuid>

#include <functional>
#include <memory>

class AppCoordinator;

// Carries out what a tray-menu entry stands for, through the coordinator and its services. The
// values an action needs were captured when the menu was built. Dialogs ask before acting; a
// coordinator that is gone (also while a dialog was open) makes every action do nothing.
class MenuActions final : public QObject {
    Q_OBJECT
public:
    MenuActions(AppCoordinator *coordinator, std::unique_ptr<MenuDialogs> dialogs, QObject *parent = nullptr);
    ~MenuActions() override;

    // Ignored while one of the dialogs is open.
    void perform(const MenuAction &action);
    bool isAsking() const { return m_asking; }

    // Installed by whoever owns the windows and the application; absent ones do nothing.
    std::function<void()> openPreferences;
    // The preferences at the triggers; the preferences where not given.
    std::function<void()> openTriggers;
    std::function<void()> openCommandRunner;
    std::function<void()> quit;

    MenuDialogs &dialogs() const { return *m_dialogs; }

private:
    void toggleManual(bool manualExisted);
    void toggleDisplay(bool manualExisted, std::optional<AwakeMode> manualMode);
    void startUntil(int hour, int minute);
    void promptCustomDuration();
    void promptCustomTime();
    void promptAddProcess();
    void toggleRule(const QUuid &id);
    void toggleTrigger(const QUuid &id);
    static void call(const std::function<void()> &callback);
    template <typename Question> auto ask(Question question);

    QPointer<AppCoordinator> m_coordinator;
    std::unique_ptr<MenuDialogs> m_dialogs;
    bool m_asking = false;
};
