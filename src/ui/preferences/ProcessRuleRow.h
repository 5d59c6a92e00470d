#pragma once

#include "processes/ProcessRule.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

// One rule in the process list: enabled, name, match mode, the broad-name warning and delete.
// The row is updated in place, so typing in its name field keeps the focus and the cursor.
class ProcessRuleRow final : public QWidget {
    Q_OBJECT
public:
    explicit ProcessRuleRow(QWidget *parent = nullptr);

    void setRule(const ProcessRule &rule, bool warnOnBroadNames);
    const ProcessRule &rule() const { return m_rule; }

    // The user changed the rule shown (the row already shows the change).
    std::function<void(const ProcessRule &)> onEdited;
    std::function<void(const QUuid &)> onDelete;

private:
    void edited();
    void updateWarning();

    ProcessRule m_rule;
    bool m_warnOnBroadNames = true;
    QCheckBox *m_enabled;
    QLineEdit *m_name;
    QComboBox *m_matchMode;
    QLabel *m_warning;
    QToolButton *m_delete;
};
