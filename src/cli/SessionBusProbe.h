#pragma once

#include <chrono>

// The D-Bus library waits 25 seconds for a session bus daemon that accepts a connection but never
// answers, and while it waits no other bus can be reached from this process either. The command
// line asks first, with a deadline of its own.
namespace SessionBusProbe {

inline constexpr std::chrono::milliseconds deadline{3000};

// False only when the session bus takes the connection but does not answer the greeting in time.
// A bus that is missing or refuses counts as answering: the D-Bus library says so at once.
bool answers(std::chrono::milliseconds wait = deadline);

// Makes this process's session bus connection fail at once, so that code reaching for it later
// does not wait on the silent daemon. Programs started afterwards still get the real address.
void giveUp();

} // namespace SessionBusProbe
