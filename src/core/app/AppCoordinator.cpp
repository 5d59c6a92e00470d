#include "AppCoordinator.h"

#include "app/Clipboard.h"
#include "commands/CommandHistory.h"
#include "commands/CommandRunner.h"
#include "notifications/NotificationManager.h"
#include "power/AssertionManager.h"
#include "power/BatteryGuard.h"
#include "power/PowerSourceMonitor.h"
#include "preferences/PreferencesStore.h"
#include "processes/ProcessWatcher.h"
#include "safety/HonestStatus.h"
#include "timers/SessionTimerManager.h"
#include "triggers/TriggerWatcher.h"
#include "utilities/Clock.h"
#include "utilities/DateFormatting.h"
#include "utilities/DateMath.h"
#include "utilities/DurationText.h"

#include <QPointer>

#include <algorithm>

AppCoordinator::AppCoordinator(Backends backends, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(backends.clock))
    , m_clipboard(std::move(backends.clipboard))
    , m_inhibitorSurvey(std::move(backends.inhibitorSurvey))
{
    Q_ASSERT(m_clock && backends.defaults && backends.powerAssertion && backends.powerSources
             && backends.processes && backends.notificationSink);
    m_prefs = std::make_unique<PreferencesStore>(backends.defaults);
    m_notifications = std::make_unique<NotificationManager>(std::move(backends.notificationSink),
                                                            backends.applicationId, m_clock);
    m_assertions = std::make_unique<AssertionManager>(std::move(backends.powerAssertion));
    m_power = std::make_unique<PowerSourceMonitor>(std::move(backends.powerSources), powerPollInterval);
    m_watcher = std::make_unique<ProcessWatcher>(m_assertions.get(), std::move(backends.processes), *m_clock,
                                                 std::move(backends.processExits));
    m_triggers = std::make_unique<TriggerWatcher>(m_assertions.get(), std::move(backends.triggerSources), *m_clock);
    m_runner = std::make_unique<CommandRunner>(m_assertions.get(), *m_clock);
    m_history = std::make_unique<CommandHistory>(std::move(backends.defaults));
    m_timers = std::make_unique<SessionTimerManager>(m_assertions.get(), *m_clock);
    wire();
}

// Services go in reverse order of construction; the runner ends a command still running.
AppCoordinator::~AppCoordinator() = default;

void AppCoordinator::wire()
{
    // The manager signals while it changes; the refresh runs on a later turn of the loop, once the
    // change is complete, and never after this coordinator is gone.
    for (const auto signal : {&AssertionManager::reasonsChanged, &AssertionManager::isAssertionActiveChanged,
                              &AssertionManager::currentModeChanged, &AssertionManager::lastErrorChanged})
        connect(m_assertions.get(), signal, this, &AppCoordinator::refreshState, Qt::QueuedConnection);

    const QPointer<PreferencesStore> prefs = m_prefs.get();
    m_notifications->isEnabled = [prefs] { return prefs && prefs->showNotifications(); };
    m_notifications->quietProcessWatch = [prefs] { return !prefs || prefs->quietProcessNotifications(); };
    m_notifications->announceTriggers = [prefs] { return prefs && prefs->triggerNotifications(); };

    const QPointer<AppCoordinator> self = this;
    m_watcher->onActivated = [self](const ProcessRule &rule, int) {
        if (self)
            self->m_notifications->processWatchActivated(rule.name);
    };
    m_watcher->onReleased = [self](const ProcessRule &rule) {
        if (self)
            self->m_notifications->processWatchReleased(rule.name);
    };
    m_triggers->onActivated = [self](const TriggerRule &rule, const QString &label) {
        if (self)
            self->m_notifications->triggerStarted(rule.name, label);
    };
    m_triggers->onReleased = [self](const TriggerRule &rule) {
        if (self)
            self->m_notifications->triggerEnded(rule.name);
    };
    // Whoever changes the triggers (the menu, the preferences, D-Bus), the watcher follows at once.
    connect(m_prefs.get(), &PreferencesStore::triggerRulesChanged, this,
            [this] { m_triggers->setRules(m_prefs->triggerRules()); });
    connect(m_prefs.get(), &PreferencesStore::defaultModeChanged, this,
            [this] { m_triggers->setDefaultMode(m_prefs->defaultMode()); });
    connect(m_triggers.get(), &TriggerWatcher::statusChanged, this, &AppCoordinator::refreshState,
            Qt::QueuedConnection);
    m_timers->onTick = [self] {
        if (!self)
            return;
        self->evaluateBattery();
        self->refreshState();
    };
    m_timers->onExpire = [self](const AwakeReason &reason) {
        if (!self)
            return;
        self->m_notifications->sessionEnded(reason.label);
        self->refreshState();
    };
    m_runner->onFinished = [self](const SavedCommand &command, std::optional<int> exitCode) {
        if (!self)
            return;
        self->m_history->record(command);
        // A run that never started is not a cancelled one, though neither has an exit code.
        const CommandRunner::State &state = self->m_runner->state();
        if (state.kind == CommandRunner::State::Kind::FailedToStart)
            self->m_notifications->commandFailedToStart(command.command, state.message);
        else
            self->m_notifications->commandFinished(command.command, exitCode);
        self->refreshState();
    };
    applyPreferences();
}

