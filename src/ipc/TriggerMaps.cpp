#include "TriggerMaps.h"

#include <QCoreApplication>
#include <QMetaType>

using namespace Qt::StringLiterals;

namespace TriggerMaps {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TriggerMaps)
};

} // namespace

QVariantMap toMap(const TriggerRule &rule, const TriggerWatcher::Status &status)
{
    QVariantMap map{
        {u"id"_s, rule.id.toString(QUuid::WithoutBraces).toUpper()},
        {u"name"_s, rule.name},
        {u"kind"_s, rule.kind},
        {u"enabled"_s, rule.enabled},
        {u"mode"_s, rule.mode ? rawValue(*rule.mode) : QString()},
        {u"delay"_s, uint(rule.delaySeconds)},
        {u"grace"_s, uint(rule.graceSeconds)},
        {u"onlyOnAC"_s, rule.onlyOnAC},
        {u"condition"_s, rule.conditionText()},
        {u"live"_s, rule.isLive()},
        {u"holds"_s, status.holds},
        {u"active"_s, status.active},
        {u"pending"_s, status.pending},
    };
    switch (rule.knownKind().value_or(TriggerKind::PowerAdapter)) {
    case TriggerKind::RemoteSession:
        map.insert(u"anyUser"_s, rule.anyUser());
        break;
    case TriggerKind::Unit:
        map.insert(u"unit"_s, rule.unit().name);
        map.insert(u"userUnit"_s, rule.unit().user);
        break;
    case TriggerKind::Schedule:
        map.insert(u"schedule"_s, rule.parameters.value("schedule"_L1).toString());
        break;
    case TriggerKind::Audio:
        map.insert(u"ignore"_s, rule.stringList("ignore"_L1));
        map.insert(u"only"_s, rule.stringList("only"_L1));
        break;
    case TriggerKind::Download:
        map.insert(u"folders"_s, rule.stringList("folders"_L1));
        map.insert(u"patterns"_s, rule.stringList("patterns"_L1));
        break;
    case TriggerKind::Network:
        map.insert(u"kilobytesPerSecond"_s, rule.number("kilobytesPerSecond"_L1, 0));
        map.insert(u"windowSeconds"_s, uint(rule.number("windowSeconds"_L1, 30)));
        map.insert(u"interface"_s, rule.text("interface"_L1));
        break;
    case TriggerKind::Busy:
        map.insert(u"process"_s, rule.text("process"_L1));
        map.insert(u"matchMode"_s, rule.text("matchMode"_L1));
        map.insert(u"cpuPercent"_s, rule.number("cpuPercent"_L1, 10));
        map.insert(u"windowSeconds"_s, uint(rule.number("windowSeconds"_L1, 60)));
        break;
    case TriggerKind::Machine:
        map.insert(u"machine"_s, rule.text("machine"_L1));
        break;
    default:
        break;
    }
    if (!status.label.isEmpty() && status.holds)
        map.insert(u"label"_s, status.label);
    if (!status.note.isEmpty())
        map.insert(u"note"_s, status.note);
    const QString problem = rule.problem().isEmpty() ? rule.loadProblem : rule.problem();
    if (!problem.isEmpty())
        map.insert(u"problem"_s, problem);
    return map;
}

