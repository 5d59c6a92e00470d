#pragma once

#include <QFrame>
#include <QString>

// One line of text that gives up width gracefully: what does not fit ends in "…". Line breaks in
// the text are shown as spaces.
class ElidedLabel final : public QFrame {
    Q_OBJECT
public:
    explicit ElidedLabel(const QString &text = {}, QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
