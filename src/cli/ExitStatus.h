#pragma once

// How `vigila <command>` ends; `vigila run` ends with its command's status instead.
namespace ExitStatus {

inline constexpr int done = 0;
inline constexpr int failed = 1;
inline constexpr int usage = 2;
inline constexpr int notRunning = 3;

} // namespace ExitStatus
