#pragma once

#include "power/PowerSourceProviding.h"

#include <QString>

// Power sources from the kernel's power-supply class: one description per system battery, in
// name order. A machine without a battery yields an empty list, a missing directory nullopt.
class SysfsPowerSources final : public PowerSourceProviding {
public:
    explicit SysfsPowerSources(QString root = defaultRoot());

    static QString defaultRoot();
    const QString &root() const { return m_root; }

    std::optional<QList<QVariantMap>> sourceDescriptions() override;

private:
    QString m_root;
};
