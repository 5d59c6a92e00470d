#include "InMemoryUserDefaults.h"

#include <algorithm>

std::optional<QByteArray> InMemoryUserDefaults::data(const QString &key) const
{
    const auto it = values.constFind(key);
    if (it == values.constEnd())
        return std::nullopt;
    return *it;
}

bool InMemoryUserDefaults::setData(const QString &key, const QByteArray &bytes)
{
    if (failWrites)
        return false;
    values.insert(key, bytes);
    writes.append({key, bytes});
    return true;
}

qsizetype InMemoryUserDefaults::writeCount(const QString &key) const
{
    return std::count_if(writes.cbegin(), writes.cend(), [&](const Write &w) { return w.key == key; });
}
