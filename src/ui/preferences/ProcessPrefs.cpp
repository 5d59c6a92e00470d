#include "ProcessPrefs.h"

#include "ProcessRuleRow.h"
#include "RowScrollArea.h"
#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "app/AppCoordinator.h"
#include "preferences/PrefsBinding.h"
#include "processes/ProcessWatcher.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

ProcessPrefs::ProcessPrefs(AppCoordinator &coordinator, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_prefs(coordinator.prefs())
    , m_rowsLayout(nullptr)
    , m_pollInterval(new QComboBox(this))
{
    auto *add = new QToolButton(this);
    add->setObjectName(u"addRule"_s);
    add->setIcon(SymbolIcons::icon(SymbolIcons::Symbol::Plus));
    add->setToolTip(tr("Add a process"));
    add->setAutoRaise(true);
    connect(add, &QToolButton::clicked, this, &ProcessPrefs::addRule);

    auto *header = new QHBoxLayout;
    auto *title = ViewStyle::label(tr("Keep awake while these processes run"), ViewStyle::Text::Headline);
    title->setWordWrap(false);
    header->addWidget(title);
    header->addStretch();
    header->addWidget(add);

    auto *rows = new QWidget;
    rows->setBackgroundRole(QPalette::Base);
    rows->setAutoFillBackground(true);
    m_rowsLayout = new QVBoxLayout(rows);
    m_rowsLayout->setContentsMargins(0, 2, 0, 2);
    m_rowsLayout->setSpacing(0);
    m_rowsLayout->addStretch();
    auto *list = new RowScrollArea(this);
    list->setObjectName(u"rules"_s);
    list->setWidget(rows);
    list->setWidgetResizable(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setMinimumHeight(160);

    m_pollInterval->setObjectName(u"pollInterval"_s);
    m_pollInterval->setFixedWidth(220);
    for (const double seconds : PreferencesStore::pollIntervalOptions())
        //: A polling interval; %1 is a number of seconds
        m_pollInterval->addItem(tr("%1s").arg(std::lround(seconds)), seconds);
    syncPollInterval();
    connect(&m_prefs, &PreferencesStore::pollIntervalChanged, this, &ProcessPrefs::syncPollInterval);
    connect(m_pollInterval, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_prefs.setPollInterval(m_pollInterval->itemData(index).toDouble());
        applyToWatcher();
    });
    auto *interval = new QHBoxLayout;
    interval->addWidget(new QLabel(tr("Polling interval"), this));
    interval->addWidget(m_pollInterval);
    interval->addStretch();

    auto *warnOnBroad = new QCheckBox(tr("Warn on broad process names"), this);
    warnOnBroad->setObjectName(u"warnOnBroadNames"_s);
    PrefsBinding::bindSwitch(warnOnBroad, m_prefs, &PreferencesStore::warnOnBroadNames,
                             &PreferencesStore::setWarnOnBroadNames,
                             &PreferencesStore::warnOnBroadNamesChanged);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(list, 1);
    layout->addLayout(interval);
    layout->addWidget(warnOnBroad);
    layout->addWidget(ViewStyle::label(tr("Process watching reads /proc and needs no special permissions."),
                                       ViewStyle::Text::Caption, true));

    syncRows();
    connect(&m_prefs, &PreferencesStore::processRulesChanged, this, &ProcessPrefs::syncRows);
    connect(&m_prefs, &PreferencesStore::warnOnBroadNamesChanged, this, &ProcessPrefs::syncRows);
}

void ProcessPrefs::addRule()
{
    QList<ProcessRule> rules = m_prefs.processRules();
    rules.append(ProcessRule{QUuid::createUuid(), u"newprocess"_s, false, ProcessMatchMode::Exact});
    storeRules(rules);
}

void ProcessPrefs::editRule(const ProcessRuleRow *row, const ProcessRule &rule)
{
    const qsizetype index = m_rows.indexOf(row);
    QList<ProcessRule> rules = m_prefs.processRules();
    if (index < 0 || index >= rules.size())
        return;
    rules[index] = rule;
    storeRules(rules);
}

void ProcessPrefs::removeRule(const QUuid &id)
{
    QList<ProcessRule> rules = m_prefs.processRules();
    rules.removeIf([&](const ProcessRule &rule) { return rule.id == id; });
    storeRules(rules);
}

void ProcessPrefs::storeRules(const QList<ProcessRule> &rules)
{
    m_prefs.setProcessRules(rules);
    applyToWatcher();
}

void ProcessPrefs::applyToWatcher()
{
    m_coordinator.applyPreferences();
    m_coordinator.watcher().poll();
}

// Rows are reused by position and only their contents change: rebuilding them would take the focus
// out of a name field at every keystroke.
void ProcessPrefs::syncRows()
{
    const QList<ProcessRule> &rules = m_prefs.processRules();
    while (m_rows.size() > rules.size()) {
        // Possibly the row whose delete button is being handled right now.
        ProcessRuleRow *row = m_rows.takeLast();
        m_rowsLayout->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    while (m_rows.size() < rules.size()) {
        auto *row = new ProcessRuleRow;
        row->onEdited = [this, row](const ProcessRule &rule) { editRule(row, rule); };
        row->onDelete = [this](const QUuid &id) { removeRule(id); };
        m_rowsLayout->insertWidget(int(m_rows.size()), row);
        m_rows.append(row);
    }
    for (qsizetype i = 0; i < rules.size(); ++i)
        m_rows.at(i)->setRule(rules.at(i), m_prefs.warnOnBroadNames());
}

void ProcessPrefs::syncPollInterval()
{
    const QSignalBlocker blocker(m_pollInterval);
    const QList<double> options = PreferencesStore::pollIntervalOptions();
    m_pollInterval->setCurrentIndex(int(options.indexOf(m_prefs.pollInterval())));
}
