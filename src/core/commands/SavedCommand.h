#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <optional>

// A shell command the user runs (or saved) through Vigila.
struct SavedCommand {
    QUuid id;
    QString name;
    QString command;
    std::optional<QString> workingDirectory;
    QString shell;
    bool isFavorite = false;
    std::optional<QDateTime> lastRunAt;
    std::optional<int> lastExitCode;

    bool operator==(const SavedCommand &) const = default;

    // The name trimmed of spaces and tabs, or the command text when that leaves nothing.
    QString displayTitle() const;

    // $SHELL verbatim when set and not empty; otherwise the login shell from the user database when
    // it can be run, else "/bin/sh".
    static QString defaultShell();

    // Optional members are left out when absent and read null as absent; lastRunAt is seconds
    // since 2001-01-01 UTC.
    QJsonObject toJson() const;
    static std::optional<SavedCommand> fromJson(const QJsonValue &value);
};
