#include "SessionBusProbe.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

enum class Outcome { Answered, Silent, Unreachable };

// D-Bus address values escape bytes as %XX.
QByteArray unescaped(const QByteArray &value)
{
    return QByteArray::fromPercentEncoding(value);
}

// The Unix socket addresses of the session bus, in the order the D-Bus library tries them; empty
// with any other kind of address, which is left to the library.
std::optional<QList<sockaddr_un>> socketAddresses()
{
    QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty()) {
        // What the library falls back on.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty() || !QFile::exists(QString::fromLocal8Bit(runtime + "/bus")))
            return std::nullopt;
        address = "unix:path=" + runtime + "/bus";
    }
    QList<sockaddr_un> sockets;
    for (const QByteArray &entry : address.split(';')) {
        if (entry.isEmpty())
            continue;
        if (!entry.startsWith("unix:"))
            return std::nullopt;
        sockaddr_un socket{};
        socket.sun_family = AF_UNIX;
        bool found = false;
        for (const QByteArray &pair : entry.mid(5).split(',')) {
            const bool abstract = pair.startsWith("abstract=");
            if (!abstract && !pair.startsWith("path="))
                continue;
            const QByteArray value = unescaped(pair.mid(pair.indexOf('=') + 1));
            const qsizetype offset = abstract ? 1 : 0; // an abstract name starts with a zero byte
            if (value.size() + offset >= qsizetype(sizeof socket.sun_path))
                break;
            std::memcpy(socket.sun_path + offset, value.constData(), size_t(value.size()));
            found = true;
        }
        if (!found)
            return std::nullopt; // unix:dir=, unix:runtime=yes and the like
        sockets << socket;
    }
    return sockets;
}

bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    for (;;) {
        const int result = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (result >= 0 || errno != EINTR)
            return result > 0;
    }
}

// Connects and starts the authentication every daemon answers first.
Outcome greet(const sockaddr_un &address, const QDeadlineTimer &deadline)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Outcome::Unreachable;
    socklen_t length = sizeof address;
    if (address.sun_path[0] == '\0')
        length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::strlen(address.sun_path + 1));
    Outcome outcome = Outcome::Unreachable;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 ||
        ((errno == EINPROGRESS || errno == EAGAIN) && waitFor(fd, POLLOUT, deadline))) {
        const QByteArray greeting =
            QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() + "\r\n";
        if (::send(fd, greeting.constData(), size_t(greeting.size()), MSG_NOSIGNAL) == greeting.size())
            outcome = waitFor(fd, POLLIN, deadline) ? Outcome::Answered : Outcome::Silent;
    }
    ::close(fd);
    return outcome;
}

} // namespace

namespace SessionBusProbe {

bool answers(std::chrono::milliseconds wait)
{
    const std::optional<QList<sockaddr_un>> sockets = socketAddresses();
    if (!sockets)
        return true;
    const QDeadlineTimer deadline(wait);
    for (const sockaddr_un &socket : *sockets) {
        switch (greet(socket, deadline)) {
        case Outcome::Answered:
            return true;
        case Outcome::Silent:
            return false;
        case Outcome::Unreachable:
            break; // the library tries the next one too
        }
    }
    return true;
}

void giveUp()
{
    // The connection is made once per process and kept, failed or not: make it with an address
    // the library rejects without waiting, then put the real one back.
    const QByteArray name = "DBUS_SESSION_BUS_ADDRESS";
    const bool wasSet = qEnvironmentVariableIsSet(name.constData());
    const QByteArray address = qgetenv(name.constData());
    qputenv(name.constData(), "disabled:");
    [[maybe_unused]] const QDBusConnection bus = QDBusConnection::sessionBus();
    if (wasSet)
        qputenv(name.constData(), address);
    else
        qunsetenv(name.constData());
}

} // namespace SessionBusProbe
