#include "GnomeSessionInhibitor.h"

#include <QCoreApplication>
#include <QVariant>

#include <utility>

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
    m_proxy.setTimeout(noCallTimeout);
}

QString GnomeSessionInhibitor::name() const
{
    return u"gnome-session"_s;
}

QString GnomeSessionInhibitor::title() const
{
    //: a keep-awake service, as in "Tried %1: none available."
    return QCoreApplication::translate("InhibitorProvider", "GNOME session manager");
}

QDBusPendingCall GnomeSessionInhibitor::requestInhibit(AwakeMode mode, const QString &reason)
{
    const uint flags = mode == AwakeMode::System ? suspendFlag : idleFlag;
    return m_proxy.Inhibit(applicationId(), 0, reason, flags);
}

bool GnomeSessionInhibitor::take(const QDBusMessage &reply)
{
    const QVariant cookie = reply.arguments().value(0);
    if (cookie.typeId() != QMetaType::UInt)
        return false;
    m_cookie = cookie.toUInt();
    return true;
}

void GnomeSessionInhibitor::uninhibit()
{
    if (m_cookie)
        watchRelease(m_proxy.Uninhibit(*std::exchange(m_cookie, std::nullopt)));
}

void GnomeSessionInhibitor::forget()
{
    m_cookie.reset();
}
