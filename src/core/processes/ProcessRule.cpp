#include "ProcessRule.h"

#include "utilities/Json.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ProcessRule)
};

} // namespace

QString rawValue(ProcessMatchMode mode)
{
    return mode == ProcessMatchMode::Exact ? u"exact"_s : u"contains"_s;
}

QString displayName(ProcessMatchMode mode)
{
    return mode == ProcessMatchMode::Exact ? Text::tr("Exact", "the process name is matched as a whole")
                                           : Text::tr("Contains", "the process name is found within the command line");
}

template <> std::optional<ProcessMatchMode> fromRawValue<ProcessMatchMode>(QStringView text)
{
    for (const ProcessMatchMode mode : allProcessMatchModes) {
        if (text == rawValue(mode))
            return mode;
    }
    return std::nullopt;
}

const QSet<QString> &ProcessRule::broadNames()
{
    static const QSet<QString> names{u"node"_s, u"python"_s, u"python3"_s, u"ruby"_s, u"java"_s,
                                     u"bash"_s, u"zsh"_s,    u"sh"_s,      u"git"_s};
    return names;
}

const QStringList &ProcessRule::suggestedNames()
{
    static const QStringList names{u"claude"_s, u"node"_s,   u"npm"_s,    u"pnpm"_s,       u"bun"_s,    u"python"_s,
                                   u"docker"_s, u"git"_s,    u"rsync"_s,  u"playwright"_s, u"pytest"_s, u"xcodebuild"_s};
    return names;
}

bool ProcessRule::isBroad() const
{
    return broadNames().contains(name.toLower());
}

bool ProcessRule::matches(const RunningProcess &process) const
{
    const QString needle = name.toLower();
    if (needle.isEmpty())
        return false;
    if (matchMode == ProcessMatchMode::Exact)
        return process.executableName.toLower() == needle;
    return process.commandLine.toLower().contains(needle);
}

qsizetype ProcessRule::matchCount(const QList<RunningProcess> &processes) const
{
    return std::count_if(processes.cbegin(), processes.cend(),
                         [this](const RunningProcess &p) { return matches(p); });
}

QJsonObject ProcessRule::toJson() const
{
    return QJsonObject{
        {"id"_L1, Json::uuidText(id)},
        {"name"_L1, name},
        {"enabled"_L1, enabled},
        {"matchMode"_L1, rawValue(matchMode)},
    };
}

std::optional<ProcessRule> ProcessRule::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto id = Json::uuid(object, "id"_L1);
    const auto name = Json::string(object, "name"_L1);
    const auto enabled = Json::boolean(object, "enabled"_L1);
    const auto modeText = Json::string(object, "matchMode"_L1);
    if (!id || !name || !enabled || !modeText)
        return std::nullopt;
    const auto mode = fromRawValue<ProcessMatchMode>(*modeText);
    if (!mode)
        return std::nullopt;
    return ProcessRule{*id, *name, *enabled, *mode};
}
