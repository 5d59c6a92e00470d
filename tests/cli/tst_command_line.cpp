#include "ControlBus.h"
#include "DBusMockService.h"
#include "control_proxy.h"
#include "safety/SafetyCopy.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
};

// The real binary, as a terminal runs it.
Result vigila(const QStringList &arguments,
              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VIGILA_BINARY), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// `vigila run …` left running; the command prints a line once it runs.
void startRun(QProcess &process, const QStringList &arguments)
{
    process.start(QStringLiteral(VIGILA_BINARY), QStringList{u"run"_s} + arguments);
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(process.canReadLine() || process.state() == QProcess::NotRunning, 10000);
}

} // namespace

// `vigila <command>` end to end: the real binary against the real tray app (offscreen) on private
// buses, with a mocked logind holding the lock.
class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;
    std::unique_ptr<DBusMockService> logind;
    QProcess tray;
    std::unique_ptr<ControlProxy> proxy;

    QStringList inhibitors() const
    {
        QStringList whys;
        for (const QVariantMap &lock : logind->logindInhibitors())
            whys << lock[u"why"_s].toString();
        return whys;
    }

    QStringList labels() const
    {
        QDBusPendingReply<QList<QVariantMap>> reply = proxy->ListReasons();
        reply.waitForFinished();
        QStringList out;
        for (const QVariantMap &reason : reply.value())
            out << reason.value(u"label"_s).toString();
        return out;
    }

