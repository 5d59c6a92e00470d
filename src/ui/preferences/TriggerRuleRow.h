#pragma once

#include "triggers/TriggerRule.h"
#include "triggers/TriggerWatcher.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QWidget;

// One trigger in the list: enabled, name, its kind (fixed), the kind's parameters, mode, delay,
// grace, AC-only, delete, and a line saying what the condition is doing now.
//
// Parameters are handed on only while they make a rule that can run: a unit name or schedule being
// typed stays in its field with the reason it is not saved, and the stored rule keeps its last good
// parameters. A rule of a kind this version does not know is shown read-only (it can be deleted).
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
    QCheckBox *m_onlyOnAC;
    QLabel *m_parameterError;
    QWidget *m_timingLine;
    QComboBox *m_mode;
    QSpinBox *m_delay;
    QSpinBox *m_grace;
    QLabel *m_statusLine;
    QLabel *m_note;
};
