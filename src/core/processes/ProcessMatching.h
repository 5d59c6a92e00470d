#pragma once

#include "processes/ProcessRule.h"

#include <QList>

// Matching many rules against a whole snapshot, as every poll does.
namespace ProcessMatching {

// How many processes each rule matches, in rule order; 0 for a disabled rule. The same counts as
// ProcessRule::matchCount, but every text is lower-cased once and each command-line rule is one
// pass over all command lines, not one search per process.
QList<int> countMatches(const QList<ProcessRule> &rules, const QList<RunningProcess> &processes);

} // namespace ProcessMatching
