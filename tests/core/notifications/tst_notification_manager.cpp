#include "ManualClock.h"
#include "RecordingNotificationSink.h"
#include "notifications/NotificationManager.h"

#include <QTest>

#include <climits>
#include <thread>

using namespace Qt::StringLiterals;
using Post = RecordingNotificationSink::Post;
using Event = std::function<void(NotificationManager &)>;

Q_DECLARE_METATYPE(Event)

class TestNotificationManager : public QObject {
    Q_OBJECT

    std::shared_ptr<RecordingNotificationSink> sink;
    std::unique_ptr<NotificationManager> manager;

    static QList<Event> everyEvent()
    {
        return {
            [](NotificationManager &m) { m.sessionStarted(ReasonType::Manual, u"Manual"_s); },
            [](NotificationManager &m) { m.sessionEnded(u"All sessions"_s); },
            [](NotificationManager &m) { m.batteryWarning(u"Battery at 10%"_s); },
            [](NotificationManager &m) { m.assertionFailed(); },
            [](NotificationManager &m) { m.processWatchActivated(u"node"_s); },
            [](NotificationManager &m) { m.processWatchReleased(u"node"_s); },
            [](NotificationManager &m) { m.commandFinished(u"make"_s, 0); },
            [](NotificationManager &m) { m.commandFinished(u"make"_s, 1); },
            [](NotificationManager &m) { m.commandFinished(u"make"_s, std::nullopt); },
            [](NotificationManager &m) { m.commandFailedToStart(u"make"_s, u"Shell not found: /bin/zsh"_s); },
        };
    }

private slots:
    void init()
    {
        sink = std::make_shared<RecordingNotificationSink>();
        manager = std::make_unique<NotificationManager>(sink, NotificationManager::productionApplicationId());
    }

