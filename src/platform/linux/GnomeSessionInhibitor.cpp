#include "GnomeSessionInhibitor.h"

using namespace Qt::StringLiterals;

namespace {
// Session manager inhibit flags: 4 suspend, 8 idle. Exactly one, never both.
constexpr uint suspendFlag = 4;
constexpr uint idleFlag = 8;
} // namespace

GnomeSessionInhibitor::GnomeSessionInhibitor()
    : InhibitorProvider(QDBusConnection::sessionBus(), u"org.gnome.SessionManager"_s)
    , m_proxy(service(), u"/org/gnome/SessionManager"_s, connection())
{
    m_proxy.setTimeout(callTimeoutMs);
}

QString GnomeSessionInhibitor::name() const
{
    return u"gnome-session"_s;
}

QString GnomeSessionInhibitor::inhibit(AwakeMode mode, const QString &reason)
{
    const uint flags = mode == AwakeMode::System ? suspendFlag : idleFlag;
    QDBusPendingReply<uint> reply = m_proxy.Inhibit(applicationId(), 0, reason, flags);
    QString owner = grantedBy(reply);
    if (!owner.isEmpty())
        m_cookie = reply.value();
    return owner;
}

void GnomeSessionInhibitor::uninhibit()
{
    if (!m_cookie)
        return;
    QDBusPendingReply<> reply = m_proxy.Uninhibit(*m_cookie);
    finishRelease(reply);
    m_cookie.reset();
}

void GnomeSessionInhibitor::forget()
{
    m_cookie.reset();
}
