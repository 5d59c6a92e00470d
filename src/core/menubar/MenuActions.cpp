#include "MenuActions.h"

#include "app/AppCoordinator.h"
#include "power/AssertionManager.h"
#include "preferences/PreferencesStore.h"
#include "processes/ProcessWatcher.h"
#include "timers/SessionTimerManager.h"
#include "triggers/TriggerRuleEditor.h"
#include "utilities/Clock.h"

#include <algorithm>

MenuActions::MenuActions(AppCoordinator *coordinator, std::unique_ptr<MenuDialogs> dialogs, QObject *parent)
    : QObject(parent)
    , m_coordinator(coordinator)
    , m_dialogs(std::move(dialogs))
{
    Q_ASSERT(m_dialogs);
}

MenuActions::~MenuActions() = default;

void MenuActions::call(const std::function<void()> &callback)
{
    if (callback)
        callback();
}

template <typename Question> auto MenuActions::ask(Question question)
{
    m_asking = true;
    auto answer = question(*m_dialogs);
    m_asking = false;
    return answer;
}

void MenuActions::perform(const MenuAction &action)
{
    using Kind = MenuAction::Kind;
    // A tray host may deliver a menu choice while one of our dialogs waits for an answer; acting
    // on it would stack a second dialog or change the state the first one is asking about.
    if (m_asking)
        return;
    // Window and quit callbacks do not need the coordinator.
    switch (action.kind) {
    case Kind::OpenPreferences:
        return call(openPreferences);
    case Kind::OpenTriggers:
        return call(openTriggers ? openTriggers : openPreferences);
    case Kind::OpenCommandRunner:
        return call(openCommandRunner);
    case Kind::Quit:
        return call(quit);
    default:
        break;
    }
    if (!m_coordinator)
        return;
    AppCoordinator &coordinator = *m_coordinator;
    switch (action.kind) {
    case Kind::None:
    case Kind::OpenPreferences:
    case Kind::OpenTriggers:
    case Kind::OpenCommandRunner:
    case Kind::Quit:
        break;
    case Kind::ToggleTrigger:
        toggleTrigger(action.id);
        break;
    case Kind::ToggleManual:
        toggleManual(action.manualExisted);
        break;
    case Kind::ToggleDisplay:
        toggleDisplay(action.manualExisted, action.manualMode);
        break;
    case Kind::StartTimed:
        coordinator.startTimed(action.seconds);
        break;
    case Kind::PromptCustomDuration:
        promptCustomDuration();
        break;
    case Kind::StartUntil:
        startUntil(action.hour, action.minute);
        break;
    case Kind::PromptCustomTime:
        promptCustomTime();
        break;
    case Kind::ToggleRule:
        toggleRule(action.id);
        break;
    case Kind::PromptAddProcess:
        promptAddProcess();
        break;
    case Kind::StopReason:
        coordinator.assertions().removeReason(action.id);
        break;
    case Kind::ExtendSession:
        coordinator.extendActiveSession(action.seconds);
        break;
    case Kind::StopAll:
        coordinator.stopAll();
        break;
    case Kind::CopyHonestStatus:
        coordinator.copyHonestStatus();
        break;
    }
}

// Decided by what the menu showed, not by the state at the click: a session that ended while the
// menu was open is not restarted by its "Stop" entry.
void MenuActions::toggleManual(bool manualExisted)
{
    if (manualExisted) {
        m_coordinator->assertions().removeReasons(ReasonType::Manual);
        return;
    }
    if (m_coordinator->prefs().confirmIndefinite()) {
        const bool start = ask([](MenuDialogs &d) { return d.confirmIndefiniteSession(); });
        if (!start || !m_coordinator)
            return;
    }
    m_coordinator->startManual(AwakeMode::System);
}

void MenuActions::toggleDisplay(bool manualExisted, std::optional<AwakeMode> manualMode)
{
    if (manualExisted)
        m_coordinator->setDisplayAwake(manualMode != AwakeMode::Display);
    else
        m_coordinator->startManual(AwakeMode::Display);
}

void MenuActions::startUntil(int hour, int minute)
{
    const Clock &clock = m_coordinator->clock();
    m_coordinator->startUntil(
        SessionTimerManager::nextOccurrence(hour, minute, clock.now(), clock.timeZone()));
}

void MenuActions::promptCustomDuration()
{
    const auto text = ask([](MenuDialogs &d) { return d.askCustomDuration(); });
    if (!text || !m_coordinator)
        return;
    if (const std::optional<double> seconds = MenuModel::parseCustomMinutes(*text))
        m_coordinator->startTimed(*seconds);
}

void MenuActions::promptCustomTime()
{
    const Clock &clock = m_coordinator->clock();
    const QTime initial = clock.now().addSecs(3600).toTimeZone(clock.timeZone()).time();
    const auto picked = ask([&](MenuDialogs &d) { return d.askCustomTime(initial); });
    if (!picked || !m_coordinator)
        return;
    // Only the clock time counts: the session ends at its next occurrence, read after the dialog.
    const int hour = picked->isValid() ? picked->hour() : 0;
    const int minute = picked->isValid() ? picked->minute() : 0;
    startUntil(hour, minute);
}

void MenuActions::promptAddProcess()
{
    const auto text = ask([](MenuDialogs &d) { return d.askProcessName(); });
    if (!text || !m_coordinator)
        return;
    const QString name = MenuModel::trimmedSpacesAndTabs(*text);
    if (name.isEmpty())
        return;
    const ProcessRule rule{QUuid::createUuid(), name, true, ProcessMatchMode::Exact};
    PreferencesStore &prefs = m_coordinator->prefs();
    prefs.setProcessRules(prefs.processRules() + QList<ProcessRule>{rule});
    m_coordinator->applyPreferences();
    m_coordinator->watcher().poll();
    if (rule.isBroad() && m_coordinator->prefs().warnOnBroadNames())
        ask([](MenuDialogs &d) {
            d.showBroadProcessWarning();
            return true;
        });
}

void MenuActions::toggleRule(const QUuid &id)
{
    PreferencesStore &prefs = m_coordinator->prefs();
    QList<ProcessRule> rules = prefs.processRules();
    const auto rule =
        std::find_if(rules.begin(), rules.end(), [&](const ProcessRule &r) { return r.id == id; });
    if (rule == rules.end())
        return;
    rule->enabled = !rule->enabled;
    prefs.setProcessRules(rules);
    m_coordinator->applyPreferences();
    m_coordinator->watcher().poll();
}

void MenuActions::toggleTrigger(const QUuid &id)
{
    PreferencesStore &prefs = m_coordinator->prefs();
    const auto &rules = prefs.triggerRules();
    const auto rule = std::find_if(rules.cbegin(), rules.cend(), [&](const TriggerRule &r) { return r.id == id; });
    if (rule == rules.cend())
        return;
    // A rule that cannot run stays off; the menu shows it greyed with its problem.
    TriggerRuleEditor(prefs).setEnabled(id.toString(), !rule->enabled);
}