void AppCoordinator::applyPreferences()
{
    m_history->setKeepHistory(m_prefs->keepCommandHistory());
    m_watcher->setRules(m_prefs->processRules());
    m_watcher->updatePollInterval(m_prefs->pollInterval());
    m_triggers->setDefaultMode(m_prefs->defaultMode());
    m_triggers->setRules(m_prefs->triggerRules());
    refreshState();
}

void AppCoordinator::start()
{
    m_started = true;
    followPower();
    m_timers->start();
    m_watcher->start();
    m_triggers->start();
    m_notifications->requestAuthorizationIfNeeded();
    refreshState();
}

void AppCoordinator::runCommand(const SavedCommand &command)
{
    SavedCommand copy = command;
    if (!copy.workingDirectory || copy.workingDirectory->isEmpty()) {
        const QString fallback = m_prefs->defaultWorkingDirectory();
        copy.workingDirectory = fallback.isEmpty() ? std::nullopt : std::optional<QString>(fallback);
    }
    m_runner->run(copy);
}

void AppCoordinator::cancelCommand()
{
    if (m_runner->isRunning())
        m_runner->cancel();
}

void AppCoordinator::shutdown()
{
    if (m_runner->isRunning())
        m_runner->cancel();
    m_timers->stop();
    m_watcher->stop();
    m_triggers->stop();
    m_started = false;
    m_power->stop();
    m_assertions->shutdown();
}

// --- Sessions ---

SessionResult AppCoordinator::addSession(ReasonType type, const QString &label, std::optional<QDateTime> endsAt,
                                         AwakeMode mode, const std::optional<AwakeReason> &replaced)
{
    const AwakeReason reason{QUuid::createUuid(), type, label, m_clock->now(), std::move(endsAt), mode};
    m_assertions->addReason(reason);
    setLastStopReason(std::nullopt);
    // At most one timed or until-time session runs: the notification says which one a new one replaced.
    const bool replacesTimed = replaced && (type == ReasonType::Timed || type == ReasonType::UntilTime);
    m_notifications->sessionStarted(
        type, replacesTimed ? label + u'\n' + tr("Replaced the session \u201C%1\u201D.").arg(replaced->label) : label);
    SessionResult result{replaced ? SessionResult::Outcome::Replaced : SessionResult::Outcome::Started,
                         reason.id, reason.mode, reason.endsAt, {}};
    if (replaced)
        result.replaced = replaced->label;
    return result;
}

std::optional<AwakeReason> AppCoordinator::timedSession() const
{
    if (auto timed = m_assertions->firstReason(ReasonType::Timed))
        return timed;
    return m_assertions->firstReason(ReasonType::UntilTime);
}

