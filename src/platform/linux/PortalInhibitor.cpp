#include "PortalInhibitor.h"

#include "portal_request_proxy.h"

#include <QCoreApplication>
#include <QDBusObjectPath>

#include <utility>

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
    m_proxy.setTimeout(noCallTimeout);
    m_properties.setTimeout(noCallTimeout);
}

QString PortalInhibitor::name() const
{
    return u"portal"_s;
}

QString PortalInhibitor::title() const
{
    //: a keep-awake service, as in "Tried %1: none available."
    return QCoreApplication::translate("InhibitorProvider", "the desktop portal");
}

std::optional<QDBusPendingCall> PortalInhibitor::requestProbe()
{
    // The portal front end is often running with no back end implementing Inhibit; then even
    // reading the interface's version fails.
    return m_properties.Get(m_proxy.interface(), u"version"_s);
}

QDBusPendingCall PortalInhibitor::requestInhibit(AwakeMode mode, const QString &reason)
{
    const uint flags = mode == AwakeMode::System ? suspendFlag : idleFlag;
    return m_proxy.Inhibit(QString(), flags, {{u"reason"_s, reason}});
}

bool PortalInhibitor::take(const QDBusMessage &reply)
{
    m_handle = qdbus_cast<QDBusObjectPath>(reply.arguments().value(0)).path();
    return !m_handle.isEmpty();
}

void PortalInhibitor::uninhibit()
{
    if (m_handle.isEmpty())
        return;
    PortalRequestProxy request(service(), std::exchange(m_handle, QString()), connection());
    request.setTimeout(noCallTimeout);
    watchRelease(request.Close());
}

void PortalInhibitor::forget()
{
    m_handle.clear();
}
