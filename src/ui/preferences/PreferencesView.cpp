#include "PreferencesView.h"

#include "AboutPrefs.h"
#include "BatteryPrefs.h"
#include "CommandPrefs.h"
#include "GeneralPrefs.h"
#include "PreferencesTabBar.h"
#include "ProcessPrefs.h"
#include "SafetyPrefs.h"
#include "SymbolIcons.h"
#include "app/AppCoordinator.h"

#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PreferencesView::PreferencesView(AppCoordinator &coordinator, LoginItemService &loginItems, QWidget *parent)
    : QWidget(parent)
    , m_tabs(new PreferencesTabWidget(this))
{
    using SymbolIcons::Symbol;
    m_tabs->setObjectName(u"tabs"_s);
    m_tabs->addTab(new GeneralPrefs(coordinator.prefs(), loginItems), SymbolIcons::icon(Symbol::Gear),
                   u"General"_s);
    m_tabs->addTab(new BatteryPrefs(coordinator.prefs()), SymbolIcons::icon(Symbol::Battery), u"Battery"_s);
    m_tabs->addTab(new ProcessPrefs(coordinator), SymbolIcons::icon(Symbol::Gears), u"Process Watch"_s);
    m_tabs->addTab(new CommandPrefs(coordinator), SymbolIcons::icon(Symbol::Terminal), u"Commands"_s);
    m_tabs->addTab(new SafetyPrefs, SymbolIcons::icon(Symbol::Shield), u"Safety"_s);
    m_tabs->addTab(new AboutPrefs, SymbolIcons::icon(Symbol::Info), u"About"_s);
    m_tabs->setFixedSize(520, 440);

    // The window takes its size from the tabs and the padding around them.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
