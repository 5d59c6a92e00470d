#include "Json.h"

#include "DateMath.h"

#include <QTimeZone>

#include <cmath>
#include <limits>

namespace Json {

namespace {

const QDateTime &referenceDate()
{
    static const QDateTime value(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return value;
}

bool isAbsent(const QJsonObject &object, QLatin1StringView key)
{
    const auto it = object.constFind(key);
    return it == object.constEnd() || it->isNull();
}

} // namespace

QString uuidText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> uuid(const QJsonObject &object, QLatin1StringView key)
{
    const auto text = string(object, key);
    // Only the 36-character form with hyphens: no braces, no other spellings.
    if (!text || text->size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(*text);
    if (id.isNull() && *text != QLatin1StringView("00000000-0000-0000-0000-000000000000"))
        return std::nullopt;
    return id;
}

std::optional<QString> string(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

std::optional<bool> boolean(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isBool())
        return std::nullopt;
    return value.toBool();
}

std::optional<double> number(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    return value.toDouble();
}

std::optional<int> integer(const QJsonObject &object, QLatin1StringView key)
{
    const auto value = number(object, key);
    if (!value || std::trunc(*value) != *value || *value < std::numeric_limits<int>::min()
        || *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}

double referenceSeconds(const QDateTime &date)
{
    return DateMath::secondsBetween(referenceDate(), date);
}

QDateTime fromReferenceSeconds(double seconds)
{
    return DateMath::addSeconds(referenceDate(), seconds);
}

std::optional<QDateTime> date(const QJsonObject &object, QLatin1StringView key)
{
    const auto seconds = number(object, key);
    if (!seconds || !std::isfinite(*seconds))
        return std::nullopt;
    return fromReferenceSeconds(*seconds);
}

template <typename T, typename Reader>
bool readOptional(const QJsonObject &object, QLatin1StringView key, std::optional<T> &out, Reader read)
{
    out.reset();
    if (isAbsent(object, key))
        return true;
    out = read(object, key);
    return out.has_value();
}

bool optionalString(const QJsonObject &object, QLatin1StringView key, std::optional<QString> &out)
{
    return readOptional(object, key, out, string);
}

bool optionalInteger(const QJsonObject &object, QLatin1StringView key, std::optional<int> &out)
{
    return readOptional(object, key, out, integer);
}

bool optionalDate(const QJsonObject &object, QLatin1StringView key, std::optional<QDateTime> &out)
{
    return readOptional(object, key, out, date);
}

} // namespace Json