private slots:
    void initTestCase()
    {
        qDBusRegisterMetaType<QList<QVariantMap>>();
        QVERIFY(scratch.isValid());
        // A home and runtime directory of our own: settings and the one-instance lock stay here.
        const QString home = scratch.filePath(u"home"_s);
        const QString runtime = scratch.filePath(u"run"_s);
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(runtime));
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("HOME", home.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home + u"/.config"_s).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");

        QString error;
        logind = DBusMockService::start(u"logind"_s, DBusMockService::Bus::System,
                                        u"org.freedesktop.login1"_s, {}, &error);
        QVERIFY2(logind, qPrintable(error));
        proxy = std::make_unique<ControlProxy>(ControlBus::serviceName(), ControlBus::objectPath(),
                                               QDBusConnection::sessionBus());
    }

    void cleanupTestCase()
    {
        if (tray.state() != QProcess::NotRunning) {
            tray.terminate();
            tray.waitForFinished(10000);
        }
    }

    void usageHelpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says"); // on stdout for 0, else on stderr

        QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"vigila "_s + SafetyCopy::version();
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"run [--display] [--label TEXT]"_s;
        QTest::newRow("command help")
            << QStringList{u"for"_s, u"--help"_s} << 0 << u"Usage: vigila for DURATION [--display]"_s;
        QTest::newRow("run help") << QStringList{u"run"_s, u"-h"_s} << 0 << u"--label <TEXT>"_s;
        QTest::newRow("unknown command") << QStringList{u"sleep"_s} << 2 << u"no command \"sleep\""_s;
        QTest::newRow("unknown option") << QStringList{u"status"_s, u"--yaml"_s} << 2 << u"yaml"_s;
        QTest::newRow("no duration") << QStringList{u"for"_s} << 2 << u"for how long"_s;
        QTest::newRow("bad duration") << QStringList{u"for"_s, u"1.5h"_s} << 2 << u"not a duration"_s;
        QTest::newRow("absurd duration") << QStringList{u"extend"_s, u"9000h"_s} << 2 << u"not a duration"_s;
        QTest::newRow("bad time") << QStringList{u"until"_s, u"24:00"_s} << 2 << u"not a time of day"_s;
        QTest::newRow("extra argument") << QStringList{u"start"_s, u"now"_s} << 2 << u"unexpected"_s;
        QTest::newRow("stop what") << QStringList{u"stop"_s} << 2 << u"--all"_s;
        QTest::newRow("stop both") << QStringList{u"stop"_s, u"--all"_s, u"x"_s} << 2 << u"--all"_s;
        QTest::newRow("run nothing") << QStringList{u"run"_s, u"--"_s} << 2 << u"name the command"_s;
        QTest::newRow("trigger help") << QStringList{u"trigger"_s, u"--help"_s} << 0 << u"remote-session [--any-user]"_s;
        QTest::newRow("trigger, no kind") << QStringList{u"trigger"_s, u"add"_s} << 2 << u"say which kind"_s;
        QTest::newRow("trigger, unknown kind") << QStringList{u"trigger"_s, u"add"_s, u"moon"_s} << 2 << u"not a kind"_s;
        QTest::newRow("trigger, unit unnamed") << QStringList{u"trigger"_s, u"add"_s, u"unit"_s} << 2 << u"name the unit"_s;
        QTest::newRow("trigger, option of another kind")
            << QStringList{u"trigger"_s, u"add"_s, u"ac"_s, u"--any-user"_s} << 2 << u"--any-user does not go with ac"_s;
        QTest::newRow("trigger, bad delay")
            << QStringList{u"trigger"_s, u"add"_s, u"ac"_s, u"--delay"_s, u"2d"_s} << 2 << u"not a duration"_s;
        QTest::newRow("trigger, network without a rate")
            << QStringList{u"trigger"_s, u"add"_s, u"network"_s} << 2 << u"--above 500"_s;
        QTest::newRow("trigger, busy without a process") << QStringList{u"trigger"_s, u"add"_s, u"busy"_s} << 2
                                                         << u"name the process"_s;
        QTest::newRow("trigger, bad window")
            << QStringList{u"trigger"_s, u"add"_s, u"network"_s, u"--above"_s, u"5"_s, u"--window"_s, u"soon"_s} << 2
            << u"not a duration"_s;
        QTest::newRow("trigger, remove what") << QStringList{u"trigger"_s, u"remove"_s} << 2 << u"takes one trigger"_s;
    }

    void usageHelpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, says);
        const Result result = vigila(arguments);
        QCOMPARE(result.code, code);
        QVERIFY2((code == 0 ? result.out : result.err).contains(says), qPrintable(result.out + result.err));
    }

    void labelMustBeUtf8()
    {
        QProcess process;
        process.start(u"/bin/sh"_s, {u"-c"_s, u"exec \"$0\" run --label \"$(printf '\\377')\" -- true"_s,
                                     QStringLiteral(VIGILA_BINARY)});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("UTF-8"));
    }

    // Before the tray starts.
    void withoutVigilaRunTakesTheLockItself()
    {
        const Result status = vigila({u"status"_s});
        QCOMPARE(status.code, 3);
        QVERIFY(status.err.contains(u"Vigila is not running"_s));
        QCOMPARE(status.err.count(u'\n'), 1);

        QProcess run;
        startRun(run, {u"--"_s, u"sh"_s, u"-c"_s, u"echo ready; exec sleep 30"_s});
        QCOMPARE(run.readLine(), QByteArray("ready\n"));
        QVERIFY(inhibitors().contains(u"Vigila: keep system awake"_s));
        QVERIFY(run.readAllStandardError().contains("keeping the computer awake itself (logind)"));

        // SIGTERM from another process is passed on; vigila ends by the signal that ended the command.
        ::kill(pid_t(run.processId()), SIGTERM);
        QVERIFY(run.waitForFinished(10000));
        QCOMPARE(run.exitStatus(), QProcess::CrashExit);
        QCOMPARE(run.exitCode(), SIGTERM);
        QTRY_VERIFY(!inhibitors().contains(u"Vigila: keep system awake"_s));
    }

    // A session bus that takes connections and never answers: commands give up within seconds
    // with a message, and `run` runs its command holding the lock itself.
    void silentSessionBus()
    {
        // Listening is enough: the kernel completes each connection, nobody ever reads or writes.
        const QByteArray path = scratch.filePath(u"silent-bus"_s).toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        const int silent = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        QVERIFY(::bind(silent, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
        QVERIFY(::listen(silent, 16) == 0);
        const auto closeSilent = qScopeGuard([silent] { ::close(silent); });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path="_s + QString::fromLocal8Bit(path));

        QElapsedTimer elapsed;
        elapsed.start();
        const Result status = vigila({u"status"_s}, environment);
        QCOMPARE(status.code, 1);
        QVERIFY2(status.err.contains(u"session bus does not answer"_s), qPrintable(status.err));
        QVERIFY(elapsed.elapsed() < 8000);

        const Result run = vigila({u"run"_s, u"--"_s, u"sh"_s, u"-c"_s, u"exit 5"_s}, environment);
        QCOMPARE(run.code, 5);
        QVERIFY2(run.err.contains(u"keeping the computer awake itself (logind)"_s), qPrintable(run.err));
        QVERIFY(elapsed.elapsed() < 16000);
    }

    // Another program's (or an older Vigila's) label never reaches the terminal raw.
    void listPrintsLabelsOnOneLine()
    {
        QString error;
        const auto fake =
            DBusMockService::start(QFINDTESTDATA("fake_vigila.py"), DBusMockService::Bus::Session,
                                   ControlBus::serviceName(), {}, &error);
        QVERIFY2(fake, qPrintable(error));
        const Result list = vigila({u"list"_s});
        QCOMPARE(list.code, 0);
        for (const QChar c : {QChar(u'\x1b'), QChar(u'\x07'), QChar(u'\u202E')})
            QVERIFY2(!list.out.contains(c), qPrintable(list.out));
        QCOMPARE(list.out.count(u'\n'), 2);
        QVERIFY(list.out.contains(u"Terminal: a ]0;owned b [2J c d\n"_s));
    }

    // Ctrl+C while the hold is given back ends vigila at once, by SIGINT, even with Vigila hung.
    void interruptWhileReleasing()
    {
        QString error;
        const auto fake =
            DBusMockService::start(QFINDTESTDATA("fake_vigila.py"), DBusMockService::Bus::Session,
                                   ControlBus::serviceName(), {}, &error);
        QVERIFY2(fake, qPrintable(error));
        QProcess run;
        startRun(run, {u"--"_s, u"sh"_s, u"-c"_s, u"echo $$; read line"_s});
        const qint64 shell = run.readLine().trimmed().toLongLong();
        QVERIFY(shell > 0);
        fake->pause();
        run.write("go\n");
        // Collected: vigila now waits for the answer to Release.
        QTRY_VERIFY(!QFileInfo::exists(u"/proc/%1"_s.arg(shell)));
        ::kill(pid_t(run.processId()), SIGINT);
        QVERIFY(run.waitForFinished(3000)); // well before the call's 5 s timeout
        QCOMPARE(run.exitStatus(), QProcess::CrashExit);
        QCOMPARE(run.exitCode(), SIGINT);
        fake->resume();
    }

    void startTheTray()
    {
        tray.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        tray.start(QStringLiteral(VIGILA_BINARY), QStringList{});
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered(ControlBus::serviceName()), 20000);
    }

    void commandsDriveTheTray()
    {
        QCOMPARE(vigila({u"for"_s, u"45m"_s}).out, u"Keeping the computer awake for 45m 0s.\n"_s);
        QCOMPARE(labels(), QStringList{u"Timed: 45m 0s"_s});
        QCOMPARE(vigila({u"extend"_s}).code, 0);
        QCOMPARE(labels(), QStringList{u"Timed: 1h 15m"_s});
        QCOMPARE(vigila({u"start"_s, u"--display"_s}).code, 0);

        const Result status = vigila({u"status"_s, u"--json"_s});
        QCOMPARE(status.code, 0);
        const QJsonObject object = QJsonDocument::fromJson(status.out.toUtf8()).object();
        QCOMPARE(object.value(u"effectiveMode"_s).toString(), u"display"_s);
        QCOMPARE(object.value(u"reasonCount"_s).toInt(), 2);
        QVERIFY(vigila({u"status"_s}).out.startsWith(u"Active \u2014 keeping display awake (2 reasons)"_s));

        const Result list = vigila({u"list"_s, u"--json"_s});
        const QJsonArray reasons = QJsonDocument::fromJson(list.out.toUtf8()).array();
        QCOMPARE(reasons.size(), 2);
        const QJsonObject manual = reasons.at(1).toObject();
        QCOMPARE(manual.value(u"label"_s).toString(), u"Manual (display awake)"_s);
        QVERIFY(!manual.contains(u"endsAt"_s));
        const QString id = manual.value(u"id"_s).toString();
        QVERIFY(vigila({u"list"_s}).out.contains(id));

        QCOMPARE(vigila({u"stop"_s, id}).code, 0);
        QCOMPARE(vigila({u"stop"_s, id}).code, 1); // gone already
        QCOMPARE(vigila({u"until"_s, u"6:30"_s}).code, 0);
        QVERIFY(labels().constFirst().startsWith(u"Until "_s));
        QCOMPARE(vigila({u"stop"_s, u"--all"_s}).code, 0);
        QVERIFY(labels().isEmpty());
        const Result extend = vigila({u"extend"_s, u"10m"_s});
        QCOMPARE(extend.code, 1);
        QVERIFY(extend.err.contains(u"nothing to extend"_s));
    }

    // A French terminal: help and answers in French, durations typed as in every language, and the
    // tray, started in English, still naming the session in English.
    void frenchTerminal()
    {
        QProcessEnvironment french = QProcessEnvironment::systemEnvironment();
        french.insert(u"LC_ALL"_s, u"fr_FR.UTF-8"_s);
        french.remove(u"LANGUAGE"_s);
        const Result help = vigila({u"--help"_s}, french);
        QCOMPARE(help.code, 0);
        QVERIFY2(help.out.startsWith(u"Utilisation\u00A0: vigila [COMMANDE [OPTIONS]]"_s), qPrintable(help.out));

        const Result timed = vigila({u"for"_s, u"1h30m"_s}, french);
        QCOMPARE(timed.code, 0);
        QCOMPARE(timed.out, u"Ordinateur gard\u00E9 \u00E9veill\u00E9 pendant 1\u00A0h 30\u00A0min.\n"_s);
        QCOMPARE(labels(), QStringList{u"Timed: 1h 30m"_s});
        QCOMPARE(vigila({u"stop"_s, u"--all"_s}, french).code, 0);
    }

    // A trigger added from the terminal: a remote session of ours opens (the mocked logind
    // announces it), the lock is taken with a reason naming the user and host, and it is given
    // back when the session closes.
    void remoteSessionTriggerTakesAndGivesBackTheLock()
    {
        const Result added = vigila({u"trigger"_s, u"add"_s, u"remote-session"_s, u"--name"_s, u"SSH"_s});
        QCOMPARE(added.code, 0);
        const QString id = added.out.trimmed();
        QVERIFY2(!QUuid::fromString(id).isNull(), qPrintable(added.out + added.err));
        QVERIFY(vigila({u"triggers"_s}).out.contains(u"SSH \u2014 on, waiting"_s));

        const auto mock = [&](const QString &path, const QString &method, const QVariantList &arguments) {
            QDBusMessage message = QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, path,
                                                                  u"org.freedesktop.DBus.Mock"_s, method);
            message.setArguments(arguments);
            const QDBusMessage reply = QDBusConnection::systemBus().call(message);
            QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        };
        const QString user = QString::fromLocal8Bit(qgetenv("USER").isEmpty() ? "root" : qgetenv("USER"));
        const QString path = u"/org/freedesktop/login1/session/r1"_s;
        const auto announce = [&](const QString &signal) {
            mock(u"/org/freedesktop/login1"_s, u"EmitSignal"_s,
                 {u"org.freedesktop.login1.Manager"_s, signal, u"so"_s,
                  QVariantList{u"r1"_s, QVariant::fromValue(QDBusObjectPath(path))}});
        };
        mock(u"/org/freedesktop/login1"_s, u"AddSession"_s, {u"r1"_s, u"seat0"_s, uint(getuid()), user, true});
        mock(path, u"UpdateProperties"_s,
             {u"org.freedesktop.login1.Session"_s,
              QVariantMap{{u"Remote"_s, true}, {u"RemoteHost"_s, u"10.0.0.2"_s}, {u"Service"_s, u"sshd"_s}}});
        QElapsedTimer opened;
        opened.start();
        announce(u"SessionNew"_s);
        QTRY_VERIFY_WITH_TIMEOUT(inhibitors().contains(u"Vigila: keep system awake"_s), 10000);
        qInfo("session opened → lock taken: %lld ms", opened.elapsed());
        QCOMPARE(labels(), QStringList{u"While %1 is logged in over SSH from 10.0.0.2"_s.arg(user)});
        const QJsonArray listed = QJsonDocument::fromJson(vigila({u"triggers"_s, u"--json"_s}).out.toUtf8()).array();
        QVERIFY(listed.first().toObject().value(u"active"_s).toBool());

        announce(u"SessionRemoved"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!inhibitors().contains(u"Vigila: keep system awake"_s), 10000);
        QVERIFY(labels().isEmpty());
        QCOMPARE(vigila({u"trigger"_s, u"remove"_s, u"SSH"_s}).code, 0);
        QCOMPARE(vigila({u"trigger"_s, u"remove"_s, id}).code, 1);
    }

    void runHoldsForExactlyAsLongAsItsCommand()
    {
        const Result quick = vigila({u"run"_s, u"--"_s, u"sh"_s, u"-c"_s, u"exit 3"_s});
        QCOMPARE(quick.code, 3);
        QVERIFY(labels().isEmpty());
        // The "--" may be left out; the command's own options stay its own.
        QCOMPARE(vigila({u"run"_s, u"--display"_s, u"sh"_s, u"-c"_s, u"exit 4"_s}).code, 4);

        QProcess run;
        startRun(run,
                 {u"--label"_s, u"build"_s, u"--"_s, u"sh"_s, u"-c"_s, u"echo ready; read line; exit 3"_s});
        QCOMPARE(labels(), QStringList{u"Terminal: build"_s});
        QVERIFY(vigila({u"list"_s}).out.contains(u"Terminal: build"_s));
        QVERIFY(inhibitors().contains(u"Vigila: keep system awake"_s));
        run.write("go\n");
        QVERIFY(run.waitForFinished(10000));
        QCOMPARE(run.exitCode(), 3);
        QVERIFY(labels().isEmpty());
        QVERIFY(run.readAllStandardError().isEmpty());

        const Result missing = vigila({u"run"_s, u"--"_s, u"vigila-no-such-program"_s});
        QCOMPARE(missing.code, 127);
        QVERIFY(missing.err.contains(u"cannot run"_s));
        QVERIFY(labels().isEmpty());
    }

    void killedClientReleasesItsHoldWithinASecond()
    {
        QProcess run;
        startRun(run, {u"--"_s, u"sh"_s, u"-c"_s, u"echo $$; exec sleep 60"_s});
        const qint64 sleeper = run.readLine().trimmed().toLongLong();
        QVERIFY(sleeper > 0);
        QCOMPARE(labels().size(), 1);

        QElapsedTimer elapsed;
        elapsed.start();
        ::kill(pid_t(run.processId()), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(labels().isEmpty(), 1000);
        qInfo("hold released %lld ms after SIGKILL", elapsed.elapsed());
        ::kill(pid_t(sleeper), SIGKILL);
        run.waitForFinished();
    }

    // Other programs' locks, as the tray's survey finds them: a line each, and in the JSON.
    void statusListsOtherPrograms()
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                           u"org.freedesktop.login1.Manager"_s, u"Inhibit"_s);
        call.setArguments({u"sleep"_s, u"Firefox"_s, u"Playing\nvideo"_s, u"block"_s});
        const QDBusMessage reply =
            QDBusConnection::connectToBus(QDBusConnection::SystemBus, u"other"_s).call(call);
        const auto lock = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().value(0));
        QVERIFY(lock.isValid());

        QVERIFY(
            vigila({u"status"_s})
                .out.endsWith(u"\nAlso keeping awake:\n  Firefox \u2014 Playing video (process 123456)\n"_s));
        const QJsonObject status =
            QJsonDocument::fromJson(vigila({u"status"_s, u"--json"_s}).out.toUtf8()).object();
        QCOMPARE(status.value(u"otherInhibitors"_s).toArray(),
                 (QJsonArray{QJsonObject{{u"source"_s, u"logind"_s},
                                         {u"who"_s, u"Firefox"_s},
                                         {u"why"_s, u"Playing\nvideo"_s},
                                         {u"what"_s, u"sleep"_s},
                                         {u"mode"_s, u"block"_s},
                                         {u"uid"_s, 1000},
                                         {u"pid"_s, 123456}}}));
        QDBusConnection::disconnectFromBus(u"other"_s);
    }

    // An unknown zone, or one named by its file (as the C library allows), still gives a time.
    // "tomorrow" is said exactly when the end falls on another day than today.
    void untilSaysTomorrowOnlyForTomorrow_data()
    {
        QTest::addColumn<int>("offsetMinutes");
        QTest::newRow("an hour ago") << -60;
        QTest::newRow("in an hour") << 60;
    }

    void untilSaysTomorrowOnlyForTomorrow()
    {
        QFETCH(int, offsetMinutes);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TZ"_s, u"UTC"_s);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QString at = now.addSecs(offsetMinutes * 60).time().toString(u"HH:mm"_s);

        const Result until = vigila({u"until"_s, at}, environment);
        QCOMPARE(until.code, 0);
        QDBusPendingReply<QList<QVariantMap>> reasons = proxy->ListReasons();
        reasons.waitForFinished();
        QCOMPARE(reasons.value().size(), 1);
        const QDateTime end =
            QDateTime::fromSecsSinceEpoch(reasons.value().constFirst()[u"endsAt"_s].toLongLong(), QTimeZone::utc());
        QVERIFY(end > now && end <= now.addDays(1));
        QCOMPARE(until.out.contains(u" tomorrow."_s), end.date() != now.date());
        QCOMPARE(vigila({u"stop"_s, u"--all"_s}).code, 0);
    }

    void untilInAnOddTimeZone_data()
    {
        QTest::addColumn<QString>("tz");
        QTest::addColumn<bool>("unknown"); // then the system's zone stands in, as stderr says
        QTest::newRow("unknown") << u"Nowhere/Unknown"_s << true;
        QTest::newRow("zone file") << u"/usr/share/zoneinfo/Europe/Berlin"_s << false;
        QTest::newRow("colon and zone file") << u":/usr/share/zoneinfo/Europe/Berlin"_s << false;
        QTest::newRow("colon and name") << u":Europe/Berlin"_s << false;
    }

    void untilInAnOddTimeZone()
    {
        QFETCH(QString, tz);
        QFETCH(bool, unknown);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TZ"_s, tz);
        const QTimeZone zone = unknown ? QTimeZone::systemTimeZone() : QTimeZone("Europe/Berlin");
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QString at = now.toTimeZone(zone).time().addSecs(2 * 3600).toString(u"HH:mm"_s);

        const Result until = vigila({u"until"_s, at}, environment);
        QCOMPARE(until.code, 0);
        QCOMPARE(until.err.count(u"is unknown"_s), unknown ? 1 : 0);
        QDBusPendingReply<QList<QVariantMap>> reasons = proxy->ListReasons();
        reasons.waitForFinished();
        QCOMPARE(reasons.value().size(), 1);
        const QDateTime end =
            QDateTime::fromSecsSinceEpoch(reasons.value().constFirst()[u"endsAt"_s].toLongLong());
        QVERIFY(end > now && end <= now.addDays(1));
        QCOMPARE(end.toTimeZone(zone).time().toString(u"HH:mm"_s), at);
        QCOMPARE(vigila({u"stop"_s, u"--all"_s}).code, 0);
    }

    // A command line longer than a label may be: the label is cut, the command runs.
    void longCommandLineRunsWithACutLabel()
    {
        QProcess run;
        startRun(run, {u"--"_s, u"sh"_s, u"-c"_s, u"echo ready; read line"_s, u"x"_s.repeated(300)});
        QCOMPARE(run.readLine(), QByteArray("ready\n"));
        const QStringList shown = labels();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.constFirst().startsWith(u"Terminal: sh -c echo ready; read line xxx"_s));
        QVERIFY(shown.constFirst().endsWith(u"x\u2026"_s));
        QCOMPARE(shown.constFirst().size(), qsizetype(u"Terminal: "_s.size() + 200));
        run.write("go\n");
        QVERIFY(run.waitForFinished(10000));
        QCOMPARE(run.exitCode(), 0);
    }

    // Last: the tray quits while a command runs; vigila takes the lock itself and says so.
    void runTakesTheLockWhenTheTrayQuits()
    {
        QProcess run;
        startRun(run, {u"--"_s, u"sh"_s, u"-c"_s, u"echo ready; read line"_s});
        QCOMPARE(labels().size(), 1);
        tray.terminate();
        QVERIFY(tray.waitForFinished(10000));
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += run.readAllStandardError()).contains("Vigila quit"), 10000);
        QVERIFY2(said.contains("Vigila quit; keeping the computer awake itself (logind)"), said.constData());
        QVERIFY(inhibitors().contains(u"Vigila: keep system awake"_s));
        run.write("go\n");
        QVERIFY(run.waitForFinished(10000));
        QCOMPARE(run.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
