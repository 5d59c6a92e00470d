#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

#include <sys/types.h>

class QSocketNotifier;

// The command of `vigila run`, started directly (no shell) with our stdin, stdout and stderr, in
// our process group so the terminal's Ctrl+C and Ctrl+Z reach it as if it ran alone. SIGINT,
// SIGTERM and SIGHUP sent to us by another process are passed on to it; the ones the terminal
// sends to the whole group are not, or it would get them twice. Signals that were ignored when we
// started (nohup) stay ignored, for us and for the command.
//
// Signal handlers are per process: create one at a time, before anything else touches them.
class ForegroundChild final : public QObject {
    Q_OBJECT
public:
    explicit ForegroundChild(QObject *parent = nullptr);
    ~ForegroundChild() override;

    // Starts arguments[0], looked up in PATH. Returns 0, or the errno of a failed start.
    int start(const QList<QByteArray> &arguments);

signals:
    // The command's exit status, or 128 + the signal that ended it.
    void finished(int exitStatus);

private:
    void reap();

    QList<int> m_forwarded; // the signals passed on (not ignored at start)
    int m_wake[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
