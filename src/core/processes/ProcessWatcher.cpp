#include "ProcessWatcher.h"

#include "power/AssertionManager.h"
#include "processes/ProcessMatching.h"
#include "utilities/Clock.h"
#include "utilities/Log.h"
#include "utilities/OneLine.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

ProcessWatcher::ProcessWatcher(AssertionManager *manager, std::unique_ptr<ProcessSnapshotProviding> provider,
                               const Clock &clock, std::unique_ptr<ProcessExitWatching> exits,
                               QObject *parent)
    : QObject(parent)
    , m_manager(manager)
    , m_provider(std::move(provider))
    , m_clock(clock)
    , m_exits(std::move(exits))
{
    Q_ASSERT(m_provider);
    if (m_exits) {
        const QPointer<ProcessWatcher> self(this);
        m_exits->onExit = [self](qint64 pid) {
            if (self)
                self->processExited(pid);
        };
    }
}

ProcessWatcher::~ProcessWatcher() = default;

void ProcessWatcher::setRules(QList<ProcessRule> rules)
{
    m_rules = std::move(rules);
    emit rulesChanged();
}

void ProcessWatcher::setMatchCounts(QHash<QUuid, int> counts)
{
    m_matchCounts = std::move(counts);
    emit matchCountsChanged();
}

void ProcessWatcher::start()
{
    stop();
    auto *timer = new QTimer(this);
    // A coarse timer may fire up to 5 % of the interval late, letting the system coalesce wake-ups.
    timer->setTimerType(Qt::CoarseTimer);
    timer->setInterval(timerIntervalMilliseconds(m_pollInterval));
    connect(timer, &QTimer::timeout, this, &ProcessWatcher::poll);
    timer->start();
    m_timer = timer;
    // Polling already, so that this first poll watches the processes it finds for their exit.
    poll();
}

void ProcessWatcher::stop()
{
    if (!m_runningByRule.isEmpty()) {
        m_runningByRule.clear();
        m_exits->watch({});
    }
    if (!m_timer)
        return;
    m_timer->stop();
    // Not deleted at once: stop() may run inside the timer's own timeout.
    m_timer->deleteLater();
    m_timer = nullptr;
}

void ProcessWatcher::updatePollInterval(double seconds)
{
    m_pollInterval = seconds;
    if (m_timer)
        start();
}

int ProcessWatcher::timerIntervalMilliseconds(double seconds)
{
    // A zero or negative interval would list the processes back to back and hold the main thread.
    if (!(seconds >= minimumTimerInterval))
        seconds = minimumTimerInterval;
    const double milliseconds = std::min(seconds * 1000.0, double(std::numeric_limits<int>::max()));
    return int(std::lround(milliseconds));
}

QString ProcessWatcher::labelFor(const ProcessRule &rule, int count)
{
    return u"\u201C"_s + oneLine(rule.name) + u"\u201D running ("_s + QString::number(count) +
           (count == 1 ? u" match)"_s : u" matches)"_s);
}

void ProcessWatcher::noteListing(bool listed)
{
    // Once per episode: a listing that keeps failing would otherwise log at every poll.
    if (listed == !m_listingFailed)
        return;
    m_listingFailed = !listed;
    if (m_listingFailed)
        Log::error(u"Could not list the running processes; process watches are kept as they are "
                   u"until the list can be read again."_s);
    else
        Log::info(u"The running processes can be listed again."_s);
}

std::optional<QList<RunningProcess>> ProcessWatcher::takeSnapshot(const QList<ProcessRule> &rules)
{
    // Only what the rules look at is read: nothing at all while no rule can match (every count is
    // 0 whatever runs), no command lines while no rule searches them.
    bool names = false;
    bool commandLines = false;
    for (const ProcessRule &rule : rules) {
        if (rule.enabled && !rule.name.isEmpty())
            (rule.matchMode == ProcessMatchMode::Contains ? commandLines : names) = true;
    }
    if (!names && !commandLines)
        return QList<RunningProcess>();
    auto snapshot = m_provider->snapshot(commandLines ? ProcessSnapshotProviding::Detail::CommandLines
                                                      : ProcessSnapshotProviding::Detail::Names);
    noteListing(snapshot.has_value());
    return snapshot;
}

