#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

// The sample at fraction p (0.5 the median, 1 the largest) of samples in microseconds, in ms.
inline double percentile(std::vector<qint64> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    return double(samples[size_t(p * double(samples.size() - 1))]) / 1000.0;
}
