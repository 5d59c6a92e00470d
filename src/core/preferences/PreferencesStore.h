#pragma once

#include "power/AwakeReason.h"
#include "power/BatterySettings.h"
#include "preferences/UserDefaults.h"
#include "processes/ProcessRule.h"
#include "triggers/TriggerRule.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// Every user setting, persisted together as one JSON record under "vigila.preferences.v1".
// Each assignment publishes the new value, then writes the whole record back at once; there is no
// separate save. Nothing is validated or clamped here.
class PreferencesStore final : public QObject {
    Q_OBJECT
public:
    // The persisted record: the fourteen settings under their own names, then the triggers and
    // their notifications, which a record written before them lacks.
    struct Stored {
        bool launchAtLogin = false;
        bool showNotifications = true;
        bool quietProcessNotifications = true;
        AwakeMode defaultMode = AwakeMode::System;
        double defaultDurationSeconds = 3600.0;
        bool confirmIndefinite = true;
        bool showRemainingTime = true;
        BatterySettings battery;
        QList<ProcessRule> processRules;
        double pollInterval = 5.0;
        bool warnOnBroadNames = true;
        QString defaultShell;
        QString defaultWorkingDirectory;
        bool keepCommandHistory = true;
        QList<TriggerRule> triggerRules;
        bool triggerNotifications = false;

        bool operator==(const Stored &) const = default;

        // The record a first launch starts from: the fields above plus one disabled "claude" rule
        // with a new identifier, and $SHELL (or "/bin/zsh") as the shell.
        static Stored defaultRecord();

        // Exactly the sixteen members.
        QJsonObject toJson() const;
        // The fourteen first members are required, including the five of battery; a missing or
        // mistyped one or a malformed process rule rejects the whole record. The triggers are
        // optional: a trigger that cannot be read whole loads turned off with its problem, one of
        // an unknown kind is kept as it is, and only what is not a JSON object is dropped. Unknown
        // members are ignored, and so are the rules past maxProcessRules and maxTriggerRules.
        static std::optional<Stored> fromJson(const QJsonValue &value);
    };

    // Reads the record (or the defaults) from the store. Never writes.
    explicit PreferencesStore(std::shared_ptr<UserDefaults> defaults, QObject *parent = nullptr);

    // More rules than anyone watches: a list beyond it (a damaged or hostile file) would make
    // every poll, menu and save slow to a halt.
    static constexpr qsizetype maxProcessRules = 500;
    static constexpr qsizetype maxTriggerRules = 500;

    static QString key();
    // The choices the preferences window offers for pollInterval, in seconds.
    static QList<double> pollIntervalOptions();

    bool launchAtLogin() const { return m_values.launchAtLogin; }
    bool showNotifications() const { return m_values.showNotifications; }
    bool quietProcessNotifications() const { return m_values.quietProcessNotifications; }
    AwakeMode defaultMode() const { return m_values.defaultMode; }
    double defaultDurationSeconds() const { return m_values.defaultDurationSeconds; }
    bool confirmIndefinite() const { return m_values.confirmIndefinite; }
    bool showRemainingTime() const { return m_values.showRemainingTime; }
    const BatterySettings &battery() const { return m_values.battery; }
    const QList<ProcessRule> &processRules() const { return m_values.processRules; }
    double pollInterval() const { return m_values.pollInterval; }
    bool warnOnBroadNames() const { return m_values.warnOnBroadNames; }
    const QString &defaultShell() const { return m_values.defaultShell; }
    const QString &defaultWorkingDirectory() const { return m_values.defaultWorkingDirectory; }
    bool keepCommandHistory() const { return m_values.keepCommandHistory; }
    const QList<TriggerRule> &triggerRules() const { return m_values.triggerRules; }
    bool triggerNotifications() const { return m_values.triggerNotifications; }

    void setLaunchAtLogin(bool value);
    void setShowNotifications(bool value);
    void setQuietProcessNotifications(bool value);
    void setDefaultMode(AwakeMode value);
    void setDefaultDurationSeconds(double value);
    void setConfirmIndefinite(bool value);
    void setShowRemainingTime(bool value);
    void setBattery(const BatterySettings &value);
    void setProcessRules(const QList<ProcessRule> &value);
    void setPollInterval(double value);
    void setWarnOnBroadNames(bool value);
    void setDefaultShell(const QString &value);
    void setDefaultWorkingDirectory(const QString &value);
    void setKeepCommandHistory(bool value);
    void setTriggerRules(const QList<TriggerRule> &value);
    void setTriggerNotifications(bool value);

signals:
    // Emitted on every assignment, also when the value is unchanged.
    void launchAtLoginChanged();
    void showNotificationsChanged();
    void quietProcessNotificationsChanged();
    void defaultModeChanged();
    void defaultDurationSecondsChanged();
    void confirmIndefiniteChanged();
    void showRemainingTimeChanged();
    void batteryChanged();
    void processRulesChanged();
    void pollIntervalChanged();
    void warnOnBroadNamesChanged();
    void defaultShellChanged();
    void defaultWorkingDirectoryChanged();
    void keepCommandHistoryChanged();
    void triggerRulesChanged();
    void triggerNotificationsChanged();

private:
    static Stored loadStored(const UserDefaults &defaults, const QString &key);
    const Stored &snapshot() const { return m_values; }

    template <typename T> void assign(T Stored::*field, T value, void (PreferencesStore::*changed)());
    void writeBack();

    std::shared_ptr<UserDefaults> m_defaults;
    Stored m_values;
};