SessionResult AppCoordinator::startManual(AwakeMode mode)
{
    const auto replaced = m_assertions->firstReason(ReasonType::Manual);
    m_assertions->removeReasons(ReasonType::Manual);
    const QString label = mode == AwakeMode::Display ? tr("Manual (display awake)") : tr("Manual keep-awake");
    return addSession(ReasonType::Manual, label, std::nullopt, mode, replaced);
}

void AppCoordinator::toggleManual(AwakeMode mode)
{
    if (m_assertions->hasReason(ReasonType::Manual))
        m_assertions->removeReasons(ReasonType::Manual);
    else
        startManual(mode);
}

SessionResult AppCoordinator::startTimed(double seconds, std::optional<AwakeMode> mode)
{
    const auto replaced = timedSession();
    m_assertions->removeReasons(ReasonType::Timed);
    m_assertions->removeReasons(ReasonType::UntilTime);
    const QDateTime now = m_clock->now();
    //: %1 is the time left, e.g. 1h 30m
    return addSession(ReasonType::Timed, tr("Timed: %1").arg(DateFormatting::remaining(seconds)),
                      DateMath::addSeconds(now, seconds), mode.value_or(m_prefs->defaultMode()), replaced);
}

SessionResult AppCoordinator::startUntil(const QDateTime &date, std::optional<AwakeMode> mode)
{
    const QDateTime now = m_clock->now();
    if (!date.isValid() || date <= now)
        return {SessionResult::Outcome::NotInFuture, {}, {}, {}, {}};
    const auto replaced = timedSession();
    m_assertions->removeReasons(ReasonType::Timed);
    m_assertions->removeReasons(ReasonType::UntilTime);
    //: %1 is when the session ends, e.g. Today 6:00 PM
    return addSession(ReasonType::UntilTime,
                      tr("Until %1").arg(DateFormatting::endTime(date, now, m_clock->timeZone())), date,
                      mode.value_or(m_prefs->defaultMode()), replaced);
}

SessionResult AppCoordinator::extendActiveSession(double seconds)
{
    const auto target = timedSession();
    if (!target || !target->endsAt)
        return {SessionResult::Outcome::NothingToExtend, {}, {}, {}, {}};
    const QDateTime now = m_clock->now();
    QDateTime end = DateMath::addSeconds(*target->endsAt, seconds);
    // Extending again and again never reaches past the longest session one can ask for, nor
    // brings forward an end that is already further away.
    const QDateTime latest =
        std::max(*target->endsAt, DateMath::addSeconds(now, DurationText::maximumSeconds));
    if (seconds > 0)
        end = std::min(end, latest);
    const QString label =
        target->type == ReasonType::Timed
            ? tr("Timed: %1").arg(DateFormatting::remaining(DateMath::secondsBetween(now, end)))
            : tr("Until %1").arg(DateFormatting::endTime(end, now, m_clock->timeZone()));
    m_assertions->updateReason(target->id, [&](AwakeReason &reason) {
        reason.endsAt = end;
        reason.label = label;
    });
    return {SessionResult::Outcome::Extended, target->id, target->mode, end, {}};
}

void AppCoordinator::setDisplayAwake(bool on)
{
    if (const auto manual = m_assertions->firstReason(ReasonType::Manual)) {
        m_assertions->updateReason(manual->id, [on](AwakeReason &reason) {
            reason.mode = on ? AwakeMode::Display : AwakeMode::System;
        });
    } else if (on) {
        startManual(AwakeMode::Display);
    }
}

SessionResult AppCoordinator::stopReason(const QUuid &id)
{
    const auto &reasons = m_assertions->reasons();
    const bool known = std::any_of(reasons.cbegin(), reasons.cend(), [&](const AwakeReason &r) { return r.id == id; });
    // Reconciles either way, like any change: a lock still missing is asked for again.
    m_assertions->removeReason(id);
    return {known ? SessionResult::Outcome::Stopped : SessionResult::Outcome::UnknownId, id, {}, {}, {}};
}

