#include "TriggerRule.h"

#include "utilities/Json.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TriggerRule)
};

const auto anyUserKey = "anyUser"_L1;
const auto unitKey = "unit"_L1;
const auto userUnitKey = "userUnit"_L1;
const auto scheduleKey = "schedule"_L1;

// Lists of names: arrays of strings, each one line.
QString listProblem(const QJsonObject &parameters, std::initializer_list<QLatin1StringView> keys)
{
    for (const QLatin1StringView key : keys) {
        if (!parameters.contains(key))
            continue;
        const QJsonValue value = parameters.value(key);
        if (!value.isArray())
            return Text::tr("The list \u201C%1\u201D is not a list of names.").arg(key);
        const QJsonArray array = value.toArray();
        if (array.size() > 100)
            return Text::tr("The list \u201C%1\u201D has more than 100 names.").arg(key);
        for (const QJsonValue &entry : array) {
            if (!entry.isString() || oneLine(entry.toString()) != entry.toString())
                return Text::tr("The list \u201C%1\u201D holds something that is not a name on one line.").arg(key);
        }
    }
    return {};
}

// A threshold as the user's locale writes decimals, its digits not grouped.
QString decimal(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

QString windowProblem(const QJsonObject &parameters)
{
    const double window = parameters.value("windowSeconds"_L1).toDouble(30);
    if (!(window >= TriggerRule::minimumWindowSeconds && window <= TriggerRule::maximumWindowSeconds))
        return Text::tr("The window to average over must be between %1 and %2 seconds.")
            .arg(TriggerRule::minimumWindowSeconds)
            .arg(TriggerRule::maximumWindowSeconds);
    return {};
}

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
    case TriggerKind::Audio:
        return u"audio"_s;
    case TriggerKind::Download:
        return u"download"_s;
    case TriggerKind::Network:
        return u"network"_s;
    case TriggerKind::Busy:
        return u"busy"_s;
    case TriggerKind::Machine:
        return u"machine"_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString displayName(TriggerKind kind)
{
    switch (kind) {
    case TriggerKind::PowerAdapter:
        return Text::tr("Power adapter connected");
    case TriggerKind::ExternalDisplay:
        return Text::tr("External display connected");
    case TriggerKind::RemoteSession:
        return Text::tr("Remote session open");
    case TriggerKind::Unit:
        return Text::tr("systemd unit running");
    case TriggerKind::Schedule:
        return Text::tr("Schedule");
    case TriggerKind::Audio:
        return Text::tr("Sound playing");
    case TriggerKind::Download:
        return Text::tr("Download in progress");
    case TriggerKind::Network:
        return Text::tr("Network traffic");
    case TriggerKind::Busy:
        return Text::tr("Process busy");
    case TriggerKind::Machine:
        return Text::tr("Virtual machine or container running");
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

QStringList TriggerRule::stringList(QLatin1StringView key) const
{
    QStringList list;
    for (const QJsonValue &value : parameters.value(key).toArray()) {
        if (value.isString() && !value.toString().isEmpty())
            list.append(value.toString());
    }
    return list;
}

QString TriggerRule::text(QLatin1StringView key) const
{
    return parameters.value(key).toString();
}

double TriggerRule::number(QLatin1StringView key, double fallback) const
{
    return parameters.value(key).toDouble(fallback);
}

const QStringList &TriggerRule::defaultDownloadPatterns()
{
    static const QStringList patterns{u"*.part"_s,   u"*.crdownload"_s, u"*.download"_s, u"*.!qB"_s,
                                      u"*.aria2"_s,  u"*.partial"_s,    u"*.opdownload"_s};
    return patterns;
}

QList<FolderWatch> TriggerRule::downloadFolders() const
{
    QStringList folders = stringList("folders"_L1);
    if (folders.isEmpty())
        folders.append(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    QStringList patterns = stringList("patterns"_L1);
    if (patterns.isEmpty())
        patterns = defaultDownloadPatterns();
    QList<FolderWatch> watches;
    for (const QString &folder : std::as_const(folders))
        watches.append({QDir::cleanPath(folder), patterns});
    return watches;
}

QString TriggerRule::problem() const
{
    const auto known = knownKind();
    if (!known)
        return Text::tr("This kind of trigger (\u201C%1\u201D) comes from a newer version of Vigila.").arg(oneLine(kind));
    switch (*known) {
    case TriggerKind::PowerAdapter:
    case TriggerKind::ExternalDisplay:
        return {};
    case TriggerKind::RemoteSession:
        if (parameters.contains(anyUserKey) && !parameters.value(anyUserKey).isBool())
            return Text::tr("Whose sessions count is not set.");
        return {};
    case TriggerKind::Unit: {
        const QJsonValue name = parameters.value(unitKey);
        if (!name.isString() || name.toString().isEmpty())
            return Text::tr("No unit is named.");
        if (!isValidUnitName(name.toString()))
            return Text::tr("\u201C%1\u201D is not a systemd unit name (like backup.service).").arg(oneLine(name.toString()));
        if (parameters.contains(userUnitKey) && !parameters.value(userUnitKey).isBool())
            return Text::tr("Whether the unit is the user's or the system's is not set.");
        return {};
    }
    case TriggerKind::Schedule: {
        const QJsonValue text = parameters.value(scheduleKey);
        if (!text.isString())
            return Text::tr("No schedule is set.");
        QString error;
        if (!Schedule::parse(text.toString(), &error))
            return error;
        return {};
    }
    case TriggerKind::Audio:
        return listProblem(parameters, {"ignore"_L1, "only"_L1});
    case TriggerKind::Download:
        if (const QString problem = listProblem(parameters, {"folders"_L1, "patterns"_L1}); !problem.isEmpty())
            return problem;
        for (const QString &folder : stringList("folders"_L1)) {
            if (!QDir::isAbsolutePath(folder))
                return Text::tr("\u201C%1\u201D is not a full path to a folder (it must start with /).").arg(oneLine(folder));
        }
        return {};
    case TriggerKind::Network: {
        const double rate = number("kilobytesPerSecond"_L1, -1);
        if (!(rate >= 1 && rate <= 10'000'000))
            return Text::tr("The traffic threshold must be between 1 and 10 000 000 KB/s.");
        if (const QString problem = windowProblem(parameters); !problem.isEmpty())
            return problem;
        if (parameters.contains("interface"_L1) && !parameters.value("interface"_L1).isString())
            return Text::tr("The network interface is not a name.");
        return {};
    }
    case TriggerKind::Busy: {
        const QString name = text("process"_L1);
        if (name.isEmpty())
            return Text::tr("No process is named.");
        const QString mode = parameters.value("matchMode"_L1).toString(u"exact"_s);
        if (mode != "exact"_L1 && mode != "contains"_L1)
            return Text::tr("A process is matched by its exact name or by what its command line contains.");
        const double percent = number("cpuPercent"_L1, -1);
        if (!(percent >= 1 && percent <= 6400))
            return Text::tr("The CPU threshold must be between 1 and 6400 % of a core.");
        return windowProblem(parameters);
    }
    case TriggerKind::Machine:
        if (parameters.contains("machine"_L1) && !parameters.value("machine"_L1).isString())
            return Text::tr("The machine is not a name.");
        return {};
    }
    return {};
}

QString TriggerRule::conditionText() const
{
    const auto known = knownKind();
    if (!known)
        return Text::tr("Unknown condition \u201C%1\u201D").arg(oneLine(kind));
    switch (*known) {
    case TriggerKind::PowerAdapter:
    case TriggerKind::ExternalDisplay:
        return displayName(*known);
    case TriggerKind::RemoteSession:
        return anyUser() ? Text::tr("Anyone's remote session open") : Text::tr("Remote session open");
    case TriggerKind::Unit: {
        const UnitRef ref = unit();
        return (ref.user ? Text::tr("%1 running (user unit)") : Text::tr("%1 running")).arg(oneLine(ref.name));
    }
    case TriggerKind::Schedule:
        if (const auto parsed = schedule())
            return parsed->description();
        return Text::tr("Schedule \u201C%1\u201D").arg(oneLine(parameters.value(scheduleKey).toString()));
    case TriggerKind::Audio: {
        const QStringList only = stringList("only"_L1);
        return only.isEmpty() ? Text::tr("Sound playing") : Text::tr("Sound playing from %1").arg(oneLine(only.join(u", "_s)));
    }
    case TriggerKind::Download:
        return stringList("folders"_L1).isEmpty()
                   ? Text::tr("Download in progress")
                   : Text::tr("Download in progress in %1").arg(oneLine(stringList("folders"_L1).join(u", "_s)));
    case TriggerKind::Network: {
        const QString rate = decimal(number("kilobytesPerSecond"_L1, 0));
        const QString interface = text("interface"_L1);
        return interface.isEmpty() ? Text::tr("Network traffic above %1 KB/s").arg(rate)
                                   : Text::tr("Traffic on %1 above %2 KB/s").arg(oneLine(interface), rate);
    }
    case TriggerKind::Busy:
        //: %1 is the process name, %2 the CPU use in percent of one core it has to exceed
        return Text::tr("\u201C%1\u201D busy above %2 % of a core")
            .arg(oneLine(text("process"_L1)), decimal(number("cpuPercent"_L1, 10)));
    case TriggerKind::Machine:
        return text("machine"_L1).isEmpty() ? Text::tr("A virtual machine or container running")
                                            : Text::tr("The machine \u201C%1\u201D running").arg(oneLine(text("machine"_L1)));
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
    // Sensible starting points: a few seconds of sound before counting it (not a notification's
    // chime), and the windows the thresholds are averaged over.
    if (kind == TriggerKind::Audio)
        rule.delaySeconds = 5;
    if (kind == TriggerKind::Network && !parameters.contains("windowSeconds"_L1))
        parameters.insert("windowSeconds"_L1, 30);
    if (kind == TriggerKind::Busy) {
        if (!parameters.contains("windowSeconds"_L1))
            parameters.insert("windowSeconds"_L1, 60);
        if (!parameters.contains("cpuPercent"_L1))
            parameters.insert("cpuPercent"_L1, 10);
        if (!parameters.contains("matchMode"_L1))
            parameters.insert("matchMode"_L1, u"exact"_s);
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
        rule.loadProblem = Text::tr("The stored rule could not be read whole (%1), so it was turned off; check it "
                              "and turn it on again.")
                               .arg(broken.join(u", "_s));
    }
    return rule;
}
