// The small records read from stored JSON: a keep-awake reason, a process rule, the battery policy.
#include "FuzzCheck.h"
#include "power/AwakeReason.h"
#include "power/BatterySettings.h"
#include "processes/ProcessMatching.h"
#include "processes/ProcessRule.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Encoded to bytes and decoded again, a decoded record comes back equal.
template <typename Record> void checkRoundTrip(const Record &record)
{
    const QByteArray bytes = QJsonDocument(record.toJson()).toJson(QJsonDocument::Compact);
    const auto again = Record::fromJson(QJsonDocument::fromJson(bytes).object());
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(*again == record);
}

void collectStrings(const QJsonValue &value, QStringList &out)
{
    if (value.isString()) {
        out << value.toString();
    } else if (value.isArray()) {
        for (const QJsonValue &element : value.toArray())
            collectStrings(element, out);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            out << it.key();
            collectStrings(it.value(), out);
        }
    }
}

void checkReason(const AwakeReason &reason)
{
    checkRoundTrip(reason);
    for (const QDateTime &at :
         {reason.startedAt, QDateTime(QDate(2026, 3, 10), QTime(12, 0), QTimeZone::utc())}) {
        const auto left = reason.remaining(at);
        FUZZ_CHECK(left.has_value() == reason.endsAt.has_value());
        if (left)
            FUZZ_CHECK(!std::isnan(*left) && *left >= 0);
    }
}

void checkRule(const ProcessRule &rule, const QStringList &strings)
{
    checkRoundTrip(rule);
    rule.isBroad();
    // The batch matcher counts what the rule alone counts, over processes made of the input's texts.
    QList<RunningProcess> processes;
    qint64 pid = 1;
    for (const QString &text : strings)
        processes << RunningProcess{pid++, text, u"/usr/bin/"_s + text + u" --flag"_s};
    processes << RunningProcess{pid++, rule.name.toUpper(), rule.name.toUpper()};
    const QList<int> counts = ProcessMatching::countMatches({rule}, processes);
    FUZZ_CHECK(counts.size() == 1);
    FUZZ_CHECK(counts.first() == (rule.enabled ? int(rule.matchCount(processes)) : 0));
}

void checkValue(const QJsonValue &value, const QStringList &strings)
{
    if (const auto reason = AwakeReason::fromJson(value))
        checkReason(*reason);
    if (const auto rule = ProcessRule::fromJson(value))
        checkRule(*rule, strings);
    if (const auto battery = BatterySettings::fromJson(value))
        checkRoundTrip(*battery);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QJsonDocument document = QJsonDocument::fromJson(Fuzz::bytes(data, size));
    QStringList strings;
    if (document.isObject()) {
        collectStrings(document.object(), strings);
        checkValue(document.object(), strings);
    } else if (document.isArray()) {
        collectStrings(document.array(), strings);
        for (const QJsonValue &element : document.array())
            checkValue(element, strings);
    }
    return 0;
}
