#include "TerminalRun.h"

#include "ControlBus.h"
#include "ControlClient.h"
#include "ExitStatus.h"
#include "ForegroundChild.h"
#include "SessionBusProbe.h"
#include "control_proxy.h"

#include "linux/InhibitorPowerAssertion.h"
#include "power/AssertionManager.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TerminalRun)
};

void note(const QString &text)
{
    std::fprintf(stderr, "vigila: %s\n", qUtf8Printable(text));
}

// The lock this process holds when no Vigila runs: the tray's own manager and inhibitor chain,
// with one reason for the command.
class LocalLock final {
public:
    explicit LocalLock(AwakeMode mode)
        : m_inhibitor(std::make_shared<InhibitorPowerAssertion>())
        , m_assertions(m_inhibitor)
    {
        m_assertions.addReason({QUuid::createUuid(), ReasonType::Command, QString(),
                                QDateTime::currentDateTimeUtc(), std::nullopt, mode});
    }
    ~LocalLock() { m_assertions.stopAll(); }

    bool isHeld() const { return m_assertions.isAssertionActive(); }
    // Calls `settled` once, when the chain has answered: at once or later from the event loop.
    void whenSettled(std::function<void()> settled)
    {
        if (!m_assertions.isTakingLock()) {
            settled();
            return;
        }
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(&m_assertions, &AssertionManager::isTakingLockChanged, &m_assertions,
                                 [this, once, settled = std::move(settled)] {
                                     if (m_assertions.isTakingLock())
                                         return;
                                     QObject::disconnect(*once);
                                     // Given up before an answer came (the command ended): nothing to tell.
                                     if (!m_assertions.reasons().isEmpty())
                                         settled();
                                 });
    }
    bool isTaking() const { return m_assertions.isTakingLock(); }
    QString provider() const { return m_inhibitor->providerName(); }

private:
    std::shared_ptr<InhibitorPowerAssertion> m_inhibitor;
    AssertionManager m_assertions;
};

int startFailure(const QByteArray &program, int error)
{
    //: %1 is the program's name, %2 the system's reason
    note(Text::tr("cannot run \u201C%1\u201D: %2")
             .arg(oneLine(QString::fromLocal8Bit(program)), QString::fromLocal8Bit(std::strerror(error))));
    // The shell's numbers: found but not runnable, or not found.
    return error == ENOENT ? 127 : 126;
}

// Runs the event loop until the call is answered (or the proxy's timeout passes). A signal that
// comes meanwhile ends the process through ForegroundChild::interrupted.
// How long a command waits to start while the lock's services are asked.
constexpr std::chrono::milliseconds settleWait{3000};

