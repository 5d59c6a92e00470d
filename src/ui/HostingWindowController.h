#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

// Creates a window around a view the first time it is shown and keeps it for good: closing only
// hides it, and every show() brings the same window (with its state and position) to the front.
class HostingWindowController final : public QObject {
    Q_OBJECT
public:
    HostingWindowController(QString title, std::function<QWidget *()> makeView, QObject *parent = nullptr);
    ~HostingWindowController() override;

    void show();
    QWidget *window() const { return m_window.get(); }
    const QString &title() const { return m_title; }

    // A key that runs the action while the window is active (given to the window when it is made).
    void addShortcut(const QKeySequence &keys, std::function<void()> action);

private:
    void installShortcut(const QKeySequence &keys, const std::function<void()> &action);

    QString m_title;
    std::function<QWidget *()> m_makeView;
    std::unique_ptr<QWidget> m_window;
    QList<std::pair<QKeySequence, std::function<void()>>> m_shortcuts;
};
