#include "TriggerWatcher.h"

#include "power/AssertionManager.h"
#include "processes/ProcessRule.h"
#include "triggers/TriggerMeasures.h"
#include "utilities/Clock.h"
#include "utilities/DateMath.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TriggerWatcher)
};

// A measure as the user's locale writes decimals, its digits not grouped.
QString decimal(double value, char format = 'g', int precision = 6)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

QString sessionLabel(const RemoteSession &session)
{
    const QString user = oneLine(session.user);
    const QString host = oneLine(session.host);
    const bool ssh = session.service.startsWith("sshd"_L1);
    if (host.isEmpty())
        return (ssh ? Text::tr("While %1 is logged in over SSH") : Text::tr("While %1 is logged in remotely")).arg(user);
    return (ssh ? Text::tr("While %1 is logged in over SSH from %2") : Text::tr("While %1 is logged in remotely from %2"))
        .arg(user, host);
}

// The longest a single timer waits; a later moment is reached in several waits.
constexpr qint64 longestWaitMilliseconds = 24LL * 3600 * 1000;

} // namespace

TriggerWatcher::TriggerWatcher(AssertionManager *manager, TriggerSources sources, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_manager(manager)
    , m_sources(std::move(sources))
    , m_clock(clock)
{
    m_timer.setSingleShot(true);
    // Schedules are to the minute: a coarse timer could be late by 5 % of a wait of hours.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TriggerWatcher::evaluate);
    const QList<TriggerSource *> all{m_sources.adapter.get(),   m_sources.displays.get(),
                                     m_sources.remoteSessions.get(), m_sources.units.get(),
                                     m_sources.clockEvents.get(), m_sources.audio.get(),
                                     m_sources.machines.get(),    m_sources.network.get(),
                                     m_sources.processCpu.get(),  m_sources.downloads.get()};
    for (TriggerSource *source : all) {
        if (source)
            connect(source, &TriggerSource::changed, this, &TriggerWatcher::evaluate);
    }
    // A reason stopped from the menu: the rule's status says so at once.
    if (m_manager)
        connect(m_manager, &AssertionManager::reasonsChanged, this, &TriggerWatcher::queueEvaluation);
}

TriggerWatcher::~TriggerWatcher()
{
    stop();
}

void TriggerWatcher::setRules(QList<TriggerRule> rules)
{
    m_rules = std::move(rules);
    if (m_started) {
        follow();
        evaluate();
    }
}

void TriggerWatcher::setDefaultMode(AwakeMode mode)
{
    m_defaultMode = mode;
    if (m_started)
        evaluate();
}

void TriggerWatcher::start()
{
    m_started = true;
    follow();
    evaluate();
}

void TriggerWatcher::stop()
{
    m_started = false;
    m_timer.stop();
    follow();
}

void TriggerWatcher::queueEvaluation()
{
    if (m_evaluationQueued || !m_started)
        return;
    m_evaluationQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_evaluationQueued = false;
            if (m_started)
                evaluate();
        },
        Qt::QueuedConnection);
}

void TriggerWatcher::follow()
{
    bool adapter = false;
    bool displays = false;
    bool sessions = false;
    bool clock = false;
    bool audio = false;
    bool machines = false;
    bool network = false;
    bool cpu = false;
    bool commandLines = false;
    QList<UnitRef> units;
    QList<FolderWatch> folders;
    if (m_started) {
        for (const TriggerRule &rule : std::as_const(m_rules)) {
            if (!rule.isLive())
                continue;
            adapter = adapter || rule.onlyOnAC;
            switch (*rule.knownKind()) {
            case TriggerKind::PowerAdapter:
                adapter = true;
                break;
            case TriggerKind::ExternalDisplay:
                displays = true;
                break;
            case TriggerKind::RemoteSession:
                sessions = true;
                break;
            case TriggerKind::Unit:
                if (!units.contains(rule.unit()))
                    units.append(rule.unit());
                break;
            case TriggerKind::Schedule:
                clock = true;
                break;
            case TriggerKind::Audio:
                audio = true;
                break;
            case TriggerKind::Download:
                for (const FolderWatch &folder : rule.downloadFolders()) {
                    if (!folders.contains(folder))
                        folders.append(folder);
                }
                break;
            case TriggerKind::Network:
                network = true;
                break;
            case TriggerKind::Busy:
                cpu = true;
                commandLines = commandLines || rule.text("matchMode"_L1) == "contains"_L1;
                break;
            case TriggerKind::Machine:
                machines = true;
                break;
            }
        }
    }
    if (m_sources.adapter)
        m_sources.adapter->setFollowing(adapter);
    if (m_sources.displays)
        m_sources.displays->setFollowing(displays);
    if (m_sources.remoteSessions)
        m_sources.remoteSessions->setFollowing(sessions);
    if (m_sources.units) {
        m_sources.units->setUnits(units);
        m_sources.units->setFollowing(!units.isEmpty());
    }
    if (m_sources.clockEvents)
        m_sources.clockEvents->setFollowing(clock);
    if (m_sources.audio)
        m_sources.audio->setFollowing(audio);
    if (m_sources.machines)
        m_sources.machines->setFollowing(machines);
    if (m_sources.network)
        m_sources.network->setFollowing(network);
    if (m_sources.processCpu) {
        m_sources.processCpu->setCommandLines(commandLines);
        m_sources.processCpu->setFollowing(cpu);
    }
    if (m_sources.downloads) {
        m_sources.downloads->setFolders(folders);
        m_sources.downloads->setFollowing(!folders.isEmpty());
    }
}

