// The one-second heartbeat as the tray application runs it: expiry, the battery evaluation, the
// state refresh and the tray's redraw, in a manual session (nothing on show changes) and in a timed
// session (the time left changes). With no session at all the heartbeat rests and costs nothing. Counts what
// each tick hands to the tray (icon and tooltip changes) and whether it rebuilt the menu. Run offscreen:
// QT_QPA_PLATFORM=offscreen build/bench/bench_heartbeat

#include "BenchmarkMain.h"
#include "FakeBackends.h"
#include "MenuBarController.h"
#include "TrayMenu.h"

#include "timers/SessionTimerManager.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include <benchmark/benchmark.h>

namespace {

void runTicks(benchmark::State &state, bool timed)
{
    FakeBackends fakes;
    const auto coordinator = fakes.makeCoordinator();
    MenuBarController controller(coordinator.get());
    if (timed)
        coordinator->startTimed(8 * 3600.0);
    else
        coordinator->startManual(AwakeMode::System);
    QCoreApplication::sendPostedEvents();

    const QMenu *menu = controller.menu();
    const QAction *firstEntry = menu->actions().value(0);
    qint64 iconChanges = 0;
    qint64 toolTipChanges = 0;
    qint64 menuRebuilds = 0;
    qint64 iconKey = controller.icon().cacheKey();
    QString toolTip = controller.toolTip();
    for (auto _ : state) {
        fakes.clock->advance(1.0);
        coordinator->timers().tick(fakes.clock->now());
        QCoreApplication::sendPostedEvents();

        state.PauseTiming();
        iconChanges += controller.icon().cacheKey() != iconKey;
        iconKey = controller.icon().cacheKey();
        toolTipChanges += controller.toolTip() != toolTip;
        toolTip = controller.toolTip();
        menuRebuilds += menu->actions().value(0) != firstEntry;
        firstEntry = menu->actions().value(0);
        state.ResumeTiming();
    }
    const double ticks = double(state.iterations());
    state.counters["icon_changes_per_tick"] = double(iconChanges) / ticks;
    state.counters["tooltip_changes_per_tick"] = double(toolTipChanges) / ticks;
    state.counters["menu_rebuilds_per_tick"] = double(menuRebuilds) / ticks;
}

void BM_ManualSessionTick(benchmark::State &state)
{
    runTicks(state, false);
}
BENCHMARK(BM_ManualSessionTick)->Unit(benchmark::kMicrosecond);

void BM_TimedSessionTick(benchmark::State &state)
{
    runTicks(state, true);
}
BENCHMARK(BM_TimedSessionTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarks<QApplication>(argc, argv);
}
