#include "DurationPreset.h"

using namespace Qt::StringLiterals;

const QList<DurationPreset> &DurationPreset::all()
{
    static const QList<DurationPreset> presets{
        {u"15 minutes"_s, 900},  {u"30 minutes"_s, 1800}, {u"1 hour"_s, 3600},
        {u"2 hours"_s, 7200},    {u"4 hours"_s, 14400},   {u"8 hours"_s, 28800},
    };
    return presets;
}
