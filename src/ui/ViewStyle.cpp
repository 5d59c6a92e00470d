#include "ViewStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPalette>

namespace ViewStyle {

namespace {

qreal pointSizeDelta(Text style)
{
    switch (style) {
    case Text::Body:
    case Text::Headline:
        return 0;
    case Text::Callout:
        return -1;
    case Text::Caption:
        return -2;
    case Text::SmallCaption:
        return -3;
    case Text::Title:
        return 7;
    }
    return 0;
}

QFont sized(QFont font, Text style)
{
    const qreal base = QApplication::font().pointSizeF();
    if (base > 0)
        font.setPointSizeF(qMax<qreal>(6, base + pointSizeDelta(style)));
    if (style == Text::Headline || style == Text::Title)
        font.setBold(true);
    return font;
}

} // namespace

QFont font(Text style)
{
    return sized(QApplication::font(), style);
}

QFont monospace(Text style)
{
    return sized(QFontDatabase::systemFont(QFontDatabase::FixedFont), style);
}

QColor secondary()
{
    const QPalette palette = QApplication::palette();
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(0.6f);
    return color;
}

QColor green()
{
    return QColor(0x1f, 0x9d, 0x3a);
}

QColor red()
{
    return QColor(0xd7, 0x26, 0x1e);
}

QColor orange()
{
    return QColor(0xf0, 0x8a, 0x00);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QLabel *label(const QString &text, Text style, bool dim, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setFont(font(style));
    result->setWordWrap(true);
    result->setTextFormat(Qt::PlainText);
    if (dim)
        setTextColor(result, secondary());
    return result;
}

QFrame *divider(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace ViewStyle
