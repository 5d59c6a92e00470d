#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

// A python3-dbusmock service for integration tests: started from a stock template ("logind") or
// one of ours (a path to a .py file), stopped when destroyed. Run the test under
// tests/dbus/with-buses.sh so both buses are private.
class DBusMockService {
public:
    enum class Bus { Session, System };

    struct MethodCall {
        qint64 timestamp;
        QString method;
        QVariantList args;
    };

    // Waits (up to a few seconds) until busName is owned. Returns null and fills error on failure.
    static std::unique_ptr<DBusMockService> start(const QString &templateName, Bus bus, const QString &busName,
                                                  const QVariantMap &parameters = {}, QString *error = nullptr);
    ~DBusMockService();

    QDBusConnection connection() const;
    const QString &busName() const { return m_busName; }
    qint64 pid() const { return m_process.processId(); }

    // Calls recorded on the mock object at path (org.freedesktop.DBus.Mock.GetCalls).
    QList<MethodCall> methodCalls(const QString &path) const;
    void clearCalls(const QString &path) const;
    // The locks a logind mock holds, each as {what, who, why, mode}; an error fails the test run.
    QList<QVariantMap> logindInhibitors() const;
    // Stops the service and waits until its bus name is gone (simulates a crash or restart).
    void stop();
    // Freezes the service (SIGSTOP): it keeps its bus name and answers nothing until resumed, as
    // a hung service does. Calls sent meanwhile are answered after resume().
    void pause();
    void resume();

    // The directory holding our own templates (tests/dbus).
    static QString templateDirectory();

private:
    DBusMockService(Bus bus, QString busName);

    Bus m_bus;
    QString m_busName;
    QProcess m_process;
};
