#pragma once

#include "menubar/MenuDialogs.h"
#include "menubar/MenuModel.h"
#include "menubar/StatusIconState.h"

#include <QColor>
#include <QDateTime>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

class AppCoordinator;
class MenuActions;
class QMenu;
class QSystemTrayIcon;
class StatusNotifierHostWatch;
class SystemTrayWaiter;
class TrayMenu;

// The tray icon and its menu. Draws the icon and tooltip from the coordinator's state after every
// refresh, keeps the menu in step with the state, and hands chosen entries to the menu actions.
class MenuBarController final : public QObject {
    Q_OBJECT
public:
    // Without dialogs, the Qt ones are used.
    explicit MenuBarController(AppCoordinator *coordinator, std::unique_ptr<MenuDialogs> dialogs = {},
                               QObject *parent = nullptr);
    ~MenuBarController() override;

    // Installed by the application delegate; absent ones make their entries do nothing.
    std::function<void()> openPreferences;
    // The preferences at the Triggers tab; the preferences as they are where not given.
    std::function<void()> openTriggers;
    std::function<void()> openCommandRunner;

    // None until a tray is there to show it.
    QSystemTrayIcon *trayIcon() const { return m_tray.get(); }
    // The icon the tray shows, or will show once there is one.
    QIcon icon() const { return m_icon; }
    QMenu *menu() const;
    MenuActions &actions() const { return *m_actions; }
    // The icon's current description and, while a deadline session runs, the time left.
    QString toolTip() const { return m_toolTip; }

    // What the menu is drawn from, copied from the coordinator's services.
    MenuState menuState() const;

    // The single colour of the eye: the theme's text colour, orange or red for trouble.
    static QColor templateColor(StatusIconState state, const QPalette &palette);
    // Icon-theme names for when our own marks are missing.
    static QIcon themedIcon(StatusIconState state);
    // Said on stderr and in a notification when no tray has appeared a few seconds after start.
    static QString noTrayMessage();

private:
    // What the icon shows: which mark, in which colour.
    struct IconKey {
        int mark = -1;
        QRgb color = 0;
        QString badge;
        bool operator==(const IconKey &) const = default;
    };

    void stateChanged();
    // The icon for a key: one drawn lately when there is one, else what `draw` makes.
    QIcon recentIcon(const IconKey &key, const std::function<QIcon()> &draw);
    void updateButton(const MenuState &state, const QDateTime &now);
    void refreshMenu(const MenuState &state, const QDateTime &now);
    void menuAboutToShow();
    void surveyOtherInhibitors();
    bool trayAvailable() const;
    void trayHostChanged();
    void trayNotFound();
    void createTrayIcon();
    void trayAppeared();
    void popUpMenu();

    QPointer<AppCoordinator> m_coordinator;
    std::unique_ptr<TrayMenu> m_menu;
    std::unique_ptr<MenuActions> m_actions;
    std::unique_ptr<QSystemTrayIcon> m_tray;
    StatusNotifierHostWatch *m_hostWatch = nullptr;
    SystemTrayWaiter *m_trayWaiter = nullptr;
    bool m_haveOpenEye = false;
    bool m_haveSleepingEye = false;
    // What the current icon and menu were drawn from: the heartbeat refreshes every second, and
    // an unchanged icon, tooltip or menu is left alone (no redraw, and no message to the tray host).
    IconKey m_iconKey;
    QIcon m_icon;
    // The icons drawn lately, newest first. Sessions that start and stop show the same few icons
    // over and over: drawing each anew gave pixmaps Qt's pixmap cache keeps (up to its 10 MB) and
    // a new icon for the tray host to fetch every time.
    QList<std::pair<IconKey, QIcon>> m_recentIcons;
    QString m_toolTip;
    MenuState m_menuState;
    // Other programs' locks, as the last survey found them.
    QList<OtherInhibitor> m_otherInhibitors;
};
