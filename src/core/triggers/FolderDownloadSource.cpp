#include "FolderDownloadSource.h"

#include "utilities/Clock.h"
#include "utilities/Log.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QPromise>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <functional>
#include <utility>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

using Reading = FolderDownloadSource::Reading;

// The deepest directory on the way to path that exists (the root, at worst).
QString nearestExistingDirectory(QString path)
{
    while (true) {
        const QString parent = QFileInfo(path).absolutePath();
        if (parent == path || QFileInfo(parent).isDir())
            return parent;
        path = parent;
    }
}

// Glob patterns matched against file names without regard to case. The usual "*.suffix" is
// compared as a suffix: a regular expression for each of them, for each of thousands of names,
// would cost more than listing the folder itself.
class NameMatcher {
public:
    explicit NameMatcher(const QStringList &patterns)
    {
        QStringList others;
        for (const QString &pattern : patterns) {
            const QString rest = pattern.mid(1);
            if (pattern.startsWith(u'*') && !rest.contains(u'*') && !rest.contains(u'?') &&
                !rest.contains(u'['))
                m_suffixes.append(rest);
            else
                others.append(QRegularExpression::wildcardToRegularExpression(
                    pattern, QRegularExpression::UnanchoredWildcardConversion));
        }
        if (!others.isEmpty()) {
            m_others.setPattern(u"\\A(?:"_s + others.join(u'|') + u")\\z"_s);
            m_others.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
            m_others.optimize();
        }
    }

    bool matches(const QString &name) const
    {
        for (const QString &suffix : m_suffixes) {
            if (name.endsWith(suffix, Qt::CaseInsensitive))
                return true;
        }
        return !m_others.pattern().isEmpty() && m_others.match(name).hasMatch();
    }

private:
    QStringList m_suffixes;
    QRegularExpression m_others;
};

// Runs work on a thread of its own. A thread stuck in the kernel (a hung network mount) is left
// behind rather than waited for, and deletes itself should it ever end.
QFuture<Reading> runAside(std::function<Reading()> work)
{
    auto promise = std::make_shared<QPromise<Reading>>();
    QFuture<Reading> future = promise->future();
    promise->start();
    QThread *thread = QThread::create([promise, work = std::move(work)] {
        promise->addResult(work());
        promise->finish();
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        // Out of threads: nothing is read this time.
        delete thread;
        promise->addResult(Reading{});
        promise->finish();
    }
    return future;
}

} // namespace

FolderDownloadSource::FolderDownloadSource(const Clock &clock, QObject *parent)
    : DownloadSource(parent)
    , m_clock(clock)
{
    m_sizeTimer.setInterval(sizeCheckSeconds * 1000);
    m_sizeTimer.setTimerType(Qt::CoarseTimer);
    connect(&m_sizeTimer, &QTimer::timeout, this, &FolderDownloadSource::checkSizes);
}

// Readings still under way end on their own threads; their results go nowhere.
FolderDownloadSource::~FolderDownloadSource() = default;

QStringList FolderDownloadSource::defaultPatterns()
{
    // Firefox, KDE and many tools (.part, .partial), Chromium-based browsers (.crdownload), GNOME
    // Web and Safari (.download), Opera (.opdownload), qBittorrent (.!qB), µTorrent (.!ut), WinSCP
    // (.filepart), DownThemAll (.dtapart). Generic names such as .tmp would take in far more than
    // downloads.
    return {u"*.part"_s, u"*.partial"_s, u"*.crdownload"_s, u"*.download"_s, u"*.opdownload"_s,
            u"*.!qB"_s,  u"*.!ut"_s,     u"*.filepart"_s,   u"*.dtapart"_s};
}

void FolderDownloadSource::setFollowing(bool on)
{
    if (on == m_following)
        return;
    m_following = on;
    if (on)
        startFollowing();
    else
        stopFollowing();
}

void FolderDownloadSource::startFollowing()
{
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderDownloadSource::directoryChanged);
    for (const FolderWatch &key : std::as_const(m_wanted))
        addFolder(key);
}

