#include "AwakeReason.h"

#include "utilities/DateMath.h"
#include "utilities/Json.h"

#include <QCoreApplication>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(AwakeReason)
};

} // namespace

QString rawValue(AwakeMode mode)
{
    switch (mode) {
    case AwakeMode::System:
        return u"system"_s;
    case AwakeMode::Display:
        return u"display"_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString displayName(AwakeMode mode)
{
    switch (mode) {
    case AwakeMode::System:
        return Text::tr("Keep System Awake");
    case AwakeMode::Display:
        return Text::tr("Keep Display Awake");
    }
    Q_UNREACHABLE();
    return {};
}

template <> std::optional<AwakeMode> fromRawValue<AwakeMode>(QStringView text)
{
    for (const AwakeMode mode : allAwakeModes) {
        if (text == rawValue(mode))
            return mode;
    }
    return std::nullopt;
}

QString rawValue(ReasonType type)
{
    switch (type) {
    case ReasonType::Manual:
        return u"manual"_s;
    case ReasonType::Timed:
        return u"timed"_s;
    case ReasonType::UntilTime:
        return u"untilTime"_s;
    case ReasonType::Process:
        return u"process"_s;
    case ReasonType::Command:
        return u"command"_s;
    case ReasonType::Trigger:
        return u"trigger"_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString noun(ReasonType type)
{
    switch (type) {
    case ReasonType::Manual:
        return Text::tr("Manual session");
    case ReasonType::Timed:
        return Text::tr("Timed session");
    case ReasonType::UntilTime:
        return Text::tr("Until-time session");
    case ReasonType::Process:
        return Text::tr("Process watch");
    case ReasonType::Command:
        return Text::tr("Command", "a session kept while a command runs");
    case ReasonType::Trigger:
        return Text::tr("Trigger", "a session kept while a trigger holds");
    }
    Q_UNREACHABLE();
    return {};
}

template <> std::optional<ReasonType> fromRawValue<ReasonType>(QStringView text)
{
    for (const ReasonType type : {ReasonType::Manual, ReasonType::Timed, ReasonType::UntilTime,
                                  ReasonType::Process, ReasonType::Command, ReasonType::Trigger}) {
        if (text == rawValue(type))
            return type;
    }
    return std::nullopt;
}

std::optional<double> AwakeReason::remaining(const QDateTime &at) const
{
    if (!endsAt)
        return std::nullopt;
    const double left = DateMath::secondsBetween(at, *endsAt);
    return std::isnan(left) || left < 0 ? 0.0 : left;
}

QJsonObject AwakeReason::toJson() const
{
    QJsonObject object{
        {"id"_L1, Json::uuidText(id)},
        {"type"_L1, rawValue(type)},
        {"label"_L1, label},
        {"startedAt"_L1, Json::referenceSeconds(startedAt)},
        {"mode"_L1, rawValue(mode)},
    };
    if (endsAt)
        object.insert("endsAt"_L1, Json::referenceSeconds(*endsAt));
    return object;
}

std::optional<AwakeReason> AwakeReason::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto id = Json::uuid(object, "id"_L1);
    const auto typeText = Json::string(object, "type"_L1);
    const auto label = Json::string(object, "label"_L1);
    const auto startedAt = Json::date(object, "startedAt"_L1);
    std::optional<QDateTime> endsAt;
    const bool endsAtOk = Json::optionalDate(object, "endsAt"_L1, endsAt);
    const auto modeText = Json::string(object, "mode"_L1);
    if (!id || !typeText || !label || !startedAt || !endsAtOk || !modeText)
        return std::nullopt;
    const auto type = fromRawValue<ReasonType>(*typeText);
    const auto mode = fromRawValue<AwakeMode>(*modeText);
    if (!type || !mode)
        return std::nullopt;
    return AwakeReason{*id, *type, *label, *startedAt, endsAt, *mode};
}
