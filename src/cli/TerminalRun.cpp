#include "TerminalRun.h"

#include "ControlBus.h"
#include "ControlClient.h"
#include "ExitStatus.h"
#include "ForegroundChild.h"
#include "control_proxy.h"

#include "linux/InhibitorPowerAssertion.h"
#include "power/AssertionManager.h"

#include <QCoreApplication>
#include <QDBusServiceWatcher>
#include <QPointer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

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
                                     settled();
                                 });
    }
    QString provider() const { return m_inhibitor->providerName(); }

private:
    std::shared_ptr<InhibitorPowerAssertion> m_inhibitor;
    AssertionManager m_assertions;
};

int startFailure(const QByteArray &program, int error)
{
    note(u"cannot run \u201C%1\u201D: %2"_s.arg(QString::fromLocal8Bit(program),
                                                QString::fromLocal8Bit(std::strerror(error))));
    // The shell's numbers: found but not runnable, or not found.
    return error == ENOENT ? 127 : 126;
}

} // namespace

namespace TerminalRun {

QString defaultLabel(const QList<QByteArray> &command, qsizetype maximumLength)
{
    QStringList words;
    for (const QByteArray &word : command)
        words << QString::fromLocal8Bit(word);
    QString label = words.join(u' ');
    for (QChar &c : label) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    }
    const QList<uint> characters = label.toUcs4();
    if (characters.size() > maximumLength)
        label =
            QString::fromUcs4(reinterpret_cast<const char32_t *>(characters.constData()), maximumLength - 1) +
            u'\u2026';
    return label;
}

int run(const Request &request)
{
    // Before the D-Bus library changes any signal disposition.
    ForegroundChild child;
    const QString label = request.label.isEmpty()
                              ? defaultLabel(request.command, ControlBus::maximumLabelLength)
                              : request.label;

    ControlClient client;
    QDBusPendingReply<QString> hold = client.proxy().Hold(label, request.display ? u"display"_s : QString());
    hold.waitForFinished();
    QString holdId;
    std::unique_ptr<LocalLock> localLock;
    if (!hold.isError()) {
        holdId = hold.value();
    } else if (hold.error().type() == QDBusError::InvalidArgs) {
        return ControlClient::report(hold.error());
    } else {
        if (!ControlClient::isNotRunning(hold.error()))
            note(u"Vigila did not take the hold (%1); keeping the computer awake here instead."_s.arg(
                hold.error().message()));
        localLock = std::make_unique<LocalLock>(request.display ? AwakeMode::Display : AwakeMode::System);
        // The command starts at once; the note follows when the lock's services have answered.
        localLock->whenSettled([lock = localLock.get()] {
            if (lock->isHeld())
                note(u"Vigila is not running; keeping the computer awake itself (%1) while the command runs."_s
                         .arg(lock->provider()));
            else
                note(u"Vigila is not running and no keep-awake lock is available; running the command anyway."_s);
        });
    }

    // Vigila may end the hold before the command ends: the user stopped it, or quit Vigila.
    QDBusServiceWatcher vigilaGone(ControlBus::serviceName(), client.proxy().connection(),
                                   QDBusServiceWatcher::WatchForUnregistration);
    if (!holdId.isEmpty()) {
        QObject::connect(&client.proxy(), &ControlProxy::HoldEnded, &child, [&holdId](const QString &id) {
            if (id != holdId)
                return;
            holdId.clear();
            note(u"the keep-awake hold was stopped in Vigila; the command keeps running."_s);
        });
        QObject::connect(&vigilaGone, &QDBusServiceWatcher::serviceUnregistered, &child, [&holdId] {
            if (holdId.isEmpty())
                return;
            holdId.clear();
            note(u"Vigila quit; the command keeps running without keeping the computer awake."_s);
        });
    }

    int exitStatus = ExitStatus::failed;
    QObject::connect(&child, &ForegroundChild::finished, &child, [&exitStatus](int status) {
        exitStatus = status;
        QCoreApplication::exit();
    });
    if (const int error = child.start(request.command)) {
        exitStatus = startFailure(request.command.constFirst(), error);
    } else {
        QCoreApplication::exec();
    }

    if (!holdId.isEmpty()) {
        QDBusPendingReply<> release = client.proxy().Release(holdId);
        release.waitForFinished();
    }
    return exitStatus;
}

} // namespace TerminalRun
