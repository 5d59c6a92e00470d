#include "SymbolIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStringList>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace SymbolIcons {

namespace {

QStringList themeNames(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Gear:
    case Symbol::Battery:
    case Symbol::Gears:
    case Symbol::Terminal:
    case Symbol::Shield:
    case Symbol::Info:
    case Symbol::Bolt:
    case Symbol::NoEntry:
        break; // the preference tabs' set and the menu's signs: always drawn, so that each stays one set
    case Symbol::Plus:
        return {u"list-add"_s};
    case Symbol::Trash:
        return {u"edit-delete"_s, u"user-trash"_s};
    case Symbol::Play:
        return {u"media-playback-start"_s};
    case Symbol::Stop:
        return {u"media-playback-stop"_s, u"process-stop"_s};
    case Symbol::Warning:
        return {u"dialog-warning"_s};
    case Symbol::Checkmark:
        return {u"emblem-ok"_s, u"object-select"_s};
    case Symbol::Eye:
        return {u"view-reveal"_s};
    }
    return {};
}

void drawGear(QPainter &p, QPointF centre, qreal radius)
{
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * std::numbers::pi / 4;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.85;
        teeth.addEllipse(at, radius * 0.22, radius * 0.22);
    }
    QPainterPath body;
    body.addEllipse(centre, radius * 0.8, radius * 0.8);
    QPainterPath hole;
    hole.addEllipse(centre, radius * 0.32, radius * 0.32);
    p.fillPath(body.united(teeth).subtracted(hole), p.pen().color());
}

// On a 32 × 32 canvas.
void draw(QPainter &p, Symbol symbol, const QColor &color)
{
    QPen pen(color, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (symbol) {
    case Symbol::Gear:
        drawGear(p, {16, 16}, 13);
        break;
    case Symbol::Battery:
        p.drawRoundedRect(QRectF(3, 9, 23, 14), 3, 3);
        p.fillRect(QRectF(27, 13, 3, 6), color);
        p.fillRect(QRectF(6, 12, 13, 8), color);
        break;
    case Symbol::Gears:
        drawGear(p, {11, 12}, 9);
        drawGear(p, {23, 22}, 7);
        break;
    case Symbol::Terminal:
        p.drawRoundedRect(QRectF(3, 5, 26, 22), 3, 3);
        p.drawPolyline(QPolygonF({QPointF(8, 12), QPointF(13, 16), QPointF(8, 20)}));
        p.drawLine(QPointF(16, 21), QPointF(23, 21));
        break;
    case Symbol::Shield: {
        QPainterPath shield;
        shield.moveTo(16, 3);
        shield.lineTo(27, 7);
        shield.cubicTo(27, 19, 22, 25, 16, 29);
        shield.cubicTo(10, 25, 5, 19, 5, 7);
        shield.closeSubpath();
        p.drawPath(shield);
        p.drawPolyline(QPolygonF({QPointF(11, 16), QPointF(15, 20), QPointF(21, 12)}));
        break;
    }
    case Symbol::Info:
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.drawLine(QPointF(16, 14), QPointF(16, 23));
        p.setBrush(color);
        p.drawEllipse(QPointF(16, 9.5), 1, 1);
        break;
    case Symbol::Bolt:
        p.drawPolygon(QPolygonF({QPointF(19, 3), QPointF(7, 18), QPointF(15, 18), QPointF(13, 29),
                                 QPointF(25, 14), QPointF(17, 14)}));
        break;
    case Symbol::Plus:
        pen.setWidthF(3);
        p.setPen(pen);
        p.drawLine(QPointF(16, 6), QPointF(16, 26));
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
        break;
    case Symbol::Trash:
        p.drawLine(QPointF(5, 8), QPointF(27, 8));
        p.drawPolyline(QPolygonF({QPointF(12, 8), QPointF(13, 4), QPointF(19, 4), QPointF(20, 8)}));
        p.drawPolyline(QPolygonF({QPointF(8, 8), QPointF(10, 28), QPointF(22, 28), QPointF(24, 8)}));
        p.drawLine(QPointF(14, 13), QPointF(14, 23));
        p.drawLine(QPointF(18, 13), QPointF(18, 23));
        break;
    case Symbol::Play:
        p.setBrush(color);
        p.drawPolygon(QPolygonF({QPointF(9, 5), QPointF(26, 16), QPointF(9, 27)}));
        break;
    case Symbol::Stop:
        p.setBrush(color);
        p.drawRoundedRect(QRectF(7, 7, 18, 18), 3, 3);
        break;
    case Symbol::Warning: {
        QPainterPath triangle;
        triangle.moveTo(16, 2);
        triangle.lineTo(31, 29);
        triangle.lineTo(1, 29);
        triangle.closeSubpath();
        QPainterPath mark;
        mark.addRoundedRect(QRectF(14.5, 10, 3, 11), 1.5, 1.5);
        mark.addEllipse(QPointF(16, 25), 1.8, 1.8);
        p.setPen(Qt::NoPen);
        p.fillPath(triangle.subtracted(mark), color);
        break;
    }
    case Symbol::Checkmark:
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.drawPolyline(QPolygonF({QPointF(10, 16), QPointF(14.5, 20.5), QPointF(22, 11)}));
        break;
    case Symbol::NoEntry: {
        QPainterPath disc;
        disc.addEllipse(QPointF(16, 16), 14, 14);
        QPainterPath bar;
        bar.addRoundedRect(QRectF(8, 13.5, 16, 5), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.fillPath(disc.subtracted(bar), color);
        break;
    }
    case Symbol::Eye: {
        QPainterPath outline;
        outline.moveTo(2, 16);
        outline.quadTo(16, 1, 30, 16);
        outline.quadTo(16, 31, 2, 16);
        p.drawPath(outline);
        p.setBrush(color);
        p.drawEllipse(QPointF(16, 16), 5, 5);
        break;
    }
    }
}

} // namespace

QIcon drawn(Symbol symbol, const QColor &color)
{
    QIcon result;
    for (const int pixels : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(pixels, pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(pixels / 32.0, pixels / 32.0);
        draw(painter, symbol, color);
        painter.end();
        result.addPixmap(pixmap);
    }
    return result;
}

QIcon icon(Symbol symbol)
{
    for (const QString &name : themeNames(symbol)) {
        for (const QString &candidate : {name, QString(name + u"-symbolic"_s)}) {
            if (QIcon::hasThemeIcon(candidate))
                return QIcon::fromTheme(candidate);
        }
    }
    return drawn(symbol, QApplication::palette().color(QPalette::WindowText));
}

} // namespace SymbolIcons
