#pragma once

#include "commands/SavedCommand.h"

#include <QList>
#include <QWidget>

#include <functional>

class CommandHistory;
class QListWidget;
class QListWidgetItem;
class QMenu;

// The favourite and recent commands in one list with two sections. A click loads a command into the
// editor; the context menu also runs it, and deletes favourites.
class CommandSidebar final : public QWidget {
    Q_OBJECT
public:
    // Item data of the command rows (the display text is the command's title).
    static constexpr int entryRole = Qt::UserRole;        // index of the row's command
    static constexpr int lastExitRole = Qt::UserRole + 1; // the last exit code, when there is one

    explicit CommandSidebar(CommandHistory &history, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    // The context menu of a command row, or nothing for headings and placeholders.
    QMenu *contextMenu(const QListWidgetItem *item, QWidget *parent);

    std::function<void(const SavedCommand &)> onLoad;
    std::function<void(const SavedCommand &)> onRun;

private:
    struct Entry {
        SavedCommand command;
        bool favorite = false;
    };

    void rebuild();
    void addHeading(const QString &title);
    void addPlaceholder(const QString &text);
    void addCommand(const SavedCommand &command, bool favorite);
    const Entry *entry(const QListWidgetItem *item) const;
    void showContextMenu(const QPoint &position);

    CommandHistory &m_history;
    QListWidget *m_list;
    QList<Entry> m_entries;
};
