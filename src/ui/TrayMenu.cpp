#include "TrayMenu.h"

#include <QKeySequence>
#include <QMenu>

using namespace Qt::StringLiterals;

TrayMenu::TrayMenu(QObject *parent)
    : QObject(parent)
    , m_menu(std::make_unique<QMenu>())
{
    m_menu->setToolTipsVisible(true);
    connect(m_menu.get(), &QMenu::aboutToShow, this, [this] { m_open = true; });
    connect(m_menu.get(), &QMenu::aboutToHide, this, [this] { m_open = false; });
}

TrayMenu::~TrayMenu()
{
    qDeleteAll(m_submenus);
}

void TrayMenu::rebuild(const QList<MenuItem> &model)
{
    m_menu->clear();
    m_actions.clear();
    // Submenus are parented to the top-level menu, which clear() does not delete.
    qDeleteAll(m_submenus);
    m_submenus.clear();
    m_model = model;
    fill(m_menu.get(), m_model);
}

void TrayMenu::update(const QList<MenuItem> &model)
{
    if (!sameShape(model, m_model))
        return rebuild(model);
    m_model = model;
    qsizetype next = 0;
    retitle(m_model, next);
}

void TrayMenu::fill(QMenu *menu, const QList<MenuItem> &items)
{
    for (const MenuItem &item : items) {
        if (item.separator) {
            m_actions << menu->addSeparator();
            continue;
        }
        QAction *action = nullptr;
        if (!item.submenu.isEmpty()) {
            auto *submenu = new QMenu(actionText(item.title), m_menu.get());
            submenu->setToolTipsVisible(true);
            m_submenus << submenu;
            action = menu->addMenu(submenu);
            m_actions << action;
            fill(submenu, item.submenu);
        } else {
            action = menu->addAction(actionText(item.title));
            m_actions << action;
            const MenuAction what = item.action;
            connect(action, &QAction::triggered, this, [this, what] {
                QMetaObject::invokeMethod(
                    this,
                    [this, what] {
                        if (onTriggered)
                            onTriggered(what);
                    },
                    Qt::QueuedConnection);
            });
        }
        action->setEnabled(item.enabled);
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (!item.keyEquivalent.isEmpty()) {
            action->setShortcut(QKeySequence(u"Ctrl+"_s + item.keyEquivalent.toUpper()));
            // Shown beside the entry; the menu is not a window that keeps focus.
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        if (!item.toolTip.isEmpty())
            action->setToolTip(item.toolTip);
    }
}

void TrayMenu::retitle(const QList<MenuItem> &items, qsizetype &next)
{
    for (const MenuItem &item : items) {
        QAction *action = m_actions.at(next++);
        if (!item.separator)
            action->setText(actionText(item.title)); // no-op for an unchanged text
        retitle(item.submenu, next);
    }
}

bool TrayMenu::sameShape(const QList<MenuItem> &a, const QList<MenuItem> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const MenuItem &x = a.at(i);
        const MenuItem &y = b.at(i);
        if (x.separator != y.separator || x.keyEquivalent != y.keyEquivalent || x.checked != y.checked ||
            x.enabled != y.enabled || x.toolTip != y.toolTip || !(x.action == y.action) ||
            !sameShape(x.submenu, y.submenu))
            return false;
    }
    return true;
}

QString TrayMenu::actionText(const QString &title)
{
    QString text = title;
    text.replace(u'&', u"&&"_s);
    text.replace(u'\t', u' ');
    return text;
}
