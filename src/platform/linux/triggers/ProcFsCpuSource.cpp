#include "ProcFsCpuSource.h"

#include "SampleHistory.h"
#include "linux/ProcFsProcessSnapshotProvider.h"
#include "utilities/Clock.h"
#include "utilities/Log.h"

#include <QFutureWatcher>
#include <QHash>

#include <unistd.h>

#include <utility>

using namespace Qt::StringLiterals;

ProcFsCpuSource::ProcFsCpuSource(std::shared_ptr<const Clock> clock, QString procRoot, QObject *parent)
    : ProcessCpuSource(parent)
    , m_clock(std::move(clock))
    , m_root(std::move(procRoot))
{
    SampleHistory::setUpTimer(m_timer, sampleIntervalSeconds, this, [this] { sample(); });
}

// A listing still running finishes on its own thread; its result goes nowhere.
ProcFsCpuSource::~ProcFsCpuSource() = default;

void ProcFsCpuSource::setFollowing(bool on)
{
    if (on == m_timer.isActive())
        return;
    ++m_period;
    if (!on) {
        m_timer.stop();
        m_samples.clear();
        return;
    }
    m_timer.start();
    sample();
}

bool ProcFsCpuSource::sample()
{
    // One listing at a time: another beside a stuck one would get stuck too, and pile up threads.
    if (m_listing) {
        if (m_listingAge.elapsed() > listingDeadlineMilliseconds && !std::exchange(m_overdueLogged, true))
            Log::warning(u"Listing the processes' CPU time has taken longer than %1 ms; no CPU time is "
                         u"sampled until it ends."_s.arg(listingDeadlineMilliseconds));
        return false;
    }
    const QDateTime at = m_clock->now();
    const quint64 period = m_period;
    m_listing = true;
    m_listingAge.start();
    auto *watcher = new QFutureWatcher<Listing>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, at, period] {
        watcher->deleteLater();
        const QFuture<Listing> future = watcher->future();
        listed(future.resultCount() > 0 ? future.result() : std::nullopt, at, period);
    });
    watcher->setFuture(m_threads.run([root = m_root, commandLines = m_commandLines] {
        return list(root, commandLines);
    }));
    return true;
}

void ProcFsCpuSource::listed(const Listing &listing, const QDateTime &at, quint64 period)
{
    const bool overdue = m_listingAge.elapsed() > listingDeadlineMilliseconds;
    m_listing = false;
    if (!overdue)
        m_overdueLogged = false;
    if (period != m_period) {
        // Let go and followed again while it ran: the new period's first listing is due now.
        if (m_timer.isActive())
            sample();
        return;
    }
    if (overdue || !listing)
        return;
    add({at, *listing});
    emit changed();
}

void ProcFsCpuSource::add(CpuSample sample)
{
    // Most processes look the same at every sample: their texts are shared with the sample before
    // rather than held once per sample, which keeps the history at about one listing's size.
    if (!m_samples.isEmpty()) {
        QHash<qint64, const ProcessCpu *> previous;
        for (const ProcessCpu &process : m_samples.constLast().processes)
            previous.insert(process.pid, &process);
        for (ProcessCpu &process : sample.processes) {
            const ProcessCpu *before = previous.value(process.pid);
            if (!before)
                continue;
            if (before->executableName == process.executableName)
                process.executableName = before->executableName;
            if (before->commandLine == process.commandLine)
                process.commandLine = before->commandLine;
        }
    }
    SampleHistory::add(m_samples, std::move(sample), maximumHistorySeconds);
}

ProcFsCpuSource::Listing ProcFsCpuSource::list(const QString &root, bool commandLines)
{
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (ticksPerSecond <= 0)
        return std::nullopt;
    const auto detail = commandLines ? ProcessSnapshotProviding::Detail::CommandLines
                                     : ProcessSnapshotProviding::Detail::Names;
    QList<ProcessCpu> processes;
    const bool listed = ProcFsProcessSnapshotProvider::visit(
        root, detail, [&](RunningProcess &&process, quint64 cpuTicks) {
            processes.append({process.pid, std::move(process.executableName), std::move(process.commandLine),
                              double(cpuTicks) / double(ticksPerSecond)});
        });
    if (!listed)
        return std::nullopt;
    return processes;
}
