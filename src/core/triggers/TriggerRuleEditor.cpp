#include "TriggerRuleEditor.h"

#include "preferences/PreferencesStore.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TriggerRuleEditor)
};

} // namespace

TriggerRuleEditor::Result TriggerRuleEditor::find(const QString &nameOrId) const
{
    const QList<TriggerRule> &rules = m_prefs.triggerRules();
    const QUuid id = QUuid::fromString(nameOrId);
    if (!id.isNull()) {
        for (const TriggerRule &rule : rules) {
            if (rule.id == id)
                return {Outcome::Done, rule.id, {}};
        }
    }
    Result found{Outcome::NotFound, {}, Text::tr("No trigger is called \u201C%1\u201D.").arg(oneLine(nameOrId))};
    for (const TriggerRule &rule : rules) {
        if (rule.name.compare(nameOrId, Qt::CaseInsensitive) != 0)
            continue;
        if (found.outcome == Outcome::Done)
            return {Outcome::Ambiguous, {},
                    Text::tr("Several triggers are called \u201C%1\u201D; name one by its id.").arg(oneLine(nameOrId))};
        found = {Outcome::Done, rule.id, {}};
    }
    return found;
}

TriggerRuleEditor::Result TriggerRuleEditor::add(TriggerRule rule)
{
    QList<TriggerRule> rules = m_prefs.triggerRules();
    if (rules.size() >= PreferencesStore::maxTriggerRules)
        return {Outcome::LimitReached, {},
                Text::tr("There are %1 triggers already, as many as Vigila keeps.").arg(PreferencesStore::maxTriggerRules)};
    if (const QString problem = rule.problem(); !problem.isEmpty())
        return {Outcome::Invalid, {}, problem};
    if (rule.delaySeconds < 0 || rule.delaySeconds > TriggerRule::maximumSeconds || rule.graceSeconds < 0 ||
        rule.graceSeconds > TriggerRule::maximumSeconds)
        return {Outcome::Invalid, {}, Text::tr("A delay or grace time is at most %1 seconds.").arg(TriggerRule::maximumSeconds)};
    rule.name = oneLine(rule.name).left(TriggerRule::maximumNameLength);
    if (rule.name.isEmpty())
        rule.name = rule.conditionText();
    if (rule.id.isNull() || std::any_of(rules.cbegin(), rules.cend(), [&](const TriggerRule &r) { return r.id == rule.id; }))
        rule.id = QUuid::createUuid();
    rules.append(rule);
    m_prefs.setTriggerRules(rules);
    return {Outcome::Done, rule.id, {}};
}

TriggerRuleEditor::Result TriggerRuleEditor::remove(const QString &nameOrId)
{
    const Result found = find(nameOrId);
    if (found.outcome != Outcome::Done)
        return found;
    QList<TriggerRule> rules = m_prefs.triggerRules();
    rules.removeIf([&](const TriggerRule &r) { return r.id == found.id; });
    m_prefs.setTriggerRules(rules);
    return found;
}

TriggerRuleEditor::Result TriggerRuleEditor::setEnabled(const QString &nameOrId, bool enabled)
{
    const Result found = find(nameOrId);
    if (found.outcome != Outcome::Done)
        return found;
    QList<TriggerRule> rules = m_prefs.triggerRules();
    for (TriggerRule &rule : rules) {
        if (rule.id != found.id)
            continue;
        if (enabled) {
            if (const QString problem = rule.problem(); !problem.isEmpty())
                return {Outcome::Invalid, rule.id, problem};
        }
        rule.enabled = enabled;
        // Turned on again, it has been looked at.
        rule.loadProblem.clear();
    }
    m_prefs.setTriggerRules(rules);
    return found;
}
