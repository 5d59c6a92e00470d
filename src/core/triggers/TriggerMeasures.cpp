#include "TriggerMeasures.h"

#include <QHash>

namespace TriggerMeasures {

template <typename Sample> std::optional<Span> span(const QList<Sample> &samples, int windowSeconds)
{
    if (samples.size() < 2)
        return std::nullopt;
    const int to = int(samples.size() - 1);
    const QDateTime &end = samples[to].at;
    for (int from = 0; from < to; ++from) {
        const double seconds = samples[from].at.msecsTo(end) / 1000.0;
        if (seconds <= windowSeconds && seconds > 0)
            return Span{from, to, seconds};
    }
    // The samples are further apart than the window: the last two stand for it.
    const double seconds = samples[to - 1].at.msecsTo(end) / 1000.0;
    if (seconds <= 0)
        return std::nullopt;
    return Span{to - 1, to, seconds};
}

template std::optional<Span> span(const QList<NetworkSample> &, int);
template std::optional<Span> span(const QList<CpuSample> &, int);

std::optional<double> trafficRate(const QList<NetworkSample> &samples, int windowSeconds, const QString &interface,
                                  QList<std::pair<QString, double>> *each)
{
    const auto range = span(samples, windowSeconds);
    if (!range)
        return std::nullopt;
    QHash<QString, quint64> before;
    for (const InterfaceCounters &counters : samples[range->from].interfaces)
        before.insert(counters.name, counters.bytes);
    quint64 bytes = 0;
    for (const InterfaceCounters &counters : samples[range->to].interfaces) {
        const bool wanted = interface.isEmpty() ? counters.physical : counters.name == interface;
        const auto earlier = before.constFind(counters.name);
        if (!wanted || earlier == before.cend())
            continue;
        const quint64 moved = counters.bytes >= *earlier ? counters.bytes - *earlier : 0;
        bytes += moved;
        if (each)
            each->append({counters.name, double(moved) / range->seconds});
    }
    return double(bytes) / range->seconds;
}

std::optional<double> cpuPercent(const QList<CpuSample> &samples, int windowSeconds,
                                 const std::function<bool(const ProcessCpu &)> &matches, int *matched)
{
    if (matched)
        *matched = 0;
    if (samples.isEmpty())
        return std::nullopt;
    QList<const ProcessCpu *> now;
    for (const ProcessCpu &process : samples.last().processes) {
        if (matches(process))
            now.append(&process);
    }
    if (matched)
        *matched = int(now.size());
    const auto range = span(samples, windowSeconds);
    if (!range)
        return std::nullopt;
    QHash<qint64, double> before;
    for (const ProcessCpu &process : samples[range->from].processes)
        before.insert(process.pid, process.cpuSeconds);
    double used = 0;
    for (const ProcessCpu *process : std::as_const(now)) {
        const auto earlier = before.constFind(process->pid);
        if (earlier != before.cend() && process->cpuSeconds >= *earlier)
            used += process->cpuSeconds - *earlier;
    }
    return 100.0 * used / range->seconds;
}

} // namespace TriggerMeasures
