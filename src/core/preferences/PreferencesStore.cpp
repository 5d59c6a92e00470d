#include "PreferencesStore.h"

#include "commands/SavedCommand.h"
#include "utilities/Json.h"
#include "utilities/Log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

PreferencesStore::Stored PreferencesStore::Stored::defaultRecord()
{
    Stored record;
    record.processRules = {ProcessRule{QUuid::createUuid(), u"claude"_s, false, ProcessMatchMode::Exact}};
    record.defaultShell = SavedCommand::defaultShell();
    return record;
}

QJsonObject PreferencesStore::Stored::toJson() const
{
    QJsonArray rules;
    for (const ProcessRule &rule : processRules)
        rules.append(rule.toJson());
    QJsonArray triggers;
    for (const TriggerRule &rule : triggerRules)
        triggers.append(rule.toJson());
    return QJsonObject{
        {"launchAtLogin"_L1, launchAtLogin},
        {"showNotifications"_L1, showNotifications},
        {"quietProcessNotifications"_L1, quietProcessNotifications},
        {"defaultMode"_L1, rawValue(defaultMode)},
        {"defaultDurationSeconds"_L1, defaultDurationSeconds},
        {"confirmIndefinite"_L1, confirmIndefinite},
        {"showRemainingTime"_L1, showRemainingTime},
        {"battery"_L1, battery.toJson()},
        {"processRules"_L1, rules},
        {"pollInterval"_L1, pollInterval},
        {"warnOnBroadNames"_L1, warnOnBroadNames},
        {"defaultShell"_L1, defaultShell},
        {"defaultWorkingDirectory"_L1, defaultWorkingDirectory},
        {"keepCommandHistory"_L1, keepCommandHistory},
        {"triggerRules"_L1, triggers},
        {"triggerNotifications"_L1, triggerNotifications},
    };
}

std::optional<PreferencesStore::Stored> PreferencesStore::Stored::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();

    const auto launchAtLogin = Json::boolean(object, "launchAtLogin"_L1);
    const auto showNotifications = Json::boolean(object, "showNotifications"_L1);
    const auto quietProcessNotifications = Json::boolean(object, "quietProcessNotifications"_L1);
    const auto modeText = Json::string(object, "defaultMode"_L1);
    const auto defaultMode = modeText ? fromRawValue<AwakeMode>(*modeText) : std::nullopt;
    const auto defaultDurationSeconds = Json::number(object, "defaultDurationSeconds"_L1);
    const auto confirmIndefinite = Json::boolean(object, "confirmIndefinite"_L1);
    const auto showRemainingTime = Json::boolean(object, "showRemainingTime"_L1);
    const auto battery = BatterySettings::fromJson(object.value("battery"_L1));
    const auto pollInterval = Json::number(object, "pollInterval"_L1);
    const auto warnOnBroadNames = Json::boolean(object, "warnOnBroadNames"_L1);
    const auto defaultShell = Json::string(object, "defaultShell"_L1);
    const auto defaultWorkingDirectory = Json::string(object, "defaultWorkingDirectory"_L1);
    const auto keepCommandHistory = Json::boolean(object, "keepCommandHistory"_L1);

    const QJsonValue rulesValue = object.value("processRules"_L1);
    if (!rulesValue.isArray())
        return std::nullopt;
    QList<ProcessRule> processRules;
    const QJsonArray rules = rulesValue.toArray();
    for (qsizetype i = 0; i < std::min(rules.size(), maxProcessRules); ++i) {
        const auto rule = ProcessRule::fromJson(rules.at(i));
        if (!rule)
            return std::nullopt;
        processRules.append(*rule);
    }

    QList<TriggerRule> triggerRules;
    const QJsonArray triggers = object.value("triggerRules"_L1).toArray();
    for (qsizetype i = 0; i < triggers.size() && triggerRules.size() < maxTriggerRules; ++i) {
        auto rule = TriggerRule::fromJson(triggers.at(i));
        if (!rule)
            continue;
        // Two rules with one identifier would share one reason: the second gets its own.
        if (std::any_of(triggerRules.cbegin(), triggerRules.cend(), [&](const TriggerRule &r) { return r.id == rule->id; }))
            rule->id = QUuid::createUuid();
        triggerRules.append(std::move(*rule));
    }
    const bool triggerNotifications = object.value("triggerNotifications"_L1).toBool(false);

    if (!launchAtLogin || !showNotifications || !quietProcessNotifications || !defaultMode ||
        !defaultDurationSeconds || !confirmIndefinite || !showRemainingTime || !battery || !pollInterval ||
        !warnOnBroadNames || !defaultShell || !defaultWorkingDirectory || !keepCommandHistory)
        return std::nullopt;

    return Stored{*launchAtLogin,
                  *showNotifications,
                  *quietProcessNotifications,
                  *defaultMode,
                  *defaultDurationSeconds,
                  *confirmIndefinite,
                  *showRemainingTime,
                  *battery,
                  processRules,
                  *pollInterval,
                  *warnOnBroadNames,
                  *defaultShell,
                  *defaultWorkingDirectory,
                  *keepCommandHistory,
                  triggerRules,
                  triggerNotifications};
}

