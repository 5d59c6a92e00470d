#include "PowerState.h"

using namespace Qt::StringLiterals;

QString rawValue(PowerState::Source source)
{
    switch (source) {
    case PowerState::Source::Ac:
        return u"ac"_s;
    case PowerState::Source::Battery:
        return u"battery"_s;
    case PowerState::Source::Unknown:
        return u"unknown"_s;
    }
    Q_UNREACHABLE();
    return {};
}

template <> std::optional<PowerState::Source> fromRawValue<PowerState::Source>(QStringView text)
{
    for (const auto source :
         {PowerState::Source::Ac, PowerState::Source::Battery, PowerState::Source::Unknown}) {
        if (text == rawValue(source))
            return source;
    }
    return std::nullopt;
}
