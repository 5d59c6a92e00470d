#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lock(lockPath)
{
    // Never expire a live lock by age: Vigila runs for days.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    if (!m_held)
        m_held = m_lock.tryLock(0);
    return m_held;
}

qint64 SingleInstance::ownerPid() const
{
    qint64 pid = 0;
    QString host;
    QString app;
    return m_lock.getLockInfo(&pid, &host, &app) ? pid : 0;
}

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + u"/com.quillmere.vigila.lock"_s;
}
