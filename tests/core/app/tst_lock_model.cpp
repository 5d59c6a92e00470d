#include "CoordinatorRig.h"
#include "commands/CommandRunner.h"
#include "power/AssertionManager.h"
#include "power/PowerSourceMonitor.h"
#include "processes/ProcessWatcher.h"
#include "timers/SessionTimerManager.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>

using namespace Qt::StringLiterals;

// Random sequences of user actions, process and power changes, clock jumps and backend faults,
// checked after every step against a small model of which lock should be held.
//
// VIGILA_MODEL_SEED=<number> replays a sequence (VIGILA_MODEL_SEED=random picks a new one, printed
// at the start); VIGILA_MODEL_STEPS=<count> sets its length.

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

#ifndef VIGILA_MODEL_DEFAULT_STEPS
#define VIGILA_MODEL_DEFAULT_STEPS 100000
#endif
constexpr qint64 defaultSteps = VIGILA_MODEL_DEFAULT_STEPS;
constexpr quint64 defaultSeed = 20260310;
// A real shell run now and then; the rest of the command runs go through the reason alone.
constexpr qint64 realCommandEvery = 5000;

// End times are pinned to the first and last days the app shows.
qint64 latestMs()
{
    return QDateTime(QDate(9999, 12, 30), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();
}
qint64 earliestMs()
{
    return QDateTime(QDate(1, 1, 2), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();
}

QString describe(std::optional<AwakeMode> mode)
{
    return mode ? rawValue(*mode) : u"none"_s;
}

// The processes the sequence starts and stops, and the rules that watch them. Which rule matches
// which process is worked out by hand, not by the matcher.
const QList<RunningProcess> &processPool()
{
    static const QList<RunningProcess> pool{
        {101, u"make"_s, u"/usr/bin/make -j2"_s},
        {102, u"MAKE"_s, u"/opt/tools/MAKE all"_s},
        {103, u"cargo"_s, u"cargo build --release"_s},
        {104, u"python3"_s, u"python3 train.py --epochs 3"_s},
        {105, u"node"_s, u"node server.js"_s},
        {106, u"bash"_s, u"bash -c make-world"_s},
        {107, u"rsync"_s, u"rsync -a /src/ /backup/"_s},
    };
    return pool;
}

struct WatchedRule {
    ProcessRule rule;
    QList<int> matches; // indices into processPool()
};

QList<WatchedRule> watchedRules()
{
    const auto rule = [](const QString &name, ProcessMatchMode mode, bool enabled) {
        return ProcessRule{QUuid::createUuid(), name, enabled, mode};
    };
    return {
        {rule(u"make"_s, ProcessMatchMode::Exact, true), {0, 1}},
        {rule(u"TRAIN"_s, ProcessMatchMode::Contains, true), {3}},
        {rule(u"node"_s, ProcessMatchMode::Exact, false), {4}},
        {rule(u"cargo"_s, ProcessMatchMode::Contains, true), {2}},
        {rule(u"make-"_s, ProcessMatchMode::Contains, true), {5}},
        {rule(u"rsync "_s, ProcessMatchMode::Exact, true), {}}, // names are never trimmed
    };
}

// ---------------------------------------------------------------------------------------------
// The reference model. It knows the reasons a user would say exist and the promise about the lock:
// none without reasons, else display if any reason wants display, else system. Every change to the
// reasons asks the backend again unless it already holds exactly that lock; a refusing backend is
// left holding nothing, and the error stands until a lock is taken or nothing is wanted.

struct PowerSeen {
    bool onBattery = false;
    std::optional<int> percent;
};

struct Stats {
    qint64 expiries = 0;
    qint64 batteryStops = 0;
    qint64 refusedActivations = 0;
    qint64 errorsCleared = 0;
    qint64 processClaims = 0;
    qint64 realCommands = 0;
    qint64 displayHeldSteps = 0;
    qint64 systemHeldSteps = 0;
    qsizetype mostReasons = 0;
};

class LockModel {
public:
    struct Deadline {
        ReasonType type;
        qint64 endMs;
        AwakeMode mode;
    };
    struct Watch {
        bool enabled = false;
        bool claimed = false; // the watcher holds an id for it
        bool present = false; // that reason is in the list
        int labelCount = 0;
    };

    std::optional<AwakeMode> manual;
    std::optional<Deadline> deadline;
    bool command = false;
    QList<Watch> watches;
    QList<bool> running;

    std::optional<AwakeMode> held;
    bool error = false;
    bool failing = false;
    qint64 activations = 0; // times the backend was asked for a lock

    AwakeMode defaultMode = AwakeMode::System;
    BatterySettings battery;
    PowerSeen offered; // what the power source would report now
    PowerSeen seen;    // what it reported at the last refresh
    Stats stats;

    qsizetype reasonCount() const
    {
        qsizetype n = (manual ? 1 : 0) + (deadline ? 1 : 0) + (command ? 1 : 0);
        for (const Watch &w : watches)
            n += w.present ? 1 : 0;
        return n;
    }

    std::optional<AwakeMode> wanted() const
    {
        if (reasonCount() == 0)
            return std::nullopt;
        if (manual == AwakeMode::Display || (deadline && deadline->mode == AwakeMode::Display))
            return AwakeMode::Display;
        return AwakeMode::System; // process and command reasons only keep the system up
    }

    // One change to the reasons has been made.
    void changed()
    {
        const auto want = wanted();
        if (!want) {
            held.reset();
            error = false; // nothing asked for: no failure to report
            return;
        }
        if (held == want)
            return; // never asks again for the lock it holds: each request may drop it for a moment
        ++activations;
        held.reset(); // a backend drops what it holds before it tries for another lock
        if (failing) {
            error = true;
            ++stats.refusedActivations;
        } else {
            if (error)
                ++stats.errorsCleared;
            held = want;
            error = false;
        }
    }

    // The backend's lock changed by itself and the app looked again.
    void resync()
    {
        if (error && held && held == wanted()) {
            error = false;
            ++stats.errorsCleared;
        }
        changed();
    }

    void clearAll()
    {
        manual.reset();
        deadline.reset();
        command = false;
        for (Watch &w : watches)
            w.present = false; // claims stay: a stopped watch returns only after its process ends
    }

    // Session commands, as the user sees them.
    void startManual(AwakeMode mode)
    {
        manual.reset(); // a new manual session replaces the old one
        changed();
        manual = mode;
        changed();
    }
    void toggleManual(AwakeMode mode)
    {
        if (manual) {
            manual.reset();
            changed();
        } else {
            startManual(mode);
        }
    }
    void startDeadline(ReasonType type, qint64 endMs, AwakeMode mode)
    {
        // Timed and until-time sessions replace each other: the timed ones go first, then the
        // until-time ones, each removal a change of its own.
        for (const ReasonType removed : {ReasonType::Timed, ReasonType::UntilTime}) {
            if (deadline && deadline->type == removed)
                deadline.reset();
            changed();
        }
        deadline = Deadline{type, endMs, mode};
        changed();
    }
    void extend(double seconds, qint64 nowMs)
    {
        if (!deadline)
            return;
        const qint64 end = moved(deadline->endMs, seconds);
        const qint64 cap = std::max(deadline->endMs, moved(nowMs, 366.0 * 86400));
        deadline->endMs = seconds > 0 ? std::min(end, cap) : end;
        changed();
    }
    void setDisplayAwake(bool on)
    {
        if (manual) {
            manual = on ? AwakeMode::Display : AwakeMode::System;
            changed();
        } else if (on) {
            startManual(AwakeMode::Display);
        }
    }

    void tick(qint64 nowMs)
    {
        if (deadline && deadline->endMs <= nowMs) {
            deadline.reset();
            ++stats.expiries;
            changed();
        }
        if (reasonCount() > 0 && batteryStops()) {
            clearAll();
            ++stats.batteryStops;
            changed();
        }
    }

    bool batteryStops() const
    {
        if (!seen.onBattery || !seen.percent)
            return false;
        return battery.onlyWhilePluggedIn ||
               (battery.autoStopEnabled && *seen.percent <= battery.autoStopThreshold);
    }

    void poll(const QList<WatchedRule> &rules)
    {
        for (qsizetype i = 0; i < rules.size(); ++i) {
            Watch &w = watches[i];
            int count = 0;
            if (w.enabled) {
                for (const int process : rules[i].matches)
                    count += running[process] ? 1 : 0;
            }
            if (count == 0) {
                if (w.claimed) {
                    w.claimed = false;
                    w.present = false;
                    changed();
                }
            } else if (w.claimed) {
                if (w.present) { // relabelled; one stopped by hand stays stopped
                    w.labelCount = count;
                    changed();
                }
            } else {
                w.claimed = true;
                w.present = true;
                w.labelCount = count;
                ++stats.processClaims;
                changed();
            }
        }
    }

    // An end time moved by seconds: to the millisecond, NaN moves nothing, pinned to the shown range.
    static qint64 moved(qint64 endMs, double seconds)
    {
        if (std::isnan(seconds))
            return endMs;
        const long double target =
            static_cast<long double>(endMs) + static_cast<long double>(seconds) * 1000.0L;
        if (target >= static_cast<long double>(latestMs()))
            return latestMs();
        if (target <= static_cast<long double>(earliestMs()))
            return earliestMs();
        return endMs + static_cast<qint64>(std::llround(seconds * 1000.0));
    }
};

// ---------------------------------------------------------------------------------------------

enum class Op {
    Tick,
    StandStillTick,
    ClockJump,
    StartManual,
    ToggleManual,
    StartTimed,
    StartUntil,
    Extend,
    DisplayAwake,
    StopReason,
    StopAll,
    ProcessChange,
    Poll,
    RuleToggle,
    CommandStart,
    CommandEnd,
    PowerChange,
    PowerRefresh,
    BatteryPolicy,
    DefaultMode,
    FailureToggle,
    LockLost,
    LockTakenElsewhere,
    Resync,
};

struct Weighted {
    Op op;
    int weight;
};

constexpr std::array<Weighted, 24> operations{{
    {Op::Tick, 20},
    {Op::StandStillTick, 2},
    {Op::ClockJump, 4},
    {Op::StartManual, 4},
    {Op::ToggleManual, 4},
    {Op::StartTimed, 6},
    {Op::StartUntil, 4},
    {Op::Extend, 4},
    {Op::DisplayAwake, 4},
    {Op::StopReason, 4},
    {Op::StopAll, 2},
    {Op::ProcessChange, 7},
    {Op::Poll, 8},
    {Op::RuleToggle, 1},
    {Op::CommandStart, 3},
    {Op::CommandEnd, 3},
    {Op::PowerChange, 4},
    {Op::PowerRefresh, 2},
    {Op::BatteryPolicy, 2},
    {Op::DefaultMode, 1},
    {Op::FailureToggle, 3},
    {Op::LockLost, 2},
    {Op::LockTakenElsewhere, 1},
    {Op::Resync, 1},
}};

class Sequence {
public:
    Sequence(quint64 seed, qint64 steps)
        : m_seed(seed)
        , m_steps(steps)
        , m_random(seed)
        , m_rules(watchedRules())
    {
        PreferencesStore::Stored preferences = PreferencesStore::Stored::defaultRecord();
        preferences.processRules.clear();
        for (const WatchedRule &watched : std::as_const(m_rules))
            preferences.processRules << watched.rule;
        preferences.battery = BatterySettings{};
        preferences.defaultMode = AwakeMode::System;
        // Labels are formatted in a zone with daylight-saving changes.
        auto clock = std::make_shared<ManualClock>(
            QDateTime(QDate(2026, 3, 28), QTime(23, 0), QTimeZone::utc()), QTimeZone("Europe/Berlin"));
        m_rig = std::make_unique<CoordinatorRig>(preferences, clock);

        for (const WatchedRule &watched : std::as_const(m_rules))
            m_model.watches << LockModel::Watch{watched.rule.enabled};
        m_model.running = QList<bool>(processPool().size(), false);
        m_model.battery = preferences.battery;
        m_model.defaultMode = preferences.defaultMode;
        for (const Weighted &w : operations)
            m_totalWeight += w.weight;
    }

    const Stats &stats() const { return m_model.stats; }

    // Empty when every step kept the promise; otherwise what broke, where, and how to replay it.
    QString run()
    {
        for (m_step = 0; m_step < m_steps; ++m_step) {
            if (m_step % realCommandEvery == realCommandEvery / 2)
                m_realCommandDue = true;
            if (m_realCommandDue && !m_fakeCommand) {
                m_realCommandDue = false;
                if (const QString failure = realCommand(); !failure.isEmpty())
                    return report(failure);
            } else {
                step();
            }
            if (const QString failure = mismatch(); !failure.isEmpty())
                return report(failure);
            m_model.stats.mostReasons = std::max(m_model.stats.mostReasons, m_model.reasonCount());
            if (m_model.held == AwakeMode::Display)
                ++m_model.stats.displayHeldSteps;
            else if (m_model.held == AwakeMode::System)
                ++m_model.stats.systemHeldSteps;
            if (m_step % 1024 == 0) {
                m_earlierActivations += m_rig->lock->activateCount();
                m_rig->clearLogs();
            }
        }
        return {};
    }

private:
    // --- randomness (the generator's raw output only, so a seed replays the same anywhere) ---
    quint64 below(quint64 n) { return m_random() % n; }
    bool chance(int percent) { return below(100) < quint64(percent); }
    AwakeMode anyMode() { return chance(50) ? AwakeMode::System : AwakeMode::Display; }

    double anyDuration()
    {
        static constexpr std::array<double, 22> picks{
            0,    -1,   -3600, 0.0004, 0.5,    1,   2,    59.999, 60,     61,       300,
            1800, 3600, 7200,  86400,  604800, 1e7, 1e12, 1e300,  -1e300, infinity, -infinity};
        const quint64 pick = below(picks.size() + 4);
        if (pick < picks.size())
            return picks[pick];
        if (pick == picks.size())
            return notANumber;
        return double(below(3 * 3600 * 1000)) / 1000.0; // up to three hours, to the millisecond
    }

    double anyExtension()
    {
        static constexpr std::array<double, 14> picks{
            60, 300, 900, 1800, 3600, -60, -3600, 0, 1e12, -1e12, infinity, -infinity, -86400 * 3, 86400};
        const quint64 pick = below(picks.size() + 2);
        if (pick < picks.size())
            return picks[pick];
        if (pick == picks.size())
            return notANumber;
        return double(below(7200 * 1000)) / 1000.0 - 3600.0;
    }

    QDateTime anyUntil()
    {
        const QDateTime now = m_rig->clock->now();
        switch (below(8)) {
        case 0:
            return now.addMSecs(-qint64(below(86400 * 1000)) - 1); // past
        case 1:
            return now; // not in the future either
        case 2:
            return {}; // invalid
        case 3:
            return QDateTime(QDate(9999, 12, 31), QTime(23, 59), QTimeZone::utc()); // past the last shown day
        case 4: // the same kind of instant, written in another zone
            return QDateTime::fromMSecsSinceEpoch(now.toMSecsSinceEpoch() + qint64(below(7200 * 1000)) + 1,
                                                  QTimeZone(5 * 3600 + 1800));
        default:
            return now.addMSecs(qint64(below(3 * 86400 * 1000)) + 1);
        }
    }

    double anyClockJump()
    {
        switch (below(6)) {
        case 0:
            return double(below(10 * 1000)) / 1000.0;
        case 1:
            return double(below(3600) + 1);
        case 2:
            return double(below(3 * 86400));
        case 3:
            return -double(below(60 * 1000)) / 1000.0;
        case 4:
            return -double(below(2 * 3600));
        default:
            return -86400.0;
        }
    }

    // --- one step ---

    void note(const QString &text)
    {
        m_recent[std::size_t(m_step) % m_recent.size()] = u"%1: %2"_s.arg(m_step).arg(text);
    }

    qint64 nowMs() const { return m_rig->clock->now().toMSecsSinceEpoch(); }

    void tickAfter(double seconds)
    {
        m_rig->tick(seconds);
        m_model.tick(nowMs());
    }

    void step()
    {
        quint64 pick = below(quint64(m_totalWeight));
        Op op = Op::Tick;
        for (const Weighted &w : operations) {
            if (pick < quint64(w.weight)) {
                op = w.op;
                break;
            }
            pick -= quint64(w.weight);
        }
        AppCoordinator &app = *m_rig->app;

        switch (op) {
        case Op::Tick:
            note(u"tick +1 s"_s);
            tickAfter(1);
            break;
        case Op::StandStillTick:
            note(u"tick, clock unchanged"_s);
            tickAfter(0);
            break;
        case Op::ClockJump: {
            double seconds = anyClockJump();
            // Keep to this century so the far-future ends stay unreachable.
            const QDateTime now = m_rig->clock->now();
            if (now.date().year() > 2090 && seconds > 0)
                seconds = -seconds;
            if (now.date().year() < 2010 && seconds < 0)
                seconds = -seconds;
            const bool tick = chance(60);
            note(u"clock %1 s%2"_s.arg(seconds).arg(tick ? u", tick"_s : QString()));
            if (tick) {
                tickAfter(seconds);
            } else {
                m_rig->clock->advance(seconds);
            }
            break;
        }
        case Op::StartManual: {
            const AwakeMode mode = anyMode();
            note(u"startManual(%1)"_s.arg(rawValue(mode)));
            app.startManual(mode);
            m_model.startManual(mode);
            break;
        }
        case Op::ToggleManual: {
            const AwakeMode mode = anyMode();
            note(u"toggleManual(%1)"_s.arg(rawValue(mode)));
            app.toggleManual(mode);
            m_model.toggleManual(mode);
            break;
        }
        case Op::StartTimed: {
            const double seconds = anyDuration();
            const std::optional<AwakeMode> mode = chance(50) ? std::optional(anyMode()) : std::nullopt;
            note(u"startTimed(%1, %2)"_s.arg(seconds).arg(mode ? rawValue(*mode) : u"default"_s));
            const qint64 start = nowMs();
            app.startTimed(seconds, mode);
            m_model.startDeadline(ReasonType::Timed, LockModel::moved(start, seconds),
                                  mode.value_or(m_model.defaultMode));
            break;
        }
        case Op::StartUntil: {
            const QDateTime until = anyUntil();
            const std::optional<AwakeMode> mode = chance(50) ? std::optional(anyMode()) : std::nullopt;
            note(u"startUntil(%1, %2)"_s.arg(until.toString(Qt::ISODateWithMs))
                     .arg(mode ? rawValue(*mode) : u"default"_s));
            app.startUntil(until, mode);
            if (until.isValid() && until.toMSecsSinceEpoch() > nowMs())
                m_model.startDeadline(ReasonType::UntilTime, until.toMSecsSinceEpoch(),
                                      mode.value_or(m_model.defaultMode));
            break;
        }
        case Op::Extend: {
            const double seconds = anyExtension();
            note(u"extendActiveSession(%1)"_s.arg(seconds));
            app.extendActiveSession(seconds);
            m_model.extend(seconds, nowMs());
            break;
        }
        case Op::DisplayAwake: {
            const bool on = chance(50);
            note(u"setDisplayAwake(%1)"_s.arg(on));
            app.setDisplayAwake(on);
            m_model.setDisplayAwake(on);
            break;
        }
        case Op::StopReason:
            stopSomeReason();
            break;
        case Op::StopAll:
            note(u"stopAll()"_s);
            app.stopAll();
            m_model.clearAll();
            m_model.changed();
            break;
        case Op::ProcessChange: {
            const auto index = qsizetype(below(quint64(processPool().size())));
            m_model.running[index] = !m_model.running[index];
            note(u"process %1 %2"_s.arg(processPool()[index].commandLine,
                                        m_model.running[index] ? u"starts"_s : u"ends"_s));
            m_rig->processes->processes.clear();
            for (qsizetype i = 0; i < processPool().size(); ++i) {
                if (m_model.running[i])
                    m_rig->processes->processes << processPool()[i];
            }
            break;
        }
        case Op::Poll:
            note(u"poll"_s);
            app.watcher().poll();
            m_model.poll(m_rules);
            break;
        case Op::RuleToggle: {
            const auto index = qsizetype(below(quint64(m_rules.size())));
            m_rules[index].rule.enabled = !m_rules[index].rule.enabled;
            m_model.watches[index].enabled = m_rules[index].rule.enabled;
            note(u"rule \u201C%1\u201D %2"_s.arg(m_rules[index].rule.name,
                                                 m_rules[index].rule.enabled ? u"enabled"_s : u"disabled"_s));
            QList<ProcessRule> rules;
            for (const WatchedRule &watched : std::as_const(m_rules))
                rules << watched.rule;
            app.prefs().setProcessRules(rules);
            app.applyPreferences();
            break;
        }
        case Op::CommandStart:
            // As the runner does: one run at a time, its reason added before the launch.
            if (m_fakeCommand) {
                note(u"command start refused: one is running"_s);
                break;
            }
            note(u"command starts"_s);
            m_fakeCommand = QUuid::createUuid();
            app.assertions().addReason({*m_fakeCommand, ReasonType::Command, u"Running: make check"_s,
                                        m_rig->clock->now(), std::nullopt, AwakeMode::System});
            m_model.command = true;
            m_model.changed();
            break;
        case Op::CommandEnd:
            if (!m_fakeCommand) {
                note(u"command end: none running"_s);
                break;
            }
            note(u"command ends"_s);
            app.assertions().removeReason(*std::exchange(m_fakeCommand, std::nullopt));
            m_model.command = false;
            m_model.changed();
            break;
        case Op::PowerChange:
            changePower();
            break;
        case Op::PowerRefresh:
            note(u"power refresh"_s);
            app.power().refresh();
            m_model.seen = m_model.offered;
            break;
        case Op::BatteryPolicy: {
            BatterySettings settings;
            settings.warnOnBattery = chance(50);
            settings.onlyWhilePluggedIn = chance(10);
            settings.autoStopEnabled = chance(50);
            settings.autoStopThreshold = int(below(101));
            settings.warningThreshold = int(below(101));
            note(u"battery policy: plugged-in only %1, auto-stop %2 at %3%"_s.arg(settings.onlyWhilePluggedIn)
                     .arg(settings.autoStopEnabled)
                     .arg(settings.autoStopThreshold));
            app.prefs().setBattery(settings);
            m_model.battery = settings;
            break;
        }
        case Op::DefaultMode: {
            const AwakeMode mode = anyMode();
            note(u"default mode %1"_s.arg(rawValue(mode)));
            app.prefs().setDefaultMode(mode);
            m_model.defaultMode = mode;
            break;
        }
        case Op::FailureToggle:
            // Refusing spells are shorter than working ones, so most steps have a lock to check.
            if (!m_model.failing && chance(60)) {
                note(u"backend keeps accepting"_s);
                break;
            }
            m_model.failing = !m_model.failing;
            note(m_model.failing ? u"backend starts refusing"_s : u"backend accepts again"_s);
            m_rig->lock->failActivations = m_model.failing;
            break;
        case Op::LockLost:
            note(u"lock lost, resync"_s);
            m_rig->lock->release();
            m_model.held.reset();
            app.assertions().resync();
            m_model.resync();
            break;
        case Op::LockTakenElsewhere: {
            const AwakeMode mode = anyMode();
            note(u"backend took a %1 lock by itself, resync"_s.arg(rawValue(mode)));
            m_rig->lock->failActivations = false;
            m_rig->lock->activate(mode, u"late answer"_s);
            ++m_outsideActivations;
            m_rig->lock->failActivations = m_model.failing;
            m_model.held = mode;
            app.assertions().resync();
            m_model.resync();
            break;
        }
        case Op::Resync:
            note(u"resync"_s);
            app.assertions().resync();
            m_model.resync();
            break;
        }
    }

    void stopSomeReason()
    {
        // Any reason the model believes in, or one nobody has.
        QList<std::function<void()>> choices;
        AssertionManager &manager = m_rig->app->assertions();
        const auto idOf = [&](ReasonType type) {
            const auto reason = manager.firstReason(type);
            return reason ? reason->id : QUuid::createUuid();
        };
        if (m_model.manual) {
            choices << [&] {
                note(u"stopReason(manual)"_s);
                m_rig->app->stopReason(idOf(ReasonType::Manual));
                m_model.manual.reset();
            };
        }
        if (m_model.deadline) {
            choices << [&] {
                note(u"stopReason(deadline)"_s);
                m_rig->app->stopReason(idOf(m_model.deadline->type));
                m_model.deadline.reset();
            };
        }
        if (m_model.command) {
            choices << [&] {
                note(u"stopReason(command)"_s);
                m_rig->app->stopReason(idOf(ReasonType::Command));
                m_model.command = false;
            };
        }
        for (qsizetype i = 0; i < m_model.watches.size(); ++i) {
            if (!m_model.watches[i].present)
                continue;
            choices << [&, i] {
                const QString name = m_rules[i].rule.name;
                note(u"stopReason(watch \u201C%1\u201D)"_s.arg(name));
                QUuid id = QUuid::createUuid();
                for (const AwakeReason &reason : manager.reasons()) {
                    if (reason.type == ReasonType::Process &&
                        reason.label.startsWith(u"\u201C"_s + name + u"\u201D"_s))
                        id = reason.id;
                }
                m_rig->app->stopReason(id);
                m_model.watches[i].present = false;
            };
        }
        choices << [&] {
            note(u"stopReason(unknown id)"_s);
            m_rig->app->stopReason(QUuid::createUuid());
        };
        choices[qsizetype(below(quint64(choices.size())))]();
        m_model.changed();
    }

    void changePower()
    {
        const int percent = chance(50) ? int(below(30)) : int(below(101));
        QString text;
        switch (below(8)) {
        case 0:
        case 1:
            m_rig->power->descriptions =
                QList<QVariantMap>{FakePowerSources::source(percent, 100, u"Battery Power"_s)};
            m_model.offered = {true, percent};
            text = u"on battery at %1%"_s.arg(percent);
            break;
        case 2:
        case 6:
        case 7:
            m_rig->power->descriptions =
                QList<QVariantMap>{FakePowerSources::source(percent, 100, u"AC Power"_s)};
            m_model.offered = {false, percent};
            text = u"plugged in at %1%"_s.arg(percent);
            break;
        case 3:
            m_rig->power->descriptions =
                QList<QVariantMap>{FakePowerSources::source(percent, 100, QVariant())};
            m_model.offered = {false, percent};
            text = u"battery at %1%, source unknown"_s.arg(percent);
            break;
        case 4:
            m_rig->power->descriptions = QList<QVariantMap>{};
            m_model.offered = {};
            text = u"no battery"_s;
            break;
        default:
            m_rig->power->descriptions = std::nullopt;
            m_model.offered = {};
            text = u"power source unreadable"_s;
            break;
        }
        const bool refresh = chance(70);
        note(u"power: %1%2"_s.arg(text, refresh ? u", refresh"_s : QString()));
        if (refresh) {
            m_rig->app->power().refresh();
            m_model.seen = m_model.offered;
        }
    }

    // A real shell run from start to end, checked while it runs and after it ends.
    QString realCommand()
    {
        note(u"real command run"_s);
        CommandRunner &runner = m_rig->app->runner();
        QSignalSpy stateChanges(&runner, &CommandRunner::stateChanged);
        m_rig->app->runCommand(
            {QUuid::createUuid(), QString(), u"true"_s, std::nullopt, u"/bin/sh"_s, false, {}, {}});
        ++m_model.stats.realCommands;
        m_model.command = true;
        m_model.changed();
        if (const QString failure = mismatch(); !failure.isEmpty())
            return u"while a real command ran: "_s + failure;
        while (runner.isRunning()) {
            if (!stateChanges.wait(10000))
                return u"the real command did not end within 10 s"_s;
        }
        m_model.command = false;
        m_model.changed();
        return {};
    }

    // --- the checks after every step ---

    QString mismatch() const
    {
        CoordinatorRig::settle();
        const AssertionManager &manager = m_rig->app->assertions();
        const FakePowerAssertion &lock = *m_rig->lock;

        if (lock.activeMode() != m_model.held)
            return u"the backend holds %1, the model says %2"_s.arg(describe(lock.activeMode()),
                                                                    describe(m_model.held));
        if (manager.isAssertionActive() != lock.isActive() || manager.currentMode() != lock.activeMode())
            return u"the manager mirrors %1 (active %2), the backend holds %3"_s
                .arg(describe(manager.currentMode()))
                .arg(manager.isAssertionActive())
                .arg(describe(lock.activeMode()));
        const qint64 asked = m_earlierActivations + lock.activateCount() - m_outsideActivations;
        if (asked != m_model.activations)
            return u"the backend was asked for a lock %1 times, the model expects %2"_s.arg(asked).arg(
                m_model.activations);
        if (manager.effectiveMode() != m_model.wanted())
            return u"the manager wants %1, the model %2"_s.arg(describe(manager.effectiveMode()),
                                                               describe(m_model.wanted()));
        if (manager.lastError().has_value() != m_model.error)
            return u"the manager's error is %1, the model's %2"_s.arg(manager.lastError().has_value())
                .arg(m_model.error);

        int manuals = 0;
        int deadlines = 0;
        int commands = 0;
        QList<int> watchReasons(m_model.watches.size(), 0);
        for (const AwakeReason &reason : manager.reasons()) {
            switch (reason.type) {
            case ReasonType::Manual:
                ++manuals;
                if (reason.mode != m_model.manual)
                    return u"manual reason in %1 mode, the model says %2"_s.arg(rawValue(reason.mode),
                                                                                describe(m_model.manual));
                break;
            case ReasonType::Timed:
            case ReasonType::UntilTime: {
                ++deadlines;
                if (!m_model.deadline)
                    return u"a deadline reason the model does not know: %1"_s.arg(reason.label);
                const LockModel::Deadline &expected = *m_model.deadline;
                const qint64 end = reason.endsAt ? reason.endsAt->toMSecsSinceEpoch() : -1;
                if (reason.type != expected.type || end != expected.endMs || reason.mode != expected.mode)
                    return u"deadline %1 ends %2 in %3 mode; the model: %4 ends %5 in %6 mode"_s
                        .arg(rawValue(reason.type))
                        .arg(end)
                        .arg(rawValue(reason.mode), rawValue(expected.type))
                        .arg(expected.endMs)
                        .arg(rawValue(expected.mode));
                break;
            }
            case ReasonType::Command:
                ++commands;
                if (reason.mode != AwakeMode::System)
                    return u"a command reason keeps the display awake"_s;
                break;
            case ReasonType::Trigger:
                return u"a trigger reason, though no trigger is set: %1"_s.arg(reason.label);
            case ReasonType::Process: {
                if (reason.mode != AwakeMode::System)
                    return u"a process reason keeps the display awake"_s;
                bool known = false;
                for (qsizetype i = 0; i < m_rules.size(); ++i) {
                    const int count = m_model.watches[i].labelCount;
                    const QString label = u"\u201C%1\u201D running (%2 %3)"_s.arg(m_rules[i].rule.name)
                                              .arg(count)
                                              .arg(count == 1 ? u"match"_s : u"matches"_s);
                    if (reason.label == label && m_model.watches[i].present) {
                        ++watchReasons[i];
                        known = true;
                    }
                }
                if (!known)
                    return u"a process reason the model does not expect: %1"_s.arg(reason.label);
                break;
            }
            }
        }
        if (manuals > 1 || deadlines > 1 || commands > 1)
            return u"%1 manual, %2 deadline and %3 command reasons at once"_s.arg(manuals).arg(deadlines).arg(
                commands);
        if ((manuals == 1) != m_model.manual.has_value() ||
            (deadlines == 1) != m_model.deadline.has_value() || (commands == 1) != m_model.command)
            return u"reasons listed: %1 manual, %2 deadline, %3 command; the model expects %4, %5, %6"_s
                .arg(manuals)
                .arg(deadlines)
                .arg(commands)
                .arg(m_model.manual.has_value())
                .arg(m_model.deadline.has_value())
                .arg(m_model.command);
        for (qsizetype i = 0; i < watchReasons.size(); ++i) {
            if (watchReasons[i] != (m_model.watches[i].present ? 1 : 0))
                return u"%1 reasons for the watch \u201C%2\u201D, the model expects %3"_s.arg(watchReasons[i])
                    .arg(m_rules[i].rule.name)
                    .arg(m_model.watches[i].present ? 1 : 0);
        }
        if (manager.reasons().size() != m_model.reasonCount())
            return u"%1 reasons listed, the model has %2"_s.arg(manager.reasons().size())
                .arg(m_model.reasonCount());

        // The tray tells the truth: an error while there is one, inactive exactly when nothing is wanted.
        const StatusIconState icon = m_rig->app->iconState();
        if ((icon == StatusIconState::Error) != m_model.error)
            return u"the tray shows state %1 while the model's error is %2"_s.arg(int(icon)).arg(
                m_model.error);
        if (!m_model.error && (icon == StatusIconState::Inactive) != (m_model.reasonCount() == 0))
            return u"the tray shows state %1 with %2 reasons"_s.arg(int(icon)).arg(m_model.reasonCount());
        return {};
    }

    QString report(const QString &failure) const
    {
        QStringList recent;
        for (std::size_t i = 0; i < m_recent.size(); ++i) {
            const QString &entry = m_recent[(std::size_t(m_step) + 1 + i) % m_recent.size()];
            if (!entry.isEmpty())
                recent << u"  "_s + entry;
        }
        return u"seed %1, step %2: %3\nlast steps:\n%4\nreplay with VIGILA_MODEL_SEED=%1 VIGILA_MODEL_STEPS=%5"_s
            .arg(m_seed)
            .arg(m_step)
            .arg(failure, recent.join(u'\n'))
            .arg(m_step + 1);
    }

    quint64 m_seed;
    qint64 m_steps;
    qint64 m_step = 0;
    std::mt19937_64 m_random;
    QList<WatchedRule> m_rules;
    std::unique_ptr<CoordinatorRig> m_rig;
    LockModel m_model;
    int m_totalWeight = 0;
    std::optional<QUuid> m_fakeCommand;
    bool m_realCommandDue = false;
    qint64 m_earlierActivations = 0; // counted before the fake's call log was last cleared
    qint64 m_outsideActivations = 0; // the test's own, standing in for the backend
    std::array<QString, 24> m_recent;
};

quint64 seedFromEnvironment()
{
    const QByteArray text = qgetenv("VIGILA_MODEL_SEED");
    if (text.isEmpty())
        return defaultSeed;
    if (text == "random")
        return QRandomGenerator::system()->generate64();
    bool ok = false;
    const quint64 seed = text.toULongLong(&ok, 0);
    return ok ? seed : defaultSeed;
}

qint64 stepsFromEnvironment()
{
    bool ok = false;
    const qint64 steps = qEnvironmentVariableIntValue("VIGILA_MODEL_STEPS", &ok);
    return ok && steps > 0 ? steps : defaultSteps;
}

} // namespace

class TestLockModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void randomSequenceHoldsTheModelsLock()
    {
        const quint64 seed = seedFromEnvironment();
        const qint64 steps = stepsFromEnvironment();
        qInfo("model sequence: seed %llu, %lld steps", seed, steps);

        QElapsedTimer elapsed;
        elapsed.start();
        Sequence sequence(seed, steps);
        const QString failure = sequence.run();
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure));

        const Stats &s = sequence.stats();
        qInfo("model sequence: %lld steps in %lld ms; %lld expiries, %lld battery stops, %lld refused and "
              "%lld recovered activations, %lld watch claims, %lld real commands; display held %lld steps, "
              "system %lld; at most %lld reasons",
              steps, elapsed.elapsed(), s.expiries, s.batteryStops, s.refusedActivations, s.errorsCleared,
              s.processClaims, s.realCommands, s.displayHeldSteps, s.systemHeldSteps, qint64(s.mostReasons));
        // A long walk that never reached these states would prove little.
        if (steps >= 20000) {
            QVERIFY(s.expiries > 0);
            QVERIFY(s.batteryStops > 0);
            QVERIFY(s.refusedActivations > 0);
            QVERIFY(s.errorsCleared > 0);
            QVERIFY(s.processClaims > 0);
            QVERIFY(s.realCommands > 0);
            QVERIFY(s.displayHeldSteps > 0 && s.systemHeldSteps > 0);
            QVERIFY(s.mostReasons >= 4);
        }
    }
};

QTEST_GUILESS_MAIN(TestLockModel)
#include "tst_lock_model.moc"
