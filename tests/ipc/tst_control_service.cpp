#include "ControlBus.h"
#include "ControlService.h"
#include "CoordinatorRig.h"
#include "HoldRegistry.h"
#include "control_proxy.h"
#include "notifications/NotificationManager.h"
#include "power/AssertionManager.h"
#include "power/PowerSourceMonitor.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;
using Post = RecordingNotificationSink::Post;

namespace {

const QString invalidArgs = u"org.freedesktop.DBus.Error.InvalidArgs"_s;
const QString unknownReason = u"com.quillmere.Vigila1.Error.UnknownReason"_s;
const QString unknownHold = u"com.quillmere.Vigila1.Error.UnknownHold"_s;
const QString nothingToExtend = u"com.quillmere.Vigila1.Error.NothingToExtend"_s;
const QString limitReached = u"com.quillmere.Vigila1.Error.LimitReached"_s;
const QString unknownTrigger = u"com.quillmere.Vigila1.Error.UnknownTrigger"_s;

// A client with its own connection to the session bus (its own unique name, so it can leave).
struct Client {
    explicit Client(const QString &name)
        : connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name))
        , proxy(ControlBus::serviceName(), ControlBus::objectPath(), connection)
    {
    }
    ~Client() { QDBusConnection::disconnectFromBus(connection.name()); }

    // The service runs on this thread, so a call is awaited with the event loop turning.
    template <typename Reply> static Reply wait(Reply reply)
    {
        if (!QTest::qWaitFor([&] { return reply.isFinished(); }, 5000))
            QTest::qFail("no answer", __FILE__, __LINE__);
        return reply;
    }
    QDBusMessage call(const QString &method, const QVariantList &arguments) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            ControlBus::serviceName(), ControlBus::objectPath(), u"com.quillmere.Vigila1"_s, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = connection.asyncCall(message);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000))
            QTest::qFail("no answer", __FILE__, __LINE__);
        return pending.reply();
    }

    // Sends them all before awaiting any answer (the bus answers in order).
    QList<QDBusMessage> callMany(const QString &method, const QList<QVariantList> &calls) const
    {
        QList<QDBusPendingCall> pending;
        for (const QVariantList &arguments : calls) {
            QDBusMessage message = QDBusMessage::createMethodCall(
                ControlBus::serviceName(), ControlBus::objectPath(), u"com.quillmere.Vigila1"_s, method);
            message.setArguments(arguments);
            pending << connection.asyncCall(message);
        }
        // Awaited by the event loop rather than by polling, which would sleep between turns.
        if (!pending.isEmpty() && !pending.constLast().isFinished()) {
            QDBusPendingCallWatcher last(pending.constLast());
            QSignalSpy finished(&last, &QDBusPendingCallWatcher::finished);
            if (!finished.wait(30000))
                QTest::qFail("no answer", __FILE__, __LINE__);
        }
        QList<QDBusMessage> replies;
        for (QDBusPendingCall &call : pending) {
            if (!QTest::qWaitFor([&] { return call.isFinished(); }, 30000))
                QTest::qFail("no answer", __FILE__, __LINE__);
            replies << call.reply();
        }
        return replies;
    }

    QDBusConnection connection;
    ControlProxy proxy;
};

QString idText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

} // namespace

// The interface of the running app, on a private session bus, over a coordinator on fakes.
class TestControlService : public QObject {
    Q_OBJECT

    std::unique_ptr<CoordinatorRig> rig;
    std::unique_ptr<ControlService> service;
    std::unique_ptr<Client> client;

