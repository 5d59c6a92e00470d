#include "LaunchCheck.h"

#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace LaunchCheck {

std::optional<QString> shellProblem(const QString &shell)
{
    if (shell.isEmpty())
        return u"No shell set"_s;
    const QString path = shell.contains(u'/') ? shell : QStandardPaths::findExecutable(shell);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return u"Shell not found: "_s + shell;
    if (file.isDir() || !file.isExecutable())
        return u"Shell is not executable: "_s + shell;
    return std::nullopt;
}

std::optional<QString> directoryProblem(const QString &directory)
{
    if (directory.isEmpty())
        return std::nullopt;
    const QFileInfo file(directory);
    if (!file.exists())
        return u"Working directory does not exist: "_s + directory;
    if (!file.isDir())
        return u"Not a directory: "_s + directory;
    if (!file.isExecutable())
        return u"Working directory is not accessible: "_s + directory;
    return std::nullopt;
}

} // namespace LaunchCheck
