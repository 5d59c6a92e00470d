#include "ProcessRuleRow.h"

#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "safety/SafetyCopy.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

using namespace Qt::StringLiterals;

ProcessRuleRow::ProcessRuleRow(QWidget *parent)
    : QWidget(parent)
    , m_enabled(new QCheckBox(this))
    , m_name(new QLineEdit(this))
    , m_matchMode(new QComboBox(this))
    , m_warning(new QLabel(this))
    , m_delete(new QToolButton(this))
{
    m_enabled->setObjectName(u"enabled"_s);
    m_enabled->setToolTip(tr("Enabled", "the process watch is on"));
    m_name->setObjectName(u"name"_s);
    m_name->setPlaceholderText(tr("name", "the process name"));
    m_matchMode->setObjectName(u"matchMode"_s);
    // As wide as the longest mode's name needs, which a translation may make longer.
    m_matchMode->setMinimumWidth(100);
    for (const ProcessMatchMode mode : allProcessMatchModes)
        m_matchMode->addItem(displayName(mode), rawValue(mode));
    m_warning->setObjectName(u"broadWarning"_s);
    m_warning->setPixmap(
        SymbolIcons::drawn(SymbolIcons::Symbol::Warning, ViewStyle::orange()).pixmap(16, 16));
    m_warning->setToolTip(SafetyCopy::broadProcessWarning());
    // Keeps the delete buttons of all rows in one column whether or not the warning shows.
    QSizePolicy keepSpace = m_warning->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_warning->setSizePolicy(keepSpace);
    m_warning->hide();
    m_delete->setObjectName(u"delete"_s);
    m_delete->setIcon(SymbolIcons::icon(SymbolIcons::Symbol::Trash));
    m_delete->setAutoRaise(true);
    m_delete->setToolTip(tr("Delete", "delete the process watch"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_enabled);
    layout->addWidget(m_name, 1);
    layout->addWidget(m_matchMode);
    layout->addWidget(m_warning);
    layout->addWidget(m_delete);

    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) {
        m_rule.enabled = on;
        edited();
    });
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_rule.name = text;
        updateWarning();
        edited();
    });
    connect(m_matchMode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_rule.matchMode = allProcessMatchModes[std::size_t(index)];
        edited();
    });
    connect(m_delete, &QToolButton::clicked, this, [this] {
        if (onDelete)
            onDelete(m_rule.id);
    });
}

void ProcessRuleRow::setRule(const ProcessRule &rule, bool warnOnBroadNames)
{
    m_rule = rule;
    m_warnOnBroadNames = warnOnBroadNames;
    const QSignalBlocker enabledBlocker(m_enabled);
    const QSignalBlocker modeBlocker(m_matchMode);
    m_enabled->setChecked(rule.enabled);
    // Only when it differs: setting the same text would move the cursor of someone typing.
    if (m_name->text() != rule.name)
        m_name->setText(rule.name);
    m_matchMode->setCurrentIndex(m_matchMode->findData(rawValue(rule.matchMode)));
    updateWarning();
}

void ProcessRuleRow::edited()
{
    if (onEdited)
        onEdited(m_rule);
}

void ProcessRuleRow::updateWarning()
{
    m_warning->setVisible(m_warnOnBroadNames && m_rule.isBroad());
}