void FolderDownloadSource::stopFollowing()
{
    const bool known = std::any_of(m_folders.cbegin(), m_folders.cend(),
                                   [](const auto &folder) { return folder->state != FolderState(); });
    m_folders.clear();
    delete std::exchange(m_watcher, nullptr);
    m_sizeTimer.stop();
    if (known)
        emit changed();
}

void FolderDownloadSource::setFolders(const QList<FolderWatch> &folders)
{
    m_wanted.clear();
    for (const FolderWatch &folder : folders) {
        if (!m_wanted.contains(folder))
            m_wanted.append(folder);
    }
    if (!m_following)
        return;
    bool known = false;
    for (const FolderWatch &key : m_folders.keys()) {
        if (!m_wanted.contains(key))
            known = m_folders.take(key)->state != FolderState() || known;
    }
    for (const FolderWatch &key : std::as_const(m_wanted)) {
        if (!m_folders.contains(key))
            addFolder(key);
    }
    updateWatches();
    updateSizeTimer();
    if (known)
        emit changed();
}

FolderState FolderDownloadSource::state(const FolderWatch &folder) const
{
    const auto found = m_folders.constFind(folder);
    return found == m_folders.cend() ? FolderState() : found.value()->state;
}

bool FolderDownloadSource::isIdle() const
{
    return m_jobs.isEmpty() && std::none_of(m_folders.cbegin(), m_folders.cend(),
                                            [](const auto &folder) { return folder->settle->isActive(); });
}

QStringList FolderDownloadSource::watchedDirectories() const
{
    return m_watcher ? m_watcher->directories() : QStringList();
}

void FolderDownloadSource::addFolder(const FolderWatch &key)
{
    auto folder = std::make_shared<Folder>();
    folder->path = QDir::cleanPath(QFileInfo(key.path).absoluteFilePath());
    for (const QString &pattern : key.patterns) {
        if (!pattern.trimmed().isEmpty())
            folder->patterns.append(pattern.trimmed());
    }
    if (folder->patterns.isEmpty())
        folder->patterns = defaultPatterns();
    folder->settle = std::make_unique<QTimer>();
    folder->settle->setSingleShot(true);
    folder->settle->setInterval(settleMilliseconds);
    connect(folder->settle.get(), &QTimer::timeout, this, [this, key] { startReading(key, true); });
    m_folders.insert(key, folder);
    startReading(key, true);
}

void FolderDownloadSource::directoryChanged(const QString &path)
{
    for (auto it = m_folders.cbegin(); it != m_folders.cend(); ++it) {
        Folder &folder = *it.value();
        if (folder.watchFrom != path)
            continue;
        // At most one reading per burst: the first change starts the wait, later ones join it.
        if (m_jobs.contains(it.key()))
            folder.readAgain = true;
        else if (!folder.settle->isActive())
            folder.settle->start();
    }
}

void FolderDownloadSource::checkSizes()
{
    for (const FolderWatch &key : m_folders.keys())
        startReading(key, false);
}

void FolderDownloadSource::startReading(const FolderWatch &key, bool full)
{
    const std::shared_ptr<Folder> folder = m_folders.value(key);
    if (!folder)
        return;
    // One reading per folder at a time: another beside a stuck one would get stuck too.
    if (m_jobs.contains(key)) {
        (full ? folder->readAgain : folder->checkAgain) = true;
        return;
    }
    if (!full && folder->state.partials.isEmpty())
        return;
    folder->settle->stop();
    std::function<Reading()> work;
    if (full) {
        work = [path = folder->path, patterns = folder->patterns] { return readFolder(path, patterns); };
    } else {
        QStringList names;
        for (const PartialDownload &partial : std::as_const(folder->state.partials))
            names.append(partial.fileName);
        work = [path = folder->path, names] { return readSizes(path, names); };
    }
    Job job;
    job.path = folder->path;
    job.watcher = new QFutureWatcher<Reading>(this);
    connect(job.watcher, &QFutureWatcherBase::finished, this, [this, key] { readingFinished(key); });
    job.deadline = new QTimer(this);
    job.deadline->setSingleShot(true);
    job.deadline->setInterval(m_readDeadline);
    connect(job.deadline, &QTimer::timeout, this, [this, key] { readingOverdue(key); });
    m_jobs.insert(key, job);
    job.watcher->setFuture(runAside(std::move(work)));
    job.deadline->start();
}

