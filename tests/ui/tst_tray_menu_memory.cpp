#include "HeapInUse.h"
#include "TrayMenu.h"

#include <QMenu>
#include <QTest>
#include <QTimeZone>

// Qt's table of debugging hooks (GammaRay's way in): slot 3 is called for every QObject made, slot 4
// for every one destroyed.
extern quintptr qtHookData[];

using namespace Qt::StringLiterals;

namespace {

qint64 liveObjects = 0;
qint64 madeObjects = 0;
void (*chainedAdd)(QObject *) = nullptr;
void (*chainedRemove)(QObject *) = nullptr;

void objectAdded(QObject *object)
{
    ++liveObjects;
    ++madeObjects;
    if (chainedAdd)
        chainedAdd(object);
}

void objectRemoved(QObject *object)
{
    --liveObjects;
    if (chainedRemove)
        chainedRemove(object);
}

MenuState idle()
{
    MenuState state;
    state.lastStopReason = u"Stopped because the timer ran out."_s;
    return state;
}

MenuState busy(const QDateTime &now)
{
    MenuState state;
    state.reasons = {{QUuid::createUuid(), ReasonType::Timed, u"Timed: 30m 0s"_s, now, now.addSecs(1800)},
                     {QUuid::createUuid(), ReasonType::Manual, u"Manual keep-awake"_s, now, std::nullopt}};
    state.effectiveMode = AwakeMode::System;
    state.lastError = u"Could not create keep-awake assertion."_s;
    state.processRules = {{QUuid::createUuid(), u"make"_s, true, ProcessMatchMode::Exact}};
    state.otherInhibitors = {
        {u"logind"_s, u"firefox"_s, u"Playing video"_s, u"idle"_s, u"block"_s, 1000, 4242}};
    return state;
}

} // namespace

class TestTrayMenuMemory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        chainedAdd = reinterpret_cast<void (*)(QObject *)>(qtHookData[3]);
        chainedRemove = reinterpret_cast<void (*)(QObject *)>(qtHookData[4]);
        qtHookData[3] = reinterpret_cast<quintptr>(&objectAdded);
        qtHookData[4] = reinterpret_cast<quintptr>(&objectRemoved);
    }

    void reopeningCostsNoMemory()
    {
        // Opening alternates between two states of different shape; in between, the same state
        // opens again a minute later (only texts differ).
        const QDateTime start(QDate(2026, 3, 28), QTime(22, 0), QTimeZone::utc());
        const MenuState states[] = {idle(), busy(start)};
        TrayMenu tray;
        const auto open = [&](int i) {
            tray.update(MenuModel::build(states[i / 2 % 2], start.addSecs(60 * i)));
            emit tray.menu()->aboutToShow();
            emit tray.menu()->aboutToHide();
        };
        for (int i = 0; i < 200; ++i)
            open(i);
        const qint64 heap = heapInUse();
        const qint64 objects = liveObjects;
        for (int i = 200; i < 4000; ++i)
            open(i);
        QCOMPARE(liveObjects, objects);
        QVERIFY2(heapInUse() - heap < 2 * 1024,
                 qPrintable(u"heap grew from %1 to %2 bytes"_s.arg(heap).arg(heapInUse())));

        // An unchanged shape reuses every entry.
        open(4000);
        const qint64 made = madeObjects;
        open(4001);
        QCOMPARE(madeObjects, made);
    }
};

QTEST_MAIN(TestTrayMenuMemory)
#include "tst_tray_menu_memory.moc"
