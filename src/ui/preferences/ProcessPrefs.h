#pragma once

#include "processes/ProcessRule.h"

#include <QList>
#include <QWidget>

class AppCoordinator;
class PreferencesStore;
class ProcessRuleRow;
class QComboBox;
class QVBoxLayout;

// The "Process Watch" tab: the rules, the polling interval and the broad-name warning. Every change
// made here is handed to the watcher at once (applyPreferences, then a poll).
class ProcessPrefs final : public QWidget {
    Q_OBJECT
public:
    explicit ProcessPrefs(AppCoordinator &coordinator, QWidget *parent = nullptr);

private:
    void addRule();
    void editRule(const ProcessRuleRow *row, const ProcessRule &rule);
    void removeRule(const QUuid &id);
    void storeRules(const QList<ProcessRule> &rules);
    void applyToWatcher();
    void syncRows();
    void syncPollInterval();

    AppCoordinator &m_coordinator;
    PreferencesStore &m_prefs;
    QVBoxLayout *m_rowsLayout;
    QList<ProcessRuleRow *> m_rows; // row i shows rule i
    QComboBox *m_pollInterval;
};
