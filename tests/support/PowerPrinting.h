#pragma once

#include "power/BatteryDecision.h"
#include "power/PowerState.h"

#include <QTest>

// Readable QCOMPARE failures for the power records.
inline char *toString(const PowerState &state)
{
    const QString percent = state.percentage ? QString::number(*state.percentage) : QStringLiteral("none");
    return QTest::toString(QStringLiteral("%1, %2%").arg(rawValue(state.source), percent));
}

inline char *toString(const BatteryDecision &decision)
{
    static constexpr const char *kinds[] = {"ok", "warn", "stop"};
    return QTest::toString(QString::fromLatin1(kinds[int(decision.kind)]) + QStringLiteral(": ")
                           + decision.reason);
}

Q_DECLARE_METATYPE(PowerState)
Q_DECLARE_METATYPE(BatteryDecision)
