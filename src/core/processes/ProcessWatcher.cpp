#include "ProcessWatcher.h"

#include "power/AssertionManager.h"
#include "processes/ProcessMatching.h"
#include "utilities/Clock.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

ProcessWatcher::ProcessWatcher(AssertionManager *manager, std::unique_ptr<ProcessSnapshotProviding> provider,
                               const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_manager(manager)
    , m_provider(std::move(provider))
    , m_clock(clock)
{
    Q_ASSERT(m_provider);
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
    const QPointer<ProcessWatcher> self(this);
    poll();
    // A callback of that poll may have destroyed the watcher or started it anew.
    if (!self)
        return;
    stop();
    auto *timer = new QTimer(this);
    // A coarse timer may fire up to 5 % of the interval late, letting the system coalesce wake-ups.
    timer->setTimerType(Qt::CoarseTimer);
    timer->setInterval(timerIntervalMilliseconds(m_pollInterval));
    connect(timer, &QTimer::timeout, this, &ProcessWatcher::poll);
    timer->start();
    m_timer = timer;
}

void ProcessWatcher::stop()
{
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
    // A zero or negative interval would run ps back to back and hold the main thread.
    if (!(seconds >= minimumTimerInterval))
        seconds = minimumTimerInterval;
    const double milliseconds = std::min(seconds * 1000.0, double(std::numeric_limits<int>::max()));
    return int(std::lround(milliseconds));
}

QString ProcessWatcher::labelFor(const ProcessRule &rule, int count)
{
    return u"\u201C"_s + rule.name + u"\u201D running ("_s + QString::number(count) +
           (count == 1 ? u" match)"_s : u" matches)"_s);
}

void ProcessWatcher::poll()
{
    if (!m_manager)
        return;
    const QList<RunningProcess> snapshot = m_provider->snapshot();
    // Callbacks may replace the rules; this pass works on the list as it was.
    const QList<ProcessRule> rules = m_rules;
    const QList<int> counts = ProcessMatching::countMatches(rules, snapshot);
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

    setMatchCounts(std::move(countByRule));
}
