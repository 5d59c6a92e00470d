#include "DBusMockService.h"
#include "linux/DesktopNotificationSink.h"

#include <QDBusArgument>
#include <QElapsedTimer>
#include <QTest>

#include <signal.h>

using namespace Qt::StringLiterals;
using Bus = DBusMockService::Bus;

namespace {

const QString serviceName = u"org.freedesktop.Notifications"_s;
const QString objectPath = u"/org/freedesktop/Notifications"_s;
const QString appId = u"com.quillmere.vigila"_s;

struct Notification {
    QString appName;
    uint replacesId = 99;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int timeout = 0;
};

QList<DBusMockService::MethodCall> callsNamed(const DBusMockService &server, const QString &method)
{
    QList<DBusMockService::MethodCall> calls = server.methodCalls(objectPath);
    calls.removeIf([&](const DBusMockService::MethodCall &call) { return call.method != method; });
    return calls;
}

QList<Notification> notifications(const DBusMockService &server)
{
    QList<Notification> result;
    for (const DBusMockService::MethodCall &call : callsNamed(server, u"Notify"_s)) {
        if (call.args.size() != 8)
            return {};
        const QVariant &hints = call.args.at(6);
        result.append({call.args.at(0).toString(), call.args.at(1).toUInt(), call.args.at(2).toString(),
                       call.args.at(3).toString(), call.args.at(4).toString(), call.args.at(5).toStringList(),
                       hints.canConvert<QDBusArgument>() ? qdbus_cast<QVariantMap>(hints) : hints.toMap(),
                       call.args.at(7).toInt()});
    }
    return result;
}

} // namespace

class TestDesktopNotificationSink : public QObject {
    Q_OBJECT

    std::unique_ptr<DBusMockService> startServer(const QString &capabilities)
    {
        QString error;
        auto server = DBusMockService::start(u"notification_daemon"_s, Bus::Session, serviceName,
                                             {{u"capabilities"_s, capabilities}}, &error);
        if (!server)
            qWarning("%s", qUtf8Printable(error));
        return server;
    }

private slots:
    void notifyArguments_data()
    {
        QTest::addColumn<QString>("capabilities");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("shownBody");
        const QString rule = u"Keeping awake while \u201Ca<b>&c\u201D runs."_s;
        QTest::newRow("markup server") << u"body body-markup"_s << u"Process watch active"_s << rule
                                       << u"Keeping awake while \u201Ca&lt;b&gt;&amp;c\u201D runs."_s;
        QTest::newRow("plain server") << u"body actions"_s << u"Process watch active"_s << rule << rule;
        QTest::newRow("no capabilities") << QString() << u"Process watch active"_s << rule << rule;
        QTest::newRow("entities are not trusted")
            << u"body-markup"_s << u"Command failed"_s << u"echo &amp; <b>x</b>\nExit code 1"_s
            << u"echo &amp;amp; &lt;b&gt;x&lt;/b&gt;\nExit code 1"_s;
        QTest::newRow("summary is plain text")
            << u"body-markup"_s << u"<Tom & Jerry>"_s << u"ok"_s << u"ok"_s;
    }

    void notifyArguments()
    {
        QFETCH(QString, capabilities);
        QFETCH(QString, title);
        QFETCH(QString, body);
        QFETCH(QString, shownBody);
        auto server = startServer(capabilities);
        QVERIFY(server);

        DesktopNotificationSink sink(appId);
        std::optional<bool> granted;
        sink.requestAuthorization([&](bool answer) { granted = answer; });
        QTRY_COMPARE(granted, std::optional<bool>(true));
        sink.post(title, body);

        QTRY_COMPARE(notifications(*server).size(), 1);
        const Notification shown = notifications(*server).first();
        QCOMPARE(shown.appName, u"Vigila"_s);
        QCOMPARE(shown.replacesId, 0u);
        QCOMPARE(shown.icon, appId);
        QCOMPARE(shown.summary, title);
        QCOMPARE(shown.body, shownBody);
        QCOMPARE(shown.actions, QStringList());
        QCOMPARE(shown.hints, (QVariantMap{{u"desktop-entry"_s, appId}}));
        QCOMPARE(shown.timeout, -1);
    }

