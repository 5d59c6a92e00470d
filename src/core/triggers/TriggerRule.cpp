#include "TriggerRule.h"

#include "utilities/Json.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TriggerRule", text);
}

const auto anyUserKey = "anyUser"_L1;
const auto unitKey = "unit"_L1;
const auto userUnitKey = "userUnit"_L1;
const auto scheduleKey = "schedule"_L1;

} // namespace

QString rawValue(TriggerKind kind)
{
    switch (kind) {
    case TriggerKind::PowerAdapter:
        return u"ac"_s;
    case TriggerKind::ExternalDisplay:
        return u"display"_s;
    case TriggerKind::RemoteSession:
        return u"remote-session"_s;
    case TriggerKind::Unit:
        return u"unit"_s;
    case TriggerKind::Schedule:
        return u"schedule"_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString displayName(TriggerKind kind)
{
    switch (kind) {
    case TriggerKind::PowerAdapter:
        return tr("Power adapter connected");
    case TriggerKind::ExternalDisplay:
        return tr("External display connected");
    case TriggerKind::RemoteSession:
        return tr("Remote session open");
    case TriggerKind::Unit:
        return tr("systemd unit running");
    case TriggerKind::Schedule:
        return tr("Schedule");
    }
    Q_UNREACHABLE();
    return {};
}

template <> std::optional<TriggerKind> fromRawValue<TriggerKind>(QStringView text)
{
    for (const TriggerKind kind : allTriggerKinds) {
        if (text == rawValue(kind))
            return kind;
    }
    return std::nullopt;
}

bool TriggerRule::isValidUnitName(const QString &name)
{
    static const QRegularExpression pattern(
        u"^[A-Za-z0-9:_.\\\\@-]+\\.(service|socket|target|device|mount|automount|swap|timer|path|slice|scope)$"_s);
    return name.size() <= 255 && pattern.match(name).hasMatch();
}

bool TriggerRule::anyUser() const
{
    return parameters.value(anyUserKey).toBool(false);
}

UnitRef TriggerRule::unit() const
{
    return {parameters.value(unitKey).toString(), parameters.value(userUnitKey).toBool(false)};
}

std::optional<Schedule> TriggerRule::schedule() const
{
    return Schedule::parse(parameters.value(scheduleKey).toString());
}

QString TriggerRule::problem() const
{
    const auto known = knownKind();
    if (!known)
        return tr("This kind of trigger (\u201C%1\u201D) comes from a newer version of Vigila.").arg(oneLine(kind));
    switch (*known) {
    case TriggerKind::PowerAdapter:
    case TriggerKind::ExternalDisplay:
        return {};
    case TriggerKind::RemoteSession:
        if (parameters.contains(anyUserKey) && !parameters.value(anyUserKey).isBool())
            return tr("Whose sessions count is not set.");
        return {};
    case TriggerKind::Unit: {
        const QJsonValue name = parameters.value(unitKey);
        if (!name.isString() || name.toString().isEmpty())
            return tr("No unit is named.");
        if (!isValidUnitName(name.toString()))
            return tr("\u201C%1\u201D is not a systemd unit name (like backup.service).").arg(oneLine(name.toString()));
        if (parameters.contains(userUnitKey) && !parameters.value(userUnitKey).isBool())
            return tr("Whether the unit is the user's or the system's is not set.");
        return {};
    }
    case TriggerKind::Schedule: {
        const QJsonValue text = parameters.value(scheduleKey);
        if (!text.isString())
            return tr("No schedule is set.");
        QString error;
        if (!Schedule::parse(text.toString(), &error))
            return error;
        return {};
    }
    }
    return {};
}

QString TriggerRule::conditionText() const
{
    const auto known = knownKind();
    if (!known)
        return tr("Unknown condition \u201C%1\u201D").arg(oneLine(kind));
    switch (*known) {
    case TriggerKind::PowerAdapter:
    case TriggerKind::ExternalDisplay:
        return displayName(*known);
    case TriggerKind::RemoteSession:
        return anyUser() ? tr("Anyone's remote session open") : tr("Remote session open");
    case TriggerKind::Unit: {
        const UnitRef ref = unit();
        return (ref.user ? tr("%1 running (user unit)") : tr("%1 running")).arg(oneLine(ref.name));
    }
    case TriggerKind::Schedule:
        if (const auto parsed = schedule())
            return parsed->description();
        return tr("Schedule \u201C%1\u201D").arg(oneLine(parameters.value(scheduleKey).toString()));
    }
    return {};
}

TriggerRule TriggerRule::make(TriggerKind kind, QJsonObject parameters, const QString &name)
{
    TriggerRule rule;
    rule.id = QUuid::createUuid();
    rule.kind = rawValue(kind);
    rule.enabled = true;
    // The schedule is kept in its canonical spelling.
    if (kind == TriggerKind::Schedule) {
        if (const auto parsed = Schedule::parse(parameters.value(scheduleKey).toString()))
            parameters.insert(scheduleKey, parsed->text());
    }
    rule.parameters = std::move(parameters);
    rule.name = name.isEmpty() ? rule.conditionText() : oneLine(name).left(maximumNameLength);
    return rule;
}

QJsonObject TriggerRule::toJson() const
{
    QJsonObject object = otherMembers;
    object.insert("id"_L1, Json::uuidText(id));
    object.insert("name"_L1, name);
    object.insert("kind"_L1, kind);
    object.insert("enabled"_L1, enabled);
    object.insert("mode"_L1, mode ? rawValue(*mode) : u"default"_s);
    object.insert("parameters"_L1, parameters);
    object.insert("delaySeconds"_L1, delaySeconds);
    object.insert("graceSeconds"_L1, graceSeconds);
    object.insert("onlyOnAC"_L1, onlyOnAC);
    return object;
}

std::optional<TriggerRule> TriggerRule::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    QJsonObject object = value.toObject();
    TriggerRule rule;
    QStringList broken;
    const auto take = [&](QLatin1StringView key) {
        const QJsonValue member = object.value(key);
        object.remove(key);
        return member;
    };

    const auto id = Json::uuid(object, "id"_L1);
    take("id"_L1);
    // A rule without a usable identifier gets a new one rather than being lost.
    rule.id = id ? *id : QUuid::createUuid();
    if (!id)
        broken.append(u"id"_s);

    const QJsonValue name = take("name"_L1);
    rule.name = name.isString() ? name.toString().left(maximumNameLength) : QString();
    if (!name.isString())
        broken.append(u"name"_s);

    const QJsonValue kind = take("kind"_L1);
    rule.kind = kind.toString();
    if (!kind.isString())
        broken.append(u"kind"_s);

    const QJsonValue enabled = take("enabled"_L1);
    rule.enabled = enabled.toBool(false);

    const QJsonValue mode = take("mode"_L1);
    if (mode.toString() != "default"_L1) {
        rule.mode = fromRawValue<AwakeMode>(mode.toString());
        if (!rule.mode)
            broken.append(u"mode"_s);
    }

    const QJsonValue parameters = take("parameters"_L1);
    rule.parameters = parameters.toObject();
    if (!parameters.isObject() && !parameters.isUndefined())
        broken.append(u"parameters"_s);

    const auto seconds = [&](QLatin1StringView key, int &out) {
        const QJsonValue member = object.value(key);
        const auto number = Json::integer(object, key);
        object.remove(key);
        if (member.isUndefined())
            return;
        if (number && *number >= 0 && *number <= maximumSeconds)
            out = *number;
        else
            broken.append(key.toString());
    };
    seconds("delaySeconds"_L1, rule.delaySeconds);
    seconds("graceSeconds"_L1, rule.graceSeconds);

    const QJsonValue onlyOnAC = take("onlyOnAC"_L1);
    rule.onlyOnAC = onlyOnAC.toBool(false);
    if (!onlyOnAC.isBool() && !onlyOnAC.isUndefined())
        broken.append(u"onlyOnAC"_s);

    rule.otherMembers = object;
    if (!broken.isEmpty()) {
        rule.enabled = false;
        rule.loadProblem = tr("The stored rule could not be read whole (%1), so it was turned off; check it "
                              "and turn it on again.")
                               .arg(broken.join(u", "_s));
    }
    return rule;
}
