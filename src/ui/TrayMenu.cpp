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

TrayMenu::~TrayMenu() = default;

void TrayMenu::update(const QList<MenuItem> &model)
{
    apply(m_menu.get(), model);
    m_model = model;
}

namespace {

enum class Kind { Separator, Submenu, Plain };

Kind kindOf(const QAction *action)
{
    return action->isSeparator() ? Kind::Separator : action->menu() ? Kind::Submenu : Kind::Plain;
}

Kind kindOf(const MenuItem &item)
{
    return item.separator ? Kind::Separator : !item.submenu.isEmpty() ? Kind::Submenu : Kind::Plain;
}

} // namespace

void TrayMenu::apply(QMenu *menu, const QList<MenuItem> &items)
{
    // Entries are hidden rather than removed, and an item takes the next entry of its kind, so the
    // entries only ever grow into a sequence that holds every shape the menu has had. GNOME's
    // AppIndicator extension places an entry added to a menu that also lost one in the same update
    // at the wrong position; shown and hidden entries it gets right.
    const QList<QAction *> actions = menu->actions();
    qsizetype next = 0;
    for (const MenuItem &item : items) {
        const Kind kind = kindOf(item);
        qsizetype found = next;
        while (found < actions.size() && kindOf(actions.at(found)) != kind)
            ++found;
        QAction *action = nullptr;
        const MenuItem *was = nullptr;
        if (found < actions.size()) {
            for (qsizetype skipped = next; skipped < found; ++skipped)
                actions.at(skipped)->setVisible(false);
            action = actions.at(found);
            next = found + 1;
            if (const auto shown = m_shown.constFind(action); shown != m_shown.cend())
                was = &shown.value();
        } else {
            action = insert(menu, next < actions.size() ? actions.at(next) : nullptr, item);
        }
        configure(action, item, was);
        action->setVisible(true);
        if (!item.submenu.isEmpty())
            apply(action->menu(), item.submenu);
        m_shown.insert(action, item);
    }
    for (qsizetype i = next; i < actions.size(); ++i)
        actions.at(i)->setVisible(false);
}

QAction *TrayMenu::insert(QMenu *menu, QAction *before, const MenuItem &item)
{
    if (item.separator)
        return menu->insertSeparator(before);
    if (!item.submenu.isEmpty()) {
        auto *submenu = new QMenu(menu);
        submenu->setToolTipsVisible(true);
        submenu->installEventFilter(this);
        return menu->insertMenu(before, submenu);
    }
    auto *action = new QAction(menu);
    menu->insertAction(before, action);
    // Qt's shortcut map never reaches the entries of a menu that no window owns: the open menu's
    // key presses run them instead (eventFilter).
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [this, action] {
        QMetaObject::invokeMethod(
            this,
            [this, what = action->data().value<MenuAction>()] {
                if (onTriggered)
                    onTriggered(what);
            },
            Qt::QueuedConnection);
    });
    return action;
}

void TrayMenu::configure(QAction *action, const MenuItem &item, const MenuItem *was)
{
    if (item.separator)
        return;
    applyTitle(action, item);
    action->setEnabled(item.enabled);
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
    action->setShortcut(item.keyEquivalent.isEmpty()
                            ? QKeySequence()
                            : QKeySequence(u"Ctrl+"_s + item.keyEquivalent.toUpper()));
    action->setData(QVariant::fromValue(item.action));
    // A drawn icon is a new one each time: set only when the sign changes.
    if (!was || was->symbol != item.symbol) {
        const QWidget *menu = qobject_cast<QWidget *>(action->parent());
        action->setIcon(
            symbolIcon(item.symbol, (menu ? menu->palette() : QPalette()).color(QPalette::WindowText)));
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
    constexpr qsizetype maxLength = 72;
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
    const auto find = [&pressed](const auto &self, const QMenu *menu) -> QAction * {
        for (QAction *action : menu->actions()) {
            if (!action->isVisible())
                continue;
            QAction *found = action->menu() ? self(self, action->menu()) : action;
            if (found && !found->shortcut().isEmpty() && found->shortcut() == pressed && found->isEnabled() &&
                found->isVisible())
                return found;
        }
        return nullptr;
    };
    QAction *action = find(find, m_menu.get());
    if (!action)
        return false;
    for (QMenu *submenu : m_menu->findChildren<QMenu *>())
        submenu->hide();
    m_menu->hide();
    action->trigger();
    return true;
}

QString TrayMenu::actionText(const QString &title)
{
    QString text = title;
    text.replace(u'&', u"&&"_s);
    text.replace(u'\t', u' ');
    return text;
}