void ProcessWatcher::poll()
{
    if (!m_manager)
        return;
    // Callbacks may replace the rules; this pass works on the list as it was.
    const QList<ProcessRule> rules = m_rules;
    const std::optional<QList<RunningProcess>> snapshot = takeSnapshot(rules);
    QList<int> counts;
    if (snapshot) {
        counts = ProcessMatching::countMatches(rules, *snapshot);
    } else {
        // Without a listing an enabled rule keeps the count it had.
        counts.reserve(rules.size());
        for (const ProcessRule &rule : rules)
            counts.append(rule.enabled ? m_matchCounts.value(rule.id, 0) : 0);
    }
    const QPointer<ProcessWatcher> self(this);

    QHash<QUuid, int> countByRule;
    countByRule.reserve(rules.size());
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const ProcessRule &rule = rules[i];
        const int count = counts[i];
        countByRule.insert(rule.id, count);
        const auto entry = m_reasonByRule.constFind(rule.id);
        if (count == 0) {
            if (entry == m_reasonByRule.cend())
                continue;
            const QUuid reasonId = *entry;
            m_reasonByRule.erase(entry);
            // Harmless when the reason was already stopped elsewhere.
            if (m_manager)
                m_manager->removeReason(reasonId);
            if (onReleased) {
                onReleased(rule);
                if (!self)
                    return;
            }
        } else if (!snapshot) {
            continue;
        } else if (entry != m_reasonByRule.cend()) {
            // Only relabels: a reason stopped elsewhere stays stopped while the rule keeps matching.
            const QUuid reasonId = *entry;
            const QString label = labelFor(rule, count);
            if (m_manager)
                m_manager->updateReason(reasonId, [&label](AwakeReason &reason) { reason.label = label; });
        } else {
            const AwakeReason reason{QUuid::createUuid(), ReasonType::Process, labelFor(rule, count),
                                     m_clock.now(),       std::nullopt,        AwakeMode::System};
            m_reasonByRule.insert(rule.id, reason.id);
            if (m_manager)
                m_manager->addReason(reason);
            if (onActivated) {
                onActivated(rule, count);
                if (!self)
                    return;
            }
        }
    }

    // Rules that have gone away lose their reasons silently.
    QSet<QUuid> ruleIds;
    ruleIds.reserve(m_rules.size());
    for (const ProcessRule &rule : std::as_const(m_rules))
        ruleIds.insert(rule.id);
    QList<QUuid> orphans;
    for (auto it = m_reasonByRule.cbegin(); it != m_reasonByRule.cend(); ++it) {
        if (!ruleIds.contains(it.key()))
            orphans.append(it.key());
    }
    for (const QUuid &ruleId : std::as_const(orphans)) {
        const QUuid reasonId = m_reasonByRule.take(ruleId);
        if (m_manager)
            m_manager->removeReason(reasonId);
    }

    if (snapshot)
        watchExits(rules, *snapshot);
    setMatchCounts(std::move(countByRule));
}

void ProcessWatcher::watchExits(const QList<ProcessRule> &rules, const QList<RunningProcess> &snapshot)
{
    if (!m_exits)
        return;
    QHash<QUuid, QSet<qint64>> running;
    QList<qint64> pids;
    if (m_timer) {
        for (const ProcessRule &rule : rules) {
            if (!rule.enabled || !m_reasonByRule.contains(rule.id))
                continue;
            QSet<qint64> &matched = running[rule.id];
            for (const RunningProcess &process : snapshot) {
                if (rule.matches(process)) {
                    matched.insert(process.pid);
                    pids.append(process.pid);
                }
            }
        }
    }
    if (running.isEmpty() && m_runningByRule.isEmpty())
        return;
    m_runningByRule = std::move(running);
    m_exits->watch(pids);
}

void ProcessWatcher::processExited(qint64 pid)
{
    bool lastOfARule = false;
    for (QSet<qint64> &running : m_runningByRule) {
        if (running.remove(pid) && running.isEmpty())
            lastOfARule = true;
    }
    // Only the end of a rule's last process is worth a poll before the next tick; every exit that
    // arrives before that poll runs is covered by it.
    if (!lastOfARule || m_exitPollQueued)
        return;
    m_exitPollQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_exitPollQueued = false;
            if (m_timer)
                poll();
        },
        Qt::QueuedConnection);
}