void await(const QDBusPendingCall &call)
{
    QDBusPendingCallWatcher watcher(call);
    if (watcher.isFinished())
        return;
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

namespace TerminalRun {

QString defaultLabel(const QList<QByteArray> &command, qsizetype maximumLength)
{
    QStringList words;
    for (const QByteArray &word : command)
        words << QString::fromLocal8Bit(word);
    return oneLine(words.join(u' '), maximumLength);
}

int run(const Request &request)
{
    // Before any other thread exists and before the D-Bus library changes any signal disposition.
    ForegroundChild child;
    // Ctrl+C before the command runs, or while the hold is given back, ends us as it would the
    // command; whatever we hold ends with the process.
    QObject::connect(&child, &ForegroundChild::interrupted, &child, [](int number) {
        ForegroundChild::endBy(number);
        ::_exit(128 + number);
    });
    const QString label = request.label.isEmpty()
                              ? defaultLabel(request.command, ControlBus::maximumLabelLength)
                              : request.label;
    const AwakeMode mode = request.display ? AwakeMode::Display : AwakeMode::System;

    const bool busAnswers = SessionBusProbe::answers();
    if (!busAnswers)
        SessionBusProbe::giveUp();
    ControlClient client;
    QString holdId;
    std::unique_ptr<LocalLock> localLock;
    // Takes the lock here. The command does not wait for the lock's services: the note on what
    // became of it (`held` names the service as %1) follows once they have answered.
    // Before the command starts, the answer is awaited a little (the services answer in
    // milliseconds unless one hangs), so that a short command runs under the lock too.
    const auto lockHere = [&localLock, mode](const QString &held, const QString &none, bool beforeStart) {
        localLock = std::make_unique<LocalLock>(mode);
        QEventLoop settling;
        const QPointer<QEventLoop> waiting = beforeStart ? &settling : nullptr;
        localLock->whenSettled([lock = localLock.get(), held, none, waiting] {
            note(lock->isHeld() ? held.arg(lock->provider()) : none);
            if (waiting)
                waiting->quit();
        });
        if (beforeStart && localLock->isTaking()) {
            QTimer::singleShot(settleWait, &settling, &QEventLoop::quit);
            settling.exec();
        }
    };
    QDBusPendingReply<QString> hold;
    if (busAnswers) {
        hold = client.proxy().Hold(label, request.display ? u"display"_s : QString());
        await(hold);
    }
    if (busAnswers && !hold.isError()) {
        holdId = hold.value();
    } else if (busAnswers && hold.error().type() == QDBusError::InvalidArgs) {
        return ControlClient::report(hold.error());
    } else if (!busAnswers) {
        //: %1 is the service holding the lock, such as logind
        lockHere(Text::tr("the session bus does not answer; keeping the computer awake itself (%1) while the "
                          "command runs."),
                 Text::tr("the session bus does not answer and no keep-awake lock is available; running the "
                          "command anyway."),
                 true);
    } else {
        if (!ControlClient::isNotRunning(hold.error()))
            //: %1 is Vigila's answer, the reason it did not take the hold
            note(Text::tr("Vigila did not take the hold (%1); keeping the computer awake here instead.")
                     .arg(hold.error().message()));
        //: %1 is the service holding the lock, such as logind
        lockHere(
            Text::tr("Vigila is not running; keeping the computer awake itself (%1) while the command runs."),
            Text::tr(
                "Vigila is not running and no keep-awake lock is available; running the command anyway."),
            true);
    }

    // Vigila may end the hold before the command ends: the user stopped it, or quit Vigila.
    QDBusServiceWatcher vigilaGone(ControlBus::serviceName(), client.proxy().connection(),
                                   QDBusServiceWatcher::WatchForUnregistration);
    if (!holdId.isEmpty()) {
        QObject::connect(&client.proxy(), &ControlProxy::HoldEnded, &child, [&holdId](const QString &id) {
            if (id != holdId)
                return;
            holdId.clear();
            note(Text::tr("the keep-awake hold was stopped in Vigila; the command keeps running."));
        });
        QObject::connect(
            &vigilaGone, &QDBusServiceWatcher::serviceUnregistered, &child, [&holdId, &lockHere, &localLock] {
                if (holdId.isEmpty())
                    return;
                holdId.clear();
                // Vigila quit, not the command: it stays awake as it would without a tray.
                //: %1 is the service holding the lock, such as logind
                lockHere(
                    Text::tr("Vigila quit; keeping the computer awake itself (%1) while the command runs."),
                    Text::tr("Vigila quit; the command keeps running without keeping the computer awake."),
                    false);
            });
    }

    int waitStatus = 0;
    QObject::connect(&child, &ForegroundChild::finished, &child, [&waitStatus](int status) {
        waitStatus = status;
        QCoreApplication::exit();
    });
    int failure = 0;
    if (const int error = child.start(request.command))
        failure = startFailure(request.command.constFirst(), error);
    else
        QCoreApplication::exec();

    if (!holdId.isEmpty())
        await(client.proxy().Release(holdId));
    if (failure)
        return failure;
    if (WIFSIGNALED(waitStatus)) {
        // Ended as the command did, so that a shell loop around us stops as it would around it.
        const int number = WTERMSIG(waitStatus);
        ForegroundChild::endBy(number);
        return 128 + number;
    }
    return WEXITSTATUS(waitStatus);
}

} // namespace TerminalRun
