#include "DBusMockService.h"
#include "FakeBackends.h"
#include "MenuBarController.h"
#include "ScriptedMenuDialogs.h"
#include "linux/InhibitorSurvey.h"

#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Bus = DBusMockService::Bus;

namespace {

// The stock logind mock records every lock under this user and process.
constexpr uint mockUid = 1000;
constexpr uint mockPid = 123456;

using Answer = std::shared_ptr<std::optional<QList<OtherInhibitor>>>;

// Starts a survey; the answer lands in the returned slot (which outlives a failed test).
Answer ask(InhibitorSurvey &survey)
{
    auto answer = std::make_shared<std::optional<QList<OtherInhibitor>>>();
    survey.survey([answer](const QList<OtherInhibitor> &others) { *answer = others; });
    return answer;
}

QList<OtherInhibitor> answerOf(InhibitorSurvey &survey)
{
    const Answer answer = ask(survey);
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, 5000))
        return {{u"no answer"_s, {}, {}, {}, {}, {}, {}}};
    return **answer;
}

OtherInhibitor logindLock(const QString &what, const QString &who, const QString &why)
{
    return {u"logind"_s, who, why, what, u"block"_s, mockUid, mockPid};
}

OtherInhibitor gnomeLock(const QString &what, const QString &who, const QString &why)
{
    return {u"gnome-session"_s, who, why, what, u"block"_s, std::nullopt, std::nullopt};
}

} // namespace

// The survey against mocked logind and gnome-session, where other programs hold locks through
// connections of their own.
class TestInhibitorSurvey : public QObject {
    Q_OBJECT

    std::unique_ptr<DBusMockService> logind;
    std::unique_ptr<DBusMockService> gnomeSession;
    // Other programs' logind locks last as long as these descriptors.
    QList<QDBusUnixFileDescriptor> held;

    const QString hostileWho = u"<b>Backup</b> & co"_s;
    const QString hostileWhy = u"copying\n<i>/home</i>\t"_s + u"and more "_s.repeated(100);

    static QDBusConnection otherProgram(Bus bus)
    {
        return bus == Bus::System
                   ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, u"other (system)"_s)
                   : QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"other (session)"_s);
    }

    void logindInhibit(const QString &what, const QString &who, const QString &why, const QString &mode)
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                           u"org.freedesktop.login1.Manager"_s, u"Inhibit"_s);
        call.setArguments({what, who, why, mode});
        const QDBusMessage reply = otherProgram(Bus::System).call(call, QDBus::Block, 5000);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        held << qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().value(0));
    }

    void gnomeInhibit(const QString &appId, const QString &reason, uint flags)
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall(u"org.gnome.SessionManager"_s, u"/org/gnome/SessionManager"_s,
                                           u"org.gnome.SessionManager"_s, u"Inhibit"_s);
        call.setArguments({appId, 0u, reason, flags});
        QCOMPARE(otherProgram(Bus::Session).call(call, QDBus::Block, 5000).type(),
                 QDBusMessage::ReplyMessage);
    }

    // Locks of every kind, from other programs and from ourselves; what the survey should list.
    QList<OtherInhibitor> holdLocks()
    {
        logindInhibit(u"sleep"_s, u"Firefox"_s, u"Playing video"_s, u"block"_s);
        logindInhibit(u"idle:sleep"_s, hostileWho, hostileWhy, u"block"_s);
        logindInhibit(u"sleep"_s, u"updater"_s, u"Finishing a download"_s, u"delay"_s);
        logindInhibit(u"handle-lid-switch"_s, u"GNOME"_s, u"Lid handled by the desktop"_s, u"block"_s);
        // gnome-session's own lock for the inhibitors it lists itself.
        logindInhibit(u"sleep:shutdown"_s, u"alice"_s, u"user session inhibited"_s, u"block"_s);
        logindInhibit(u"idle"_s, u"Vigila"_s, u"Vigila: keep system awake"_s, u"block"_s);

        gnomeInhibit(u"org.gnome.Totem"_s, u"Playing a movie"_s, 8);
        gnomeInhibit(u"com.quillmere.vigila"_s, u"Vigila: keep system awake"_s, 4);
        gnomeInhibit(QString(), u"Vigila: keep display awake"_s, 8);    // ours, passed on by the portal
        gnomeInhibit(u"org.example.Editor"_s, u"Unsaved changes"_s, 1); // logout only
        gnomeInhibit(u"org.example.Sync"_s, u"Syncing"_s, 4 | 8 | 16);
        return {
            logindLock(u"sleep"_s, u"Firefox"_s, u"Playing video"_s),
            logindLock(u"idle:sleep"_s, hostileWho, hostileWhy),
            gnomeLock(u"idle"_s, u"org.gnome.Totem"_s, u"Playing a movie"_s),
            gnomeLock(u"sleep:idle"_s, u"org.example.Sync"_s, u"Syncing"_s),
        };
    }

    void startMocks()
    {
        QString error;
        logind = DBusMockService::start(u"logind"_s, Bus::System, u"org.freedesktop.login1"_s, {}, &error);
        QVERIFY2(logind, qPrintable(error));
        gnomeSession = DBusMockService::start(DBusMockService::templateDirectory() + u"/gnome_session.py"_s,
                                              Bus::Session, u"org.gnome.SessionManager"_s, {}, &error);
        QVERIFY2(gnomeSession, qPrintable(error));
    }

