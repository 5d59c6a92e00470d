#include "DBusMockService.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto mockInterface = "org.freedesktop.DBus.Mock";

bool waitFor(const std::function<bool()> &condition, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

} // namespace

DBusMockService::DBusMockService(Bus bus, QString busName)
    : m_bus(bus)
    , m_busName(std::move(busName))
{
}

std::unique_ptr<DBusMockService> DBusMockService::start(const QString &templateName, Bus bus,
                                                        const QString &busName, const QVariantMap &parameters,
                                                        QString *error)
{
    std::unique_ptr<DBusMockService> service(new DBusMockService(bus, busName));
    QStringList args{u"-m"_s, u"dbusmock"_s, bus == Bus::System ? u"--system"_s : u"--session"_s,
                     u"--template"_s, templateName};
    if (!parameters.isEmpty())
        args << u"--parameters"_s
             << QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(parameters)).toJson(QJsonDocument::Compact));
    service->m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    service->m_process.setStandardOutputFile(QProcess::nullDevice());
    // The system interpreter: dbusmock is a Debian package, not something on a custom PATH.
    service->m_process.start(u"/usr/bin/python3"_s, args);
    if (!service->m_process.waitForStarted(5000)) {
        if (error)
            *error = u"cannot start python3-dbusmock: "_s + service->m_process.errorString();
        return nullptr;
    }
    QDBusConnection connection = service->connection();
    if (!connection.isConnected()) {
        if (error)
            *error = u"no private bus; run the test under tests/dbus/with-buses.sh"_s;
        return nullptr;
    }
    const bool up = waitFor(
        [&] {
            return connection.interface()->isServiceRegistered(busName).value()
                   || service->m_process.state() == QProcess::NotRunning;
        },
        10000);
    if (!up || service->m_process.state() == QProcess::NotRunning) {
        if (error)
            *error = u"mock for %1 (template %2) did not come up"_s.arg(busName, templateName);
        return nullptr;
    }
    return service;
}

DBusMockService::~DBusMockService()
{
    // Wait for the name to go too, so a test can start the next mock under the same name at once.
    if (m_process.state() != QProcess::NotRunning)
        stop();
}

QDBusConnection DBusMockService::connection() const
{
    return m_bus == Bus::System ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

QList<QVariantMap> DBusMockService::logindInhibitors() const
{
    const QDBusMessage reply = connection().call(
        QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                       u"org.freedesktop.login1.Manager"_s, u"ListInhibitors"_s),
        QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qFatal("cannot list logind's inhibitors: %s", qPrintable(reply.errorMessage()));
    QList<QVariantMap> result;
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray(); // a(ssssuu): what, who, why, mode, uid, pid
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        result << QVariantMap{{u"what"_s, what}, {u"who"_s, who}, {u"why"_s, why}, {u"mode"_s, mode}};
    }
    list.endArray();
    return result;
}

QList<DBusMockService::MethodCall> DBusMockService::methodCalls(const QString &path) const
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_busName, path, QLatin1StringView(mockInterface), u"GetCalls"_s);
    const QDBusMessage reply = connection().call(call, QDBus::Block, 5000);
    QList<MethodCall> calls;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return calls;
    // a(tsav): timestamp, method name, arguments
    const QDBusArgument array = reply.arguments().first().value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        MethodCall entry;
        quint64 timestamp = 0;
        array.beginStructure();
        array >> timestamp >> entry.method;
        array.beginArray();
        while (!array.atEnd()) {
            QDBusVariant value;
            array >> value;
            QVariant v = value.variant();
            // Nested containers arrive as QDBusArgument; leave their decoding to the test.
            entry.args << v;
        }
        array.endArray();
        array.endStructure();
        entry.timestamp = static_cast<qint64>(timestamp);
        calls << entry;
    }
    array.endArray();
    return calls;
}

void DBusMockService::clearCalls(const QString &path) const
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_busName, path, QLatin1StringView(mockInterface), u"ClearCalls"_s);
    connection().call(call, QDBus::Block, 5000);
}

void DBusMockService::pause()
{
    if (m_process.processId() > 0)
        ::kill(static_cast<pid_t>(m_process.processId()), SIGSTOP);
}

void DBusMockService::resume()
{
    if (m_process.processId() > 0)
        ::kill(static_cast<pid_t>(m_process.processId()), SIGCONT);
}

void DBusMockService::stop()
{
    resume(); // a frozen process would hold SIGTERM until continued
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(3000);
    QDBusConnection bus = connection();
    waitFor([&] { return !bus.interface()->isServiceRegistered(m_busName).value(); }, 5000);
}

QString DBusMockService::templateDirectory()
{
    return QStringLiteral(VIGILA_DBUS_TEMPLATE_DIR);
}
