#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QUuid>

#include <optional>

// Strict readers for the JSON records we persist. Each returns nothing when the member is missing
// or has the wrong JSON type, so a decoder can reject the whole record.
namespace Json {

// Identifiers are written as canonical upper-case text: "E621E1F8-C36C-495A-93FC-0C247A3E6E5F".
QString uuidText(const QUuid &id);
std::optional<QUuid> uuid(const QJsonObject &object, QLatin1StringView key);

std::optional<QString> string(const QJsonObject &object, QLatin1StringView key);
std::optional<bool> boolean(const QJsonObject &object, QLatin1StringView key);
std::optional<double> number(const QJsonObject &object, QLatin1StringView key);
// A JSON number with no fraction that fits an int.
std::optional<int> integer(const QJsonObject &object, QLatin1StringView key);

// Dates are seconds (with fraction) since 2001-01-01 00:00:00 UTC.
double referenceSeconds(const QDateTime &date);
QDateTime fromReferenceSeconds(double seconds);
std::optional<QDateTime> date(const QJsonObject &object, QLatin1StringView key);

// Optional members: absent or null leave `out` empty and succeed; a value of the wrong type fails.
bool optionalString(const QJsonObject &object, QLatin1StringView key, std::optional<QString> &out);
bool optionalInteger(const QJsonObject &object, QLatin1StringView key, std::optional<int> &out);
bool optionalDate(const QJsonObject &object, QLatin1StringView key, std::optional<QDateTime> &out);

} // namespace Json
