#pragma once

#include <QDateTime>
#include <QList>
#include <QTimer>

#include <utility>

namespace SampleHistory {

// Appends sample (anything with a QDateTime "at") and lets go of the samples older than seconds
// before it. Samples dated after it go too: the clock was set back, and they no longer come before it.
template <typename Sample>
void add(QList<Sample> &samples, Sample sample, int seconds)
{
    while (!samples.isEmpty() && samples.constLast().at > sample.at)
        samples.removeLast();
    const QDateTime oldest = sample.at.addSecs(-seconds);
    samples.append(std::move(sample));
    qsizetype stale = 0;
    while (samples.at(stale).at < oldest)
        ++stale;
    samples.remove(0, stale);
}

// Sets timer up to call sample every seconds once started. Coarse: it may fire up to 5 % late, so
// that the system can take its wake-up together with others.
template <typename Sample>
void setUpTimer(QTimer &timer, int seconds, QObject *context, Sample sample)
{
    timer.setTimerType(Qt::CoarseTimer);
    timer.setInterval(seconds * 1000);
    QObject::connect(&timer, &QTimer::timeout, context, std::move(sample));
}

} // namespace SampleHistory
