#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A stand-in for /sys/class/power_supply in a temporary directory. As in sysfs, each supply is a
// directory elsewhere with a symlink to it under root().
class FakePowerSupplyTree {
public:
    FakePowerSupplyTree();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const;

    // Creates the supply with one file per attribute ("type" -> "Battery"), each ending in a newline.
    bool add(const QString &name, const QMap<QString, QString> &attributes);

private:
    QTemporaryDir m_dir;
};
