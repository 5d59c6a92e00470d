#pragma once

#include <QList>
#include <QString>

// A duration offered for timed sessions. Its identity in lists and pickers is its seconds.
struct DurationPreset {
    QString label;
    double seconds = 0;

    double id() const { return seconds; }
    bool operator==(const DurationPreset &) const = default;

    // "15 minutes" … "8 hours", ascending.
    static QList<DurationPreset> all();
};
