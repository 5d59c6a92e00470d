#pragma once

#include "processes/ProcessExitWatching.h"
#include "processes/ProcessRule.h"
#include "processes/ProcessSnapshotProviding.h"

#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

class AssertionManager;
class Clock;

// Keeps one process reason in the assertion manager for every enabled rule that matches at least
// one running process, polling a snapshot of the processes at a fixed interval. It finds its
// reasons only through the ids it created, so a reason stopped elsewhere is not added back until
// its rule has stopped matching once.
//
// A poll lists only what the enabled rules look at: nothing while none is enabled, names alone
// while none searches command lines. The listing runs off the main thread, one at a time: a poll
// that comes while one runs waits for it, and one that has not finished within listingDeadline
// counts as failed (a listing stuck in the kernel must not hold the reasons up, nor start another
// beside it). The timer runs only while there is something to poll for: an enabled rule, or a
// reason still to release.
//
// While polling, the processes that keep a rule active are watched for their exit (when an exit
// watcher is given, and within its limits): once the last of a rule's processes has gone, it polls
// at once instead of at the next tick. A listing that fails changes nothing but what needs no
// listing: disabled and removed rules still lose their reasons.
class ProcessWatcher final : public QObject {
    Q_OBJECT
public:
    // The timer never runs faster than this: each poll lists every process.
    static constexpr double minimumTimerInterval = 1.0;
    static constexpr int defaultListingDeadlineMilliseconds = 2000;

    ProcessWatcher(AssertionManager *manager, std::unique_ptr<ProcessSnapshotProviding> provider,
                   const Clock &clock, std::unique_ptr<ProcessExitWatching> exits = {},
                   QObject *parent = nullptr);
    ~ProcessWatcher() override;

    const QList<ProcessRule> &rules() const { return m_rules; }
    // Does not poll.
    void setRules(QList<ProcessRule> rules);
    // Per rule id at the last poll; 0 for a disabled rule.
    const QHash<QUuid, int> &matchCounts() const { return m_matchCounts; }
    double pollInterval() const { return m_pollInterval; }
    // Leaves a running timer alone; updatePollInterval() restarts it.
    void setPollInterval(double seconds) { m_pollInterval = seconds; }
    // Present exactly while polling; active only while a rule is enabled or a reason is held.
    const QTimer *timer() const { return m_timer; }
    bool isPolling() const { return m_timer != nullptr; }
    // How long a listing may take before it counts as failed.
    void setListingDeadline(int milliseconds) { m_listingDeadline.setInterval(milliseconds); }
    // A listing has been started and has not finished yet (it may be overdue).
    bool isListing() const { return m_listing != nullptr; }

    // A rule got its reason, with the count of that poll.
    std::function<void(const ProcessRule &, int)> onActivated;
    // A rule lost its reason because it no longer matches (not when it was removed from rules).
    std::function<void(const ProcessRule &)> onReleased;

    // Polls at once, then at every interval; restarts the timer when already polling.
    void start();
    // Keeps the reasons already added; stops watching for exits. A listing still running is
    // waited for no longer: its result is dropped.
    void stop();
    void updatePollInterval(double seconds);
    // Starts a listing, or takes one that is ready at once (then the poll is done on return).
    // While a listing runs, the poll follows when it finishes; while one is overdue, only what
    // needs no listing happens.
    void poll();

    // What the timer waits for a poll interval: at least minimumTimerInterval (also for NaN).
    static int timerIntervalMilliseconds(double seconds);

signals:
    void rulesChanged();
    void matchCountsChanged();

private:
    using Listing = ProcessSnapshotProviding::Listing;
    using Detail = ProcessSnapshotProviding::Detail;

    static QString labelFor(const ProcessRule &rule, int count);
    // What the rules need listed; nothing while no rule can match.
    static std::optional<Detail> detailFor(const QList<ProcessRule> &rules);
    void setMatchCounts(QHash<QUuid, int> counts);
    void listingFinished();
    void listingOverdue();
    // One poll over a listing, or over a failed one.
    void apply(const Listing &snapshot);
    void noteListing(bool listed, const QString &failure = {});
    void watchExits(const QList<ProcessRule> &rules, const QList<int> &counts,
                    const QList<RunningProcess> &snapshot);
    void processExited(qint64 pid);
    void updateTimer();

    QList<ProcessRule> m_rules;
    QHash<QUuid, int> m_matchCounts;
    double m_pollInterval = 5.0;
    QPointer<AssertionManager> m_manager;
    std::unique_ptr<ProcessSnapshotProviding> m_provider;
    const Clock &m_clock;
    QTimer *m_timer = nullptr;
    QHash<QUuid, QUuid> m_reasonByRule;
    std::unique_ptr<ProcessExitWatching> m_exits;
    // The watched processes of each active rule that have not exited yet.
    QHash<QUuid, QSet<qint64>> m_runningByRule;
    bool m_exitPollQueued = false;
    bool m_listingFailed = false;

    // The listing in flight, if any, and what it reads.
    QFutureWatcher<Listing> *m_listing = nullptr;
    Detail m_listingDetail = Detail::Names;
    QTimer m_listingDeadline;
    // The listing in flight has passed its deadline, or was started before stop(): its result is
    // not used.
    bool m_listingDiscarded = false;
    bool m_listingOverdue = false;
    // A poll was asked for while the listing ran.
    bool m_pollAgain = false;
};
