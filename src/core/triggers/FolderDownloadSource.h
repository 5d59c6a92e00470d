#pragma once

#include "triggers/TriggerSources.h"

#include <QFuture>
#include <QHash>
#include <QSet>
#include <QTimer>

#include <memory>

class Clock;
class QFileSystemWatcher;
template <typename T> class QFutureWatcher;

// Partial downloads found by name in folders: files whose names match a folder's patterns
// ("*.part", "*.crdownload", … case-insensitively), with their sizes.
//
// While following, each folder is watched for entries appearing, disappearing or being renamed
// (a folder that does not exist or cannot be read: its nearest existing parent, until it can be),
// and read again after a burst of such changes settles. Sizes are looked at every sizeCheckSeconds,
// and only while a partial file exists. Folders are read on threads of their own, one read per
// folder at a time: a folder on a network or FUSE mount may hang, and a read that is overdue
// leaves what was known as it was (and is taken when it does end).
class FolderDownloadSource final : public DownloadSource {
    Q_OBJECT
public:
    static constexpr int settleMilliseconds = 200;
    static constexpr int defaultReadDeadlineMilliseconds = 2000;
    // No more partial files than this are reported for one folder.
    static constexpr int maximumPartials = 1000;

    explicit FolderDownloadSource(const Clock &clock, QObject *parent = nullptr);
    ~FolderDownloadSource() override;

    // The names browsers and download tools give files while they are downloaded; a folder with
    // patterns of its own uses those instead.
    static QStringList defaultPatterns();

    void setFollowing(bool on) override;
    void setFolders(const QList<FolderWatch> &folders) override;
    FolderState state(const FolderWatch &folder) const override;

    // Looks at the sizes of the partial files now, as the periodic check does.
    void checkSizes();
    // The size check runs periodically (only while following and a partial file exists).
    bool isCheckingSizes() const { return m_sizeTimer.isActive(); }
    // No reading is under way or waiting for a burst of changes to settle.
    bool isIdle() const;
    // The directories watched for changes; empty while not following.
    QStringList watchedDirectories() const;
    void setReadDeadline(int milliseconds) { m_readDeadline = milliseconds; }

    // What reading a folder found; made on a worker thread.
    struct Reading {
        enum class Outcome { Listed, Missing, NotAFolder, Unreadable, NotRead };
        Outcome outcome = Outcome::NotRead;
        QList<std::pair<QString, qint64>> files; // file name and size, sorted by name
        QString watchFrom;                       // the directory whose changes tell when to read again
    };
    // Lists the files in path whose names match any of the patterns (without following symbolic
    // links), with their sizes; no more than limit of them.
    static Reading readFolder(const QString &path, const QStringList &patterns, int limit = maximumPartials);
    // The sizes of the named files in path, leaving out those that are gone or no longer files.
    static Reading readSizes(const QString &path, const QStringList &names);

signals:
    // A folder's reading (a full one or a size check) has been taken in, whether or not it
    // changed anything.
    void folderRead(const FolderWatch &folder);

private:
    struct Folder {
        QString path; // absolute and clean
        QStringList patterns;
        FolderState state;
        QString watchFrom;
        std::unique_ptr<QTimer> settle; // a burst of changes is read once it settles
        bool readAgain = false;         // a change came while a reading ran
        bool checkAgain = false;        // a size check came due while a reading ran
    };
    struct Job {
        QString path;
        QFutureWatcher<Reading> *watcher = nullptr;
        QTimer *deadline = nullptr;
        bool overdue = false;
    };

    void startFollowing();
    void stopFollowing();
    void addFolder(const FolderWatch &key);
    void directoryChanged(const QString &path);
    void startReading(const FolderWatch &key, bool full);
    void readingFinished(const FolderWatch &key);
    void readingOverdue(const FolderWatch &key);
    void take(const FolderWatch &key, const Reading &reading);
    void updateWatches();
    void updateSizeTimer();
    void noteOverdue(const QString &path, bool overdue);

    const Clock &m_clock;
    bool m_following = false;
    QList<FolderWatch> m_wanted;
    QHash<FolderWatch, std::shared_ptr<Folder>> m_folders; // only while following
    QHash<FolderWatch, Job> m_jobs;                        // readings under way, wanted or not
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer m_sizeTimer;
    int m_readDeadline = defaultReadDeadlineMilliseconds;
    bool m_unwatchableLogged = false;
    QSet<QString> m_overduePaths; // folders whose reading is overdue, logged once per episode
};
