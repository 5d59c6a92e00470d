#pragma once

#include "power/AwakeReason.h"
#include "power/OtherInhibitor.h"
#include "processes/ProcessRule.h"
#include "triggers/TriggerWatcher.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// What a menu entry does when chosen. Values the action needs (a reason id, whether a manual
// session existed) are captured when the menu is built, not looked up when it fires.
struct MenuAction {
    enum class Kind {
        None,
        ToggleManual,   // manualExisted
        ToggleDisplay,  // manualExisted, manualMode
        StartTimed,     // seconds
        PromptCustomDuration,
        StartUntil,     // hour, minute
        PromptCustomTime,
        ToggleRule,     // id
        ToggleTrigger,  // id
        PromptAddProcess,
        OpenPreferences,
        OpenTriggers,   // the preferences, at the triggers
        OpenCommandRunner,
        StopReason,     // id
        ExtendSession,  // seconds
        StopAll,
        CopyHonestStatus,
        Quit,
    };

    Kind kind = Kind::None;
    double seconds = 0;
    int hour = 0;
    int minute = 0;
    QUuid id{};
    bool manualExisted = false;
    std::optional<AwakeMode> manualMode{};

    bool operator==(const MenuAction &) const = default;
};

struct MenuItem {
    // Drawn as the entry's icon: the characters that stand for them are missing from the fonts of
    // a default Linux desktop, which would show an empty box instead.
    enum class Symbol { None, Warning, Info, NoEntry };

    bool separator = false;
    QString title;
    QString keyEquivalent; // one letter, used with the platform's command modifier
    bool checked = false;
    bool enabled = true;
    QString toolTip;
    MenuAction action;
    QList<MenuItem> submenu;
    Symbol symbol = Symbol::None;

    bool operator==(const MenuItem &) const = default;
    static MenuItem makeSeparator() { return MenuItem{true, {}, {}, false, false, {}, {}, {}, Symbol::None}; }
};

// Everything the menu and the tray button are drawn from, copied out of the services.
struct MenuState {
    QList<AwakeReason> reasons;
    std::optional<AwakeMode> effectiveMode;
    std::optional<QString> lastError;
    // Reasons are active and the lock's services have not answered yet.
    bool takingLock = false;
    // With lastError: "Tried …: none available."
    QString lockDetail;
    // The service holding the lock ("gnome-session", …); empty when none is held.
    QString lockProvider;
    std::optional<QString> batteryMessage;
    std::optional<QString> lastStopReason;
    QList<ProcessRule> processRules;
    QHash<QUuid, int> matchCounts;
    QList<TriggerRule> triggerRules;
    QHash<QUuid, TriggerWatcher::Status> triggerStatus;
    bool showRemainingTime = true;
    // Other programs' locks, as last surveyed.
    QList<OtherInhibitor> otherInhibitors;

    bool operator==(const MenuState &) const = default;
};

// Turns the state into the tray menu, top to bottom. Pure: the presenter maps it onto widgets and
// the actions onto the coordinator.
namespace MenuModel {

// The process submenu lists at most this many rules.
constexpr qsizetype maxMenuRules = 30;
// "Active Reasons" lists at most as many reasons as the process submenu lists rules.
constexpr qsizetype maxMenuReasons = maxMenuRules;
// "Also Keeping Awake" lists at most this many other programs' locks.
constexpr qsizetype maxMenuInhibitors = 10;

QList<MenuItem> build(const MenuState &state, const QDateTime &now);

QString statusHeadline(const MenuState &state);
// While GNOME's session manager holds our system lock and has turned it into a logind sleep lock
// of the blocking kind (GNOME 49 and older), the line that says what that means; else nothing.
std::optional<QString> gnomeSuspendNote(const MenuState &state);
// The first timed reason, else the first until-time one.
std::optional<AwakeReason> activeTimedReason(const QList<AwakeReason> &reasons);
// " 1h 30m" beside the icon while a deadline session runs (when enabled); empty otherwise.
QString buttonTitle(const MenuState &state, const QDateTime &now);
// The same time left, short enough to be drawn into the tray icon ("15", "1h"); empty otherwise.
QString iconBadge(const MenuState &state, const QDateTime &now);

// Spaces and tabs removed from both ends; line breaks stay (they make the text invalid).
QString trimmedSpacesAndTabs(const QString &text);

// The custom-duration field: spaces and tabs trimmed, then a plain decimal number of minutes
// (sign, digits, fraction, exponent). Positive values give seconds; anything else gives nothing.
// Numbers too large for a double become infinity, which the session arithmetic saturates.
std::optional<double> parseCustomMinutes(const QString &text);

} // namespace MenuModel
