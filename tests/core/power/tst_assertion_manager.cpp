#include "FakePowerAssertion.h"
#include "power/AssertionManager.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Call = FakePowerAssertion::Call;

class TestAssertionManager : public QObject {
    Q_OBJECT

    std::shared_ptr<FakePowerAssertion> backend;
    std::unique_ptr<AssertionManager> manager;
    int changes = 0;

    static AwakeReason make(AwakeMode mode, ReasonType type = ReasonType::Manual)
    {
        return {QUuid::createUuid(), type, u"r"_s, QDateTime::currentDateTimeUtc(), std::nullopt, mode};
    }

private slots:
    void init()
    {
        backend = std::make_shared<FakePowerAssertion>();
        changes = 0;
        manager = std::make_unique<AssertionManager>(backend, [this] { ++changes; });
    }

    void emptyListStillReleasesOnStopAll()
    {
        QCOMPARE(manager->effectiveMode(), std::nullopt);
        manager->stopAll();
        QCOMPARE(backend->calls, (QList<Call>{{Call::Release, std::nullopt, {}}}));
        QCOMPARE(changes, 1);
    }

    void secondReasonOfTheSameModeDoesNotReactivate()
    {
        manager->addReason(make(AwakeMode::System));
        manager->addReason(make(AwakeMode::System));
        QCOMPARE(backend->activateCount(), 1);
        QCOMPARE(backend->calls.first(), (Call{Call::Activate, AwakeMode::System, u"Vigila: keep system awake"_s}));
        QVERIFY(manager->isAssertionActive());
        QCOMPARE(manager->currentMode(), AwakeMode::System);
        QCOMPARE(changes, 2);
    }

    void displayOutranksSystemWhateverTheOrder()
    {
        const AwakeReason display = make(AwakeMode::Display);
        manager->addReason(make(AwakeMode::System));
        manager->addReason(display);
        manager->addReason(make(AwakeMode::System));
        QCOMPARE(manager->effectiveMode(), AwakeMode::Display);
        QCOMPARE(backend->activeMode(), AwakeMode::Display);
        QCOMPARE(backend->calls.last().reason, u"Vigila: keep display awake"_s);

        backend->calls.clear();
        manager->removeReason(display.id);
        // Switching back is one new lock in system mode (the backend drops the old one itself).
        QCOMPARE(backend->activateCount(), 1);
        QCOMPARE(backend->calls.last().mode, AwakeMode::System);
        QCOMPARE(manager->currentMode(), AwakeMode::System);
        QCOMPARE(manager->reasons().size(), 2);
    }

    void removingAnUnknownIdStillReconciles()
    {
        manager->addReason(make(AwakeMode::System));
        changes = 0;
        backend->calls.clear();
        manager->removeReason(QUuid::createUuid());
        QCOMPARE(manager->reasons().size(), 1);
        QCOMPARE(changes, 1);
        QVERIFY(backend->calls.isEmpty()); // held in the right mode: untouched
    }

    void updatingAnUnknownIdDoesNothing()
    {
        QSignalSpy spy(manager.get(), &AssertionManager::reasonsChanged);
        manager->updateReason(QUuid::createUuid(), [](AwakeReason &r) { r.label = u"x"_s; });
        QCOMPARE(changes, 0);
        QCOMPARE(spy.count(), 0);
        QVERIFY(backend->calls.isEmpty());
    }

    void updateSwitchesModeAndKeepsIdentity()
    {
        const AwakeReason r = make(AwakeMode::System);
        manager->addReason(r);
        backend->calls.clear();
        manager->updateReason(r.id, [](AwakeReason &x) {
            x.mode = AwakeMode::Display;
            x.label = u"relabelled"_s;
            x.id = QUuid::createUuid(); // not allowed to stick
            x.type = ReasonType::Command;
        });
        QCOMPARE(backend->calls, (QList<Call>{{Call::Activate, AwakeMode::Display, u"Vigila: keep display awake"_s}}));
        const AwakeReason &after = manager->reasons().first();
        QCOMPARE(after.id, r.id);
        QCOMPARE(after.type, ReasonType::Manual);
        QCOMPARE(after.startedAt, r.startedAt);
        QCOMPARE(after.label, u"relabelled"_s);
    }

