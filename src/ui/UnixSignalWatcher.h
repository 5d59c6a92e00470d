#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

// Turns asynchronous POSIX signals (SIGTERM at logout, SIGINT, SIGHUP) into a Qt signal on the
// main thread. The handler only writes the signal number into a socket pair; everything else
// happens in the event loop. One watcher per process.
class UnixSignalWatcher final : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(const QList<int> &signalNumbers, QObject *parent = nullptr);
    ~UnixSignalWatcher() override;

    bool isValid() const { return m_notifier != nullptr; }

signals:
    void signalReceived(int signalNumber);

private:
    void readPending();

    QList<int> m_signals;
    QSocketNotifier *m_notifier = nullptr;
};
