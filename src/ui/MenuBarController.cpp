#include "MenuBarController.h"

#include "BrandAssets.h"
#include "QtMenuDialogs.h"
#include "StatusNotifierHostWatch.h"
#include "SystemTrayWaiter.h"
#include "TrayMenu.h"

#include "app/AppCoordinator.h"
#include "menubar/MenuActions.h"
#include "notifications/NotificationManager.h"
#include "power/AssertionManager.h"
#include "power/InhibitorSurveying.h"
#include "preferences/PreferencesStore.h"
#include "processes/ProcessWatcher.h"
#include "utilities/Clock.h"
#include "utilities/Log.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

MenuBarController::MenuBarController(AppCoordinator *coordinator, std::unique_ptr<MenuDialogs> dialogs,
                                     QObject *parent)
    : QObject(parent)
    , m_coordinator(coordinator)
    , m_menu(std::make_unique<TrayMenu>())
    , m_actions(std::make_unique<MenuActions>(coordinator, dialogs ? std::move(dialogs)
                                                                   : std::make_unique<QtMenuDialogs>()))
{
    Q_ASSERT(coordinator);
    m_haveOpenEye = BrandAssets::image(BrandAssets::openEyeName()).has_value();
    m_haveSleepingEye = BrandAssets::image(BrandAssets::sleepingEyeName()).has_value();

    const QPointer<MenuBarController> self = this;
    m_actions->openPreferences = [self] {
        if (self && self->openPreferences)
            self->openPreferences();
    };
    m_actions->openTriggers = [self] {
        if (self && self->openTriggers)
            self->openTriggers();
        else if (self && self->openPreferences)
            self->openPreferences();
    };
    m_actions->openCommandRunner = [self] {
        if (self && self->openCommandRunner)
            self->openCommandRunner();
    };
    m_actions->quit = [] { QCoreApplication::quit(); };
    m_menu->onTriggered = [self](const MenuAction &action) {
        if (self)
            self->m_actions->perform(action);
    };
    connect(m_menu->menu(), &QMenu::aboutToShow, this, &MenuBarController::menuAboutToShow);

    m_coordinator->onStateChanged = [self] {
        if (self)
            self->stateChanged();
    };

    // XEmbed trays (X11 only) announce themselves on no bus: those are still looked for now and
    // then; a StatusNotifier tray is noticed when its watcher comes onto the session bus.
    const bool x11 = QGuiApplication::platformName() == u"xcb"_s;
    m_trayWaiter =
        new SystemTrayWaiter([self] { return self && self->trayAvailable(); }, 1s, 5s, x11 ? 30s : 0s, this);
    connect(m_trayWaiter, &SystemTrayWaiter::available, this, &MenuBarController::trayAppeared);
    connect(m_trayWaiter, &SystemTrayWaiter::gaveUp, this, &MenuBarController::trayNotFound);

    const MenuState state = menuState();
    const QDateTime now = m_coordinator->clock().now();
    m_menu->update(MenuModel::build(state, now));
    m_menuState = state;
    updateButton(state, now);
    // The icon waits for the bus's first answer about a StatusNotifier host.
    m_hostWatch = new StatusNotifierHostWatch(QDBusConnection::sessionBus(), this);
    connect(m_hostWatch, &StatusNotifierHostWatch::changed, this, &MenuBarController::trayHostChanged);
}

MenuBarController::~MenuBarController()
{
    if (m_coordinator)
        m_coordinator->onStateChanged = nullptr;
}

QMenu *MenuBarController::menu() const
{
    return m_menu->menu();
}

MenuState MenuBarController::menuState() const
{
    return m_coordinator ? m_coordinator->status(m_otherInhibitors) : MenuState();
}