PreferencesStore::PreferencesStore(std::shared_ptr<UserDefaults> defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(std::move(defaults))
    , m_values(loadStored(*m_defaults, key()))
{
}

QString PreferencesStore::key()
{
    return u"vigila.preferences.v1"_s;
}

QList<double> PreferencesStore::pollIntervalOptions()
{
    return {2.0, 5.0, 10.0, 30.0};
}

PreferencesStore::Stored PreferencesStore::loadStored(const UserDefaults &defaults, const QString &key)
{
    // An unreadable record is replaced by the defaults in memory only; its bytes stay stored until
    // the first assignment writes a complete record over them.
    const std::optional<QByteArray> bytes = defaults.data(key);
    if (!bytes)
        return Stored::defaultRecord();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (error.error == QJsonParseError::NoError && document.isObject()) {
        if (auto stored = Stored::fromJson(document.object())) {
            const qsizetype rules = document.object().value("processRules"_L1).toArray().size();
            if (rules > maxProcessRules)
                Log::error(u"Preferences hold %1 process rules; only the first %2 are used."_s.arg(rules).arg(
                    maxProcessRules));
            return *stored;
        }
    }
    return Stored::defaultRecord();
}

template <typename T>
void PreferencesStore::assign(T Stored::*field, T value, void (PreferencesStore::*changed)())
{
    m_values.*field = std::move(value);
    emit(this->*changed)();
    writeBack();
}

void PreferencesStore::writeBack()
{
    const Stored record = snapshot();
    // JSON has no infinity or NaN; Qt would write null and the whole record would fail to load at
    // the next launch. Such a value stays in memory only.
    if (!std::isfinite(record.defaultDurationSeconds) || !std::isfinite(record.pollInterval))
        return;
    m_defaults->setData(key(), QJsonDocument(record.toJson()).toJson(QJsonDocument::Compact));
}

void PreferencesStore::setLaunchAtLogin(bool value)
{
    assign(&Stored::launchAtLogin, value, &PreferencesStore::launchAtLoginChanged);
}

void PreferencesStore::setShowNotifications(bool value)
{
    assign(&Stored::showNotifications, value, &PreferencesStore::showNotificationsChanged);
}

void PreferencesStore::setQuietProcessNotifications(bool value)
{
    assign(&Stored::quietProcessNotifications, value, &PreferencesStore::quietProcessNotificationsChanged);
}

void PreferencesStore::setDefaultMode(AwakeMode value)
{
    assign(&Stored::defaultMode, value, &PreferencesStore::defaultModeChanged);
}

void PreferencesStore::setDefaultDurationSeconds(double value)
{
    assign(&Stored::defaultDurationSeconds, value, &PreferencesStore::defaultDurationSecondsChanged);
}

void PreferencesStore::setConfirmIndefinite(bool value)
{
    assign(&Stored::confirmIndefinite, value, &PreferencesStore::confirmIndefiniteChanged);
}

void PreferencesStore::setShowRemainingTime(bool value)
{
    assign(&Stored::showRemainingTime, value, &PreferencesStore::showRemainingTimeChanged);
}

void PreferencesStore::setBattery(const BatterySettings &value)
{
    assign(&Stored::battery, value, &PreferencesStore::batteryChanged);
}

void PreferencesStore::setProcessRules(const QList<ProcessRule> &value)
{
    assign(&Stored::processRules, value, &PreferencesStore::processRulesChanged);
}

void PreferencesStore::setPollInterval(double value)
{
    assign(&Stored::pollInterval, value, &PreferencesStore::pollIntervalChanged);
}

void PreferencesStore::setWarnOnBroadNames(bool value)
{
    assign(&Stored::warnOnBroadNames, value, &PreferencesStore::warnOnBroadNamesChanged);
}

void PreferencesStore::setDefaultShell(const QString &value)
{
    assign(&Stored::defaultShell, value, &PreferencesStore::defaultShellChanged);
}

void PreferencesStore::setDefaultWorkingDirectory(const QString &value)
{
    assign(&Stored::defaultWorkingDirectory, value, &PreferencesStore::defaultWorkingDirectoryChanged);
}

void PreferencesStore::setKeepCommandHistory(bool value)
{
    assign(&Stored::keepCommandHistory, value, &PreferencesStore::keepCommandHistoryChanged);
}

void PreferencesStore::setTriggerRules(const QList<TriggerRule> &value)
{
    assign(&Stored::triggerRules, value, &PreferencesStore::triggerRulesChanged);
}

void PreferencesStore::setTriggerNotifications(bool value)
{
    assign(&Stored::triggerNotifications, value, &PreferencesStore::triggerNotificationsChanged);
}
