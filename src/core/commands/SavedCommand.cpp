#include "SavedCommand.h"

#include "utilities/Json.h"

#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool isHorizontalSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QString SavedCommand::displayTitle() const
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && isHorizontalSpace(name.at(begin)))
        ++begin;
    while (end > begin && isHorizontalSpace(name.at(end - 1)))
        --end;
    return begin == end ? command : name.mid(begin, end - begin);
}

QString SavedCommand::defaultShell()
{
    const QString shell = qEnvironmentVariable("SHELL");
    if (!shell.isEmpty())
        return shell;
    // Sessions started without SHELL still have the user's login shell in the user database.
    if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_shell) {
        const QString login = QFile::decodeName(user->pw_shell);
        if (!login.isEmpty() && QFileInfo(login).isExecutable())
            return login;
    }
    return u"/bin/sh"_s;
}

QJsonObject SavedCommand::toJson() const
{
    QJsonObject object{
        {"id"_L1, Json::uuidText(id)},
        {"name"_L1, name},
        {"command"_L1, command},
        {"shell"_L1, shell},
        {"isFavorite"_L1, isFavorite},
    };
    if (workingDirectory)
        object.insert("workingDirectory"_L1, *workingDirectory);
    if (lastRunAt)
        object.insert("lastRunAt"_L1, Json::referenceSeconds(*lastRunAt));
    if (lastExitCode)
        object.insert("lastExitCode"_L1, *lastExitCode);
    return object;
}

std::optional<SavedCommand> SavedCommand::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto id = Json::uuid(object, "id"_L1);
    const auto name = Json::string(object, "name"_L1);
    const auto command = Json::string(object, "command"_L1);
    const auto shell = Json::string(object, "shell"_L1);
    const auto isFavorite = Json::boolean(object, "isFavorite"_L1);
    SavedCommand result;
    const bool optionalsOk = Json::optionalString(object, "workingDirectory"_L1, result.workingDirectory)
                             && Json::optionalDate(object, "lastRunAt"_L1, result.lastRunAt)
                             && Json::optionalInteger(object, "lastExitCode"_L1, result.lastExitCode);
    if (!id || !name || !command || !shell || !isFavorite || !optionalsOk)
        return std::nullopt;
    result.id = *id;
    result.name = *name;
    result.command = *command;
    result.shell = *shell;
    result.isFavorite = *isFavorite;
    return result;
}