    void eventTexts_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        auto row = [](const char *name, Event event, const QString &title, const QString &body) {
            QTest::newRow(name) << event << title << body;
        };
        row(
            "session started",
            [](NotificationManager &m) { m.sessionStarted(ReasonType::Timed, u"Timed: 30m 0s"_s); },
            u"Keep-awake started"_s, u"Timed: 30m 0s"_s);
        row(
            "session ended", [](NotificationManager &m) { m.sessionEnded(u"All sessions"_s); },
            u"Keep-awake ended"_s, u"All sessions"_s);
        row(
            "battery warning", [](NotificationManager &m) { m.batteryWarning(u"Battery low (15%)"_s); },
            u"Battery warning"_s, u"Battery low (15%)"_s);
        row(
            "assertion failed", [](NotificationManager &m) { m.assertionFailed(); }, u"Vigila error"_s,
            u"Could not create keep-awake assertion."_s);
        row(
            "process active", [](NotificationManager &m) { m.processWatchActivated(u"node"_s); },
            u"Process watch active"_s, u"Keeping awake while \u201Cnode\u201D runs."_s);
        row(
            "process released", [](NotificationManager &m) { m.processWatchReleased(u"a<b>&c"_s); },
            u"Process watch released"_s, u"\u201Ca<b>&c\u201D is no longer running."_s);
        row(
            "command exit 0", [](NotificationManager &m) { m.commandFinished(u"make build"_s, 0); },
            u"Command finished"_s, u"make build\nExit code 0"_s);
        row(
            "command exit 2", [](NotificationManager &m) { m.commandFinished(u"make build"_s, 2); },
            u"Command failed"_s, u"make build\nExit code 2"_s);
        row(
            "command negative", [](NotificationManager &m) { m.commandFinished(u"sleep 9"_s, -15); },
            u"Command failed"_s, u"sleep 9\nExit code -15"_s);
        row(
            "command INT_MIN", [](NotificationManager &m) { m.commandFinished(u"x"_s, INT_MIN); },
            u"Command failed"_s, u"x\nExit code -2147483648"_s);
        row(
            "command cancelled",
            [](NotificationManager &m) { m.commandFinished(u"make build"_s, std::nullopt); },
            u"Command cancelled"_s, u"make build"_s);
        row(
            "multi-line command", [](NotificationManager &m) { m.commandFinished(u"a\nb"_s, std::nullopt); },
            u"Command cancelled"_s, u"a\nb"_s);
        row(
            "command failed to start",
            [](NotificationManager &m) {
                m.commandFailedToStart(u"make build"_s, u"Shell not found: /bin/zsh"_s);
            },
            u"Command failed to start"_s, u"make build\nShell not found: /bin/zsh"_s);
    }

    void eventTexts()
    {
        QFETCH(Event, event);
        QFETCH(QString, title);
        QFETCH(QString, body);
        manager->quietProcessWatch = [] { return false; };
        event(*manager);
        QCOMPARE(sink->posts, (QList<Post>{{title, body}}));
    }

    void defaultsKeepProcessWatchQuietOnly()
    {
        manager->processWatchActivated(u"node"_s);
        manager->processWatchReleased(u"node"_s);
        QVERIFY(sink->posts.isEmpty());
        manager->sessionStarted(ReasonType::Manual, u"Manual"_s);
        QCOMPARE(sink->posts, (QList<Post>{{u"Keep-awake started"_s, u"Manual"_s}}));
    }

    void disabledPostsNothingAndAsksNothing()
    {
        manager->isEnabled = [] { return false; };
        manager->quietProcessWatch = [] { return false; };
        for (const Event &event : everyEvent())
            event(*manager);
        QVERIFY(sink->posts.isEmpty());
        QCOMPARE(sink->authorizationRequests, 0);
    }

    // Without a tray the switch cannot be reached, and nothing else tells the user.
    void missingTrayIsToldWithNotificationsOff()
    {
        manager->isEnabled = [] { return false; };
        manager->noSystemTray(u"No system tray found"_s);
        QCOMPARE(sink->posts, (QList<Post>{{u"Vigila has no icon"_s, u"No system tray found"_s}}));
    }

    void switchesAreAskedAtEveryEvent()
    {
        bool enabled = false;
        bool quiet = false;
        int asked = 0;
        manager->isEnabled = [&] {
            ++asked;
            return enabled;
        };
        manager->quietProcessWatch = [&] { return quiet; };

        manager->batteryWarning(u"one"_s);
        enabled = true;
        manager->batteryWarning(u"two"_s);
        manager->processWatchActivated(u"a"_s);
        quiet = true;
        manager->processWatchActivated(u"b"_s);
        enabled = false;
        quiet = false;
        manager->processWatchReleased(u"c"_s);

        QCOMPARE(sink->posts,
                 (QList<Post>{{u"Battery warning"_s, u"two"_s},
                              {u"Process watch active"_s, u"Keeping awake while \u201Ca\u201D runs."_s}}));
        QCOMPARE(asked, 4); // a quiet process event stops before asking whether notifications are on
    }

    void identicalEventsPostTwice()
    {
        manager->sessionEnded(u"Manual"_s);
        manager->sessionEnded(u"Manual"_s);
        QCOMPARE(sink->posts.size(), 2);
        QCOMPARE(sink->posts.at(0), sink->posts.at(1));
    }

    // A burst of starts shows the first at once and the latest of each kind when its window ends;
    // nothing waits, and no timer runs, once they are shown.
    void sessionStartsOfAKindAreCoalesced()
    {
        const auto clock = std::make_shared<ManualClock>();
        NotificationManager coalescing(sink, NotificationManager::productionApplicationId(), clock);
        const auto started = [](const QString &label) { return Post{u"Keep-awake started"_s, label}; };
        for (int i = 1; i <= 3; ++i) {
            coalescing.sessionStarted(ReasonType::Timed, u"Timed %1"_s.arg(i));
            coalescing.sessionStarted(ReasonType::Manual, u"Manual %1"_s.arg(i));
            clock->advance(0.5);
        }
        QCOMPARE(sink->posts, (QList<Post>{started(u"Timed 1"_s), started(u"Manual 1"_s)}));
        QVERIFY(coalescing.hasWaitingStarts());

        coalescing.postDueStarts(); // early: the window is still open
        QCOMPARE(sink->posts.size(), 2);
        clock->advance(0.5);
        coalescing.postDueStarts();
        QCOMPARE(sink->posts.mid(2), (QList<Post>{started(u"Manual 3"_s), started(u"Timed 3"_s)}));
        QVERIFY(!coalescing.hasWaitingStarts());

        // The next window counts from that post: a start 2 s later shows at once.
        clock->advance(2);
        coalescing.sessionStarted(ReasonType::Timed, u"Timed 4"_s);
        QCOMPARE(sink->posts.constLast(), started(u"Timed 4"_s));
        QVERIFY(!coalescing.hasWaitingStarts());
    }

    void noApplicationIdPostsNothingAndAsksNothing()
    {
        NotificationManager anonymous(sink, QString());
        anonymous.quietProcessWatch = [] { return false; };
        anonymous.requestAuthorizationIfNeeded();
        for (const Event &event : everyEvent())
            event(anonymous);
        QVERIFY(sink->posts.isEmpty());
        QCOMPARE(sink->authorizationRequests, 0);
        QVERIFY(!anonymous.isAuthorized());
    }

    void authorizationIsAskedOnceWhateverCallsFirst()
    {
        manager->sessionStarted(ReasonType::Manual, u"Manual"_s); // the first post asks
        manager->requestAuthorizationIfNeeded();
        manager->sessionEnded(u"Manual"_s);
        manager->requestAuthorizationIfNeeded();
        QCOMPARE(sink->authorizationRequests, 1);
        QCOMPARE(sink->posts.size(), 2); // posting does not wait for the answer

        NotificationManager second(sink, NotificationManager::productionApplicationId());
        second.requestAuthorizationIfNeeded();
        second.requestAuthorizationIfNeeded();
        second.assertionFailed();
        QCOMPARE(sink->authorizationRequests, 2);
    }

    void deniedAuthorizationStillPosts()
    {
        manager->requestAuthorizationIfNeeded();
        sink->pendingAnswer(false);
        QCoreApplication::processEvents();
        QVERIFY(!manager->isAuthorized());
        manager->assertionFailed();
        QCOMPARE(sink->posts.size(), 1);
    }

    void answerFromAnotherThreadLandsOnTheMainThread()
    {
        manager->requestAuthorizationIfNeeded();
        QCOMPARE(sink->authorizationRequests, 1);
        std::thread platform([answer = sink->pendingAnswer] { answer(true); });
        platform.join();
        QVERIFY(!manager->isAuthorized()); // handed over, not written from the other thread
        QTRY_VERIFY(manager->isAuthorized());
    }

    void lateAnswerAfterTheManagerIsGoneIsIgnored()
    {
        manager->requestAuthorizationIfNeeded();
        auto answer = sink->pendingAnswer;
        manager.reset();
        // A successor (quite possibly at the same address) must not take the old answer.
        manager = std::make_unique<NotificationManager>(sink, NotificationManager::productionApplicationId());
        answer(true);
        QCoreApplication::processEvents();
        QVERIFY(!manager->isAuthorized());
    }
};

QTEST_GUILESS_MAIN(TestNotificationManager)
#include "tst_notification_manager.moc"
