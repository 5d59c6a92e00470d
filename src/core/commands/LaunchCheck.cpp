#include "LaunchCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace LaunchCheck {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(LaunchCheck)
};

} // namespace

std::optional<QString> shellProblem(const QString &shell)
{
    if (shell.isEmpty())
        return Text::tr("No shell set");
    const QString path = shell.contains(u'/') ? shell : QStandardPaths::findExecutable(shell);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return Text::tr("Shell not found: %1").arg(shell);
    if (file.isDir() || !file.isExecutable())
        return Text::tr("Shell is not executable: %1").arg(shell);
    return std::nullopt;
}

std::optional<QString> directoryProblem(const QString &directory)
{
    if (directory.isEmpty())
        return std::nullopt;
    const QFileInfo file(directory);
    if (!file.exists())
        return Text::tr("Working directory does not exist: %1").arg(directory);
    if (!file.isDir())
        return Text::tr("Not a directory: %1").arg(directory);
    if (!file.isExecutable())
        return Text::tr("Working directory is not accessible: %1").arg(directory);
    return std::nullopt;
}

} // namespace LaunchCheck
