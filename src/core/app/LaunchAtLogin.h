#pragma once

#include "app/LoginItemService.h"

// Starting the application at login. The system holds the registration; the preference
// launchAtLogin is only the user's last wish and is not read back from the system.
namespace LaunchAtLogin {

bool isSupported(const LoginItemService &service);
// False when not supported.
bool isEnabled(const LoginItemService &service);
// Registers or unregisters as needed and returns the state really in force afterwards, which
// differs from wanted when the change failed (the reason is logged) or is not supported.
bool set(LoginItemService &service, bool wanted);

} // namespace LaunchAtLogin
