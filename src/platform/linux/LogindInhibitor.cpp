#include "LogindInhibitor.h"

#include "utilities/Log.h"

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

LogindInhibitor::LogindInhibitor()
    : InhibitorProvider(QDBusConnection::systemBus(), u"org.freedesktop.login1"_s)
    , m_proxy(service(), u"/org/freedesktop/login1"_s, connection())
{
    m_proxy.setTimeout(callTimeoutMs);
}

LogindInhibitor::~LogindInhibitor()
{
    closeFd();
}

QString LogindInhibitor::name() const
{
    return u"logind"_s;
}

QString LogindInhibitor::inhibit(AwakeMode, const QString &reason)
{
    QString owner;
    {
        QDBusPendingReply<QDBusUnixFileDescriptor> reply =
            m_proxy.Inhibit(u"idle"_s, u"Vigila"_s, reason, u"block"_s);
        owner = grantedBy(reply);
        if (owner.isEmpty())
            return {};
        // Our own close-on-exec copy: a child we start (a watched command) must never inherit the
        // lock and keep the machine awake after we released it or died. Qt's copies close when
        // the reply goes out of scope.
        m_fd = fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 3);
    }
    if (m_fd < 0) {
        Log::error(u"Keep-awake lock: logind sent no usable descriptor"_s);
        return {};
    }
    return owner;
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
