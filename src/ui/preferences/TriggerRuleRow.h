#pragma once

#include "triggers/TriggerRule.h"
#include "triggers/TriggerWatcher.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QWidget;

// One trigger in the list: enabled, name, its kind (fixed), the kind's parameters, mode, delay,
// grace, AC-only, delete, and a line saying what the condition is doing now.
//
// Parameters are handed on only while they make a rule that can run: a unit name, a schedule, a
// relative folder or an empty process name being typed stays in its field with the reason it is not
// saved, and the stored rule keeps its last good parameters. Kinds with more parameters take two
// lines. A rule of a kind this version does not know is shown read-only (it can be deleted).
// The row is updated in place, so typing in a field keeps the focus and the cursor.
class TriggerRuleRow final : public QWidget {
    Q_OBJECT
public:
    explicit TriggerRuleRow(QWidget *parent = nullptr);

    void setRule(const TriggerRule &rule);
    void setStatus(const TriggerWatcher::Status &status);
    const TriggerRule &rule() const { return m_rule; }

    // The user changed the rule shown (the row already shows the change).
    std::function<void(const TriggerRule &)> onEdited;
    std::function<void(const QUuid &)> onDelete;

private:
    void edited();
    void parametersEdited();
    QJsonObject typedParameters() const;
    void showParameters();
    void updateStatus();

    TriggerRule m_rule;
    TriggerWatcher::Status m_status;
    // Why the parameters typed are not saved; empty when they are.
    QString m_typedProblem;

    QCheckBox *m_enabled;
    QLineEdit *m_name;
    QLabel *m_kind;
    QToolButton *m_delete;
    QWidget *m_parameterLine;
    QCheckBox *m_anyUser;
    QLineEdit *m_unit;
    QCheckBox *m_userUnit;
    QLineEdit *m_schedule;
    QLineEdit *m_ignore;
    QLineEdit *m_only;
    QLineEdit *m_folders;
    QLineEdit *m_patterns;
    QLineEdit *m_interface;
    QSpinBox *m_kilobytesPerSecond;
    QLineEdit *m_process;
    QCheckBox *m_matchCommandLine;
    QSpinBox *m_cpuPercent;
    QSpinBox *m_window; // network and busy
    QLineEdit *m_machine;
    QCheckBox *m_onlyOnAC;
    // Each parameter widget (fields and their labels) with the kinds it is shown for.
    QList<std::pair<QWidget *, QList<TriggerKind>>> m_kindWidgets;
    // Kinds with more parameters use a second line; "Only on AC power" ends the last one.
    QHBoxLayout *m_firstLine;
    QHBoxLayout *m_secondLine;
    QLabel *m_parameterError;
    QWidget *m_timingLine;
    QComboBox *m_mode;
    QSpinBox *m_delay;
    QSpinBox *m_grace;
    QLabel *m_statusLine;
    QLabel *m_note;
};
