#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

// One Vigila per user, not per session: the first instance holds a lock file in the user's runtime
// directory ($XDG_RUNTIME_DIR), which all of the user's sessions share; later ones find it held
// and leave. A lock left by a crashed instance is
// recognised as stale (its process is gone) and taken over. Where no lock file can be made there
// (a read-only or missing runtime directory), the next place in the list is tried.
class SingleInstance final {
public:
    enum class Outcome {
        Primary,         // we hold the lock
        AnotherInstance, // a running instance holds it
        NoLock,          // no lock file could be made anywhere: nothing tells whether another runs
    };

    // The places for the lock file, best first.
    explicit SingleInstance(QStringList lockPaths = defaultLockPaths());

    Outcome acquire();
    // Process id of the instance holding the lock, when another one does.
    qint64 ownerPid() const;
    // The lock file held or found held; empty without one.
    QString lockPath() const;
    // Why no lock file could be made, for each place tried.
    const QString &failure() const { return m_failure; }

    // The runtime directory, then the user's cache directory (named after the host, which a
    // shared home may be used from at once).
    static QStringList defaultLockPaths();

private:
    QStringList m_lockPaths;
    std::unique_ptr<QLockFile> m_lock;
    Outcome m_outcome = Outcome::NoLock;
    QString m_failure;
};
