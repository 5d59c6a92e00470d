#include "PreferencesTabBar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace {

constexpr int horizontalPadding = 10;
constexpr int verticalPadding = 5;
constexpr int iconTextGap = 3;

} // namespace

PreferencesTabBar::PreferencesTabBar(QWidget *parent)
    : QTabBar(parent)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideRight);
    setIconSize(QSize(20, 20));
}

QSize PreferencesTabBar::tabSizeHint(int index) const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = qMax(metrics.horizontalAdvance(tabText(index)), iconSize().width());
    return {width + 2 * horizontalPadding,
            iconSize().height() + iconTextGap + metrics.height() + 2 * verticalPadding};
}

QSize PreferencesTabBar::minimumTabSizeHint(int index) const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = qMax(metrics.horizontalAdvance(QStringLiteral("Abc\u2026")), iconSize().width());
    return {qMin(width + 2 * horizontalPadding, tabSizeHint(index).width()), tabSizeHint(index).height()};
}

void PreferencesTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    // The current tab last, so that its shape overlaps its neighbours as the style expects.
    for (int i = 0; i < count(); ++i) {
        if (i != currentIndex())
            paintTab(painter, i);
    }
    if (currentIndex() >= 0)
        paintTab(painter, currentIndex());
}

void PreferencesTabBar::paintTab(QPainter &painter, int index) const
{
    QStyleOptionTab option;
    initStyleOption(&option, index);
    // Not option.text: that comes already elided for a title beside the symbol.
    const QString text = tabText(index);
    const QIcon icon = option.icon;
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);

    const QRect area =
        option.rect.adjusted(horizontalPadding / 2, verticalPadding, -horizontalPadding / 2, 0);
    const bool enabled = option.state & QStyle::State_Enabled;
    const QRect iconRect(area.left() + (area.width() - iconSize().width()) / 2, area.top(),
                         iconSize().width(), iconSize().height());
    icon.paint(&painter, iconRect, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled,
               option.state & QStyle::State_Selected ? QIcon::On : QIcon::Off);

    const QFontMetrics metrics = fontMetrics();
    const QRect textRect(area.left(), iconRect.bottom() + 1 + iconTextGap, area.width(), metrics.height());
    const QString shown = metrics.elidedText(text, Qt::ElideRight, textRect.width());
    style()->drawItemText(&painter, textRect, Qt::AlignHCenter | Qt::AlignTop, option.palette, enabled, shown,
                          QPalette::WindowText);
}

PreferencesTabWidget::PreferencesTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new PreferencesTabBar(this));
}
