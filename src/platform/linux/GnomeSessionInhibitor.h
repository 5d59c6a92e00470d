#pragma once

#include "InhibitorProvider.h"
#include "gnome_session_proxy.h"

#include <optional>

// The GNOME session manager: the lock is a cookie handed back to Uninhibit.
class GnomeSessionInhibitor final : public InhibitorProvider {
public:
    GnomeSessionInhibitor();

    QString name() const override;
    QString title() const override;
    void uninhibit() override;
    void forget() override;

protected:
    QDBusPendingCall requestInhibit(AwakeMode mode, const QString &reason) override;
    bool take(const QDBusMessage &reply) override;

private:
    GnomeSessionProxy m_proxy;
    std::optional<uint> m_cookie;
};
