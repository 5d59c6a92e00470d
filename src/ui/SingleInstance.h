#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One Vigila per user session: the first instance holds a lock file in the runtime directory
// ($XDG_RUNTIME_DIR); later ones find it held and leave. A lock left by a crashed instance is
// recognised as stale (its process is gone) and taken over.
class SingleInstance final {
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());

    bool tryAcquire();
    bool isPrimary() const { return m_held; }
    // Process id of the instance holding the lock, when another one does.
    qint64 ownerPid() const;

    static QString defaultLockPath();

private:
    QLockFile m_lock;
    bool m_held = false;
};
