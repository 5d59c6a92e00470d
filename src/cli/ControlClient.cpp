#include "ControlClient.h"

#include "ControlBus.h"
#include "ExitStatus.h"
#include "control_proxy.h"

#include <QDBusMetaType>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Vigila answers at once unless its main loop hangs; a script should not wait the D-Bus default
// of 25 seconds to learn that.
constexpr int callTimeoutMs = 5000;

} // namespace

ControlClient::ControlClient()
    : m_proxy(std::make_unique<ControlProxy>(ControlBus::serviceName(), ControlBus::objectPath(),
                                             QDBusConnection::sessionBus()))
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
    m_proxy->setTimeout(callTimeoutMs);
}

ControlClient::~ControlClient() = default;

bool ControlClient::isNotRunning(const QDBusError &error)
{
    return error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::Disconnected ||
           error.name() == u"org.freedesktop.DBus.Error.NameHasNoOwner";
}

int ControlClient::report(const QDBusError &error)
{
    if (error.type() == QDBusError::Disconnected) {
        //: keep the command name "vigila run" as it is
        std::fputs(qUtf8Printable(
                       tr("vigila: Vigila is not running here (there is no session bus); start it in your "
                          "desktop session, or use \"vigila run\", which works without it.\n")),
                   stderr);
        return ExitStatus::notRunning;
    }
    if (isNotRunning(error)) {
        //: keep the command name "vigila" as it is
        std::fputs(
            qUtf8Printable(tr("vigila: Vigila is not running; start it from your application menu (or run "
                              "\"vigila\" in your desktop session) and try again.\n")),
            stderr);
        return ExitStatus::notRunning;
    }
    if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout) {
        std::fputs(qUtf8Printable(tr("vigila: Vigila did not answer in time; it may be busy or hung.\n")),
                   stderr);
        return ExitStatus::failed;
    }
    std::fprintf(stderr, "vigila: %s\n", qUtf8Printable(error.message()));
    return error.type() == QDBusError::InvalidArgs ? ExitStatus::usage : ExitStatus::failed;
}