    void postsBeforeTheAnswerWaitForIt()
    {
        auto server = startServer(u"body body-markup"_s);
        QVERIFY(server);
        DesktopNotificationSink sink(appId);
        // Sent at once these would go out unescaped: the markup capability is not known yet.
        sink.post(u"Process watch released"_s, u"a<b>&c"_s);
        sink.post(u"Process watch released"_s, u"a<b>&c"_s);

        QTRY_COMPARE(notifications(*server).size(), 2);
        for (const Notification &shown : notifications(*server)) {
            QCOMPARE(shown.body, u"a&lt;b&gt;&amp;c"_s);
            QCOMPARE(shown.replacesId, 0u); // two identical posts, two notifications
        }
        QCOMPARE(callsNamed(*server, u"GetCapabilities"_s).size(), 1);

        sink.post(u"Keep-awake started"_s, u"Manual"_s);
        QTRY_COMPARE(notifications(*server).size(), 3);
        QCOMPARE(callsNamed(*server, u"GetCapabilities"_s).size(), 1); // known now: not asked again
    }

    void noServerDropsPostsUntilOneAppears()
    {
        DesktopNotificationSink sink(appId);
        std::optional<bool> granted;
        QElapsedTimer timer;
        timer.start();
        sink.requestAuthorization([&](bool answer) { granted = answer; });
        for (int i = 0; i < 5; ++i)
            sink.post(u"Keep-awake started"_s, u"Manual"_s);
        QVERIFY(timer.elapsed() < 500);
        QTRY_COMPARE(granted, std::optional<bool>(false));

        // A desktop's server can come up after we do; the dropped posts stay dropped.
        auto server = startServer(u"body"_s);
        QVERIFY(server);
        sink.post(u"Keep-awake ended"_s, u"All sessions"_s);
        QTRY_COMPARE(notifications(*server).size(), 1);
        QCOMPARE(notifications(*server).first().summary, u"Keep-awake ended"_s);
    }

    void hungServerDoesNotBlock()
    {
        auto server = startServer(u"body"_s);
        QVERIFY(server);
        QCOMPARE(::kill(static_cast<pid_t>(server->pid()), SIGSTOP), 0);
        auto resume = qScopeGuard([&] { ::kill(static_cast<pid_t>(server->pid()), SIGCONT); });

        DesktopNotificationSink sink(appId);
        std::optional<bool> granted;
        QElapsedTimer timer;
        timer.start();
        sink.requestAuthorization([&](bool answer) { granted = answer; });
        sink.post(u"Keep-awake started"_s, u"Manual"_s);
        QVERIFY(timer.elapsed() < 500);
        QTRY_COMPARE_WITH_TIMEOUT(granted, std::optional<bool>(false), 10000); // the call timed out

        resume.dismiss();
        QCOMPARE(::kill(static_cast<pid_t>(server->pid()), SIGCONT), 0);
        QTRY_COMPARE(callsNamed(*server, u"GetCapabilities"_s).size(), 1);
        QVERIFY(notifications(*server).isEmpty()); // given up, not delivered late
    }

    void noBusAtAll()
    {
        const QDBusConnection nowhere =
            QDBusConnection::connectToBus(u"unix:path=/nonexistent/vigila-test-bus"_s, u"nowhere"_s);
        QVERIFY(!nowhere.isConnected());
        DesktopNotificationSink sink(appId, nowhere);
        int answers = 0;
        std::optional<bool> granted;
        auto answer = [&](bool value) {
            ++answers;
            granted = value;
        };
        sink.requestAuthorization(answer);
        sink.post(u"Keep-awake started"_s, u"Manual"_s);
        QTRY_COMPARE(answers, 1);
        QCOMPARE(granted, std::optional<bool>(false));
        sink.requestAuthorization(answer); // asked again, answered again
        QTRY_COMPARE(answers, 2);
        QDBusConnection::disconnectFromBus(u"nowhere"_s);
    }

    void restartedServerIsAskedAgain()
    {
        auto server = startServer(u"body-markup"_s);
        QVERIFY(server);
        DesktopNotificationSink sink(appId);
        sink.post(u"Battery warning"_s, u"<5%"_s);
        QTRY_COMPARE(notifications(*server).size(), 1);
        QCOMPARE(notifications(*server).first().body, u"&lt;5%"_s);

        server->stop();
        server.reset();
        server = startServer(u"body"_s);
        QVERIFY(server);
        sink.post(u"Battery warning"_s, u"<5%"_s);
        QTRY_COMPARE(notifications(*server).size(), 1);
        QCOMPARE(notifications(*server).first().body, u"<5%"_s);
    }
};

QTEST_GUILESS_MAIN(TestDesktopNotificationSink)
#include "tst_desktop_notification_sink.moc"
