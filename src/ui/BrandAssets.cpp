#include "BrandAssets.h"

#include <QFile>
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

std::optional<QIcon> menuBarTemplate(const QString &name, const QColor &color)
{
    // Panels may be light or dark whatever the application's palette says, so the mark gets a
    // thin halo of the opposite lightness: a dark eye stays visible on a dark panel and the reverse.
    const QColor halo = color.lightness() < 128 ? QColor(255, 255, 255, 150) : QColor(0, 0, 0, 150);
    QIcon icon;
    for (const int pixels : {16, 22, 24, 32, 48, 64}) {
        auto mark = image(name, QSize(pixels, pixels));
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

std::optional<QIcon> openEye(const QColor &color)
{
    return menuBarTemplate(openEyeName(), color);
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
