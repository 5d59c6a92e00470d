#include "DurationPreset.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DurationPreset)
};

} // namespace

QList<DurationPreset> DurationPreset::all()
{
    return {
        {Text::tr("%n minute(s)", nullptr, 15), 900}, {Text::tr("%n minute(s)", nullptr, 30), 1800},
        {Text::tr("%n hour(s)", nullptr, 1), 3600},   {Text::tr("%n hour(s)", nullptr, 2), 7200},
        {Text::tr("%n hour(s)", nullptr, 4), 14400},  {Text::tr("%n hour(s)", nullptr, 8), 28800},
    };
}
