#include "TriggerPrefs.h"

#include "RowScrollArea.h"
#include "SymbolIcons.h"
#include "TriggerRuleRow.h"
#include "ViewStyle.h"
#include "app/AppCoordinator.h"
#include "preferences/PrefsBinding.h"
#include "triggers/TriggerWatcher.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TriggerPrefs::TriggerPrefs(AppCoordinator &coordinator, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_prefs(coordinator.prefs())
    , m_rowsLayout(nullptr)
{
    auto *kinds = new QMenu(this);
    kinds->setObjectName(u"triggerKinds"_s);
    for (const TriggerKind kind : allTriggerKinds) {
        QAction *action = kinds->addAction(displayName(kind));
        action->setObjectName(rawValue(kind));
        connect(action, &QAction::triggered, this, [this, kind] { addRule(kind); });
    }
    auto *add = new QToolButton(this);
    add->setObjectName(u"addTrigger"_s);
    add->setIcon(SymbolIcons::icon(SymbolIcons::Symbol::Plus));
    add->setToolTip(tr("Add a trigger"));
    add->setAutoRaise(true);
    add->setMenu(kinds);
    add->setPopupMode(QToolButton::InstantPopup);

    auto *header = new QHBoxLayout;
    auto *title = ViewStyle::label(tr("Keep awake when\u2026"), ViewStyle::Text::Headline);
    title->setWordWrap(false);
    header->addWidget(title);
    header->addStretch();
    header->addWidget(add);

    auto *rows = new QWidget;
    rows->setBackgroundRole(QPalette::Base);
    rows->setAutoFillBackground(true);
    m_rowsLayout = new QVBoxLayout(rows);
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setSpacing(0);
    auto *empty = ViewStyle::label(tr("No triggers yet. Add one with the + button above."),
                                   ViewStyle::Text::Callout, true, rows);
    empty->setObjectName(u"noTriggers"_s);
    empty->setAlignment(Qt::AlignCenter);
    empty->setContentsMargins(8, 24, 8, 24);
    m_rowsLayout->addWidget(empty);
    m_rowsLayout->addStretch();
    auto *list = new RowScrollArea(this);
    list->setObjectName(u"triggers"_s);
    list->setWidget(rows);
    list->setWidgetResizable(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setMinimumHeight(160);

    auto *notify = new QCheckBox(tr("Notify when a trigger starts or stops"), this);
    notify->setObjectName(u"triggerNotifications"_s);
    PrefsBinding::bindSwitch(notify, m_prefs, &PreferencesStore::triggerNotifications,
                             &PreferencesStore::setTriggerNotifications,
                             &PreferencesStore::triggerNotificationsChanged);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(list, 1);
    layout->addWidget(notify);
    layout->addWidget(
        ViewStyle::label(tr("A trigger keeps the computer awake while its condition holds, after "
                            "its delay, and for its grace time after the condition ends."),
                         ViewStyle::Text::Caption, true));

    const auto syncList = [this, add, empty] {
        syncRows();
        add->setEnabled(m_prefs.triggerRules().size() < PreferencesStore::maxTriggerRules);
        empty->setVisible(m_rows.isEmpty());
    };
    syncList();
    connect(&m_prefs, &PreferencesStore::triggerRulesChanged, this, syncList);
    connect(&coordinator.triggers(), &TriggerWatcher::statusChanged, this, &TriggerPrefs::syncStatus);
}

void TriggerPrefs::addRule(TriggerKind kind)
{
    QList<TriggerRule> rules = m_prefs.triggerRules();
    if (rules.size() >= PreferencesStore::maxTriggerRules)
        return;
    // A traffic rule starts from a rate its box can show, rather than from none; the other
    // kinds' starting points are the rule's own.
    QJsonObject parameters;
    if (kind == TriggerKind::Network)
        parameters.insert(u"kilobytesPerSecond"_s, startingKilobytesPerSecond);
    // Named after the kind: the condition of a unit or a schedule is not known until it is typed.
    rules.append(TriggerRule::make(kind, parameters, displayName(kind)));
    m_prefs.setTriggerRules(rules);
}

void TriggerPrefs::editRule(const TriggerRuleRow *row, const TriggerRule &rule)
{
    const qsizetype index = m_rows.indexOf(row);
    QList<TriggerRule> rules = m_prefs.triggerRules();
    if (index < 0 || index >= rules.size() || rules.at(index).id != rule.id)
        return;
    rules[index] = rule;
    m_prefs.setTriggerRules(rules);
}

void TriggerPrefs::removeRule(const QUuid &id)
{
    QList<TriggerRule> rules = m_prefs.triggerRules();
    rules.removeIf([&](const TriggerRule &rule) { return rule.id == id; });
    m_prefs.setTriggerRules(rules);
}

// Rows are reused by position and only their contents change: rebuilding them would take the focus
// out of a field at every keystroke.
void TriggerPrefs::syncRows()
{
    const QList<TriggerRule> &rules = m_prefs.triggerRules();
    while (m_rows.size() > rules.size()) {
        // Possibly the row whose delete button is being handled right now.
        TriggerRuleRow *row = m_rows.takeLast();
        m_rowsLayout->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    while (m_rows.size() < rules.size()) {
        auto *row = new TriggerRuleRow;
        row->onEdited = [this, row](const TriggerRule &rule) { editRule(row, rule); };
        row->onDelete = [this](const QUuid &id) { removeRule(id); };
        // After the rows there are, before the empty-list text and the stretch.
        m_rowsLayout->insertWidget(int(m_rows.size()), row);
        m_rows.append(row);
    }
    for (qsizetype i = 0; i < rules.size(); ++i)
        m_rows.at(i)->setRule(rules.at(i));
    syncStatus();
}

void TriggerPrefs::syncStatus()
{
    const TriggerWatcher &watcher = m_coordinator.triggers();
    for (TriggerRuleRow *row : std::as_const(m_rows))
        row->setStatus(watcher.status(row->rule().id));
}
