#include "ProcessWatcher.h"

#include "power/AssertionManager.h"
#include "processes/ProcessMatching.h"
#include "utilities/Clock.h"
#include "utilities/Log.h"
#include "utilities/OneLine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

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
    m_listingDeadline.setSingleShot(true);
    m_listingDeadline.setInterval(defaultListingDeadlineMilliseconds);
    connect(&m_listingDeadline, &QTimer::timeout, this, &ProcessWatcher::listingOverdue);
}

// A listing still running finishes on its own thread; its result goes nowhere.
ProcessWatcher::~ProcessWatcher() = default;

void ProcessWatcher::setRules(QList<ProcessRule> rules)
{
    m_rules = std::move(rules);
    emit rulesChanged();
    updateTimer();
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
    m_timer = timer;
    updateTimer();
    // Polling already, so that this first poll watches the processes it finds for their exit.
    poll();
}

void ProcessWatcher::stop()
{
    if (!m_runningByRule.isEmpty()) {
        m_runningByRule.clear();
        m_exits->watch({});
    }
    // The listing keeps its place, so that no second one starts beside it, but its result is
    // no longer wanted.
    if (m_listing)
        m_listingDiscarded = true;
    m_pollAgain = false;
    if (!m_timer)
        return;
    m_timer->stop();
    // Not deleted at once: stop() may run inside the timer's own timeout.
    m_timer->deleteLater();
    m_timer = nullptr;
}

void ProcessWatcher::updateTimer()
{
    if (!m_timer)
        return;
    // Nothing to poll for: no enabled rule can match, and no reason waits for its release.
    const bool needed = !m_reasonByRule.isEmpty() || detailFor(m_rules).has_value();
    if (needed && !m_timer->isActive())
        m_timer->start();
    else if (!needed && m_timer->isActive())
        m_timer->stop();
}

void ProcessWatcher::updatePollInterval(double seconds)
{
    m_pollInterval = seconds;
    if (m_timer)
        start();
}

int ProcessWatcher::timerIntervalMilliseconds(double seconds)
{
    // A zero or negative interval would list the processes back to back.
    if (!(seconds >= minimumTimerInterval))
        seconds = minimumTimerInterval;
    const double milliseconds = std::min(seconds * 1000.0, double(std::numeric_limits<int>::max()));
    return int(std::lround(milliseconds));
}

QString ProcessWatcher::labelFor(const ProcessRule &rule, int count)
{
    //: %1 is the process name the rule looks for; %n how many running processes match it
    return tr("\u201C%1\u201D running (%n match(es))", nullptr, count).arg(oneLine(rule.name));
}

void ProcessWatcher::noteListing(bool listed, const QString &failure)
{
    // Once per episode: a listing that keeps failing would otherwise log at every poll.
    if (listed == !m_listingFailed)
        return;
    m_listingFailed = !listed;
    if (!m_listingFailed)
        Log::info(u"The running processes can be listed again."_s);
    else if (!failure.isEmpty())
        Log::error(failure);
    else
        Log::error(u"Could not list the running processes; process watches are kept as they are "
                   u"until the list can be read again."_s);
}

std::optional<ProcessSnapshotProviding::Detail> ProcessWatcher::detailFor(const QList<ProcessRule> &rules)
{
    // Only what the rules look at is read: nothing at all while no rule can match (every count is
    // 0 whatever runs), no command lines while no rule searches them.
    bool names = false;
    bool commandLines = false;
    for (const ProcessRule &rule : rules) {
        if (rule.enabled && !rule.name.isEmpty())
            (rule.matchMode == ProcessMatchMode::Contains ? commandLines : names) = true;
    }
    if (commandLines)
        return Detail::CommandLines;
    if (names)
        return Detail::Names;
    return std::nullopt;
}

void ProcessWatcher::poll()
{
    if (!m_manager)
        return;
    const std::optional<Detail> detail = detailFor(m_rules);
    if (!detail) {
        apply(QList<RunningProcess>());
        return;
    }
    // One listing at a time: another beside a stuck one would get stuck too, and pile up threads.
    if (m_listing) {
        if (m_listingOverdue)
            apply(std::nullopt);
        else
            m_pollAgain = true;
        return;
    }
    const QFuture<Listing> future = m_provider->snapshot(*detail);
    if (future.isFinished()) {
        const Listing listing = future.resultCount() > 0 ? future.result() : std::nullopt;
        noteListing(listing.has_value());
        apply(listing);
        return;
    }
    m_listing = new QFutureWatcher<Listing>(this);
    m_listingDetail = *detail;
    m_listingDiscarded = false;
    m_listingOverdue = false;
    connect(m_listing, &QFutureWatcherBase::finished, this, &ProcessWatcher::listingFinished);
    m_listing->setFuture(future);
    m_listingDeadline.start();
}

void ProcessWatcher::listingOverdue()
{
    if (!m_listing)
        return;
    m_listingOverdue = true;
    noteListing(false,
                u"Listing the running processes has taken longer than %1 ms; process watches are "
                u"kept as they are until the list can be read again."_s.arg(m_listingDeadline.interval()));
    // A poll that waited for this listing goes ahead without it.
    if (std::exchange(m_pollAgain, false) && !m_listingDiscarded)
        apply(std::nullopt);
}

void ProcessWatcher::listingFinished()
{
    QFutureWatcher<Listing> *watcher = std::exchange(m_listing, nullptr);
    watcher->deleteLater();
    m_listingDeadline.stop();
    bool pollAgain = std::exchange(m_pollAgain, false);
    // An overdue listing has counted as failed already; the next poll lists afresh.
    if (m_listingOverdue || m_listingDiscarded) {
        if (pollAgain)
            poll();
        return;
    }
    const QFuture<Listing> future = watcher->future();
    const Listing listing = future.resultCount() > 0 ? future.result() : std::nullopt;
    const std::optional<Detail> needed = detailFor(m_rules);
    // Names alone cannot serve a rule that has come to search command lines while they were read.
    if (listing && needed == Detail::CommandLines && m_listingDetail == Detail::Names) {
        poll();
        return;
    }
    const QPointer<ProcessWatcher> self(this);
    noteListing(listing.has_value());
    apply(listing);
    if (pollAgain && self)
        poll();
}

void ProcessWatcher::apply(const Listing &snapshot)
{
    // Callbacks may replace the rules; this pass works on the list as it was.
    const QList<ProcessRule> rules = m_rules;
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
        watchExits(rules, counts, *snapshot);
    updateTimer();
    setMatchCounts(std::move(countByRule));
}

void ProcessWatcher::watchExits(const QList<ProcessRule> &rules, const QList<int> &counts,
                                const QList<RunningProcess> &snapshot)
{
    if (!m_exits)
        return;
    QHash<QUuid, QSet<qint64>> running;
    QList<qint64> pids;
    if (m_timer) {
        for (qsizetype i = 0; i < rules.size(); ++i) {
            const ProcessRule &rule = rules[i];
            if (!rule.enabled || !m_reasonByRule.contains(rule.id))
                continue;
            // Some of a rule's processes would not tell when its last one exits: a rule with many
            // processes, or one past the total, is left to the polls.
            if (counts[i] > ProcessExitWatching::maximumWatchesPerRule ||
                pids.size() + counts[i] > ProcessExitWatching::maximumWatches)
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