    void failedActivationSurfacesAndIsRetried()
    {
        backend->failActivations = true;
        const AwakeReason r = make(AwakeMode::System);
        manager->addReason(r);
        QCOMPARE(manager->lastError(), u"Could not create keep-awake assertion."_s);
        QVERIFY(!manager->isAssertionActive());
        QCOMPARE(manager->currentMode(), std::nullopt);
        QCOMPARE(manager->reasons().size(), 1);

        // Every change retries while the reasons stay.
        manager->removeReason(QUuid::createUuid());
        QCOMPARE(backend->activateCount(), 2);

        // Removing the last reason releases nothing real, and the error goes with it.
        manager->removeReason(r.id);
        QVERIFY(!manager->isAssertionActive());
        QCOMPARE(manager->currentMode(), std::nullopt);
        QCOMPARE(manager->lastError(), std::nullopt);

        // A later success clears it.
        backend->failActivations = false;
        manager->addReason(make(AwakeMode::System));
        QCOMPARE(manager->lastError(), std::nullopt);
        QVERIFY(manager->isAssertionActive());
    }

    // A backend that answers from the event loop: meanwhile the lock is being taken (no error, no
    // claim); its report settles it without asking again, and only a change of reasons re-asks.
    void aLockAnsweredLaterIsBeingTakenMeanwhile_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::newRow("granted") << true;
        QTest::newRow("refused") << false;
    }

    void aLockAnsweredLaterIsBeingTakenMeanwhile()
    {
        QFETCH(bool, granted);
        backend->deferActivations = true;
        backend->failActivations = !granted;
        manager->addReason(make(AwakeMode::System));
        manager->addReason(make(AwakeMode::System));
        QVERIFY(manager->isTakingLock());
        QVERIFY(!manager->isAssertionActive());
        QCOMPARE(manager->lastError(), std::nullopt);
        QCOMPARE(backend->activateCount(), 1);

        const int before = changes;
        backend->answerPending();
        QCOMPARE(changes, before + 1);
        QVERIFY(!manager->isTakingLock());
        QCOMPARE(manager->isAssertionActive(), granted);
        QCOMPARE(manager->lastError().has_value(), !granted);
        QCOMPARE(backend->activateCount(), 1);

        manager->addReason(make(AwakeMode::System));
        QCOMPARE(backend->activateCount(), granted ? 1 : 2);
        QCOMPARE(manager->isTakingLock(), !granted);
    }

    void shutdownReleasesButKeepsReasons()
    {
        manager->addReason(make(AwakeMode::Display));
        changes = 0;
        manager->shutdown();
        QVERIFY(!backend->isActive());
        QVERIFY(!manager->isAssertionActive());
        QCOMPARE(manager->currentMode(), std::nullopt);
        QCOMPARE(manager->reasons().size(), 1);
        QCOMPARE(changes, 0);
    }

    void removeByTypeKeepsTheOrderOfTheRest()
    {
        const AwakeReason a = make(AwakeMode::System, ReasonType::Process);
        const AwakeReason b = make(AwakeMode::System, ReasonType::Manual);
        const AwakeReason c = make(AwakeMode::System, ReasonType::Command);
        for (const auto &r : {a, b, c})
            manager->addReason(r);
        manager->addReason(a); // duplicates are allowed
        QCOMPARE(manager->firstReason(ReasonType::Command)->id, c.id);
        manager->removeReasons(ReasonType::Manual);
        QCOMPARE(manager->reasons(), (QList<AwakeReason>{a, c, a}));
        manager->removeReason(a.id); // every reason with that id
        QCOMPARE(manager->reasons(), QList<AwakeReason>{c});
        QVERIFY(!manager->hasReason(ReasonType::Process));
    }

    void everyAssignmentSignals()
    {
        QSignalSpy reasons(manager.get(), &AssertionManager::reasonsChanged);
        QSignalSpy active(manager.get(), &AssertionManager::isAssertionActiveChanged);
        QSignalSpy mode(manager.get(), &AssertionManager::currentModeChanged);
        manager->addReason(make(AwakeMode::System));
        manager->addReason(make(AwakeMode::System)); // values unchanged, still signalled
        QCOMPARE(reasons.count(), 2);
        QCOMPARE(active.count(), 2);
        QCOMPARE(mode.count(), 2);
    }

    void destroyedBackendReleases()
    {
        bool released = false;
        {
            auto fake = std::make_shared<FakePowerAssertion>();
            fake->releasedOnDestruction = &released;
            AssertionManager m(fake);
            fake.reset();
            m.addReason(make(AwakeMode::System));
        }
        QVERIFY(released);
    }
};

QTEST_GUILESS_MAIN(TestAssertionManager)
#include "tst_assertion_manager.moc"