std::optional<TriggerRule> fromMap(const QVariantMap &map, QString *error)
{
    const auto fail = [error](const QString &message) -> std::optional<TriggerRule> {
        *error = message;
        return std::nullopt;
    };
    // Each key with the one type it takes; seconds may come as any unsigned or signed integer.
    const QHash<QString, int> types{
        {u"kind"_s, QMetaType::QString},     {u"name"_s, QMetaType::QString},  {u"enabled"_s, QMetaType::Bool},
        {u"mode"_s, QMetaType::QString},     {u"delay"_s, QMetaType::UInt},    {u"grace"_s, QMetaType::UInt},
        {u"onlyOnAC"_s, QMetaType::Bool},    {u"anyUser"_s, QMetaType::Bool},  {u"unit"_s, QMetaType::QString},
        {u"userUnit"_s, QMetaType::Bool},    {u"schedule"_s, QMetaType::QString},
        {u"ignore"_s, QMetaType::QStringList}, {u"only"_s, QMetaType::QStringList},
        {u"folders"_s, QMetaType::QStringList}, {u"patterns"_s, QMetaType::QStringList},
        {u"kilobytesPerSecond"_s, QMetaType::Double}, {u"windowSeconds"_s, QMetaType::UInt},
        {u"interface"_s, QMetaType::QString}, {u"process"_s, QMetaType::QString},
        {u"matchMode"_s, QMetaType::QString}, {u"cpuPercent"_s, QMetaType::Double},
        {u"machine"_s, QMetaType::QString},
    };
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const auto type = types.constFind(it.key());
        if (type == types.cend())
            //: %1 is the key given
            return fail(Text::tr("Unknown key \u201C%1\u201D.").arg(it.key()));
        const int actual = it.value().metaType().id();
        const bool integer = actual == QMetaType::Int || actual == QMetaType::UInt || actual == QMetaType::LongLong ||
                             actual == QMetaType::ULongLong || actual == QMetaType::UShort || actual == QMetaType::Short;
        // Numbers may come as any integer type (and as a double where a fraction is allowed).
        const bool numeric = (*type == QMetaType::UInt || *type == QMetaType::Double) && integer;
        if (actual != *type && !numeric)
            //: %1 is the key's name
            return fail(Text::tr("The key \u201C%1\u201D has a value of the wrong type.").arg(it.key()));
    }
    const QString kindText = map.value(u"kind"_s).toString();
    const auto kind = fromRawValue<TriggerKind>(kindText);
    if (!kind)
        //: %1 is the kind given; keep the kinds as they are
        return fail(
            Text::tr("Unknown kind \u201C%1\u201D: use ac, display, remote-session, unit or schedule.")
                .arg(kindText));

    QJsonObject parameters;
    switch (*kind) {
    case TriggerKind::RemoteSession:
        parameters.insert("anyUser"_L1, map.value(u"anyUser"_s).toBool());
        break;
    case TriggerKind::Unit:
        parameters.insert("unit"_L1, map.value(u"unit"_s).toString());
        parameters.insert("userUnit"_L1, map.value(u"userUnit"_s).toBool());
        break;
    case TriggerKind::Schedule:
        if (map.contains(u"schedule"_s))
            parameters.insert("schedule"_L1, map.value(u"schedule"_s).toString());
        break;
    default:
        // The other kinds' keys are stored as given; the rule's own checks judge them.
        for (const QString &key : {u"ignore"_s, u"only"_s, u"folders"_s, u"patterns"_s, u"kilobytesPerSecond"_s,
                                   u"windowSeconds"_s, u"interface"_s, u"process"_s, u"matchMode"_s,
                                   u"cpuPercent"_s, u"machine"_s}) {
            if (map.contains(key))
                parameters.insert(key, QJsonValue::fromVariant(map.value(key)));
        }
        break;
    }
    TriggerRule rule = TriggerRule::make(*kind, parameters, map.value(u"name"_s).toString());
    rule.enabled = map.value(u"enabled"_s, true).toBool();
    const QString mode = map.value(u"mode"_s).toString();
    if (!mode.isEmpty()) {
        rule.mode = fromRawValue<AwakeMode>(mode);
        if (!rule.mode)
            //: %1 is the mode given; keep system and display as they are
            return fail(
                Text::tr("Unknown mode \u201C%1\u201D: use system, display, or an empty string for the "
                         "preferences' default.")
                    .arg(mode));
    }
    for (const auto &[key, field] : {std::pair{u"delay"_s, &TriggerRule::delaySeconds},
                                     std::pair{u"grace"_s, &TriggerRule::graceSeconds}}) {
        const qlonglong seconds = map.value(key, 0).toLongLong();
        if (seconds < 0 || seconds > TriggerRule::maximumSeconds)
            //: %1 is the key's name, delay or grace, as it is; %2 the most seconds
            return fail(Text::tr("The %1 must be between 0 and %2 seconds.")
                            .arg(key)
                            .arg(TriggerRule::maximumSeconds));
        rule.*field = int(seconds);
    }
    rule.onlyOnAC = map.value(u"onlyOnAC"_s).toBool();
    return rule;
}

} // namespace TriggerMaps