    qint64 now() const { return rig->clock->now().toSecsSinceEpoch(); }
    const QList<AwakeReason> &reasons() const { return rig->app->assertions().reasons(); }

private slots:
    void initTestCase()
    {
        qDBusRegisterMetaType<QList<QVariantMap>>();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init()
    {
        PreferencesStore::Stored preferences = PreferencesStore::Stored::defaultRecord();
        preferences.defaultMode = AwakeMode::Display; // so "" visibly picks the preferences' mode
        rig = std::make_unique<CoordinatorRig>(preferences);
        service = std::make_unique<ControlService>(*rig->app);
        QVERIFY(service->registerOn(QDBusConnection::sessionBus()));
        client = std::make_unique<Client>(u"client"_s);
    }

    void cleanup()
    {
        client.reset();
        service.reset();
        QDBusConnection::sessionBus().unregisterService(ControlBus::serviceName());
        rig.reset();
    }

    void statusAndListReadTheCoordinator()
    {
        QVariantMap status = Client::wait(client->proxy.Status()).value();
        QCOMPARE(status, (QVariantMap{{u"iconState"_s, u"inactive"_s},
                                      {u"headline"_s, u"Inactive \u2014 your computer can sleep normally"_s},
                                      {u"reasonCount"_s, 0}}));
        QVERIFY(Client::wait(client->proxy.ListReasons()).value().isEmpty());

        // The lock fails: the error shows, next to the session and its mode.
        rig->lock->failActivations = true;
        rig->app->startTimed(1800, AwakeMode::System);
        CoordinatorRig::settle();
        status = Client::wait(client->proxy.Status()).value();
        QCOMPARE(status.value(u"iconState"_s), u"error"_s);
        QCOMPARE(status.value(u"effectiveMode"_s), u"system"_s);
        QCOMPARE(status.value(u"reasonCount"_s), 1);
        QCOMPARE(status.value(u"lastError"_s), u"Could not create keep-awake assertion."_s);
        QCOMPARE(status.value(u"headline"_s), u"Waiting \u2014 the keep-awake lock could not be taken (1 reason)"_s);
        QCOMPARE(status.value(u"lock"_s), u"failed"_s);

        const QList<QVariantMap> list = Client::wait(client->proxy.ListReasons()).value();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.constFirst(), (QVariantMap{{u"id"_s, idText(reasons().constFirst().id)},
                                                 {u"type"_s, u"timed"_s},
                                                 {u"label"_s, u"Timed: 30m 0s"_s},
                                                 {u"startedAt"_s, now()},
                                                 {u"endsAt"_s, now() + 1800},
                                                 {u"mode"_s, u"system"_s}}));

        // The battery guard stops everything: its message and the stop reason show.
        BatterySettings battery = rig->app->prefs().battery();
        battery.onlyWhilePluggedIn = true;
        rig->app->prefs().setBattery(battery);
        rig->power->descriptions = QList<QVariantMap>{FakePowerSources::source(50, 100, u"Battery Power"_s)};
        rig->app->power().refresh();
        rig->tick();
        status = Client::wait(client->proxy.Status()).value();
        const QString stopped = u"Stopped because Vigila is set to keep awake only while plugged in."_s;
        QCOMPARE(status.value(u"lastStopReason"_s), stopped);
        QCOMPARE(status.value(u"batteryMessage"_s), stopped);
        QVERIFY(!status.contains(u"effectiveMode"_s));
    }

