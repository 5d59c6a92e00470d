#pragma once

#include <QColor>
#include <QIcon>

// Small symbols for tabs, buttons and menu entries. Buttons use the desktop's icon theme when it
// has the symbol; otherwise (no theme, as on a bare X server) a plain drawing in the text colour
// stands in, so no button is ever left blank. The preference tabs and the menu's signs are always
// drawn.
namespace SymbolIcons {

enum class Symbol {
    Gear,
    Battery,
    Gears,
    Terminal,
    Shield,
    Info,
    Bolt,
    Plus,
    Trash,
    Play,
    Stop,
    Warning,
    Checkmark,
    Eye,
    NoEntry,
};

QIcon icon(Symbol symbol);
// Always the drawing, in the given colour (the theme's own colours would not say "warning").
QIcon drawn(Symbol symbol, const QColor &color);

} // namespace SymbolIcons
