#include "PreferencesView.h"

#include "AboutPrefs.h"
#include "BatteryPrefs.h"
#include "CommandPrefs.h"
#include "GeneralPrefs.h"
#include "PreferencesTabBar.h"
#include "ProcessPrefs.h"
#include "SafetyPrefs.h"
#include "SymbolIcons.h"
#include "TriggerPrefs.h"
#include "app/AppCoordinator.h"

#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PreferencesView::PreferencesView(AppCoordinator &coordinator, LoginItemService &loginItems, QWidget *parent)
    : QWidget(parent)
    , m_tabs(new PreferencesTabWidget(this))
{
    m_tabs->setObjectName(u"tabs"_s);
    m_tabs->addTab(new GeneralPrefs(coordinator.prefs(), loginItems), tr("General", "preferences tab"));
    m_tabs->addTab(new BatteryPrefs(coordinator.prefs()), tr("Battery", "preferences tab"));
    m_tabs->addTab(new ProcessPrefs(coordinator), tr("Process Watch", "preferences tab"));
    m_triggers = new TriggerPrefs(coordinator);
    m_tabs->addTab(m_triggers, tr("Triggers", "preferences tab"));
    m_tabs->addTab(new CommandPrefs(coordinator), tr("Commands", "preferences tab"));
    m_tabs->addTab(new SafetyPrefs, tr("Safety", "preferences tab"));
    m_tabs->addTab(new AboutPrefs, tr("About", "preferences tab"));
    drawTabSymbols();
    // At least this size; a longer translation of a tab's title or of a page's texts widens the
    // tabs rather than being cut.
    m_tabs->setMinimumSize(520, 440);

    // The window takes its size from the tabs and the padding around them, and keeps it.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PreferencesView::showTriggers()
{
    m_tabs->setCurrentWidget(m_triggers);
}

void PreferencesView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        drawTabSymbols();
}

// Always Vigila's own drawings, in the text colour: the icon theme has some of these symbols and
// not others, and mixing its coloured icons with the monochrome drawings looks broken.
void PreferencesView::drawTabSymbols()
{
    using SymbolIcons::Symbol;
    static constexpr Symbol symbols[] = {Symbol::Gear,     Symbol::Battery, Symbol::Gears, Symbol::Bolt,
                                         Symbol::Terminal, Symbol::Shield,  Symbol::Info};
    const QColor color = palette().color(QPalette::WindowText);
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabIcon(i, SymbolIcons::drawn(symbols[i], color));
}
