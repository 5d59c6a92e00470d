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

#include <algorithm>

using namespace Qt::StringLiterals;
using Bus = DBusMockService::Bus;
using Answer = std::shared_ptr<std::optional<QList<OtherInhibitor>>>;

// The survey against mocked logind and gnome-session, in which other programs hold locks through
// connections of their own.
class TestInhibitorSurvey : public QObject {
    Q_OBJECT

    std::unique_ptr<DBusMockService> logind;
    std::unique_ptr<DBusMockService> gnomeSession;
    QList<QDBusUnixFileDescriptor> held; // other programs' logind locks last as long as these

    // The answer lands in the returned slot, which outlives a failed test.
    static Answer ask(InhibitorSurvey &survey)
    {
        auto answer = std::make_shared<std::optional<QList<OtherInhibitor>>>();
        survey.survey([answer](const QList<OtherInhibitor> &others) { *answer = others; });
        return answer;
    }

    void inhibit(Bus bus, const QVariantList &arguments)
    {
        const bool system = bus == Bus::System;
        QDBusMessage call =
            system ? QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                                    u"org.freedesktop.login1.Manager"_s, u"Inhibit"_s)
                   : QDBusMessage::createMethodCall(u"org.gnome.SessionManager"_s,
                                                    u"/org/gnome/SessionManager"_s,
                                                    u"org.gnome.SessionManager"_s, u"Inhibit"_s);
        call.setArguments(arguments);
        const QDBusMessage reply =
            QDBusConnection::connectToBus(system ? QDBusConnection::SystemBus : QDBusConnection::SessionBus,
                                          system ? u"other (system)"_s : u"other (session)"_s)
                .call(call, QDBus::Block, 5000);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        if (system)
            held << qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().value(0));
    }

    // Locks of every kind, other programs' and our own; returns what the survey should list.
    QList<OtherInhibitor> holdLocks()
    {
        QString error;
        logind = DBusMockService::start(u"logind"_s, Bus::System, u"org.freedesktop.login1"_s, {}, &error);
        gnomeSession = DBusMockService::start(DBusMockService::templateDirectory() + u"/gnome_session.py"_s,
                                              Bus::Session, u"org.gnome.SessionManager"_s, {}, &error);
        if (!logind || !gnomeSession)
            qFatal("%s", qPrintable(error));
        const QString who = u"<b>Backup</b> & co"_s;
        const QString why = u"copying\n<i>/home</i>\t"_s + u"and more "_s.repeated(100);
        for (const QStringList &lock : {
                 QStringList{u"sleep"_s, u"Firefox"_s, u"Playing video"_s, u"block"_s},
                 QStringList{u"idle:sleep"_s, who, why, u"block"_s},
                 QStringList{u"sleep"_s, u"updater"_s, u"Finishing a download"_s, u"delay"_s},
                 QStringList{u"handle-lid-switch"_s, u"GNOME"_s, u"Lid handled by the desktop"_s, u"block"_s},
                 // gnome-session's own lock for the inhibitors it lists itself
                 QStringList{u"sleep:shutdown"_s, u"alice"_s, u"user session inhibited"_s, u"block"_s},
                 QStringList{u"idle"_s, u"Vigila"_s, u"Vigila: keep system awake"_s, u"block"_s},
             })
            inhibit(Bus::System, {lock[0], lock[1], lock[2], lock[3]});
        inhibit(Bus::Session, {u"org.gnome.Totem"_s, 0u, u"Playing a movie"_s, 8u});
        inhibit(Bus::Session, {u"com.quillmere.vigila"_s, 0u, u"Vigila: keep system awake"_s, 4u});
        inhibit(Bus::Session,
                {QString(), 0u, u"Vigila: keep display awake"_s, 8u}); // ours, through the portal
        inhibit(Bus::Session, {u"org.example.Editor"_s, 0u, u"Unsaved changes"_s, 1u}); // logout only
        inhibit(Bus::Session, {u"org.example.Sync"_s, 0u, u"Syncing"_s, 4u | 8u | 16u});
        // Another Vigila's locks (another session's, another user's) are another program's.
        return {
            {u"logind"_s, u"Firefox"_s, u"Playing video"_s, u"sleep"_s, u"block"_s, 1000, 123456},
            {u"logind"_s, who, why, u"idle:sleep"_s, u"block"_s, 1000, 123456},
            {u"logind"_s, u"Vigila"_s, u"Vigila: keep system awake"_s, u"idle"_s, u"block"_s, 1000, 123456},
            {u"gnome-session"_s, u"org.gnome.Totem"_s, u"Playing a movie"_s, u"idle"_s, u"block"_s, {}, {}},
            {u"gnome-session"_s, QString(), u"Vigila: keep display awake"_s, u"idle"_s, u"block"_s, {}, {}},
            {u"gnome-session"_s, u"org.example.Sync"_s, u"Syncing"_s, u"sleep:idle"_s, u"block"_s, {}, {}},
        };
    }
    static constexpr qsizetype logindCount = 3;

