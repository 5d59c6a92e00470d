#pragma once

#include "ExitStatus.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusPendingReply>

#include <memory>

class ControlProxy;

// The command line's line to the running Vigila (com.quillmere.Vigila1 on the session bus), and
// how its failures read on the terminal.
class ControlClient final {
    Q_DECLARE_TR_FUNCTIONS(ControlClient)

public:
    ControlClient();
    ~ControlClient();
    ControlClient(const ControlClient &) = delete;
    ControlClient &operator=(const ControlClient &) = delete;

    ControlProxy &proxy() const { return *m_proxy; }

    // Waits for the answer. On an error prints one line to stderr and returns its exit status.
    template <typename... Types> int wait(QDBusPendingReply<Types...> &reply) const
    {
        reply.waitForFinished();
        return reply.isError() ? report(reply.error()) : ExitStatus::done;
    }

    // No Vigila answers (or there is no session bus to find one on).
    static bool isNotRunning(const QDBusError &error);
    // Prints what went wrong; returns 2 for a rejected argument, 3 when Vigila is not running,
    // else 1.
    static int report(const QDBusError &error);

private:
    std::unique_ptr<ControlProxy> m_proxy;
};
