#pragma once

#include <QString>

#include <optional>

// Why a command cannot be started, said the way a user can act on it ("Shell not found: /bin/zsh")
// rather than as the system call that failed. Nothing when the check finds no fault.
namespace LaunchCheck {

// A path without "/" is looked up on PATH, as the launch itself does.
std::optional<QString> shellProblem(const QString &shell);
// An empty directory means the default one and is never a problem.
std::optional<QString> directoryProblem(const QString &directory);

} // namespace LaunchCheck
