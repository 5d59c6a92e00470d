#include "InhibitorProvider.h"

#include "utilities/Log.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusPendingReply>

using namespace Qt::StringLiterals;

InhibitorProvider::InhibitorProvider(QDBusConnection connection, QString service)
    : m_connection(std::move(connection))
    , m_service(std::move(service))
{
}

QString InhibitorProvider::applicationId()
{
    return u"com.quillmere.vigila"_s;
}

bool InhibitorProvider::supports(AwakeMode) const
{
    return true;
}

bool InhibitorProvider::isAvailable()
{
    if (!m_connection.isConnected())
        return false;
    QDBusConnectionInterface *bus = m_connection.interface();
    if (bus->isServiceRegistered(m_service).value())
        return true;
    return bus->activatableServiceNames().value().contains(m_service);
}

QString InhibitorProvider::grantedBy(QDBusPendingCall &call) const
{
    call.waitForFinished();
    if (call.isError()) {
        Log::debug(u"Keep-awake lock: %1 refused: %2"_s.arg(name(), call.error().message()));
        return {};
    }
    return call.reply().service();
}

void InhibitorProvider::finishRelease(QDBusPendingCall &call) const
{
    call.waitForFinished();
    if (call.isError())
        Log::error(
            u"Keep-awake lock: %1 did not confirm the release: %2"_s.arg(name(), call.error().message()));
}
