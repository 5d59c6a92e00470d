#include "PowerManagementInhibitor.h"

using namespace Qt::StringLiterals;

PowerManagementInhibitor::PowerManagementInhibitor()
    : InhibitorProvider(QDBusConnection::sessionBus(), u"org.freedesktop.PowerManagement"_s)
    , m_proxy(service(), u"/org/freedesktop/PowerManagement/Inhibit"_s, connection())
{
    m_proxy.setTimeout(callTimeoutMs);
}

QString PowerManagementInhibitor::name() const
{
    return u"power-management"_s;
}

bool PowerManagementInhibitor::supports(AwakeMode mode) const
{
    return mode == AwakeMode::System;
}

QString PowerManagementInhibitor::inhibit(AwakeMode, const QString &reason)
{
    QDBusPendingReply<uint> reply = m_proxy.Inhibit(applicationId(), reason);
    QString owner = grantedBy(reply);
    if (!owner.isEmpty())
        m_cookie = reply.value();
    return owner;
}

void PowerManagementInhibitor::uninhibit()
{
    if (!m_cookie)
        return;
    QDBusPendingReply<> reply = m_proxy.UnInhibit(*m_cookie);
    finishRelease(reply);
    m_cookie.reset();
}

void PowerManagementInhibitor::forget()
{
    m_cookie.reset();
}
