#pragma once

#include "menubar/MenuModel.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QEvent;
class QKeyEvent;
class QMenu;

// The tray's QMenu, drawn from a menu model. A model that differs from the one shown only in its
// titles is applied in place: rebuilding would close an open submenu, and while a timed session
// runs the texts change every second.
class TrayMenu final : public QObject {
    Q_OBJECT
public:
    explicit TrayMenu(QObject *parent = nullptr);
    ~TrayMenu() override;

    QMenu *menu() const { return m_menu.get(); }
    const QList<MenuItem> &model() const { return m_model; }
    // Between aboutToShow and aboutToHide (also for a menu exported to a StatusNotifier host).
    bool isOpen() const { return m_open; }

    // Runs the action of a chosen entry on a later turn of the event loop, once the menu has
    // closed, so that a modal dialog never runs inside the menu's own signal handling.
    std::function<void(const MenuAction &)> onTriggered;

    // Brings the menu in line with the model. Entries are updated in place, and shown or hidden;
    // a new QAction is made only where no hidden entry of the kind (separator, submenu, plain) is
    // left. Adding and removing actions is what costs: Qt keeps connections and, for a menu
    // exported over D-Bus, platform items for each one. Hidden entries are in menu()'s actions.
    void update(const QList<MenuItem> &model);

    // A model title as QAction text: "&" is literal, a tab is a space (it would start the
    // shortcut column).
    static QString actionText(const QString &title);
    // A title of at most 72 characters: a longer one loses its middle to an ellipsis. Room enough
    // for the longest fixed text in German, French or Spanish; what runs longer carries user data.
    static QString elided(const QString &title);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes `menu`'s visible entries show `items`.
    void apply(QMenu *menu, const QList<MenuItem> &items);
    // A new, empty entry of the item's kind, placed before `before` (at the end without one).
    QAction *insert(QMenu *menu, QAction *before, const MenuItem &item);
    // Everything but the title; `was` is what the entry showed, if anything.
    static void configure(QAction *action, const MenuItem &item, const MenuItem *was);
    // The entry's text and tooltip; an elided title's full text goes into the tooltip.
    static void applyTitle(QAction *action, const MenuItem &item);
    // Runs the entry whose shortcut was pressed while the menu was open.
    bool triggerShortcut(const QKeyEvent &key);

    std::unique_ptr<QMenu> m_menu;
    QList<MenuItem> m_model;
    // What each entry shows, or showed last before it was hidden.
    QHash<const QAction *, MenuItem> m_shown;
    bool m_open = false;
};
