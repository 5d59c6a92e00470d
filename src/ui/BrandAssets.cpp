#include "BrandAssets.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace BrandAssets {

namespace {

std::optional<QByteArray> document(const QString &name)
{
    QFile file(u":/icons/"_s + name + u".svg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// The smallest rectangle holding every visible pixel.
QRect opaqueBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The mark shrunk into the upper part of a square, the badge as large as fits below it. Drawn in
// black: only the shape counts, the caller colours it.
std::optional<QImage> badgedShape(const QString &name, int pixels, const QString &badge)
{
    constexpr int oversampling = 4;
    const auto large = image(name, QSize(pixels, pixels) * oversampling);
    if (!large)
        return std::nullopt;
    const int textHeight = qRound(pixels * 0.45);
    const QRect markArea(1, 1, pixels - 2, pixels - textHeight - 1); // room for the halo above
    const QImage mark = large->copy(opaqueBounds(*large))
                            .scaled(markArea.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QImage result(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(markArea.left() + (markArea.width() - mark.width()) / 2, markArea.top(), mark);

    // The largest bold text whose ink fits the space below the mark.
    QFont font = QGuiApplication::font();
    font.setBold(true);
    QRect ink;
    for (int size = textHeight * 2; size >= 4; --size) {
        font.setPixelSize(size);
        ink = QFontMetrics(font).tightBoundingRect(badge);
        if (ink.height() <= textHeight && ink.width() <= pixels)
            break;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int baseline = markArea.bottom() + 1 + (textHeight - ink.height()) / 2 - ink.top();
    painter.drawText(QPoint((pixels - ink.width()) / 2 - ink.left(), baseline), badge);
    painter.end();
    return result;
}

} // namespace

QString openEyeName()
{
    return u"vigila-active-black"_s;
}

QString sleepingEyeName()
{
    return u"vigila-sleeping-black"_s;
}

std::optional<QImage> image(const QString &name, QSize size)
{
    const auto svg = document(name);
    if (!svg)
        return std::nullopt;
    QSvgRenderer renderer(*svg);
    if (!renderer.isValid())
        return std::nullopt;
    if (size.isEmpty())
        size = renderer.defaultSize();
    QImage result(size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    renderer.render(&painter);
    return result;
}

std::optional<QIcon> menuBarTemplate(const QString &name, const QColor &color, const QString &badge)
{
    // Panels may be light or dark whatever the application's palette says, so the mark gets a
    // thin halo of the opposite lightness: a dark eye stays visible on a dark panel and the reverse.
    const QColor halo = color.lightness() < 128 ? QColor(255, 255, 255, 150) : QColor(0, 0, 0, 150);
    QIcon icon;
    for (const int pixels : {16, 22, 24, 32, 48, 64}) {
        auto mark = badge.isEmpty() ? image(name, QSize(pixels, pixels)) : badgedShape(name, pixels, badge);
        if (!mark)
            return std::nullopt;
        const auto paint = [&](const QColor &with) {
            QImage painted = *mark;
            QPainter painter(&painted);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn); // keep the shape, replace the colour
            painter.fillRect(painted.rect(), with);
            return painted;
        };
        const QImage outline = paint(halo);
        QImage result(mark->size(), QImage::Format_ARGB32_Premultiplied);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        const int width = pixels >= 48 ? 2 : 1;
        for (int dx = -width; dx <= width; ++dx) {
            for (int dy = -width; dy <= width; ++dy) {
                if (dx != 0 || dy != 0)
                    painter.drawImage(dx, dy, outline);
            }
        }
        painter.drawImage(0, 0, paint(color));
        painter.end();
        icon.addPixmap(QPixmap::fromImage(result));
    }
    return icon;
}

std::optional<QIcon> openEye(const QColor &color, const QString &badge)
{
    return menuBarTemplate(openEyeName(), color, badge);
}

std::optional<QIcon> sleepingEye(const QColor &color)
{
    return menuBarTemplate(sleepingEyeName(), color);
}

std::optional<QImage> aboutLogo()
{
    return image(openEyeName(), QSize(72, 72));
}

} // namespace BrandAssets
