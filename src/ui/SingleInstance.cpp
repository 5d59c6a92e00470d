#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>

#include <signal.h>

using namespace Qt::StringLiterals;

SingleInstance::SingleInstance(QStringList lockPaths)
    : m_lockPaths(std::move(lockPaths))
{
}

namespace {

// QLockFile reports a lock it could neither take nor clear (a stale one in a read-only folder,
// a folder in its place) as held; only a lock naming a live process is another instance.
bool heldByLiveProcess(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString app;
    if (!lock.getLockInfo(&pid, &host, &app) || pid <= 0)
        return false;
    // On another host (a shared home) the process cannot be checked: it counts as running.
    return host != QSysInfo::machineHostName() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

SingleInstance::Outcome SingleInstance::acquire()
{
    if (m_lock && m_outcome == Outcome::Primary)
        return m_outcome;
    m_lock.reset();
    m_failure.clear();
    for (const QString &path : std::as_const(m_lockPaths)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        auto lock = std::make_unique<QLockFile>(path);
        // Never expire a live lock by age: Vigila runs for days.
        lock->setStaleLockTime(0);
        const bool taken = lock->tryLock(0);
        if (taken || heldByLiveProcess(*lock)) {
            m_outcome = taken ? Outcome::Primary : Outcome::AnotherInstance;
            m_lock = std::move(lock);
            return m_outcome;
        }
        const QString reason = lock->error() == QLockFile::PermissionError ? u"permission denied"_s
                               : lock->error() == QLockFile::LockFailedError
                                   ? u"something else is in its place"_s
                                   : u"cannot create it"_s;
        m_failure += (m_failure.isEmpty() ? QString() : u"; "_s) + path + u": "_s + reason;
    }
    m_outcome = Outcome::NoLock;
    return m_outcome;
}

qint64 SingleInstance::ownerPid() const
{
    qint64 pid = 0;
    QString host;
    QString app;
    return m_lock && m_lock->getLockInfo(&pid, &host, &app) ? pid : 0;
}

QString SingleInstance::lockPath() const
{
    return m_lock ? m_lock->fileName() : QString();
}

QStringList SingleInstance::defaultLockPaths()
{
    QStringList paths;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        paths << runtime + u"/com.quillmere.vigila.lock"_s;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty())
        paths << cache + u"/com.quillmere.vigila-%1.lock"_s.arg(QSysInfo::machineHostName());
    return paths;
}