void AppCoordinator::stopAll()
{
    if (m_runner->isRunning())
        m_runner->cancel();
    m_assertions->stopAll();
    m_notifications->sessionEnded(tr("All sessions"));
}

MenuState AppCoordinator::status(const QList<OtherInhibitor> &others) const
{
    MenuState state;
    state.reasons = m_assertions->reasons();
    state.effectiveMode = m_assertions->effectiveMode();
    state.lastError = m_assertions->lastError();
    state.takingLock = m_assertions->isTakingLock();
    state.lockDetail = m_assertions->failureDetail();
    if (m_assertions->isAssertionActive())
        state.lockProvider = m_assertions->assertion().providerName();
    state.batteryMessage = m_batteryMessage;
    state.lastStopReason = m_lastStopReason;
    state.processRules = m_prefs->processRules();
    state.matchCounts = m_watcher->matchCounts();
    state.triggerRules = m_prefs->triggerRules();
    state.triggerStatus = m_triggers->statuses();
    state.showRemainingTime = m_prefs->showRemainingTime();
    state.otherInhibitors = others;
    return state;
}

void AppCoordinator::copyHonestStatus()
{
    if (m_clipboard)
        m_clipboard->setText(HonestStatus::suggested(m_assertions->reasons()));
}

void AppCoordinator::followPower()
{
    // The power source matters only to the battery guard, which has nothing to guard while no
    // reason is active: idle, Vigila does not wake up to read it.
    const bool wanted = m_started && !m_assertions->reasons().isEmpty();
    if (wanted && !m_power->isRunning())
        m_power->start();
    else if (!wanted && m_power->isRunning())
        m_power->stop();
}

void AppCoordinator::refreshState()
{
    followPower();
    const StatusIconState state =
        StatusIcon::resolve(m_assertions->reasons(), m_assertions->effectiveMode(), m_batteryWarningActive,
                            m_assertions->lastError().has_value());
    if (state != m_iconState)
        setIconState(state);
    // Once per error episode: when the error appears or its text changes, not on every refresh.
    const std::optional<QString> &error = m_assertions->lastError();
    if (error && error != m_notifiedError)
        m_notifications->assertionFailed();
    m_notifiedError = error;
    if (onStateChanged)
        onStateChanged();
}

// --- Battery guardrail ---

void AppCoordinator::clearBatteryWarning()
{
    m_batteryWarningActive = false;
    setBatteryMessage(std::nullopt);
    m_notifiedBatteryWarning = false;
}

void AppCoordinator::evaluateBattery()
{
    if (m_assertions->reasons().isEmpty()) {
        clearBatteryWarning();
        return;
    }
    const BatteryDecision decision = BatteryGuard::decide(m_power->state(), m_prefs->battery());
    switch (decision.kind) {
    case BatteryDecision::Kind::Warn:
        m_batteryWarningActive = true;
        setBatteryMessage(decision.reason);
        if (!m_notifiedBatteryWarning) {
            m_notifiedBatteryWarning = true;
            m_notifications->batteryWarning(decision.reason);
        }
        break;
    case BatteryDecision::Kind::Stop:
        stopAll();
        setLastStopReason(decision.reason);
        setBatteryMessage(decision.reason);
        m_batteryWarningActive = false;
        m_notifiedBatteryWarning = false;
        m_notifications->batteryWarning(decision.reason);
        break;
    case BatteryDecision::Kind::Ok:
        clearBatteryWarning();
        break;
    }
}

void AppCoordinator::setIconState(StatusIconState state)
{
    m_iconState = state;
    emit iconStateChanged();
}

void AppCoordinator::setBatteryMessage(std::optional<QString> message)
{
    m_batteryMessage = std::move(message);
    emit batteryMessageChanged();
}

void AppCoordinator::setLastStopReason(std::optional<QString> reason)
{
    m_lastStopReason = std::move(reason);
    emit lastStopReasonChanged();
}
