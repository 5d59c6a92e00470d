#include "CommandSidebar.h"

#include "ElidedLabel.h"
#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "commands/CommandHistory.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int entryRole = Qt::UserRole;

} // namespace

CommandSidebar::CommandSidebar(CommandHistory &history, QWidget *parent)
    : QWidget(parent)
    , m_history(history)
    , m_list(new QListWidget(this))
{
    m_list->setObjectName(u"commandList"_s);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);

    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (const Entry *found = entry(item); found && onLoad)
            onLoad(found->command);
    });
    connect(m_list, &QListWidget::customContextMenuRequested, this, &CommandSidebar::showContextMenu);
    connect(&m_history, &CommandHistory::favoritesChanged, this, &CommandSidebar::rebuild);
    connect(&m_history, &CommandHistory::recentChanged, this, &CommandSidebar::rebuild);
    rebuild();
}

QMenu *CommandSidebar::contextMenu(const QListWidgetItem *item, QWidget *parent)
{
    const Entry *found = entry(item);
    if (!found)
        return nullptr;
    auto *menu = new QMenu(parent);
    const SavedCommand command = found->command;
    menu->addAction(u"Load"_s, this, [this, command] {
        if (onLoad)
            onLoad(command);
    });
    menu->addAction(SymbolIcons::icon(SymbolIcons::Symbol::Play), u"Run"_s, this, [this, command] {
        if (onRun)
            onRun(command);
    });
    if (found->favorite) {
        menu->addSeparator();
        menu->addAction(SymbolIcons::icon(SymbolIcons::Symbol::Trash), u"Delete"_s, this,
                        [this, id = command.id] { m_history.removeFavorite(id); });
    }
    return menu;
}

void CommandSidebar::showContextMenu(const QPoint &position)
{
    QMenu *menu = contextMenu(m_list->itemAt(position), m_list);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_list->viewport()->mapToGlobal(position));
}

const CommandSidebar::Entry *CommandSidebar::entry(const QListWidgetItem *item) const
{
    if (!item)
        return nullptr;
    bool ok = false;
    const int index = item->data(entryRole).toInt(&ok);
    return ok && index >= 0 && index < m_entries.size() ? &m_entries.at(index) : nullptr;
}

// The lists are short (at most twenty recent runs), so the whole list is made anew on each change.
void CommandSidebar::rebuild()
{
    m_list->clear();
    m_entries.clear();

    addHeading(u"Favorites"_s);
    if (m_history.favorites().isEmpty())
        addPlaceholder(u"No favorites yet"_s);
    for (const SavedCommand &favorite : m_history.favorites())
        addCommand(favorite, true);

    addHeading(u"Recent"_s);
    if (m_history.recent().isEmpty()) {
        addPlaceholder(u"No recent commands"_s);
        return;
    }
    for (const SavedCommand &recent : m_history.recent())
        addCommand(recent, false);

    auto *clear = new QPushButton(u"Clear History"_s);
    clear->setObjectName(u"clearHistory"_s);
    clear->setFont(ViewStyle::font(ViewStyle::Text::Caption));
    // Queued: clearing rebuilds the list, which deletes this very button.
    connect(
        clear, &QPushButton::clicked, this, [this] { m_history.clearRecent(); }, Qt::QueuedConnection);
    auto *holder = new QWidget;
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(clear);
    layout->addStretch();
    auto *item = new QListWidgetItem(m_list);
    item->setFlags(Qt::ItemIsEnabled);
    item->setSizeHint(holder->sizeHint());
    m_list->setItemWidget(item, holder);
}

void CommandSidebar::addHeading(const QString &title)
{
    auto *item = new QListWidgetItem(title, m_list);
    item->setFlags(Qt::ItemIsEnabled);
    item->setFont(ViewStyle::font(ViewStyle::Text::Headline));
}

void CommandSidebar::addPlaceholder(const QString &text)
{
    auto *item = new QListWidgetItem(text, m_list);
    item->setFlags(Qt::ItemIsEnabled);
    item->setFont(ViewStyle::font(ViewStyle::Text::Caption));
    item->setForeground(ViewStyle::secondary());
}

void CommandSidebar::addCommand(const SavedCommand &command, bool favorite)
{
    auto *row = new QWidget;
    // Clicks go to the list, which selects and loads.
    row->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *title = new ElidedLabel(command.displayTitle(), row);
    title->setObjectName(u"title"_s);
    title->setFont(ViewStyle::font(ViewStyle::Text::Caption));
    auto *layout = new QVBoxLayout(row);
    layout->setContentsMargins(12, 3, 6, 3);
    layout->setSpacing(0);
    layout->addWidget(title);
    if (command.lastExitCode) {
        auto *exit = ViewStyle::label(u"last exit %1"_s.arg(*command.lastExitCode),
                                      ViewStyle::Text::SmallCaption, true, row);
        exit->setObjectName(u"lastExit"_s);
        layout->addWidget(exit);
    }

    auto *item = new QListWidgetItem(m_list);
    item->setToolTip(command.command);
    item->setData(entryRole, int(m_entries.size()));
    item->setSizeHint(row->sizeHint());
    m_list->setItemWidget(item, row);
    m_entries.append({command, favorite});
}
