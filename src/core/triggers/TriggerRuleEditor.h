#pragma once

#include "triggers/TriggerRule.h"

#include <QString>
#include <QUuid>

class PreferencesStore;

// Adds, removes, enables and finds trigger rules in the preferences, the one way the menu, the
// preferences window, D-Bus and the command line change them. Each change saves at once.
class TriggerRuleEditor {
public:
    enum class Outcome { Done, NotFound, Ambiguous, Invalid, LimitReached };
    struct Result {
        Outcome outcome = Outcome::Done;
        QUuid id;
        QString message; // why it failed, for people
    };

    explicit TriggerRuleEditor(PreferencesStore &prefs)
        : m_prefs(prefs)
    {
    }

    // A rule whose kind is unknown or whose parameters are wrong is refused with the problem.
    Result add(TriggerRule rule);
    Result remove(const QString &nameOrId);
    // A rule that cannot run cannot be turned on.
    Result setEnabled(const QString &nameOrId, bool enabled);
    // By identifier, else by name (case-insensitive); a name two rules share is ambiguous.
    Result find(const QString &nameOrId) const;

private:
    PreferencesStore &m_prefs;
};
