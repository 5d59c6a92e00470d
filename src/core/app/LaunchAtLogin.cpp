#include "LaunchAtLogin.h"

#include "utilities/Log.h"

using namespace Qt::StringLiterals;

namespace LaunchAtLogin {

bool isSupported(const LoginItemService &service)
{
    return service.isSupported();
}

bool isEnabled(const LoginItemService &service)
{
    return service.isSupported() && service.isEnabled();
}

bool set(LoginItemService &service, bool wanted)
{
    if (!service.isSupported())
        return false;
    const bool enabled = service.isEnabled();
    std::optional<QString> error;
    if (wanted && !enabled)
        error = service.registerItem();
    else if (!wanted && enabled)
        error = service.unregisterItem();
    if (error)
        Log::error(u"Launch at login change failed: "_s + *error);
    return service.isEnabled();
}

} // namespace LaunchAtLogin
