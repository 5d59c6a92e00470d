#pragma once

#include <QString>

// Where the running Vigila answers on the session bus (com.quillmere.Vigila1.xml).
namespace ControlBus {

inline QString serviceName()
{
    return QStringLiteral("com.quillmere.Vigila");
}

inline QString objectPath()
{
    return QStringLiteral("/com/quillmere/Vigila");
}

} // namespace ControlBus
