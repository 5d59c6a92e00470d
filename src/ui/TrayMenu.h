#pragma once

#include "menubar/MenuModel.h"

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

    // Empties the menu and fills it again from the model.
    void rebuild(const QList<MenuItem> &model);
    // Retitles in place when only titles changed; otherwise rebuilds.
    void update(const QList<MenuItem> &model);

    // Whether two models differ in nothing but their titles.
    static bool sameShape(const QList<MenuItem> &a, const QList<MenuItem> &b);
    // A model title as QAction text: "&" is literal, a tab is a space (it would start the
    // shortcut column).
    static QString actionText(const QString &title);
    // A title of at most about 60 characters: a longer one loses its middle to an ellipsis.
    static QString elided(const QString &title);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(QMenu *menu, const QList<MenuItem> &items);
    // The entry's text and tooltip; an elided title's full text goes into the tooltip.
    static void applyTitle(QAction *action, const MenuItem &item);
    // Runs the entry whose shortcut was pressed while the menu was open.
    bool triggerShortcut(const QKeyEvent &key);
    void retitle(const QList<MenuItem> &items, qsizetype &next);

    std::unique_ptr<QMenu> m_menu;
    QList<MenuItem> m_model;
    // Every entry's QAction, depth first in model order (separators and submenu entries included).
    QList<QAction *> m_actions;
    QList<QMenu *> m_submenus;
    bool m_open = false;
};
