#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

#include <csignal>
#include <sys/types.h>

class QSocketNotifier;

// The command of `vigila run`, started directly (no shell) with our stdin, stdout and stderr, in
// our process group so the terminal's Ctrl+C, Ctrl+\ and Ctrl+Z reach it as if it ran alone.
//
// SIGINT, SIGQUIT, SIGTERM and SIGHUP never run a handler here: they are blocked in every thread
// (the D-Bus library's thread inherits the mask) and read from a signalfd on the main thread, so
// none can race the start of the command. While it runs, one sent to us alone is passed on once;
// one the command already got is not: the terminal's keys (sent to the whole foreground group),
// and a signal from the leader of our process group (timeout(1) signals us and then its group).
// The kernel's hang-up of a session leader reaches only the leader; when that is us, it is passed
// on. A signal that comes while no command runs (before it starts, or while the hold is given
// back) is ours: interrupted() reports it. Signals ignored when we started (nohup) stay ignored,
// for us and for the command.
//
// Signal dispositions are per process: create one at a time, before any other thread starts.
class ForegroundChild final : public QObject {
    Q_OBJECT
public:
    explicit ForegroundChild(QObject *parent = nullptr);
    // Unblocks the signals before closing the signalfd: one that is still pending acts at once.
    ~ForegroundChild() override;

    // Starts arguments[0], looked up in PATH. Returns 0, or the errno of a failed start.
    int start(const QList<QByteArray> &arguments);

    // Ends this process by signal `number` with its default action (never a core file), as the
    // command ended; returns only if that signal does not end a process.
    static void endBy(int number);

signals:
    // The command ended; waitStatus as waitpid() gives it.
    void finished(int waitStatus);
    // A signal for us while no command runs.
    void interrupted(int number);

private:
    void readSignals();
    bool isForTheCommand(int number, int code, pid_t sender) const;

    sigset_t m_handled{};       // blocked and read from m_signals
    sigset_t m_previousMask{};  // ours at start; the command's too
    bool m_pipeIgnored = false; // SIGPIPE at start (the D-Bus library ignores it later)
    int m_signals = -1;
    QSocketNotifier *m_notifier = nullptr;
    pid_t m_child = 0;
};
