#pragma once

#include <QString>

// The protocol of the running Vigila on the session bus (com.quillmere.Vigila1.xml): where it
// answers, the errors it sends and the limits it enforces. With the generated ControlProxy, this
// is all a client needs to know.
namespace ControlBus {

inline QString serviceName()
{
    return QStringLiteral("com.quillmere.Vigila");
}

inline QString objectPath()
{
    return QStringLiteral("/com/quillmere/Vigila");
}

inline QString interfaceName()
{
    return QStringLiteral("com.quillmere.Vigila1");
}

namespace Error {
inline QString invalidArgs()
{
    return QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
}
inline QString unknownReason()
{
    return QStringLiteral("com.quillmere.Vigila1.Error.UnknownReason");
}
inline QString unknownHold()
{
    return QStringLiteral("com.quillmere.Vigila1.Error.UnknownHold");
}
inline QString nothingToExtend()
{
    return QStringLiteral("com.quillmere.Vigila1.Error.NothingToExtend");
}
inline QString limitReached()
{
    return QStringLiteral("com.quillmere.Vigila1.Error.LimitReached");
}
inline QString unknownTrigger()
{
    return QStringLiteral("com.quillmere.Vigila1.Error.UnknownTrigger");
}
} // namespace Error

// A hold's label, in characters.
constexpr int maximumLabelLength = 200;

} // namespace ControlBus
