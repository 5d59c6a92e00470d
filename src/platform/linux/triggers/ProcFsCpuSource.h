#pragma once

#include "processes/ListingThreads.h"
#include "triggers/TriggerSources.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>

#include <memory>
#include <optional>

class Clock;

// The CPU time each process has used, read from /proc: every sampleIntervalSeconds while
// following, one listing on a thread of its own (ProcFsProcessSnapshotProvider's, with the user and
// system times of each process's "stat"), handed back to the main thread. Names are what that
// listing gives; command lines only while asked for (setCommandLines), else empty unless the name
// needed one. A listing still running when the next is due lets that one pass; one that has taken
// longer than listingDeadlineMilliseconds adds nothing (its times are no longer of one moment).
// Samples are kept as far back as maximumHistorySeconds; nothing is kept or timed while not following.
class ProcFsCpuSource final : public ProcessCpuSource {
    Q_OBJECT
public:
    static constexpr int listingDeadlineMilliseconds = 2000;

    explicit ProcFsCpuSource(std::shared_ptr<const Clock> clock, QString procRoot = QStringLiteral("/proc"),
                             QObject *parent = nullptr);
    ~ProcFsCpuSource() override;

    void setFollowing(bool on) override;
    void setCommandLines(bool needed) override { m_commandLines = needed; }
    QList<CpuSample> samples() const override { return m_samples; }

    // Starts a listing now (what the timer does); false when one is under way already.
    bool sample();
    bool sampling() const { return m_listing; }

    // The processes under root with the CPU time they have used; nothing when the listing fails.
    using Listing = std::optional<QList<ProcessCpu>>;
    static Listing list(const QString &root, bool commandLines);

private:
    void listed(const Listing &listing, const QDateTime &at, quint64 period);
    void add(CpuSample sample);

    std::shared_ptr<const Clock> m_clock;
    QString m_root;
    bool m_commandLines = false;
    QTimer m_timer{this};
    ListingThreads m_threads;
    // The listing under way (of which period of following), and since when.
    bool m_listing = false;
    QElapsedTimer m_listingAge;
    bool m_overdueLogged = false;
    quint64 m_period = 0;
    QList<CpuSample> m_samples;
};
