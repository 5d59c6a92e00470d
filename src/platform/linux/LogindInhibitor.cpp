#include "LogindInhibitor.h"

#include <QCoreApplication>
#include "utilities/Log.h"

#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

LogindInhibitor::LogindInhibitor()
    : InhibitorProvider(QDBusConnection::systemBus(), u"org.freedesktop.login1"_s)
    , m_proxy(service(), u"/org/freedesktop/login1"_s, connection())
{
    m_proxy.setTimeout(noCallTimeout);
}

LogindInhibitor::~LogindInhibitor()
{
    closeFd();
}

QString LogindInhibitor::name() const
{
    return u"logind"_s;
}

QString LogindInhibitor::title() const
{
    //: a keep-awake service's name, as in "Tried %1: none available."; the program's name stays as it is
    return QCoreApplication::translate("InhibitorProvider", "logind");
}

QDBusPendingCall LogindInhibitor::requestInhibit(AwakeMode, const QString &reason)
{
    return m_proxy.Inhibit(u"idle"_s, u"Vigila"_s, reason, u"block"_s);
}

bool LogindInhibitor::take(const QDBusMessage &reply)
{
    // Our own close-on-exec copy: a child we start (a watched command) must never inherit the
    // lock and keep the machine awake after we released it or died. Qt's copies close with the
    // reply.
    const auto fd = qdbus_cast<QDBusUnixFileDescriptor>(reply.arguments().value(0));
    m_fd = fd.isValid() ? fcntl(fd.fileDescriptor(), F_DUPFD_CLOEXEC, 3) : -1;
    if (m_fd < 0)
        Log::error(u"Keep-awake lock: logind sent no usable descriptor"_s);
    return m_fd >= 0;
}

void LogindInhibitor::uninhibit()
{
    closeFd();
}

void LogindInhibitor::forget()
{
    // A restarted logind may still know this lock; closing is the only way to give it back.
    closeFd();
}

void LogindInhibitor::closeFd()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