private slots:
    void cleanup()
    {
        held.clear();
        QDBusConnection::disconnectFromBus(u"other (system)"_s);
        QDBusConnection::disconnectFromBus(u"other (session)"_s);
        gnomeSession.reset();
        logind.reset();
    }

    void listsOtherProgramsLocksButNotOurs_data()
    {
        QTest::addColumn<QSet<uint>>("ownPids");
        QTest::addColumn<QString>("heldLockName");
        QTest::addColumn<QStringList>("hidden"); // besides ours under our application id

        const QSet<uint> self{uint(QCoreApplication::applicationPid())};
        const QString system = u"Vigila: keep system awake"_s;
        const QString display = u"Vigila: keep display awake"_s;
        // The stock logind mock records every lock under process 123456.
        QTest::newRow("holding nothing") << self << QString() << QStringList{};
        QTest::newRow("a client we hold for holds them")
            << (QSet<uint>(self) << 123456) << QString()
            << QStringList{u"Playing video"_s, u"copying"_s, system};
        QTest::newRow("ours held directly, another under its name") << self << system << QStringList{};
        QTest::newRow("ours held through the portal") << self << display << QStringList{display};
    }

    void listsOtherProgramsLocksButNotOurs()
    {
        QFETCH(QSet<uint>, ownPids);
        QFETCH(QString, heldLockName);
        QFETCH(QStringList, hidden);

        QList<OtherInhibitor> expected = holdLocks();
        expected.removeIf([&](const OtherInhibitor &lock) {
            return std::any_of(hidden.cbegin(), hidden.cend(),
                               [&](const QString &why) { return lock.why.startsWith(why); });
        });
        InhibitorSurvey survey(InhibitorSurvey::defaultDeadline, [&] {
            InhibitorSurvey::OwnLocks own = InhibitorSurvey::OwnLocks::ofThisProcess();
            own.pids = ownPids;
            if (!heldLockName.isEmpty())
                own.heldLockName = heldLockName;
            return own;
        });
        const Answer answer = ask(survey);
        QTRY_COMPARE(*answer, expected);
    }

    // Nothing to ask: an empty answer at once rather than at the deadline, and never inside the call.
    void missingServicesAreAbsent()
    {
        InhibitorSurvey survey(std::chrono::hours(1));
        const Answer answer = ask(survey);
        QVERIFY(!answer->has_value());
        QTRY_COMPARE(*answer, QList<OtherInhibitor>());
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
        const QList<OtherInhibitor> expected = holdLocks();
        DBusMockService &hung = *(logindHangs ? logind : gnomeSession);
        hung.pause();
        InhibitorSurvey survey;
        QElapsedTimer timer;
        timer.start();
        const Answer first = ask(survey);
        const Answer second = ask(survey); // shares the running survey
        QVERIFY(timer.elapsed() < 300);
        QTRY_VERIFY_WITH_TIMEOUT(second->has_value(), 3000);
        QVERIFY(timer.elapsed() >= 450);
        // Without gnome-session's own list, its logind lock is all that tells of its inhibitors.
        const OtherInhibitor gnomeLock{
            u"logind"_s, u"alice"_s, u"user session inhibited"_s, u"sleep:shutdown"_s, u"block"_s,
            1000,        123456};
        QCOMPARE(**first,
                 logindHangs ? expected.mid(logindCount) : expected.first(2) << gnomeLock << expected.at(2));
        QCOMPARE(*second, *first);

        hung.resume(); // its late answers disturb nothing
        const Answer again = ask(survey);
        QTRY_COMPARE(*again, expected);
    }

    // The tray menu opens at once while a service hangs, and fills in when the survey gives up on it.
    void theMenuOpensAtOnceWhileAServiceHangs()
    {
        holdLocks();
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
        const auto lines = [&] {
            QStringList texts;
            for (const QAction *action : controller.menu()->actions()) {
                if (action->isVisible()) // entries no shape needs now are hidden, not removed
                    texts << action->text();
            }
            return texts.mid(texts.indexOf(u"Also Keeping Awake"_s), 4);
        };
        QTRY_COMPARE_WITH_TIMEOUT(
            lines(),
            (QStringList{
                u"Also Keeping Awake"_s, u"   \u2022 Firefox \u2014 Playing video"_s,
                u"   \u2022 <b>Backup</b> && co \u2014 copying \u2026 and more and more and more and mor\u2026"_s,
                u"   \u2022 alice \u2014 user session inhibited"_s}),
            3000);
        gnomeSession->resume();
    }
};

QTEST_MAIN(TestInhibitorSurvey)
#include "tst_inhibitor_survey.moc"
