#include "ScreenSaverInhibitor.h"

using namespace Qt::StringLiterals;

ScreenSaverInhibitor::ScreenSaverInhibitor()
    : InhibitorProvider(QDBusConnection::sessionBus(), u"org.freedesktop.ScreenSaver"_s)
    , m_proxy(service(), u"/org/freedesktop/ScreenSaver"_s, connection())
{
    m_proxy.setTimeout(callTimeoutMs);
}

QString ScreenSaverInhibitor::name() const
{
    return u"screensaver"_s;
}

bool ScreenSaverInhibitor::supports(AwakeMode mode) const
{
    return mode == AwakeMode::Display;
}

QString ScreenSaverInhibitor::inhibit(AwakeMode, const QString &reason)
{
    QDBusPendingReply<uint> reply = m_proxy.Inhibit(applicationId(), reason);
    QString owner = grantedBy(reply);
    if (!owner.isEmpty())
        m_cookie = reply.value();
    return owner;
}

void ScreenSaverInhibitor::uninhibit()
{
    if (!m_cookie)
        return;
    QDBusPendingReply<> reply = m_proxy.UnInhibit(*m_cookie);
    finishRelease(reply);
    m_cookie.reset();
}

void ScreenSaverInhibitor::forget()
{
    m_cookie.reset();
}
