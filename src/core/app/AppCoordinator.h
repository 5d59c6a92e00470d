#pragma once

#include "app/SessionResult.h"
#include "menubar/MenuModel.h"
#include "menubar/StatusIconState.h"
#include "power/AwakeReason.h"
#include "processes/ProcessExitWatching.h"
#include "triggers/TriggerSources.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

class AssertionManager;
class Clipboard;
class Clock;
class CommandHistory;
class CommandRunner;
class InhibitorSurveying;
class NotificationManager;
class NotificationSink;
class PowerAssertionControlling;
class PowerSourceMonitor;
class PowerSourceProviding;
class PreferencesStore;
class ProcessSnapshotProviding;
class ProcessWatcher;
class SessionTimerManager;
class TriggerWatcher;
class UserDefaults;
struct SavedCommand;

// Owns every service, turns user actions into reasons, and publishes the summary state the tray
// draws. The operating system reaches it only through the backends it is given.
class AppCoordinator final : public QObject {
    Q_OBJECT
public:
    struct Backends {
        std::shared_ptr<UserDefaults> defaults;
        std::shared_ptr<PowerAssertionControlling> powerAssertion;
        std::shared_ptr<PowerSourceProviding> powerSources;
        std::unique_ptr<ProcessSnapshotProviding> processes;
        std::shared_ptr<NotificationSink> notificationSink;
        QString applicationId;
        std::shared_ptr<Clipboard> clipboard;
        std::shared_ptr<const Clock> clock;
        // Optional: without it, process watches end at the next poll rather than at the exit.
        std::unique_ptr<ProcessExitWatching> processExits = nullptr;
        // Who else keeps the computer awake, for the menu and the status; none where unknown.
        std::shared_ptr<InhibitorSurveying> inhibitorSurvey = nullptr;
        // What triggers follow; a kind without its source says so in its rules.
        TriggerSources triggerSources = {};
    };

    static constexpr double powerPollInterval = 10.0;

    explicit AppCoordinator(Backends backends, QObject *parent = nullptr);
    ~AppCoordinator() override;

    PreferencesStore &prefs() const { return *m_prefs; }
    AssertionManager &assertions() const { return *m_assertions; }
    PowerSourceMonitor &power() const { return *m_power; }
    ProcessWatcher &watcher() const { return *m_watcher; }
    TriggerWatcher &triggers() const { return *m_triggers; }
    CommandRunner &runner() const { return *m_runner; }
    CommandHistory &history() const { return *m_history; }
    NotificationManager &notifications() const { return *m_notifications; }
    SessionTimerManager &timers() const { return *m_timers; }
    const Clock &clock() const { return *m_clock; }
    // Null when the platform has none.
    InhibitorSurveying *inhibitorSurvey() const { return m_inhibitorSurvey.get(); }

    StatusIconState iconState() const { return m_iconState; }
    const std::optional<QString> &batteryMessage() const { return m_batteryMessage; }
    const std::optional<QString> &lastStopReason() const { return m_lastStopReason; }
    // The one read model of the state, which the tray draws and D-Bus reports; `others` are the
    // other programs' locks as last surveyed.
    MenuState status(const QList<OtherInhibitor> &others = {}) const;
    // Called at the end of every state refresh (the tray redraws from it).
    std::function<void()> onStateChanged;

    // Sessions. Each works only by adding, changing or removing reasons, and says what it did.
    SessionResult startManual(AwakeMode mode);
    void toggleManual(AwakeMode mode);
    SessionResult startTimed(double seconds, std::optional<AwakeMode> mode = {});
    SessionResult startUntil(const QDateTime &date, std::optional<AwakeMode> mode = {});
    SessionResult extendActiveSession(double seconds);
    void setDisplayAwake(bool on);
    SessionResult stopReason(const QUuid &id);
    void stopAll();
    void copyHonestStatus();
    void refreshState();

    // Lifecycle.
    void applyPreferences();
    void start();
    void runCommand(const SavedCommand &command);
    void cancelCommand();
    void shutdown();

signals:
    // Emitted on every assignment.
    void iconStateChanged();
    void batteryMessageChanged();
    void lastStopReasonChanged();

private:
    void wire();
    void evaluateBattery();
    // Polls the power source while started and any reason is active, and only then.
    void followPower();
    void clearBatteryWarning();
    SessionResult addSession(ReasonType type, const QString &label, std::optional<QDateTime> endsAt,
                             AwakeMode mode, const std::optional<AwakeReason> &replaced);
    // The timed or until-time session, which a new one of either kind replaces.
    std::optional<AwakeReason> timedSession() const;
    void setIconState(StatusIconState state);
    void setBatteryMessage(std::optional<QString> message);
    void setLastStopReason(std::optional<QString> reason);

    std::shared_ptr<const Clock> m_clock;
    std::shared_ptr<Clipboard> m_clipboard;
    std::shared_ptr<InhibitorSurveying> m_inhibitorSurvey;
    std::unique_ptr<PreferencesStore> m_prefs;
    std::unique_ptr<NotificationManager> m_notifications;
    std::unique_ptr<AssertionManager> m_assertions;
    std::unique_ptr<PowerSourceMonitor> m_power;
    std::unique_ptr<ProcessWatcher> m_watcher;
    std::unique_ptr<TriggerWatcher> m_triggers;
    std::unique_ptr<CommandRunner> m_runner;
    std::unique_ptr<CommandHistory> m_history;
    std::unique_ptr<SessionTimerManager> m_timers;

    StatusIconState m_iconState = StatusIconState::Inactive;
    std::optional<QString> m_batteryMessage;
    std::optional<QString> m_lastStopReason;
    bool m_started = false;
    bool m_batteryWarningActive = false;
    bool m_notifiedBatteryWarning = false;
    // The assertion error last notified; absent once the error is over.
    std::optional<QString> m_notifiedError;
};
