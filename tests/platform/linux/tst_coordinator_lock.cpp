#include "DBusMockService.h"
#include "FakeClipboard.h"
#include "FakePowerSources.h"
#include "FakeProcessSnapshotProvider.h"
#include "InMemoryUserDefaults.h"
#include "linux/InhibitorPowerAssertion.h"
#include "ManualClock.h"
#include "RecordingNotificationSink.h"
#include "app/AppCoordinator.h"
#include "power/AssertionManager.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QTest>

using namespace Qt::StringLiterals;

// The coordinator on the real Linux lock backend, against a mocked logind on a private system
// bus: a session really holds an inhibitor, and stopping it really removes it.
class TestCoordinatorLock : public QObject {
    Q_OBJECT

    std::unique_ptr<DBusMockService> logind;

    QStringList inhibitors() const
    {
        QStringList result;
        for (const QVariantMap &lock : logind->logindInhibitors()) {
            result << u"%1|%2|%3|%4"_s.arg(lock[u"what"_s].toString(), lock[u"who"_s].toString(),
                                           lock[u"why"_s].toString(), lock[u"mode"_s].toString());
        }
        return result;
    }

private slots:
    void initTestCase()
    {
        QString error;
        logind = DBusMockService::start(u"logind"_s, DBusMockService::Bus::System, u"org.freedesktop.login1"_s, {},
                                        &error);
        QVERIFY2(logind, qPrintable(error));
    }

    void sessionHoldsARealInhibitorUntilStopped()
    {
        AppCoordinator app({std::make_shared<InMemoryUserDefaults>(), std::make_shared<InhibitorPowerAssertion>(),
                            std::make_shared<FakePowerSources>(), std::make_unique<FakeProcessSnapshotProvider>(),
                            std::make_shared<RecordingNotificationSink>(), u"com.quillmere.vigila"_s,
                            std::make_shared<FakeClipboard>(), std::make_shared<ManualClock>()});
        QVERIFY(inhibitors().isEmpty());

        app.startTimed(1800);
        QVERIFY(app.assertions().isTakingLock());
        QTRY_VERIFY(app.assertions().isAssertionActive());
        QCOMPARE(inhibitors(), QStringList{u"idle|Vigila|Vigila: keep system awake|block"_s});

        app.stopAll();
        QVERIFY(!app.assertions().isAssertionActive());
        QTRY_VERIFY(inhibitors().isEmpty());

        // Shutdown at quit releases a held lock too.
        app.startManual(AwakeMode::Display);
        QTRY_COMPARE(inhibitors().size(), 1);
        app.shutdown();
        QTRY_VERIFY(inhibitors().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCoordinatorLock)
#include "tst_coordinator_lock.moc"
