#pragma once

#include "InhibitorProvider.h"
#include "portal_inhibit_proxy.h"
#include "properties_proxy.h"

// The desktop portal (org.freedesktop.portal.Inhibit): works inside sandboxes and on any desktop
// with a portal backend. The lock is a request object that lives until closed.
class PortalInhibitor final : public InhibitorProvider {
public:
    PortalInhibitor();

    QString name() const override;
    QString title() const override;
    void uninhibit() override;
    void forget() override;

protected:
    std::optional<QDBusPendingCall> requestProbe() override;
    QDBusPendingCall requestInhibit(AwakeMode mode, const QString &reason) override;
    bool take(const QDBusMessage &reply) override;

private:
    PortalInhibitProxy m_proxy;
    PropertiesProxy m_properties;
    QString m_handle;
};