QColor MenuBarController::templateColor(StatusIconState state, const QPalette &palette)
{
    switch (StatusIcon::tint(state)) {
    case StatusIcon::Tint::Orange:
        return QColor(0xFF, 0x95, 0x00);
    case StatusIcon::Tint::Red:
        return QColor(0xFF, 0x3B, 0x30);
    case StatusIcon::Tint::None:
        break;
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
}

QIcon MenuBarController::themedIcon(StatusIconState state)
{
    // Freedesktop names standing in for each state's symbol.
    QString name;
    switch (state) {
    case StatusIconState::Inactive:
        name = u"weather-clear-night"_s;
        break;
    case StatusIconState::System:
        name = u"system-run"_s;
        break;
    case StatusIconState::Display:
        name = u"video-display"_s;
        break;
    case StatusIconState::Timed:
        name = u"appointment-soon"_s;
        break;
    case StatusIconState::Process:
        name = u"applications-system"_s;
        break;
    case StatusIconState::Command:
        name = u"utilities-terminal"_s;
        break;
    case StatusIconState::BatteryWarning:
        name = u"dialog-warning"_s;
        break;
    case StatusIconState::Error:
        name = u"dialog-error"_s;
        break;
    }
    return QIcon::fromTheme(StatusIcon::symbolName(state), QIcon::fromTheme(name));
}

void MenuBarController::stateChanged()
{
    if (!m_coordinator)
        return;
    const MenuState state = menuState();
    const QDateTime now = m_coordinator->clock().now();
    updateButton(state, now);
    refreshMenu(state, now);
}

void MenuBarController::refreshMenu(const MenuState &state, const QDateTime &now)
{
    if (m_menu->isOpen()) {
        m_menu->update(MenuModel::build(state, now));
        m_menuState = state;
    } else if (!(state == m_menuState)) {
        // Some StatusNotifier hosts never announce that they open the menu: keep it current while
        // closed too, titles and states as well as entries (an extended end, a new match count).
        // Only a change of state redraws it, so the ticking texts alone do not.
        const QList<MenuItem> model = MenuModel::build(state, now);
        if (!std::ranges::equal(model, m_menu->model()))
            m_menu->update(model);
        m_menuState = state;
    }
}

void MenuBarController::menuAboutToShow()
{
    if (!m_coordinator)
        return;
    m_menuState = menuState();
    m_menu->update(MenuModel::build(m_menuState, m_coordinator->clock().now()));
    surveyOtherInhibitors();
}

void MenuBarController::surveyOtherInhibitors()
{
    InhibitorSurveying *survey = m_coordinator->inhibitorSurvey();
    if (!survey)
        return;
    // The menu opens with what the last survey found; this one's answer updates it when it comes.
    const QPointer<MenuBarController> self = this;
    survey->survey([self](const QList<OtherInhibitor> &others) {
        if (!self || !self->m_coordinator || others == self->m_otherInhibitors)
            return;
        self->m_otherInhibitors = others;
        self->refreshMenu(self->menuState(), self->m_coordinator->clock().now());
    });
}

QIcon MenuBarController::recentIcon(const IconKey &key, const std::function<QIcon()> &draw)
{
    // The sleeping eye, the open one and one or two with the minutes left cover start and stop.
    constexpr qsizetype kept = 4;
    const auto found = std::find_if(m_recentIcons.begin(), m_recentIcons.end(),
                                    [&key](const auto &recent) { return recent.first == key; });
    QIcon icon;
    if (found != m_recentIcons.end()) {
        icon = found->second;
        m_recentIcons.erase(found);
    } else {
        icon = draw();
    }
    m_recentIcons.prepend({key, icon});
    if (m_recentIcons.size() > kept)
        m_recentIcons.removeLast();
    return icon;
}

void MenuBarController::updateButton(const MenuState &menuState, const QDateTime &now)
{
    const StatusIconState state = m_coordinator->iconState();
    const bool sleeping = state == StatusIconState::Inactive;
    const bool branded = sleeping ? m_haveSleepingEye : m_haveOpenEye;
    // Our own marks differ between sleeping and open, in colour and in the time left drawn into the
    // open eye (which changes once a minute at most); a theme has one per state.
    const IconKey key =
        branded ? IconKey{sleeping ? 0 : 1, templateColor(state, QGuiApplication::palette()).rgba(),
                          sleeping ? QString() : MenuModel::iconBadge(menuState, now)}
                : IconKey{2 + int(state), 0, {}};
    if (!(key == m_iconKey)) {
        const QColor color = QColor::fromRgba(key.color);
        m_icon = recentIcon(key, [&] {
            return !branded   ? themedIcon(state)
                   : sleeping ? BrandAssets::sleepingEye(color).value_or(QIcon())
                              : BrandAssets::openEye(color, key.badge).value_or(QIcon());
        });
        m_iconKey = key;
        if (m_tray)
            m_tray->setIcon(m_icon);
    }

    // Linux trays show no text beside the icon: the time left also goes into the tooltip.
    const QString left = MenuModel::buttonTitle(menuState, now).trimmed();
    // Never a claim the lock does not back yet.
    QString tip = menuState.takingLock && !menuState.reasons.isEmpty() ? tr("Vigila: asking for the keep-awake lock")
                                                                       : StatusIcon::accessibilityDescription(state);
    if (!left.isEmpty()) {
        //: %1 is the icon's description ("Vigila: timed session active"), %2 the time left
        tip = tr("%1 \u2014 %2 left").arg(tip, left);
    }
    if (tip != m_toolTip) {
        m_toolTip = tip;
        if (m_tray)
            m_tray->setToolTip(tip);
    }
}

void MenuBarController::createTrayIcon()
{
    m_tray = std::make_unique<QSystemTrayIcon>();
    m_tray->setContextMenu(m_menu->menu());
    m_tray->setIcon(m_icon);
    m_tray->setToolTip(m_toolTip);
    // A left click opens the menu too, as a menu-bar item would; the right click is the tray's own.
    connect(m_tray.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    popUpMenu();
            });
}