    void sessionsGoThroughTheCoordinatorLikeTheMenu()
    {
        QSignalSpy changed(&client->proxy, &ControlProxy::ReasonsChanged);

        // "" is the preferences' mode (display here). The answer says what happened.
        QVariantMap outcome = Client::wait(client->proxy.StartManual(QString())).value();
        QCOMPARE(reasons().constFirst().label, u"Manual (display awake)"_s);
        QCOMPARE(outcome, (QVariantMap{{u"outcome"_s, u"started"_s},
                                       {u"id"_s, idText(reasons().constFirst().id)},
                                       {u"mode"_s, u"display"_s},
                                       {u"lock"_s, u"held"_s}}));
        rig->clock->advance(2); // past the window in which starts of a kind are shown as one
        outcome = Client::wait(client->proxy.StartManual(u"system"_s)).value();
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(reasons().constFirst().label, u"Manual keep-awake"_s);
        QCOMPARE(outcome.value(u"outcome"_s), u"replaced"_s);
        QCOMPARE(outcome.value(u"replaced"_s), u"Manual (display awake)"_s);
        QCOMPARE(outcome.value(u"mode"_s), u"system"_s);

        QVERIFY(!Client::wait(client->proxy.StartTimed(1800, QString())).isError());
        QCOMPARE(reasons().constLast().label, u"Timed: 30m 0s"_s);
        QCOMPARE(reasons().constLast().mode, AwakeMode::Display);
        // One change, one signal: the coordinator's several steps are sent as one.
        QTRY_COMPARE(changed.count(), 3);

        outcome = Client::wait(client->proxy.Extend(600)).value();
        QCOMPARE(outcome.value(u"outcome"_s), u"extended"_s);
        QCOMPARE(outcome.value(u"endsAt"_s), now() + 2400);
        QCOMPARE(reasons().constLast().endsAt, rig->clock->now().addSecs(2400));
        QCOMPARE(reasons().constLast().label, u"Timed: 40m 0s"_s);

        // Until replaces the timed session.
        QVERIFY(!Client::wait(client->proxy.StartUntil(now() + 3600, u"system"_s)).isError());
        QCOMPARE(reasons().size(), 2);
        QCOMPARE(reasons().constLast().type, ReasonType::UntilTime);
        QCOMPARE(reasons().constLast().endsAt, rig->clock->now().addSecs(3600));

        const QUuid manual = reasons().constFirst().id;
        QVERIFY(!Client::wait(client->proxy.StopReason(idText(manual).toLower())).isError());
        QCOMPARE(reasons().size(), 1);
        QVERIFY(!Client::wait(client->proxy.StopAll()).isError());
        QVERIFY(reasons().isEmpty());

        QCOMPARE(rig->sink->posts, (QList<Post>{{u"Keep-awake started"_s, u"Manual (display awake)"_s},
                                                {u"Keep-awake started"_s, u"Manual keep-awake"_s},
                                                {u"Keep-awake started"_s, u"Timed: 30m 0s"_s},
                                                {u"Keep-awake started"_s,
                                                 u"Until Today 1:00 PM\nReplaced the session \u201CTimed: 40m 0s\u201D."_s},
                                                {u"Keep-awake ended"_s, u"All sessions"_s}}));
    }

