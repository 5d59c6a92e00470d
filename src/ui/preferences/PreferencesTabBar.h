#pragma once

#include <QTabBar>
#include <QTabWidget>

// Tabs with the symbol above the title, as preference windows show them. Seven tabs side by side with
// the symbol beside the title would not fit the window's usual width; stacked they do. Longer titles
// (a translation, a large font) widen the window; wider than the screen, they are elided rather than
// scrolled out of sight.
class PreferencesTabBar final : public QTabBar {
    Q_OBJECT
public:
    explicit PreferencesTabBar(QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintTab(QPainter &painter, int index) const;
};

// A tab widget that uses PreferencesTabBar.
class PreferencesTabWidget final : public QTabWidget {
    Q_OBJECT
public:
    explicit PreferencesTabWidget(QWidget *parent = nullptr);
};
