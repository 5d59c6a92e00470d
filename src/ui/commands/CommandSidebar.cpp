#include "CommandSidebar.h"

#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "commands/CommandHistory.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int headingRole = Qt::UserRole + 2;

// A command row: its title and, below it when known, the last exit code, both cut to the width of
// the list with "…" rather than widening it.
class CommandRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int indent = 12;
    static constexpr int padding = 3;

    static bool isCommand(const QModelIndex &index)
    {
        return index.data(CommandSidebar::entryRole).isValid();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!isCommand(index))
            return QStyledItemDelegate::sizeHint(option, index) +
                   QSize(0, index.data(headingRole).isValid() ? 8 : 2);
        int height = QFontMetrics(ViewStyle::font(ViewStyle::Text::Caption)).height() + 2 * padding;
        if (index.data(CommandSidebar::lastExitRole).isValid())
            height += QFontMetrics(ViewStyle::font(ViewStyle::Text::SmallCaption)).height();
        return {indent, height};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!isCommand(index)) {
            // Headings a little in from the edge and apart from the rows above; placeholders in line
            // with the rows.
            QStyleOptionViewItem shifted = option;
            const bool heading = index.data(headingRole).isValid();
            shifted.rect.adjust(heading ? padding * 2 : indent, heading ? 6 : 0, 0, 0);
            QStyledItemDelegate::paint(painter, shifted, index);
            return;
        }
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        const QString title = background.text;
        background.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        const bool selected = option.state & QStyle::State_Selected;
        QRect area = option.rect.adjusted(indent, padding, -padding, -padding);
        painter->save();
        const QFont titleFont = ViewStyle::font(ViewStyle::Text::Caption);
        const QFontMetrics titleMetrics(titleFont);
        painter->setFont(titleFont);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(area, Qt::AlignLeft | Qt::AlignTop,
                          titleMetrics.elidedText(title, Qt::ElideRight, area.width()));
        const QVariant exit = index.data(CommandSidebar::lastExitRole);
        if (exit.isValid()) {
            area.setTop(area.top() + titleMetrics.height());
            const QFont exitFont = ViewStyle::font(ViewStyle::Text::SmallCaption);
            painter->setFont(exitFont);
            if (!selected)
                painter->setPen(ViewStyle::secondary());
            painter->drawText(
                area, Qt::AlignLeft | Qt::AlignTop,
                QFontMetrics(exitFont).elidedText(
                    //: %1 is the exit code of the command's last run
                    QCoreApplication::translate("CommandSidebar", "last exit %1").arg(exit.toInt()),
                    Qt::ElideRight, area.width()));
        }
        painter->restore();
    }
};

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
    m_list->setItemDelegate(new CommandRowDelegate(m_list));
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
    menu->addAction(tr("Load", "load the command into the editor"), this, [this, command] {
        if (onLoad)
            onLoad(command);
    });
    menu->addAction(SymbolIcons::icon(SymbolIcons::Symbol::Play), tr("Run", "run the command"), this,
                    [this, command] {
                        if (onRun)
                            onRun(command);
                    });
    if (found->favorite) {
        menu->addSeparator();
        menu->addAction(SymbolIcons::icon(SymbolIcons::Symbol::Trash),
                        tr("Delete", "delete the favorite command"), this,
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

    addHeading(tr("Favorites", "saved commands"));
    if (m_history.favorites().isEmpty())
        addPlaceholder(tr("No favorites yet"));
    for (const SavedCommand &favorite : m_history.favorites())
        addCommand(favorite, true);

    addHeading(tr("Recent", "recently run commands"));
    if (m_history.recent().isEmpty()) {
        addPlaceholder(tr("No recent commands"));
        return;
    }
    for (const SavedCommand &recent : m_history.recent())
        addCommand(recent, false);

    auto *clear = new QPushButton(tr("Clear History"));
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
    item->setData(headingRole, true);
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
    auto *item = new QListWidgetItem(command.displayTitle(), m_list);
    item->setData(entryRole, int(m_entries.size()));
    if (command.lastExitCode)
        item->setData(lastExitRole, *command.lastExitCode);
    item->setToolTip(command.command);
    m_entries.append({command, favorite});
}
