#include "PortalInhibitor.h"

#include "portal_request_proxy.h"

using namespace Qt::StringLiterals;

namespace {
// Portal inhibit flags: 4 suspend, 8 idle. Exactly one, never both.
constexpr uint suspendFlag = 4;
constexpr uint idleFlag = 8;
const QString objectPath = u"/org/freedesktop/portal/desktop"_s;
} // namespace

PortalInhibitor::PortalInhibitor()
    : InhibitorProvider(QDBusConnection::sessionBus(), u"org.freedesktop.portal.Desktop"_s)
    , m_proxy(service(), objectPath, connection())
    , m_properties(service(), objectPath, connection())
{
    m_proxy.setTimeout(callTimeoutMs);
    m_properties.setTimeout(callTimeoutMs);
}

QString PortalInhibitor::name() const
{
    return u"portal"_s;
}

bool PortalInhibitor::isAvailable()
{
    if (!InhibitorProvider::isAvailable())
        return false;
    // The portal front end is often running with no back end implementing Inhibit; then even
    // reading the interface's version fails.
    QDBusPendingReply<QDBusVariant> version = m_properties.Get(m_proxy.interface(), u"version"_s);
    version.waitForFinished();
    return !version.isError();
}

QString PortalInhibitor::inhibit(AwakeMode mode, const QString &reason)
{
    const uint flags = mode == AwakeMode::System ? suspendFlag : idleFlag;
    QDBusPendingReply<QDBusObjectPath> reply = m_proxy.Inhibit(QString(), flags, {{u"reason"_s, reason}});
    QString owner = grantedBy(reply);
    if (!owner.isEmpty())
        m_handle = reply.value().path();
    return owner;
}

void PortalInhibitor::uninhibit()
{
    if (m_handle.isEmpty())
        return;
    PortalRequestProxy request(service(), m_handle, connection());
    request.setTimeout(callTimeoutMs);
    QDBusPendingReply<> reply = request.Close();
    finishRelease(reply);
    m_handle.clear();
}

void PortalInhibitor::forget()
{
    m_handle.clear();
}