void FolderDownloadSource::readingOverdue(const FolderWatch &key)
{
    const auto found = m_jobs.find(key);
    if (found == m_jobs.end())
        return;
    found->overdue = true;
    noteOverdue(found->path, true);
}

void FolderDownloadSource::noteOverdue(const QString &path, bool overdue)
{
    if (overdue) {
        if (m_overduePaths.contains(path))
            return;
        m_overduePaths.insert(path);
        Log::warning(u"Reading the folder %1 has taken longer than %2 ms; its partial downloads are kept "
                     u"as they were until it can be read again."_s.arg(path)
                         .arg(m_readDeadline));
    } else if (m_overduePaths.remove(path)) {
        Log::info(u"The folder %1 can be read again."_s.arg(path));
    }
}

void FolderDownloadSource::readingFinished(const FolderWatch &key)
{
    const Job job = m_jobs.take(key);
    job.watcher->deleteLater();
    job.deadline->deleteLater();
    // An episode of slow readings ends with one that is in time; a late one is still taken.
    if (!job.overdue)
        noteOverdue(job.path, false);
    const QFuture<Reading> future = job.watcher->future();
    take(key, future.resultCount() > 0 ? future.result() : Reading());
    // Taking the reading may have let the folder go.
    const std::shared_ptr<Folder> folder = m_folders.value(key);
    if (folder) {
        if (std::exchange(folder->readAgain, false)) {
            folder->checkAgain = false;
            folder->settle->start();
        } else if (std::exchange(folder->checkAgain, false)) {
            startReading(key, false);
        }
    }
    emit folderRead(key);
}

void FolderDownloadSource::take(const FolderWatch &key, const Reading &reading)
{
    const std::shared_ptr<Folder> folder = m_folders.value(key);
    if (!folder || reading.outcome == Reading::Outcome::NotRead)
        return;
    const QString shown = QDir::toNativeSeparators(folder->path);
    FolderState next;
    switch (reading.outcome) {
    case Reading::Outcome::Missing:
        next.problem = tr("The folder %1 does not exist.").arg(shown);
        break;
    case Reading::Outcome::NotAFolder:
        next.problem = tr("%1 is not a folder.").arg(shown);
        break;
    case Reading::Outcome::Unreadable:
        next.problem = tr("The folder %1 cannot be read.").arg(shown);
        break;
    case Reading::Outcome::Listed:
    case Reading::Outcome::NotRead: {
        QHash<QString, const PartialDownload *> before;
        for (const PartialDownload &partial : std::as_const(folder->state.partials))
            before.insert(partial.fileName, &partial);
        const QDateTime now = m_clock.now();
        next.partials.reserve(reading.files.size());
        for (const auto &[name, size] : reading.files) {
            const PartialDownload *seen = before.value(name);
            next.partials.append({name, size, seen && seen->size == size ? seen->grewAt : now});
        }
        break;
    }
    }
    if (!reading.watchFrom.isEmpty() && reading.watchFrom != folder->watchFrom) {
        folder->watchFrom = reading.watchFrom;
        // What changed between the reading and the new watch would go unseen: read once more.
        folder->readAgain = true;
        updateWatches();
    }
    const bool different = next != folder->state;
    folder->state = std::move(next);
    updateSizeTimer();
    if (different)
        emit changed();
}

