// The two times a terminal user feels, against the real tray app (offscreen) on private buses with
// a mocked logind:
//  - `vigila status`: from spawning the process to its exit (the whole round trip);
//  - `vigila run`: from spawning it to the tray publishing the new reason (the service sends
//    ReasonsChanged once the reason is in the list and the tray's state refresh has run).
// Run it on private buses: tests/dbus/with-buses.sh build/bench/cli_latency [runs]
#include "ControlBus.h"
#include "DBusMockService.h"
#include "Percentile.h"
#include "control_proxy.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace Qt::StringLiterals;

namespace {

QString summary(const std::vector<qint64> &microseconds)
{
    return u"median %1  p90 %2  max %3 ms"_s.arg(percentile(microseconds, 0.5), 0, 'f', 2)
        .arg(percentile(microseconds, 0.9), 0, 'f', 2)
        .arg(percentile(microseconds, 1.0), 0, 'f', 2);
}

// Spawn to exit of `vigila status`, its output thrown away.
qint64 statusRoundTrip()
{
    const QByteArray binary = VIGILA_BINARY;
    char *argv[] = {const_cast<char *>(binary.constData()), const_cast<char *>("status"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const qint64 elapsed = timer.nsecsElapsed() / 1000;
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? elapsed : -1;
}

bool waitUntil(const std::function<bool()> &condition, int milliseconds = 5000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50;
    QTextStream out(stdout);
    qDBusRegisterMetaType<QList<QVariantMap>>();

    // A home and runtime directory of our own, and no display.
    QTemporaryDir scratch;
    QDir().mkpath(scratch.filePath(u"home"_s));
    QDir().mkpath(scratch.filePath(u"run"_s));
    qputenv("HOME", scratch.filePath(u"home"_s).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", scratch.filePath(u"home/.config"_s).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", scratch.filePath(u"run"_s).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");

    QString error;
    const auto logind = DBusMockService::start(u"logind"_s, DBusMockService::Bus::System,
                                               u"org.freedesktop.login1"_s, {}, &error);
    if (!logind) {
        out << "logind mock: " << error << Qt::endl;
        return 1;
    }
    QProcess tray;
    tray.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tray.start(QStringLiteral(VIGILA_BINARY), QStringList{});
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!waitUntil([&] { return bus.interface()->isServiceRegistered(ControlBus::serviceName()).value(); },
                   20000)) {
        out << "the tray did not come up" << Qt::endl;
        return 1;
    }

    // --- vigila status, spawn to exit.
    std::vector<qint64> status;
    for (int i = 0; i < runs + 3; ++i) {
        const qint64 elapsed = statusRoundTrip();
        if (elapsed < 0) {
            out << "vigila status failed" << Qt::endl;
            return 1;
        }
        if (i >= 3) // the first runs warm the page cache
            status.push_back(elapsed);
    }

    // --- vigila run, spawn to the reason published by the tray.
    ControlProxy proxy(ControlBus::serviceName(), ControlBus::objectPath(), bus);
    QElapsedTimer timer;
    qint64 lastSignal = -1;
    QObject::connect(&proxy, &ControlProxy::ReasonsChanged, &app,
                     [&] { lastSignal = timer.nsecsElapsed() / 1000; });
    const auto listed = [&](const QString &label) {
        QDBusPendingReply<QList<QVariantMap>> reply = proxy.ListReasons();
        reply.waitForFinished();
        const QList<QVariantMap> reasons = reply.value();
        return std::any_of(reasons.cbegin(), reasons.cend(),
                           [&](const QVariantMap &r) { return r.value(u"label"_s) == label; });
    };
    // The time of the first ReasonsChanged after which the hold is listed.
    const auto published = [&](const QString &label) -> qint64 {
        for (;;) {
            lastSignal = -1;
            if (!waitUntil([&] { return lastSignal >= 0; }))
                return -1;
            const qint64 at = lastSignal;
            if (listed(label))
                return at;
        }
    };
    std::vector<qint64> hold;
    for (int i = 0; i < runs; ++i) {
        const QString label = u"bench %1"_s.arg(i);
        // `vigila run -- cat`, reading from a pipe we hold: closing it ends cat, and the hold.
        int input[2];
        if (::pipe2(input, O_CLOEXEC) != 0)
            return 1;
        const QByteArray labelBytes = label.toUtf8();
        const QByteArray binary = VIGILA_BINARY;
        char *argv[] = {const_cast<char *>(binary.constData()),
                        const_cast<char *>("run"),
                        const_cast<char *>("--label"),
                        const_cast<char *>(labelBytes.constData()),
                        const_cast<char *>("--"),
                        const_cast<char *>("cat"),
                        nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        QCoreApplication::processEvents(); // nothing earlier counts
        timer.start();
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(input[0]);
        const qint64 at = spawned == 0 ? published(u"Terminal: "_s + label) : -1;
        ::close(input[1]);
        if (spawned == 0)
            waitpid(pid, nullptr, 0);
        if (at < 0) {
            out << "vigila run: the hold did not appear" << Qt::endl;
            return 1;
        }
        hold.push_back(at);
        if (!waitUntil([&] { return !listed(u"Terminal: "_s + label); })) {
            out << "vigila run: the hold outlived its command" << Qt::endl;
            return 1;
        }
    }

    out << runs << " runs each\n";
    out << "vigila status, spawn to exit:                " << summary(status) << Qt::endl;
    out << "vigila run, spawn to the reason in the tray: " << summary(hold) << Qt::endl;
    tray.terminate();
    tray.waitForFinished();
    return 0;
}
