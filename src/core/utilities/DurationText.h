#pragma once

#include <QStringView>

#include <optional>

// Durations typed on the command line: "90" (seconds), "90s", "45m", "2h", "1h30m", "1h30m15s".
// Whole numbers only, hours before minutes before seconds, each unit at most once, no spaces.
namespace DurationText {

// The longest session anyone can ask for from outside the menu; more is a typing mistake or an
// attack on the arithmetic, never a plan (366 days).
inline constexpr double maximumSeconds = 366.0 * 24 * 3600;

// Seconds, between 1 and maximumSeconds; nothing for anything else.
std::optional<double> parse(QStringView text);

} // namespace DurationText
