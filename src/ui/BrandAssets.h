#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Vigila's own marks, compiled in as SVG resources. The tray draws them as "templates": one
// colour chosen at draw time (the theme's text colour, or orange/red for warnings).
namespace BrandAssets {

QString openEyeName();     // "vigila-active-black"
QString sleepingEyeName(); // "vigila-sleeping-black"

// The mark rendered at the given size (its natural size when empty), or nothing when there is no
// such resource or it cannot be read.
std::optional<QImage> image(const QString &name, QSize size = {});
// The mark in a single colour at the sizes panels ask for (16–64 px). With a badge (a few
// characters, such as the minutes left) the mark moves up and the badge is written beneath it.
std::optional<QIcon> menuBarTemplate(const QString &name, const QColor &color, const QString &badge = {});

std::optional<QIcon> openEye(const QColor &color, const QString &badge = {});
std::optional<QIcon> sleepingEye(const QColor &color);
// The open eye in its own colours for the About tab, 72 px.
std::optional<QImage> aboutLogo();

} // namespace BrandAssets
