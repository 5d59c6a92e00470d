#include "TriggerWatcher.h"

#include "power/AssertionManager.h"
#include "utilities/Clock.h"
#include "utilities/DateMath.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TriggerWatcher", text);
}

QString sessionLabel(const RemoteSession &session)
{
    const QString user = oneLine(session.user);
    const QString host = oneLine(session.host);
    const bool ssh = session.service.startsWith("sshd"_L1);
    if (host.isEmpty())
        return (ssh ? tr("While %1 is logged in over SSH") : tr("While %1 is logged in remotely")).arg(user);
    return (ssh ? tr("While %1 is logged in over SSH from %2") : tr("While %1 is logged in remotely from %2"))
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
    const QList<TriggerSource *> all{m_sources.adapter.get(), m_sources.displays.get(),
                                     m_sources.remoteSessions.get(), m_sources.units.get(),
                                     m_sources.clockEvents.get()};
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
    QList<UnitRef> units;
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
}

std::optional<bool> TriggerWatcher::onAC(QString *note) const
{
    if (!m_sources.adapter) {
        *note = tr("The power source cannot be read here.");
        return std::nullopt;
    }
    if (!m_sources.adapter->hasBattery()) {
        *note = tr("This computer has no battery, so it always counts as on AC power.");
        return true;
    }
    const std::optional<bool> onBattery = m_sources.adapter->onBattery();
    if (!onBattery) {
        *note = tr("Waiting for the power service to say whether the computer is on AC power.");
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
        result.label = tr("While on AC power");
        break;
    }
    case TriggerKind::ExternalDisplay: {
        if (!m_sources.displays) {
            result.note = tr("Displays cannot be followed here.");
            break;
        }
        const QStringList displays = m_sources.displays->externalDisplays();
        result.holds = !displays.isEmpty();
        if (displays == QStringList{u"dock"_s})
            result.label = tr("While docked to an external display");
        else
            result.label = tr("While an external display is connected (%1)").arg(oneLine(displays.join(u", "_s)));
        break;
    }
    case TriggerKind::RemoteSession: {
        if (!m_sources.remoteSessions) {
            result.note = tr("Login sessions cannot be followed here.");
            break;
        }
        QList<RemoteSession> sessions = m_sources.remoteSessions->remoteSessions();
        const bool anyUser = rule.anyUser();
        sessions.removeIf([anyUser](const RemoteSession &s) { return !anyUser && !s.ownUser; });
        result.holds = !sessions.isEmpty();
        if (sessions.size() == 1)
            result.label = sessionLabel(sessions.first());
        else if (sessions.size() > 1)
            result.label = tr("While %1 remote sessions are open").arg(sessions.size());
        break;
    }
    case TriggerKind::Unit: {
        const UnitRef unit = rule.unit();
        result.label = tr("While %1 runs").arg(oneLine(unit.name));
        if (!m_sources.units) {
            result.note = tr("systemd units cannot be followed here.");
            break;
        }
        const UnitStatus status = m_sources.units->status(unit);
        result.holds = status.isRunning();
        if (status.presence == UnitPresence::NotFound)
            result.note = (unit.user ? tr("The user unit %1 does not exist; the rule waits for it.")
                                     : tr("The unit %1 does not exist; the rule waits for it."))
                              .arg(oneLine(unit.name));
        else if (status.presence == UnitPresence::Unknown)
            result.note = tr("Waiting for systemd to say whether %1 runs.").arg(oneLine(unit.name));
        break;
    }
    case TriggerKind::Schedule: {
        const auto schedule = rule.schedule();
        result.holds = schedule && schedule->contains(m_clock.now(), m_clock.timeZone());
        result.label = schedule ? schedule->description() : QString();
        break;
    }
    }
    return result;
}

TriggerWatcher::Condition TriggerWatcher::condition(const TriggerRule &rule) const
{
    if (!rule.isLive())
        return {false, {}, rule.problem().isEmpty() ? rule.loadProblem : rule.problem()};
    Condition result = kindCondition(rule, *rule.knownKind());
    if (rule.onlyOnAC && rule.knownKind() != TriggerKind::PowerAdapter) {
        QString note;
        const std::optional<bool> ac = onAC(&note);
        if (!ac.value_or(false)) {
            if (result.holds)
                result.note = ac ? tr("Waits for AC power.") : note;
            result.holds = false;
        }
    }
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
