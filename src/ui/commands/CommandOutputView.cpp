#include "CommandOutputView.h"

#include "ViewStyle.h"
#include "commands/CommandRunner.h"
#include "commands/OutputBuffer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CommandOutputView::CommandOutputView(CommandRunner &runner, QWidget *parent)
    : QWidget(parent)
    , m_runner(runner)
    , m_text(new QPlainTextEdit(this))
{
    m_text->setObjectName(u"output"_s);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setFont(ViewStyle::monospace());
    m_text->setMinimumHeight(120);
    m_text->document()->setDocumentMargin(6);
    const QColor frame = ViewStyle::secondary();
    m_text->setStyleSheet(
        u"QPlainTextEdit { border: 1px solid rgba(%1, %2, %3, 30%); border-radius: 4px; }"_s.arg(frame.red())
            .arg(frame.green())
            .arg(frame.blue()));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(ViewStyle::label(tr("Output", "the command's output"), ViewStyle::Text::Caption, true));
    layout->addWidget(m_text, 1);

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(refreshInterval);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CommandOutputView::refresh);
    connect(&m_runner, &CommandRunner::outputChanged, this, &CommandOutputView::outputChanged);
    refresh();
}

void CommandOutputView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

// Runs once per chunk: only notes what happened and arms the timer.
void CommandOutputView::outputChanged()
{
    const qsizetype length = m_runner.output().size();
    if (length < m_latestLength)
        m_rewritten = true;
    m_latestLength = length;
    m_dirty = true;
    if (!m_refreshTimer.isActive())
        m_refreshTimer.start();
}

void CommandOutputView::refresh()
{
    m_refreshTimer.stop();
    if (!m_dirty)
        return;
    m_dirty = false;
    const QString &output = m_runner.output();
    m_latestLength = output.size();
    // The output only grows during a run, until the cap starts cutting its front (the marker then
    // leads the text); a new run starts it again from empty.
    const bool onlyGrew = !m_rewritten && !output.startsWith(OutputBuffer::truncationMarker()) &&
                          output.size() >= m_shownLength;
    if (onlyGrew && output.size() == m_shownLength)
        return;

    QScrollBar *vertical = m_text->verticalScrollBar();
    QScrollBar *horizontal = m_text->horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    if (onlyGrew) {
        QTextCursor end(m_text->document());
        end.movePosition(QTextCursor::End);
        end.insertText(QStringView(output).sliced(m_shownLength).toString());
    } else {
        m_text->setPlainText(output);
    }
    m_shownLength = output.size();
    m_rewritten = false;
    vertical->setValue(top);
    horizontal->setValue(left);
}
