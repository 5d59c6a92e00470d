#pragma once

#include <QString>

#include <optional>

// A keep-awake lock another program holds, as one of the session's inhibitor services lists it.
struct OtherInhibitor {
    QString source; // the service listing it: "logind" or "gnome-session"
    QString who;    // the program: logind's "who", gnome-session's application id
    QString why;
    QString what; // what it holds off, colon-separated: "sleep", "idle", "sleep:idle"
    QString mode; // "block" (or "block-weak"); delay locks keep nothing awake and are never listed
    std::optional<uint> uid;
    std::optional<uint> pid;

    bool operator==(const OtherInhibitor &) const = default;

    // "<who> — <why>" on one line. The texts come from other programs and are shown literally:
    // line breaks, control and direction-override characters become spaces, and each part is
    // cut to maxPartLength characters.
    QString summary() const;
    static constexpr qsizetype maxPartLength = 200;
};
