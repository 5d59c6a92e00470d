#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>

class CommandRunner;
class QPlainTextEdit;

// The runner's output in a read-only, selectable box. A chatty command reports thousands of chunks a
// second; the box catches up at most every refreshInterval instead, appending only what is new
// while the text merely grows. It never scrolls by itself: the reader stays where they are.
class CommandOutputView final : public QWidget {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds refreshInterval{250};

    explicit CommandOutputView(CommandRunner &runner, QWidget *parent = nullptr);

    QPlainTextEdit *textBox() const { return m_text; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void outputChanged();
    void refresh();

    CommandRunner &m_runner;
    QPlainTextEdit *m_text;
    QTimer m_refreshTimer;
    qsizetype m_shownLength = 0;  // how much of the runner's output the box holds
    qsizetype m_latestLength = 0; // the output's length at its last change
    bool m_rewritten = false;     // the output shrank (a new run) since the box was filled
    bool m_dirty = true;          // the output changed since the box was filled
};