private slots:
    void cleanup()
    {
        held.clear();
        QDBusConnection::disconnectFromBus(u"other (system)"_s);
        QDBusConnection::disconnectFromBus(u"other (session)"_s);
        gnomeSession.reset();
        logind.reset();
    }

    void listsOtherProgramsLocksButNotOurs()
    {
        startMocks();
        const QList<OtherInhibitor> expected = holdLocks();
        InhibitorSurvey survey;
        QCOMPARE(answerOf(survey), expected);

        // The logind locks of our own process are ours too.
        InhibitorSurvey asMock(InhibitorSurvey::defaultDeadline, mockPid);
        QCOMPARE(answerOf(asMock), expected.mid(2));

        // A lock given back is gone from the next survey.
        held.removeFirst();
        QTRY_COMPARE(answerOf(survey), expected.mid(1));
    }

    // No service to ask: an empty answer at once, not at the deadline.
    void missingServicesAreAbsent()
    {
        InhibitorSurvey survey(1h);
        const Answer answer = ask(survey);
        QVERIFY(!answer->has_value()); // never inside the call
        QTRY_VERIFY(answer->has_value());
        QVERIFY((*answer)->isEmpty());
    }

    void aHungServiceIsLeftOutAtTheDeadline_data()
    {
        QTest::addColumn<bool>("logindHangs");
        QTest::newRow("gnome-session hangs") << false;
        QTest::newRow("logind hangs") << true;
    }

    void aHungServiceIsLeftOutAtTheDeadline()
    {
        QFETCH(bool, logindHangs);
        startMocks();
        const QList<OtherInhibitor> expected = holdLocks();
        (logindHangs ? logind : gnomeSession)->pause();

        InhibitorSurvey survey;
        QElapsedTimer timer;
        timer.start();
        const Answer first = ask(survey);
        const Answer second = ask(survey); // shares the running survey
        QVERIFY(timer.elapsed() < 300);
        QTRY_VERIFY_WITH_TIMEOUT(second->has_value(), 3000);
        QVERIFY(timer.elapsed() >= 450);
        QCOMPARE(*first, *second);
        // Without gnome-session's own list, its logind lock is all that tells of its inhibitors.
        const QList<OtherInhibitor> rest =
            logindHangs ? expected.mid(2)
                        : expected.first(2)
                              << logindLock(u"sleep:shutdown"_s, u"alice"_s, u"user session inhibited"_s);
        QCOMPARE(**first, rest);

        // Once it answers again, so does the survey, unbothered by the late answers.
        (logindHangs ? logind : gnomeSession)->resume();
        QCOMPARE(answerOf(survey), expected);
    }

    // The tray's menu opens at once while a service hangs, and fills in when the survey gives up.
    void theMenuOpensAtOnceWhileAServiceHangs()
    {
        startMocks();
        logindInhibit(u"sleep"_s, u"Firefox"_s, u"Playing video"_s, u"block"_s);
        logindInhibit(u"idle"_s, u"Steam"_s, u"Downloading\nupdates"_s, u"block"_s);
        gnomeInhibit(u"org.gnome.Totem"_s, u"Playing a movie"_s, 8);
        gnomeSession->pause();

        FakeBackends fakes;
        AppCoordinator::Backends backends = fakes.backends();
        backends.inhibitorSurvey = std::make_shared<InhibitorSurvey>();
        AppCoordinator coordinator(std::move(backends));
        MenuBarController controller(&coordinator, std::make_unique<ScriptedMenuDialogs>());
        QElapsedTimer timer;
        timer.start();
        controller.menu()->popup(QPoint(10, 10));
        QVERIFY(timer.elapsed() < 300);
        QVERIFY(QTest::qWaitForWindowExposed(controller.menu()));

        const auto lastLines = [&] {
            QStringList texts;
            for (const QAction *action : controller.menu()->actions())
                texts << (action->isSeparator() ? u"---"_s : action->text());
            return texts.mid(texts.indexOf(u"   None"_s) + 1, 4);
        };
        QTRY_COMPARE_WITH_TIMEOUT(
            lastLines(),
            (QStringList{u"---"_s, u"Also Keeping Awake"_s, u"   \u2022 Firefox \u2014 Playing video"_s,
                         u"   \u2022 Steam \u2014 Downloading updates"_s}),
            3000);
        QVERIFY(controller.menu()->isVisible());
        gnomeSession->resume();
    }
};

QTEST_MAIN(TestInhibitorSurvey)
#include "tst_inhibitor_survey.moc"
