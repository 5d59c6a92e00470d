#include "RowScrollArea.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

QSize RowScrollArea::fitted(QSize hint) const
{
    if (const QWidget *rows = widget()) {
        const int width = rows->minimumSizeHint().width() + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
        hint.setWidth(std::max(hint.width(), width));
    }
    return hint;
}

QSize RowScrollArea::minimumSizeHint() const
{
    return fitted(QScrollArea::minimumSizeHint());
}

QSize RowScrollArea::sizeHint() const
{
    return fitted(QScrollArea::sizeHint());
}

bool RowScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    // A row added or grown: the layouts around the list, up to the window's, take the new width.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}
