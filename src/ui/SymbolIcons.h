#pragma once

#include <QColor>
#include <QIcon>

// Small symbols for tabs and buttons. The desktop's icon theme is used when it has one; otherwise
// (no theme, as on a bare X server) a plain drawing in the text colour stands in, so no button is
// ever left blank.
namespace SymbolIcons {

enum class Symbol {
    Gear,
    Battery,
    Gears,
    Terminal,
    Shield,
    Info,
    Plus,
    Trash,
    Play,
    Stop,
    Warning,
    Checkmark,
    Eye,
};

QIcon icon(Symbol symbol);
// Always the drawing, in the given colour (the theme's own colours would not say "warning").
QIcon drawn(Symbol symbol, const QColor &color);

} // namespace SymbolIcons
