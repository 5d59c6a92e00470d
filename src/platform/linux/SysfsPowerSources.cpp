#include "SysfsPowerSources.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace PowerSourceKeys;

namespace {

// Attribute files are a line of text; some drivers fail reads of attributes they cannot answer.
std::optional<QString> attribute(const QDir &supply, const QString &name)
{
    QFile file(supply.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(4096);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromUtf8(bytes).trimmed();
}

std::optional<qlonglong> integerAttribute(const QDir &supply, const QString &name)
{
    const auto text = attribute(supply, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text->toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// A now/full pair from one family of attributes (energy in µWh or charge in µAh), never mixed.
bool insertPair(QVariantMap &description, const QDir &supply, const QString &now, const QString &full)
{
    const auto current = integerAttribute(supply, now);
    const auto maximum = integerAttribute(supply, full);
    if (!current || !maximum || *maximum <= 0)
        return false;
    description.insert(currentCapacity, *current);
    description.insert(maxCapacity, *maximum);
    return true;
}

QVariantMap capacityOf(const QDir &battery)
{
    QVariantMap description;
    if (const auto capacity = integerAttribute(battery, u"capacity"_s)) {
        description.insert(currentCapacity, *capacity);
        description.insert(maxCapacity, 100);
        return description;
    }
    if (!insertPair(description, battery, u"energy_now"_s, u"energy_full"_s))
        insertPair(description, battery, u"charge_now"_s, u"charge_full"_s);
    return description;
}

} // namespace

SysfsPowerSources::SysfsPowerSources(QString root)
    : m_root(std::move(root))
{
}

QString SysfsPowerSources::defaultRoot()
{
    return u"/sys/class/power_supply"_s;
}

std::optional<QList<QVariantMap>> SysfsPowerSources::sourceDescriptions()
{
    const QDir root(m_root);
    if (!root.exists())
        return std::nullopt;
    QStringList names = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end());

    QList<QVariantMap> batteries;
    bool onMains = false;
    for (const QString &name : std::as_const(names)) {
        const QDir supply(root.filePath(name));
        // Batteries and chargers of peripherals (mice, headsets, phones) say nothing about this
        // machine's own power.
        if (attribute(supply, u"scope"_s) == u"Device"_s)
            continue;
        const QString type = attribute(supply, u"type"_s).value_or(QString());
        if (type == u"Battery"_s) {
            // Only an explicit 0 means the bay is empty; drivers without the attribute have a battery.
            if (integerAttribute(supply, u"present"_s) == 0)
                continue;
            batteries.append(capacityOf(supply));
        } else if (type == u"Mains"_s || type.startsWith(u"USB"_s)) {
            // Older kernels name USB chargers USB_C, USB_PD, USB_DCP and so on.
            if (integerAttribute(supply, u"online"_s).value_or(0) >= 1)
                onMains = true;
        }
    }

    for (QVariantMap &battery : batteries)
        battery.insert(powerSourceState, onMains ? acPower : batteryPower);
    return batteries;
}