std::optional<bool> TriggerWatcher::onAC(QString *note) const
{
    if (!m_sources.adapter) {
        *note = Text::tr("The power source cannot be read here.");
        return std::nullopt;
    }
    if (!m_sources.adapter->hasBattery()) {
        *note = Text::tr("This computer has no battery, so it always counts as on AC power.");
        return true;
    }
    const std::optional<bool> onBattery = m_sources.adapter->onBattery();
    if (!onBattery) {
        *note = Text::tr("Waiting for the power service to say whether the computer is on AC power.");
        return std::nullopt;
    }
    return !*onBattery;
}

TriggerWatcher::Condition TriggerWatcher::kindCondition(const TriggerRule &rule, TriggerKind kind) const
{
    Condition result;
    switch (kind) {
    case TriggerKind::PowerAdapter: {
        const std::optional<bool> ac = onAC(&result.note);
        result.holds = ac.value_or(false);
        result.label = Text::tr("While on AC power");
        break;
    }
    case TriggerKind::ExternalDisplay: {
        if (!m_sources.displays) {
            result.note = Text::tr("Displays cannot be followed here.");
            break;
        }
        const QStringList displays = m_sources.displays->externalDisplays();
        result.holds = !displays.isEmpty();
        if (displays == QStringList{u"dock"_s})
            result.label = Text::tr("While docked to an external display");
        else
            result.label = Text::tr("While an external display is connected (%1)").arg(oneLine(displays.join(u", "_s)));
        break;
    }
    case TriggerKind::RemoteSession: {
        if (!m_sources.remoteSessions) {
            result.note = Text::tr("Login sessions cannot be followed here.");
            break;
        }
        QList<RemoteSession> sessions = m_sources.remoteSessions->remoteSessions();
        const bool anyUser = rule.anyUser();
        sessions.removeIf([anyUser](const RemoteSession &s) { return !anyUser && !s.ownUser; });
        result.holds = !sessions.isEmpty();
        if (sessions.size() == 1)
            result.label = sessionLabel(sessions.first());
        else if (sessions.size() > 1)
            result.label = Text::tr("While %n remote session(s) are open", nullptr, int(sessions.size()));
        break;
    }
    case TriggerKind::Unit: {
        const UnitRef unit = rule.unit();
        result.label = Text::tr("While %1 runs").arg(oneLine(unit.name));
        if (!m_sources.units) {
            result.note = Text::tr("systemd units cannot be followed here.");
            break;
        }
        const UnitStatus status = m_sources.units->status(unit);
        result.holds = status.isRunning();
        if (status.presence == UnitPresence::NotFound)
            result.note = (unit.user ? Text::tr("The user unit %1 does not exist; the rule waits for it.")
                                     : Text::tr("The unit %1 does not exist; the rule waits for it."))
                              .arg(oneLine(unit.name));
        else if (status.presence == UnitPresence::Unknown)
            result.note = Text::tr("Waiting for systemd to say whether %1 runs.").arg(oneLine(unit.name));
        break;
    }
    case TriggerKind::Schedule: {
        const auto schedule = rule.schedule();
        result.holds = schedule && schedule->contains(m_clock.now(), m_clock.timeZone());
        result.label = schedule ? schedule->description() : QString();
        break;
    }
    case TriggerKind::Audio:
        return audioCondition(rule);
    case TriggerKind::Download:
        return downloadCondition(rule);
    case TriggerKind::Network:
        return networkCondition(rule);
    case TriggerKind::Busy:
        return busyCondition(rule);
    case TriggerKind::Machine:
        return machineCondition(rule);
    }
    return result;
}

