#pragma once

#include "triggers/TriggerSources.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>

// Rates worked out from the samples the network and CPU sources keep.
namespace TriggerMeasures {

// Between the newest sample and the oldest one at most `windowSeconds` before it: absent until
// two such samples exist.
struct Span {
    int from = 0;
    int to = 0;
    double seconds = 0;
};
template <typename Sample> std::optional<Span> span(const QList<Sample> &samples, int windowSeconds);

// Bytes per second received plus sent, over the physical interfaces (or the one named), averaged
// over the window. A counter that went backwards (the interface was reset) counts nothing.
// `each` receives every interface counted with its own rate.
std::optional<double> trafficRate(const QList<NetworkSample> &samples, int windowSeconds, const QString &interface,
                                  QList<std::pair<QString, double>> *each = nullptr);

// Percent of one core used by the matching processes over the window (100 = one core busy),
// counting each process present at both ends; `matched` receives how many there are now.
std::optional<double> cpuPercent(const QList<CpuSample> &samples, int windowSeconds,
                                 const std::function<bool(const ProcessCpu &)> &matches, int *matched = nullptr);

} // namespace TriggerMeasures
