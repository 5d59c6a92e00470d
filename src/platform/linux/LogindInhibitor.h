#pragma once

#include "InhibitorProvider.h"
#include "logind_manager_proxy.h"

// systemd-logind on the system bus: an "idle" block lock, held as long as we keep its fd open.
// Never a "sleep" lock: that would also block the user's own explicit suspend.
class LogindInhibitor final : public InhibitorProvider {
public:
    LogindInhibitor();
    ~LogindInhibitor() override;

    QString name() const override;
    QString title() const override;
    void uninhibit() override;
    void forget() override;

protected:
    QDBusPendingCall requestInhibit(AwakeMode mode, const QString &reason) override;
    bool take(const QDBusMessage &reply) override;

private:
    void closeFd();

    LogindManagerProxy m_proxy;
    int m_fd = -1;
};