QString MenuBarController::noTrayMessage()
{
    return tr("No system tray found: on GNOME install and enable the AppIndicator extension, then log in "
              "again; meanwhile use `vigila` from a terminal");
}

bool MenuBarController::trayAvailable() const
{
    // Qt decides once per process whether a StatusNotifier tray exists, the first time anything
    // asks (creating a tray icon asks too): so it is asked only once the bus shows a host, or on
    // X11, where an XEmbed tray needs none.
    if (!m_hostWatch->hostRegistered() && QGuiApplication::platformName() != u"xcb"_s)
        return false;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void MenuBarController::trayHostChanged()
{
    if (m_tray)
        return;
    if (m_trayWaiter->isWaiting()) {
        m_trayWaiter->checkNow();
    } else if (trayAvailable()) {
        trayAppeared();
    } else {
        Log::info(u"No system tray yet; waiting for one to appear."_s);
        m_trayWaiter->start();
    }
}

void MenuBarController::trayNotFound()
{
    const QString message = noTrayMessage();
    std::fprintf(stderr, "vigila: %s\n", qUtf8Printable(message));
    Log::error(message);
    if (m_coordinator)
        m_coordinator->notifications().noSystemTray(message);
}

void MenuBarController::trayAppeared()
{
    Log::info(u"System tray found; showing the Vigila icon."_s);
    // Qt picks the tray protocol (StatusNotifierItem or XEmbed) when the icon is created: it is
    // made once a tray exists.
    createTrayIcon();
    m_tray->show();
}

void MenuBarController::popUpMenu()
{
    QMenu *menu = m_menu->menu();
    if (menu->isVisible() || !m_coordinator)
        return;
    // Beside the icon rather than over it: below a panel at the top, above one at the bottom.
    const QRect icon = m_tray ? m_tray->geometry() : QRect();
    const QScreen *screen = icon.isValid() ? QGuiApplication::screenAt(icon.center()) : nullptr;
    if (!screen)
        return menu->popup(QCursor::pos());
    if (icon.center().y() < screen->geometry().center().y())
        return menu->popup(icon.bottomLeft() + QPoint(0, 1));
    // Brought up to date now so that its height is known; opening does it again, changing nothing.
    m_menuState = menuState();
    m_menu->update(MenuModel::build(m_menuState, m_coordinator->clock().now()));
    menu->popup(QPoint(icon.left(), icon.top() - menu->sizeHint().height() - 1));
}
