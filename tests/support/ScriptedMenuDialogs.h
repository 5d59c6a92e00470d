#pragma once

#include "menubar/MenuDialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>
#include <optional>

// Answers the menu's dialogs with what the test put in, and records which dialogs were shown, in
// order ("confirm", "duration", "time", "process", "broad"). A hook runs while a dialog is "open",
// so a test can change the world behind a modal dialog.
class ScriptedMenuDialogs final : public MenuDialogs {
public:
    bool confirmAnswer = true;
    std::optional<QString> durationAnswer;
    std::optional<QTime> timeAnswer;
    std::optional<QString> processAnswer;

    QStringList shown;
    QTime lastInitialTime;
    std::function<void()> whileOpen;

    bool confirmIndefiniteSession() override
    {
        open(QStringLiteral("confirm"));
        return confirmAnswer;
    }
    std::optional<QString> askCustomDuration() override
    {
        open(QStringLiteral("duration"));
        return durationAnswer;
    }
    std::optional<QTime> askCustomTime(const QTime &initial) override
    {
        lastInitialTime = initial;
        open(QStringLiteral("time"));
        return timeAnswer;
    }
    std::optional<QString> askProcessName() override
    {
        open(QStringLiteral("process"));
        return processAnswer;
    }
    void showBroadProcessWarning() override { open(QStringLiteral("broad")); }

private:
    void open(const QString &name)
    {
        shown << name;
        if (whileOpen)
            whileOpen();
    }
};
