#include "ProcFsProcessSnapshotProvider.h"

#include "processes/TaskNames.h"

#include <QByteArrayView>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What the kernel marks its own threads with in the flags of "stat".
constexpr quint64 kernelThreadFlag = 0x00200000;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// What one read of a process's file came to: the bytes, or the error that stopped it.
struct Read {
    QByteArrayView bytes;
    int error = 0;
};

// The process is gone, or the file is not ours to read: the process is left out. Any other error
// (no descriptors left, an I/O error) would leave out processes that are there, so it fails the
// whole listing instead.
bool skipsTheProcess(int error)
{
    return error == ENOENT || error == ESRCH || error == EACCES;
}

// The file at directory/path, up to the size of buffer. A read that does not fill the buffer has
// reached the end: /proc hands out a file whole (up to the size asked for), and so do regular
// files. Stopping at the buffer's size bounds what a long command line costs: the kernel copies
// only what is asked for.
Read readFile(int directory, const char *path, char *buffer, qsizetype size)
{
    const FileDescriptor fd(::openat(directory, path, O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return {{}, errno};
    qsizetype used = 0;
    while (used < size) {
        const ssize_t count = ::read(fd.get(), buffer + used, size_t(size - used));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {{}, errno};
        if (count == 0)
            break;
        used += count;
    }
    return {QByteArrayView(buffer, used), 0};
}

bool isPid(const char *name)
{
    if (*name < '1' || *name > '9')
        return false;
    while (*++name) {
        if (*name < '0' || *name > '9')
            return false;
    }
    return true;
}

struct TaskStatus {
    QByteArrayView name;
    char state = '?';
    quint64 flags = 0;
    quint64 cpuTicks = 0; // user plus system time
    quint64 threads = 0;
};

// "pid (name) state ppid …": the name may hold anything, ")" included, but the fields after it
// never hold a ")". Of those fields, the state is the 1st, the flags the 7th, the user and system
// times the 12th and 13th and the number of threads the 18th.
std::optional<TaskStatus> parseStat(QByteArrayView stat)
{
    const qsizetype open = stat.indexOf('(');
    const qsizetype close = stat.lastIndexOf(')');
    if (open < 0 || close < open || close + 2 >= stat.size())
        return std::nullopt;
    qsizetype at = close + 2;
    const auto skipFields = [&](int count) {
        for (; count > 0 && at >= 0; --count) {
            at = stat.indexOf(' ', at);
            if (at >= 0)
                ++at;
        }
        return at >= 0;
    };
    const auto number = [&] {
        quint64 value = 0;
        for (; at < stat.size() && stat[at] >= '0' && stat[at] <= '9'; ++at)
            value = value * 10 + quint64(stat[at] - '0');
        return value;
    };
    TaskStatus status;
    status.name = stat.sliced(open + 1, close - open - 1);
    status.state = stat[at];
    if (!skipFields(6))
        return std::nullopt;
    status.flags = number();
    if (!skipFields(5))
        return std::nullopt;
    status.cpuTicks = number();
    if (!skipFields(1))
        return std::nullopt;
    status.cpuTicks += number();
    if (!skipFields(5))
        return std::nullopt;
    status.threads = number();
    return status;
}

enum class Outcome { Listed, Skipped, Failed };

// One process into process; skipped when it is gone, a zombie or not ours to read.
Outcome readProcess(int proc, const char *pid, ProcessSnapshotProviding::Detail detail, char *buffer,
                    RunningProcess &process, quint64 &cpuTicks)
{
    char path[32];
    const size_t pidLength = std::strlen(pid);
    if (pidLength + sizeof "/cmdline" > sizeof path)
        return Outcome::Skipped;
    std::memcpy(path, pid, pidLength);

    std::memcpy(path + pidLength, "/stat", sizeof "/stat");
    const Read stat = readFile(proc, path, buffer, ProcFsProcessSnapshotProvider::readBytes);
    if (stat.error)
        return skipsTheProcess(stat.error) ? Outcome::Skipped : Outcome::Failed;
    const std::optional<TaskStatus> status = parseStat(stat.bytes);
    if (!status)
        return Outcome::Skipped;
    // A zombie has ended and waits for its parent. While other threads run, though, only the first
    // thread has ended.
    if ((status->state == 'Z' || status->state == 'X') && status->threads <= 1)
        return Outcome::Skipped;
    cpuTicks = status->cpuTicks;
    const qint64 id = QByteArrayView(pid, qsizetype(pidLength)).toLongLong();
    QString taskName = QString::fromUtf8(status->name);
    const qsizetype taskBytes = status->name.size();
    if (status->flags & kernelThreadFlag) {
        process = RunningProcess{id, taskName, QString(u'[' + taskName + u']')};
        return Outcome::Listed;
    }
    // A whole name needs no command line, unless the caller looks at it.
    if (taskBytes < TaskNames::maximumBytes && detail == ProcessSnapshotProviding::Detail::Names) {
        process = RunningProcess{id, taskName, QString()};
        return Outcome::Listed;
    }

    std::memcpy(path + pidLength, "/cmdline", sizeof "/cmdline");
    const Read arguments = readFile(proc, path, buffer, ProcFsProcessSnapshotProvider::commandLineBytes);
    if (arguments.error)
        return skipsTheProcess(arguments.error) ? Outcome::Skipped : Outcome::Failed;
    // NUL-separated, as the kernel keeps them: joined by single spaces, without the terminating
    // NUL and without spaces at either end, as ps shows them.
    QByteArrayView bytes = arguments.bytes;
    const auto blank = [](char c) { return c == '\0' || c == ' '; };
    while (!bytes.isEmpty() && blank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && blank(bytes.back()))
        bytes.chop(1);
    if (bytes.isEmpty()) {
        process = RunningProcess{id, taskName, QString(u'[' + taskName + u']')};
        return Outcome::Listed;
    }
    QString commandLine = QString::fromUtf8(bytes);
    const qsizetype firstArgumentEnd = commandLine.indexOf(QChar(u'\0'));
    commandLine.replace(QChar(u'\0'), QChar(u' '));
    if (taskBytes >= TaskNames::maximumBytes)
        taskName = TaskNames::wholeName(taskName, commandLine, firstArgumentEnd).toString();
    process = RunningProcess{id, std::move(taskName), std::move(commandLine)};
    return Outcome::Listed;
}

} // namespace

QString ProcFsProcessSnapshotProvider::defaultRoot()
{
    return u"/proc"_s;
}

ProcFsProcessSnapshotProvider::ProcFsProcessSnapshotProvider(QString root)
    : m_root(std::move(root))
{
}

QFuture<ProcessSnapshotProviding::Listing> ProcFsProcessSnapshotProvider::snapshot(Detail detail)
{
    return m_threads.run([root = m_root, detail] { return list(root, detail); });
}

ProcessSnapshotProviding::Listing ProcFsProcessSnapshotProvider::list(const QString &root, Detail detail)
{
    QList<RunningProcess> processes;
    if (!visit(root, detail, [&](RunningProcess &&process, quint64) { processes.append(std::move(process)); }))
        return std::nullopt;
    return processes;
}

bool ProcFsProcessSnapshotProvider::visit(const QString &root, Detail detail, const Visitor &each)
{
    const FileDescriptor proc(
        ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (proc.get() < 0)
        return false;

    bool anyPid = false;
    // One file at a time; no file is read past this size.
    char buffer[std::max(readBytes, commandLineBytes)];
    alignas(dirent64) char entries[4096];
    for (;;) {
        const ssize_t size = ::getdents64(proc.get(), entries, sizeof entries);
        if (size < 0 && errno == EINTR)
            continue;
        if (size < 0)
            return false;
        if (size == 0)
            break;
        for (ssize_t offset = 0; offset < size;) {
            const auto *entry = reinterpret_cast<const dirent64 *>(entries + offset);
            offset += entry->d_reclen;
            if (!isPid(entry->d_name))
                continue;
            anyPid = true;
            RunningProcess process;
            quint64 cpuTicks = 0;
            switch (readProcess(proc.get(), entry->d_name, detail, buffer, process, cpuTicks)) {
            case Outcome::Listed:
                each(std::move(process), cpuTicks);
                break;
            case Outcome::Skipped:
                break;
            case Outcome::Failed:
                return false;
            }
        }
    }
    return anyPid;
}
