#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

// The handful of text styles and colours the windows share, derived from the application font and
// palette so that they follow the desktop's theme.
namespace ViewStyle {

enum class Text { Body, Callout, Caption, SmallCaption, Headline, Title };

QFont font(Text style);
// Same size as the style, fixed pitch.
QFont monospace(Text style = Text::Body);

// For explanatory text: dimmer than the body text on any theme.
QColor secondary();
QColor green();
QColor red();
QColor orange();

void setTextColor(QWidget *widget, const QColor &color);
// A word-wrapped label in the given style; secondary makes it dim.
QLabel *label(const QString &text, Text style = Text::Body, bool secondary = false,
              QWidget *parent = nullptr);
QFrame *divider(QWidget *parent = nullptr);

} // namespace ViewStyle