void FolderDownloadSource::updateWatches()
{
    if (!m_watcher)
        return;
    QSet<QString> wanted;
    for (const auto &folder : std::as_const(m_folders)) {
        if (!folder->watchFrom.isEmpty())
            wanted.insert(folder->watchFrom);
    }
    QStringList unwanted;
    const QStringList watched = m_watcher->directories();
    for (const QString &path : watched) {
        if (!wanted.remove(path))
            unwanted.append(path);
    }
    if (!unwanted.isEmpty())
        m_watcher->removePaths(unwanted);
    if (wanted.isEmpty())
        return;
    const QStringList failed = m_watcher->addPaths(wanted.values());
    for (const QString &path : failed) {
        if (QFileInfo(path).isDir()) {
            // Out of inotify watches, most likely; what is known stands until sizes are checked.
            if (!std::exchange(m_unwatchableLogged, true))
                Log::warning(u"Changes in the folder %1 cannot be watched; new partial downloads there "
                             u"will not be noticed."_s.arg(path));
            continue;
        }
        // Gone between the reading and the watch: read again to find what to watch instead.
        for (auto it = m_folders.cbegin(); it != m_folders.cend(); ++it) {
            if (it.value()->watchFrom == path && !it.value()->settle->isActive())
                it.value()->settle->start();
        }
    }
}

void FolderDownloadSource::updateSizeTimer()
{
    const bool needed = std::any_of(m_folders.cbegin(), m_folders.cend(),
                                    [](const auto &folder) { return !folder->state.partials.isEmpty(); });
    if (needed && !m_sizeTimer.isActive())
        m_sizeTimer.start();
    else if (!needed)
        m_sizeTimer.stop();
}

FolderDownloadSource::Reading FolderDownloadSource::readFolder(const QString &path,
                                                               const QStringList &patterns, int limit)
{
    Reading reading;
    const QFileInfo info(path);
    if (!info.exists()) {
        reading.outcome = Reading::Outcome::Missing;
        reading.watchFrom = nearestExistingDirectory(info.absoluteFilePath());
        return reading;
    }
    // A folder that cannot be watched itself is watched for through its parent.
    if (!info.isDir()) {
        reading.outcome = Reading::Outcome::NotAFolder;
        reading.watchFrom = info.absolutePath();
        return reading;
    }
    if (!info.isReadable() || !info.isExecutable()) {
        reading.outcome = Reading::Outcome::Unreadable;
        reading.watchFrom = info.absolutePath();
        return reading;
    }
    reading.outcome = Reading::Outcome::Listed;
    reading.watchFrom = info.absoluteFilePath();
    // No symbolic links, so nothing outside the folder is looked at; only the matching files
    // are looked at beyond their names.
    const NameMatcher matcher(patterns);
#ifdef Q_OS_UNIX
    // readdir hands over names and types without making a QFileInfo of each entry: several times
    // quicker in a folder of thousands of files.
    DIR *dir = opendir(QFile::encodeName(path).constData());
    if (!dir) {
        reading.outcome = Reading::Outcome::Unreadable;
        reading.watchFrom = info.absolutePath();
        return reading;
    }
    const int descriptor = dirfd(dir);
    while (reading.files.size() < limit) {
        const dirent *entry = readdir(dir);
        if (!entry)
            break;
        if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN)
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        struct stat status {};
        if (matcher.matches(name) && fstatat(descriptor, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            reading.files.append({name, qint64(status.st_size)});
    }
    closedir(dir);
#else
    QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    while (reading.files.size() < limit && it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (matcher.matches(name))
            reading.files.append({name, it.fileInfo().size()});
    }
#endif
    std::sort(reading.files.begin(), reading.files.end());
    return reading;
}

FolderDownloadSource::Reading FolderDownloadSource::readSizes(const QString &path, const QStringList &names)
{
    Reading reading;
    reading.outcome = Reading::Outcome::Listed;
    const QDir folder(path);
    for (const QString &name : names) {
        const QFileInfo file(folder.filePath(name));
        if (!file.isSymLink() && file.isFile())
            reading.files.append({name, file.size()});
    }
    return reading;
}
