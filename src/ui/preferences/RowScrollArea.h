#pragma once

#include <QScrollArea>

// A list of rows that scrolls up and down only, never narrower than its widest row: a longer
// translation widens the window rather than losing its end under the right edge.
class RowScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSize fitted(QSize hint) const;
};