    // The lock is answered later: the command's answer waits for it (never the tray) and says
    // whether it was taken.
    void sessionAnswersTellWhatBecameOfTheLock_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::addColumn<QVariantMap>("expected");
        QTest::newRow("granted") << true << QVariantMap{{u"lock"_s, u"held"_s}};
        QTest::newRow("refused") << false
                                 << QVariantMap{{u"lock"_s, u"failed"_s},
                                                {u"lockError"_s, u"Could not create keep-awake assertion."_s}};
    }

    void sessionAnswersTellWhatBecameOfTheLock()
    {
        QFETCH(bool, granted);
        QFETCH(QVariantMap, expected);
        rig->lock->deferActivations = true;
        rig->lock->failActivations = !granted;

        QDBusPendingReply<QVariantMap> reply = client->proxy.StartTimed(60, QString());
        QTRY_VERIFY(rig->app->assertions().isTakingLock());
        QVERIFY(Client::wait(client->proxy.ListReasons()).value().size() == 1); // the tray answers meanwhile
        QVERIFY(!reply.isFinished());
        rig->lock->answerPending();
        const QVariantMap outcome = Client::wait(reply).value();
        QCOMPARE(outcome.value(u"mode"_s), u"display"_s);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(outcome.value(it.key()), it.value());
        QCOMPARE(outcome.contains(u"lockError"_s), !granted);
    }

    void badInputIsAnErrorAndChangesNothing_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("error");

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double infinity = std::numeric_limits<double>::infinity();
        const QString none;
        const qint64 at = QDateTime(QDate(2026, 3, 10), QTime(12, 0), QTimeZone::utc()).toSecsSinceEpoch();
        const QString someId = idText(QUuid::createUuid());

        QTest::newRow("NaN seconds") << u"StartTimed"_s << QVariantList{nan, none} << invalidArgs;
        QTest::newRow("infinite seconds") << u"StartTimed"_s << QVariantList{infinity, none} << invalidArgs;
        QTest::newRow("negative seconds") << u"StartTimed"_s << QVariantList{-60.0, none} << invalidArgs;
        QTest::newRow("zero seconds") << u"StartTimed"_s << QVariantList{0.0, none} << invalidArgs;
        QTest::newRow("absurd seconds") << u"StartTimed"_s << QVariantList{1e300, none} << invalidArgs;
        QTest::newRow("a day over the limit")
            << u"StartTimed"_s << QVariantList{367.0 * 86400, none} << invalidArgs;
        QTest::newRow("unknown mode") << u"StartTimed"_s << QVariantList{60.0, u"sideways"_s} << invalidArgs;
        QTest::newRow("mode in capitals") << u"StartManual"_s << QVariantList{u"Display"_s} << invalidArgs;
        QTest::newRow("end in the past") << u"StartUntil"_s << QVariantList{at - 60, none} << invalidArgs;
        QTest::newRow("end now") << u"StartUntil"_s << QVariantList{at, none} << invalidArgs;
        QTest::newRow("end too far") << u"StartUntil"_s << QVariantList{at + 400 * 86400LL, none}
                                     << invalidArgs;
        QTest::newRow("smallest end")
            << u"StartUntil"_s << QVariantList{std::numeric_limits<qlonglong>::min(), none} << invalidArgs;
        QTest::newRow("largest end") << u"StartUntil"_s
                                     << QVariantList{std::numeric_limits<qlonglong>::max(), none}
                                     << invalidArgs;
        QTest::newRow("until, unknown mode")
            << u"StartUntil"_s << QVariantList{at + 60, u"x"_s} << invalidArgs;
        QTest::newRow("extend by NaN") << u"Extend"_s << QVariantList{nan} << invalidArgs;
        QTest::newRow("nothing to extend") << u"Extend"_s << QVariantList{60.0} << nothingToExtend;
        QTest::newRow("malformed id") << u"StopReason"_s << QVariantList{u"last"_s} << invalidArgs;
        QTest::newRow("unknown id") << u"StopReason"_s << QVariantList{someId} << unknownReason;
        QTest::newRow("empty label") << u"Hold"_s << QVariantList{u" "_s, none} << invalidArgs;
        QTest::newRow("201 characters") << u"Hold"_s << QVariantList{QString(201, u'x'), none} << invalidArgs;
        QTest::newRow("line break") << u"Hold"_s << QVariantList{u"make\nrm -rf"_s, none} << invalidArgs;
        QTest::newRow("escape sequence") << u"Hold"_s << QVariantList{u"\x1b[2J"_s, none} << invalidArgs;
        QTest::newRow("hold, unknown mode") << u"Hold"_s << QVariantList{u"make"_s, u"both"_s} << invalidArgs;
        QTest::newRow("release a stranger") << u"Release"_s << QVariantList{someId} << unknownHold;
        QTest::newRow("release malformed") << u"Release"_s << QVariantList{u"{}"_s} << invalidArgs;
        const auto trigger = [](QVariantMap map) { return QVariantList{map}; };
        QTest::newRow("trigger: no kind") << u"AddTrigger"_s << trigger({}) << invalidArgs;
        QTest::newRow("trigger: unknown kind") << u"AddTrigger"_s << trigger({{u"kind"_s, u"moon"_s}}) << invalidArgs;
        QTest::newRow("trigger: unknown key")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"ac"_s}, {u"colour"_s, u"red"_s}}) << invalidArgs;
        QTest::newRow("trigger: wrong type")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"ac"_s}, {u"onlyOnAC"_s, u"yes"_s}}) << invalidArgs;
        QTest::newRow("trigger: bad unit")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"unit"_s}, {u"unit"_s, u"../../etc/passwd"_s}}) << invalidArgs;
        QTest::newRow("trigger: no unit") << u"AddTrigger"_s << trigger({{u"kind"_s, u"unit"_s}}) << invalidArgs;
        QTest::newRow("trigger: bad schedule")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"schedule"_s}, {u"schedule"_s, u"weekdays"_s}}) << invalidArgs;
        QTest::newRow("trigger: delay over a day")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"ac"_s}, {u"delay"_s, 86401u}}) << invalidArgs;
        QTest::newRow("trigger: name with a line break")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"ac"_s}, {u"name"_s, u"a\nb"_s}}) << invalidArgs;
        QTest::newRow("trigger: unknown mode")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"ac"_s}, {u"mode"_s, u"both"_s}}) << invalidArgs;
        QTest::newRow("trigger: network without a threshold")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"network"_s}}) << invalidArgs;
        QTest::newRow("trigger: busy without a process")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"busy"_s}, {u"cpuPercent"_s, 50.0}}) << invalidArgs;
        QTest::newRow("trigger: relative download folder")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"download"_s}, {u"folders"_s, QStringList{u"Downloads"_s}}})
            << invalidArgs;
        QTest::newRow("trigger: ignore list of numbers")
            << u"AddTrigger"_s << trigger({{u"kind"_s, u"audio"_s}, {u"ignore"_s, 3u}}) << invalidArgs;
        QTest::newRow("remove unknown trigger") << u"RemoveTrigger"_s << QVariantList{u"Docked"_s} << unknownTrigger;
        QTest::newRow("enable unknown trigger")
            << u"SetTriggerEnabled"_s << QVariantList{someId, true} << unknownTrigger;
        QTest::newRow("wrong argument types") << u"StartTimed"_s << QVariantList{u"60"_s, none}
                                              << u"org.freedesktop.DBus.Error.UnknownMethod"_s;
    }

    void badInputIsAnErrorAndChangesNothing()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, error);

        const QDBusMessage reply = client->call(method, arguments);
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), error);
        QVERIFY(!reply.errorMessage().isEmpty());
        QVERIFY(reasons().isEmpty());
        QVERIFY(rig->sink->posts.isEmpty());
        QVERIFY(rig->app->prefs().triggerRules().isEmpty());
    }

    // Triggers added, listed, turned off and removed over the bus are saved as the preferences
    // window saves them, and their reasons follow.
    void triggersOverTheBus()
    {
        rig->app->start();
        rig->triggers.units->statuses.insert({u"backup.service"_s, true}, {UnitPresence::Loaded, u"active"_s});
        const QVariantMap added{{u"kind"_s, u"unit"_s},   {u"unit"_s, u"backup.service"_s}, {u"userUnit"_s, true},
                                {u"name"_s, u"Backups"_s}, {u"mode"_s, u"system"_s},         {u"delay"_s, 0u},
                                {u"grace"_s, 90u},         {u"onlyOnAC"_s, false}};
        const QString id = Client::wait(client->proxy.AddTrigger(added)).value();
        QVERIFY(!QUuid::fromString(id).isNull());
        const QDBusReply<QString> again = client->call(u"AddTrigger"_s, {QVariantMap{{u"kind"_s, u"ac"_s}, {u"name"_s, u"backups"_s}}});
        QVERIFY(again.isValid());

        const QList<TriggerRule> &saved = rig->app->prefs().triggerRules();
        QCOMPARE(saved.size(), 2);
        QCOMPARE(saved.first().unit(), (UnitRef{u"backup.service"_s, true}));
        QCOMPARE(saved.first().graceSeconds, 90);
        QCOMPARE(saved.first().mode, std::optional(AwakeMode::System));
        QCOMPARE(reasons().size(), 1);
        QCOMPARE(reasons().first().label, u"While backup.service runs"_s);

        const QList<QVariantMap> listed = Client::wait(client->proxy.ListTriggers()).value();
        QCOMPARE(listed.size(), 2);
        QVariantMap first = listed.first();
        for (const QString &key : added.keys())
            QCOMPARE(first.value(key), added.value(key));
        QCOMPARE(first.value(u"id"_s).toString(), id);
        QVERIFY(first.value(u"active"_s).toBool() && first.value(u"holds"_s).toBool());
        QCOMPARE(first.value(u"condition"_s).toString(), u"backup.service running (user unit)"_s);

        // Two triggers share the name in all but case: only the id tells them apart.
        QCOMPARE(client->call(u"SetTriggerEnabled"_s, {u"BACKUPS"_s, false}).errorName(), unknownTrigger);
        QCOMPARE(client->call(u"SetTriggerEnabled"_s, {id, false}).type(), QDBusMessage::ReplyMessage);
        QVERIFY(!rig->app->prefs().triggerRules().first().enabled);
        QVERIFY(reasons().isEmpty());
        QCOMPARE(client->call(u"RemoveTrigger"_s, {id}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(rig->app->prefs().triggerRules().size(), 1);
        QCOMPARE(client->call(u"RemoveTrigger"_s, {u"backups"_s}).type(), QDBusMessage::ReplyMessage);
        QVERIFY(rig->app->prefs().triggerRules().isEmpty());
    }

    // No D-Bus library sends such text; a client writing it by hand is dropped by the bus before
    // anything reaches the service.
    void invalidUtf8NeverArrives()
    {
        QProcess client;
        client.start(u"/usr/bin/python3"_s,
                     {QStringLiteral(VIGILA_DBUS_TEMPLATE_DIR "/send_invalid_utf8.py")});
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QProcess::NotRunning, 10000);
        QCOMPARE(client.readAllStandardOutput().trimmed(), QByteArray("disconnected"));
        QVERIFY(reasons().isEmpty());
        QCOMPARE(Client::wait(this->client->proxy.Status()).value().value(u"reasonCount"_s), 0);
    }

    void holdsEndWithTheirOwner()
    {
        auto other = std::make_unique<Client>(u"other"_s);
        QSignalSpy ended(&client->proxy, &ControlProxy::HoldEnded);

        // A 200-character label fits, counted in characters (these take two UTF-16 units each).
        const QString longest = QString(199, u'x') + u"\U0001F600"_s;
        const QString id = Client::wait(client->proxy.Hold(longest, QString())).value();
        QCOMPARE(reasons().size(), 1);
        const AwakeReason held = reasons().constFirst();
        QCOMPARE(idText(held.id), id);
        QCOMPARE(held.type, ReasonType::Command);
        QCOMPARE(held.label, u"Terminal: "_s + longest);
        QCOMPARE(held.mode, AwakeMode::Display);
        QVERIFY(!held.endsAt);
        QVERIFY(rig->sink->posts.isEmpty());

        // Only its owner releases it; then it is gone and nobody is told it ended.
        QCOMPARE(Client::wait(other->proxy.Release(id)).error().name(), unknownHold);
        QVERIFY(!Client::wait(client->proxy.Release(id)).isError());
        QVERIFY(reasons().isEmpty());
        QCOMPARE(Client::wait(client->proxy.Release(id)).error().name(), unknownHold);

        // Stopped from the menu (or by another client): the owner hears of it.
        const QString stopped = Client::wait(client->proxy.Hold(u"make"_s, u"system"_s)).value();
        const QString alsoStopped = Client::wait(client->proxy.Hold(u"tar"_s, u"system"_s)).value();
        rig->app->assertions().removeReason(QUuid::fromString(stopped));
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(ended.constFirst().constFirst(), stopped);
        QVERIFY(!Client::wait(other->proxy.StopAll()).isError());
        QTRY_COMPARE(ended.count(), 2);
        QCOMPARE(ended.constLast().constFirst(), alsoStopped);
        QCOMPARE(Client::wait(client->proxy.Release(stopped)).error().name(), unknownHold);

        // Its owner leaves the bus (exit, crash, kill): every hold it had ends.
        Client::wait(other->proxy.Hold(u"one"_s, QString()));
        Client::wait(other->proxy.Hold(u"two"_s, QString()));
        Client::wait(client->proxy.Hold(u"mine"_s, QString()));
        QCOMPARE(reasons().size(), 3);
        other.reset();
        QTRY_COMPARE(reasons().size(), 1);
        QCOMPARE(reasons().constFirst().label, u"Terminal: mine"_s);
    }

    void aHoldOutlivesNoReleaseOfAnother()
    {
        auto other = std::make_unique<Client>(u"other"_s);
        const QString first = Client::wait(other->proxy.Hold(u"one"_s, QString())).value();
        Client::wait(other->proxy.Hold(u"two"_s, QString()));
        QVERIFY(!Client::wait(other->proxy.Release(first)).isError());
        QCOMPARE(reasons().size(), 1);
        other.reset();
        QTRY_VERIFY(reasons().isEmpty());
    }

    // A client holding in a loop is refused past its share, quickly, and the others still hold.
    void holdsAreCapped()
    {
        // In rounds: ten thousand calls awaited at once would measure the client's bookkeeping.
        const QList<QVariantList> calls(250, QVariantList{u"make"_s, QString()});
        QElapsedTimer timer;
        timer.start();
        QList<QDBusMessage> replies;
        while (replies.size() < 10000)
            replies << client->callMany(u"Hold"_s, calls);
        const qint64 elapsed = timer.elapsed();
        qInfo("10000 Hold calls answered in %lld ms", elapsed);
        QVERIFY2(elapsed <= 10000, "more than 1 ms a call");
        for (qsizetype i = 0; i < replies.size(); ++i) {
            const bool held = i < HoldRegistry::maximumPerOwner;
            QCOMPARE(replies.at(i).type(), held ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
            if (!held)
                QCOMPARE(replies.at(i).errorName(), limitReached);
        }
        QCOMPARE(reasons().size(), HoldRegistry::maximumPerOwner);

        // Everyone together: up to the total, then nobody more.
        std::vector<std::unique_ptr<Client>> others;
        const QList<QVariantList> share(HoldRegistry::maximumPerOwner, QVariantList{u"tar"_s, QString()});
        while (reasons().size() < HoldRegistry::maximumTotal) {
            others.push_back(std::make_unique<Client>(u"other %1"_s.arg(others.size())));
            for (const QDBusMessage &reply : others.back()->callMany(u"Hold"_s, share))
                QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        }
        QCOMPARE(reasons().size(), HoldRegistry::maximumTotal);
        Client last(u"last"_s);
        QCOMPARE(last.call(u"Hold"_s, {u"cp"_s, QString()}).errorName(), limitReached);

        // A released hold frees a place.
        client->call(u"Release"_s, {replies.constFirst().arguments().constFirst()});
        QCOMPARE(last.call(u"Hold"_s, {u"cp"_s, QString()}).type(), QDBusMessage::ReplyMessage);
    }

    // Extending again and again stops at 366 days from now; so far away the year is named.
    void extendIsCapped_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("calls");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<qint64>("endsIn");
        QTest::addColumn<QString>("label");

        const double year = 366.0 * 86400;
        QTest::newRow("timed, within") << u"StartTimed"_s << 1 << 3600.0 << 7200LL << u"Timed: 2h 0m"_s;
        QTest::newRow("timed, forty years")
            << u"StartTimed"_s << 40 << year << qint64(year) << u"Timed: 8784h 0m"_s;
        QTest::newRow("until, within")
            << u"StartUntil"_s << 2 << 86400.0 << 3600LL + 2 * 86400 << u"Until Mar 12, 1:00 PM"_s;
        QTest::newRow("until, forty years")
            << u"StartUntil"_s << 40 << year << qint64(year) << u"Until Mar 11, 2027, 12:00 PM"_s;
    }

    void extendIsCapped()
    {
        QFETCH(QString, start);
        QFETCH(int, calls);
        QFETCH(double, seconds);
        QFETCH(qint64, endsIn);
        QFETCH(QString, label);

        const QVariant first = start == u"StartTimed"_s ? QVariant(3600.0) : QVariant(now() + 3600);
        QCOMPARE(client->call(start, {first, QString()}).type(), QDBusMessage::ReplyMessage);
        for (const QDBusMessage &reply :
             client->callMany(u"Extend"_s, QList<QVariantList>(calls, QVariantList{seconds})))
            QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(reasons().constFirst().endsAt, rig->clock->now().addSecs(endsIn));
        QCOMPARE(reasons().constFirst().label, label);
    }

    // A script starting sessions in a loop: the first shows at once, the last when the burst is over.
    void aBurstOfStartsPostsTwice()
    {
        QList<QVariantList> calls;
        for (int minutes = 1; minutes <= 500; ++minutes)
            calls << QVariantList{minutes * 60.0, QString()};
        for (const QDBusMessage &reply : client->callMany(u"StartTimed"_s, calls))
            QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(rig->sink->posts, (QList<Post>{{u"Keep-awake started"_s, u"Timed: 1m 0s"_s}}));

        rig->clock->advance(2);
        rig->app->notifications().postDueStarts();
        QCOMPARE(rig->sink->posts.size(), 2);
        QCOMPARE(rig->sink->posts.constLast(),
                 (Post{u"Keep-awake started"_s, u"Timed: 8h 20m\nReplaced the session \u201CTimed: 8h 19m\u201D."_s}));
        QVERIFY(!rig->app->notifications().hasWaitingStarts());
    }
};

QTEST_GUILESS_MAIN(TestControlService)
#include "tst_control_service.moc"
