#pragma once

#include "menubar/MenuDialogs.h"

#include <QCoreApplication>

// The tray menu's questions as application-modal Qt dialogs. A tray application has no window of
// its own, so each dialog raises and activates itself.
class QtMenuDialogs final : public MenuDialogs {
    Q_DECLARE_TR_FUNCTIONS(QtMenuDialogs)
public:
    bool confirmIndefiniteSession() override;
    std::optional<QString> askCustomDuration() override;
    std::optional<QTime> askCustomTime(const QTime &initial) override;
    std::optional<QString> askProcessName() override;
    void showBroadProcessWarning() override;
};
