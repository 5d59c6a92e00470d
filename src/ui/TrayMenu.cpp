#include "TrayMenu.h"

#include "SymbolIcons.h"

#include <QColor>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPalette>
#include <QTextBoundaryFinder>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QIcon symbolIcon(MenuItem::Symbol symbol, const QColor &color)
{
    using SymbolIcons::Symbol;
    switch (symbol) {
    case MenuItem::Symbol::Warning:
        return SymbolIcons::drawn(Symbol::Warning, color);
    case MenuItem::Symbol::Info:
        return SymbolIcons::drawn(Symbol::Info, color);
    case MenuItem::Symbol::NoEntry:
        return SymbolIcons::drawn(Symbol::NoEntry, color);
    case MenuItem::Symbol::None:
        break;
    }
    return {};
}

} // namespace

TrayMenu::TrayMenu(QObject *parent)
    : QObject(parent)
    , m_menu(std::make_unique<QMenu>())
{
    m_menu->setToolTipsVisible(true);
    m_menu->installEventFilter(this);
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
            submenu->installEventFilter(this);
            m_submenus << submenu;
            action = menu->addMenu(submenu);
            m_actions << action;
            fill(submenu, item.submenu);
        } else {
            action = menu->addAction(QString());
            applyTitle(action, item);
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
            // Qt's shortcut map never reaches the entries of a menu that no window owns: the open
            // menu's key presses run them instead (eventFilter).
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        if (item.symbol != MenuItem::Symbol::None)
            action->setIcon(symbolIcon(item.symbol, menu->palette().color(QPalette::WindowText)));
    }
}

void TrayMenu::applyTitle(QAction *action, const MenuItem &item)
{
    const QString shown = elided(item.title);
    action->setText(actionText(shown)); // no-op for an unchanged text
    QString tip = item.toolTip;
    if (shown != item.title)
        tip = tip.isEmpty() ? item.title : item.title + u'\n' + tip;
    // User data shows literally, also where it looks like markup.
    action->setToolTip(Qt::mightBeRichText(tip) ? Qt::convertFromPlainText(tip) : tip);
}

QString TrayMenu::elided(const QString &title)
{
    constexpr qsizetype maxLength = 60;
    if (title.size() <= maxLength)
        return title;
    // Both ends stay: the start names the entry, the end holds the time left. Cuts fall between
    // words when one ends nearby, else between user-perceived characters, never inside one.
    constexpr qsizetype nearby = 8;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, title);
    finder.setPosition((maxLength - 1) / 2);
    if (!finder.isAtBoundary())
        finder.toPreviousBoundary();
    qsizetype head = finder.position();
    if (const qsizetype space = head > 0 ? title.lastIndexOf(u' ', head - 1) : -1;
        space >= 0 && head - space <= nearby)
        head = space + 1;
    finder.setPosition(title.size() - (maxLength - 1 - head));
    if (!finder.isAtBoundary())
        finder.toNextBoundary();
    qsizetype tail = finder.position();
    if (const qsizetype space = title.indexOf(u' ', tail); space >= 0 && space - tail <= nearby)
        tail = space;
    return title.left(head) + u'\u2026' + title.mid(tail);
}

bool TrayMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && triggerShortcut(*static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

bool TrayMenu::triggerShortcut(const QKeyEvent &key)
{
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (QAction *action : std::as_const(m_actions)) {
        if (action->shortcut().isEmpty() || action->shortcut() != pressed || !action->isEnabled())
            continue;
        for (QMenu *submenu : std::as_const(m_submenus))
            submenu->hide();
        m_menu->hide();
        action->trigger();
        return true;
    }
    return false;
}

void TrayMenu::retitle(const QList<MenuItem> &items, qsizetype &next)
{
    for (const MenuItem &item : items) {
        QAction *action = m_actions.at(next++);
        if (!item.separator)
            applyTitle(action, item);
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
            x.enabled != y.enabled || x.toolTip != y.toolTip || x.symbol != y.symbol ||
            !(x.action == y.action) || !sameShape(x.submenu, y.submenu))
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
