#pragma once

#include "triggers/TriggerRule.h"

#include <QList>
#include <QWidget>

class AppCoordinator;
class PreferencesStore;
class TriggerRuleRow;
class QVBoxLayout;

// The "Triggers" tab: the rules that keep the computer awake while a condition holds, each with
// what its condition is doing now, and whether their starts and stops are announced. Every change
// is saved at once, and the trigger watcher follows the saved rules.
class TriggerPrefs final : public QWidget {
    Q_OBJECT
public:
    explicit TriggerPrefs(AppCoordinator &coordinator, QWidget *parent = nullptr);

    void addRule(TriggerKind kind);

    // Where a new network-traffic rule starts: a download or an upload, not background chatter.
    static constexpr int startingKilobytesPerSecond = 500;

private:
    void editRule(const TriggerRuleRow *row, const TriggerRule &rule);
    void removeRule(const QUuid &id);
    void syncRows();
    void syncStatus();

    AppCoordinator &m_coordinator;
    PreferencesStore &m_prefs;
    QVBoxLayout *m_rowsLayout;
    QList<TriggerRuleRow *> m_rows; // row i shows rule i
};
