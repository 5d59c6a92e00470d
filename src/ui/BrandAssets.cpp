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
    QIcon icon;
    for (const int pixels : {16, 22, 24, 32, 48, 64}) {
        auto mark = image(name, QSize(pixels, pixels));
        if (!mark)
            return std::nullopt;
        // Keep the shape (alpha), replace every colour.
        QPainter painter(&*mark);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(mark->rect(), color);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(*mark));
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
