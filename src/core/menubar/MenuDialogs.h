#pragma once

#include <QString>
#include <QTime>

#include <optional>

// The small modal questions the tray menu asks. Each returns only once the user has answered;
// nothing (or false) means Cancel.
class MenuDialogs {
public:
    virtual ~MenuDialogs() = default;

    // "Start an indefinite keep-awake session?" — true for Start.
    virtual bool confirmIndefiniteSession() = 0;
    // The raw text of the minutes field, as typed.
    virtual std::optional<QString> askCustomDuration() = 0;
    // A clock time; the picker starts at initial.
    virtual std::optional<QTime> askCustomTime(const QTime &initial) = 0;
    // The raw text of the process-name field, as typed.
    virtual std::optional<QString> askProcessName() = 0;
    virtual void showBroadProcessWarning() = 0;
};
