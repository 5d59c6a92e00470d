#pragma once

#include "InhibitorProvider.h"
#include "power_management_proxy.h"

#include <optional>

// The freedesktop power-management inhibitor (KDE, Xfce). It only keeps the system from
// suspending, so it serves system mode alone.
class PowerManagementInhibitor final : public InhibitorProvider {
public:
    PowerManagementInhibitor();

    QString name() const override;
    bool supports(AwakeMode mode) const override;
    QString inhibit(AwakeMode mode, const QString &reason) override;
    void uninhibit() override;
    void forget() override;

private:
    PowerManagementProxy m_proxy;
    std::optional<uint> m_cookie;
};