TriggerWatcher::Condition TriggerWatcher::audioCondition(const TriggerRule &rule) const
{
    Condition result;
    if (!m_sources.audio) {
        result.note = Text::tr("Sound cannot be followed here.");
        return result;
    }
    const auto streams = m_sources.audio->streams();
    if (!streams) {
        result.note = Text::tr("No sound server answers; the rule waits for one.");
        return result;
    }
    const auto named = [](const AudioStream &stream, const QStringList &names) {
        return std::any_of(names.cbegin(), names.cend(), [&](const QString &name) {
            return stream.application.compare(name, Qt::CaseInsensitive) == 0 ||
                   stream.binary.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    const QStringList ignored = rule.stringList("ignore"_L1);
    const QStringList only = rule.stringList("only"_L1);
    QStringList playing;
    for (const AudioStream &stream : *streams) {
        if (!stream.isAudible() || named(stream, ignored) || (!only.isEmpty() && !named(stream, only)))
            continue;
        const QString who = stream.application.isEmpty() ? stream.binary : stream.application;
        if (!playing.contains(who))
            playing.append(who);
    }
    result.holds = !playing.isEmpty();
    if (playing.size() == 1)
        result.label = playing.first().isEmpty() ? Text::tr("While an application plays sound")
                                                 : Text::tr("While %1 plays sound").arg(oneLine(playing.first()));
    else if (playing.size() > 1)
        result.label = Text::tr("While %n application(s) play sound", nullptr, int(playing.size()));
    return result;
}

TriggerWatcher::Condition TriggerWatcher::downloadCondition(const TriggerRule &rule) const
{
    Condition result;
    if (!m_sources.downloads) {
        result.note = Text::tr("Downloads cannot be followed here.");
        return result;
    }
    const QDateTime now = m_clock.now();
    QStringList growing;
    QStringList problems;
    QStringList stalled;
    for (const FolderWatch &folder : rule.downloadFolders()) {
        const FolderState state = m_sources.downloads->state(folder);
        if (!state.problem.isEmpty())
            problems.append(state.problem);
        for (const PartialDownload &partial : state.partials) {
            // A paused or abandoned download must not keep the computer awake: only one that
            // grew within the last minute counts, and only until a minute after it last grew.
            const QDateTime stallsAt = DateMath::addSeconds(partial.grewAt, TriggerRule::downloadStallSeconds);
            if (partial.grewAt.isValid() && now < stallsAt) {
                growing.append(partial.fileName);
                if (!result.until || stallsAt > *result.until)
                    result.until = stallsAt;
            } else {
                stalled.append(partial.fileName);
            }
        }
    }
    result.holds = !growing.isEmpty();
    if (growing.size() == 1)
        result.label = Text::tr("While \u201C%1\u201D downloads").arg(oneLine(growing.first()));
    else if (growing.size() > 1)
        result.label = Text::tr("While %n file(s) download", nullptr, int(growing.size()));
    if (!problems.isEmpty())
        result.note = problems.join(u' ');
    else if (!result.holds && !stalled.isEmpty())
        result.note = Text::tr("\u201C%1\u201D has not grown for a minute; a paused download does not count.")
                          .arg(oneLine(stalled.first()));
    if (!result.holds)
        result.until.reset();
    return result;
}

TriggerWatcher::Condition TriggerWatcher::networkCondition(const TriggerRule &rule) const
{
    Condition result;
    if (!m_sources.network) {
        result.note = Text::tr("Network traffic cannot be followed here.");
        return result;
    }
    const QString interface = rule.text("interface"_L1);
    const double threshold = rule.number("kilobytesPerSecond"_L1, 0) * 1000;
    QList<std::pair<QString, double>> each;
    const QList<NetworkSample> samples = m_sources.network->samples();
    const auto rate = TriggerMeasures::trafficRate(samples, int(rule.number("windowSeconds"_L1, 30)), interface, &each);
    if (!interface.isEmpty() && !samples.isEmpty() &&
        std::none_of(samples.last().interfaces.cbegin(), samples.last().interfaces.cend(),
                     [&](const InterfaceCounters &c) { return c.name == interface; })) {
        result.note = Text::tr("There is no network interface called \u201C%1\u201D; the rule waits for it.").arg(oneLine(interface));
        return result;
    }
    if (!rate) {
        result.note = Text::tr("Measuring the traffic\u2026");
        return result;
    }
    result.holds = *rate >= threshold;
    // The total, then each interface counted with its own rate, for the preferences to show.
    const auto kilobytes = [](double bytes) { return decimal(bytes / 1000, 'f', 1); };
    QStringList rates;
    for (const auto &[name, bytes] : std::as_const(each))
        rates.append(Text::tr("%1 %2 KB/s").arg(oneLine(name), kilobytes(bytes)));
    result.note = rates.isEmpty() ? Text::tr("Now %1 KB/s.").arg(kilobytes(*rate))
                                  : Text::tr("Now %1 KB/s: %2.").arg(kilobytes(*rate), rates.join(u", "_s));
    const QString limit = decimal(threshold / 1000);
    result.label = interface.isEmpty() ? Text::tr("While network traffic is above %1 KB/s").arg(limit)
                                       : Text::tr("While traffic on %1 is above %2 KB/s").arg(oneLine(interface), limit);
    return result;
}

TriggerWatcher::Condition TriggerWatcher::busyCondition(const TriggerRule &rule) const
{
    Condition result;
    if (!m_sources.processCpu) {
        result.note = Text::tr("Processes' CPU use cannot be followed here.");
        return result;
    }
    const ProcessRule match{rule.id, rule.text("process"_L1), true,
                            rule.text("matchMode"_L1) == "contains"_L1 ? ProcessMatchMode::Contains : ProcessMatchMode::Exact};
    int matched = 0;
    const auto percent = TriggerMeasures::cpuPercent(
        m_sources.processCpu->samples(), int(rule.number("windowSeconds"_L1, 60)),
        [&](const ProcessCpu &p) { return match.matches({p.pid, p.executableName, p.commandLine}); }, &matched);
    const QString name = oneLine(match.name);
    if (matched == 0) {
        result.note = Text::tr("No process \u201C%1\u201D runs.").arg(name);
        return result;
    }
    if (!percent) {
        result.note = Text::tr("Measuring the CPU use of \u201C%1\u201D\u2026").arg(name);
        return result;
    }
    result.holds = *percent >= rule.number("cpuPercent"_L1, 10);
    //: %1 is the process name, %2 its CPU use in percent of one core
    result.note = Text::tr("\u201C%1\u201D uses %2 % of a core.").arg(name, decimal(*percent, 'f', 0));
    result.label = Text::tr("While \u201C%1\u201D is busy").arg(name);
    return result;
}

TriggerWatcher::Condition TriggerWatcher::machineCondition(const TriggerRule &rule) const
{
    Condition result;
    if (!m_sources.machines) {
        result.note = Text::tr("Virtual machines cannot be followed here.");
        return result;
    }
    const auto machines = m_sources.machines->machines();
    if (!machines) {
        result.note = Text::tr("systemd-machined is not running; the rule waits for it.");
        return result;
    }
    const QString wanted = rule.text("machine"_L1);
    QList<Machine> running = *machines;
    running.removeIf([&](const Machine &m) { return !wanted.isEmpty() && m.name != wanted; });
    result.holds = !running.isEmpty();
    if (running.size() == 1) {
        const Machine &machine = running.first();
        result.label = (machine.machineClass == "container"_L1 ? Text::tr("While the container \u201C%1\u201D runs")
                                                               : Text::tr("While the virtual machine \u201C%1\u201D runs"))
                           .arg(oneLine(machine.name));
    } else if (running.size() > 1) {
        result.label = Text::tr("While %n virtual machine(s) or container(s) run", nullptr, int(running.size()));
    }
    return result;
}

TriggerWatcher::Condition TriggerWatcher::condition(const TriggerRule &rule) const
{
    if (!rule.isLive())
        return {false, {}, rule.problem().isEmpty() ? rule.loadProblem : rule.problem(), std::nullopt};
    Condition result = kindCondition(rule, *rule.knownKind());
    if (rule.onlyOnAC && rule.knownKind() != TriggerKind::PowerAdapter) {
        QString note;
        const std::optional<bool> ac = onAC(&note);
        if (!ac.value_or(false)) {
            if (result.holds)
                result.note = ac ? Text::tr("Waits for AC power.") : note;
            result.holds = false;
        }
    }
    if (!result.holds)
        result.until.reset();
    return result;
}

AwakeMode TriggerWatcher::modeFor(const TriggerRule &rule) const
{
    return rule.mode.value_or(m_defaultMode);
}

void TriggerWatcher::evaluate()
{
    if (!m_started || !m_manager)
        return;
    const QDateTime now = m_clock.now();
    std::optional<QDateTime> due;
    const auto dueAt = [&](const QDateTime &moment) {
        if (!due || moment < *due)
            due = moment;
    };
    const auto find = [this](const QUuid &id) -> const AwakeReason * {
        const auto &reasons = m_manager->reasons();
        const auto it = std::find_if(reasons.cbegin(), reasons.cend(), [&id](const AwakeReason &r) { return r.id == id; });
        return it == reasons.cend() ? nullptr : &*it;
    };
    const auto held = [&find](const QUuid &id) { return find(id) != nullptr; };

    // Callbacks may change the rules; this pass works on the list as it was.
    const QList<TriggerRule> rules = m_rules;
    const QPointer<TriggerWatcher> self(this);
    QHash<QUuid, Status> statuses;
    QList<std::function<void()>> announcements;
    for (const TriggerRule &rule : rules) {
        const Condition condition = this->condition(rule);
        if (condition.until)
            dueAt(*condition.until);
        Track &track = m_tracks[rule.id];
        Status status{rule.isLive(), condition.holds, false, false, condition.label, condition.note};

        if (condition.holds) {
            track.endedAt.reset();
            if (!track.holdsSince)
                track.holdsSince = now;
        } else {
            track.holdsSince.reset();
        }

        if (track.reason) {
            const bool stillHeld = held(*track.reason);
            if (!rule.isLive()) {
                m_manager->removeReason(*track.reason);
                track.reason.reset();
            } else if (condition.holds) {
                // Relabels and follows a change of mode, only when either changed (every change
                // of the reasons brings another evaluation); a reason stopped elsewhere stays
                // stopped.
                const AwakeReason *current = find(*track.reason);
                const AwakeMode mode = modeFor(rule);
                const QString label = condition.label;
                if (current && (current->label != label || current->mode != mode)) {
                    m_manager->updateReason(*track.reason, [&](AwakeReason &reason) {
                        reason.label = label;
                        reason.mode = mode;
                    });
                }
            } else if (!stillHeld) {
                // Stopped elsewhere, and the condition has now been false: it may start again.
                track.reason.reset();
            } else {
                if (!track.endedAt)
                    track.endedAt = now;
                const QDateTime releaseAt = DateMath::addSeconds(*track.endedAt, rule.graceSeconds);
                if (now >= releaseAt) {
                    m_manager->removeReason(*track.reason);
                    track.reason.reset();
                    track.endedAt.reset();
                    if (onReleased)
                        announcements.append([this, rule] { onReleased(rule); });
                } else {
                    dueAt(releaseAt);
                }
            }
        } else if (condition.holds) {
            const QDateTime startAt = DateMath::addSeconds(*track.holdsSince, rule.delaySeconds);
            if (now >= startAt) {
                const AwakeReason reason{QUuid::createUuid(), ReasonType::Trigger, condition.label, now,
                                         std::nullopt, modeFor(rule)};
                track.reason = reason.id;
                m_manager->addReason(reason);
                if (onActivated)
                    announcements.append([this, rule, label = condition.label] { onActivated(rule, label); });
            } else {
                status.pending = true;
                dueAt(startAt);
            }
        }
        status.active = track.reason && held(*track.reason);
        if (rule.isLive() && rule.knownKind() == TriggerKind::Schedule) {
            if (const auto schedule = rule.schedule()) {
                if (const auto boundary = schedule->nextBoundary(now, m_clock.timeZone()))
                    dueAt(*boundary);
            }
        }
        statuses.insert(rule.id, status);
    }

    // Rules that have gone away lose their reasons and their tracks.
    for (auto it = m_tracks.begin(); it != m_tracks.end();) {
        if (statuses.contains(it.key())) {
            ++it;
            continue;
        }
        if (it->reason)
            m_manager->removeReason(*it->reason);
        it = m_tracks.erase(it);
    }

    scheduleNext(due);
    if (statuses != m_status) {
        m_status = std::move(statuses);
        emit statusChanged();
    }
    for (const auto &announce : std::as_const(announcements)) {
        if (!self)
            return;
        announce();
    }
}

void TriggerWatcher::scheduleNext(const std::optional<QDateTime> &due)
{
    if (!due) {
        m_timer.stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(m_clock.now().msecsTo(*due), 0, longestWaitMilliseconds);
    m_timer.start(int(wait));
}
