#include "ProcFsProcessSnapshotProvider.h"

#include "processes/TaskNames.h"

#include <QByteArrayView>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What the kernel marks its own threads with in the flags of "stat".
constexpr quint64 kernelThreadFlag = 0x00200000;

// Holds one file at a time: on the stack, or on the heap for a long command line. The heap
// storage, once grown, serves every later file.
class ReadBuffer {
public:
    char *data() { return m_heap ? m_heap.get() : m_stack; }
    qsizetype capacity() const { return m_capacity; }
    void grow(qsizetype used)
    {
        auto bigger = std::make_unique<char[]>(size_t(m_capacity) * 2);
        std::memcpy(bigger.get(), data(), size_t(used));
        m_heap = std::move(bigger);
        m_capacity *= 2;
    }

private:
    char m_stack[4096];
    std::unique_ptr<char[]> m_heap;
    qsizetype m_capacity = sizeof m_stack;
};

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

// The whole file at directory/path, or nothing when it cannot be opened or read (the process is
// gone, or the file is not ours to read). A read that does not fill the buffer has reached the end:
// /proc hands out a file whole (up to the size asked for), and so do regular files.
std::optional<QByteArrayView> readFile(int directory, const char *path, ReadBuffer &buffer)
{
    const FileDescriptor fd(::openat(directory, path, O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return std::nullopt;
    qsizetype used = 0;
    for (;;) {
        const qsizetype room = buffer.capacity() - used;
        const ssize_t count = ::read(fd.get(), buffer.data() + used, size_t(room));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        used += count;
        if (count < room)
            return QByteArrayView(buffer.data(), used);
        buffer.grow(used);
    }
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
    quint64 threads = 0;
};

// "pid (name) state ppid …": the name may hold anything, ")" included, but the fields after it
// never hold a ")". Of those fields, the state is the 1st, the flags the 7th and the number of
// threads the 18th.
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
    if (!skipFields(11))
        return std::nullopt;
    status.threads = number();
    return status;
}

// One process, or nothing when it is gone, a zombie or unreadable.
std::optional<RunningProcess> readProcess(int proc, const char *pid, ProcessSnapshotProviding::Detail detail,
                                          ReadBuffer &buffer)
{
    char path[32];
    const size_t pidLength = std::strlen(pid);
    if (pidLength + sizeof "/cmdline" > sizeof path)
        return std::nullopt;
    std::memcpy(path, pid, pidLength);

    std::memcpy(path + pidLength, "/stat", sizeof "/stat");
    const std::optional<QByteArrayView> stat = readFile(proc, path, buffer);
    const std::optional<TaskStatus> status = stat ? parseStat(*stat) : std::nullopt;
    if (!status)
        return std::nullopt;
    // A zombie has ended and waits for its parent. While other threads run, though, only the first
    // thread has ended.
    if ((status->state == 'Z' || status->state == 'X') && status->threads <= 1)
        return std::nullopt;
    const qint64 id = QByteArrayView(pid, qsizetype(pidLength)).toLongLong();
    QString taskName = QString::fromUtf8(status->name);
    const qsizetype taskBytes = status->name.size();
    if (status->flags & kernelThreadFlag)
        return RunningProcess{id, taskName, QString(u'[' + taskName + u']')};
    // A whole name needs no command line, unless the caller looks at it.
    if (taskBytes < TaskNames::maximumBytes && detail == ProcessSnapshotProviding::Detail::Names)
        return RunningProcess{id, taskName, QString()};

    std::memcpy(path + pidLength, "/cmdline", sizeof "/cmdline");
    const std::optional<QByteArrayView> arguments = readFile(proc, path, buffer);
    if (!arguments)
        return std::nullopt;
    // NUL-separated, as the kernel keeps them: joined by single spaces, without the terminating
    // NUL and without spaces at either end, as ps shows them.
    QByteArrayView bytes = *arguments;
    const auto blank = [](char c) { return c == '\0' || c == ' '; };
    while (!bytes.isEmpty() && blank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && blank(bytes.back()))
        bytes.chop(1);
    if (bytes.isEmpty())
        return RunningProcess{id, taskName, QString(u'[' + taskName + u']')};
    QString commandLine = QString::fromUtf8(bytes);
    const qsizetype firstArgumentEnd = commandLine.indexOf(QChar(u'\0'));
    commandLine.replace(QChar(u'\0'), QChar(u' '));
    if (taskBytes >= TaskNames::maximumBytes)
        taskName = TaskNames::wholeName(taskName, commandLine, firstArgumentEnd).toString();
    return RunningProcess{id, std::move(taskName), std::move(commandLine)};
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

std::optional<QList<RunningProcess>> ProcFsProcessSnapshotProvider::snapshot(Detail detail)
{
    const FileDescriptor proc(
        ::open(QFile::encodeName(m_root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (proc.get() < 0)
        return std::nullopt;

    QList<RunningProcess> processes;
    bool anyPid = false;
    ReadBuffer buffer;
    alignas(dirent64) char entries[4096];
    for (;;) {
        const ssize_t size = ::getdents64(proc.get(), entries, sizeof entries);
        if (size < 0 && errno == EINTR)
            continue;
        if (size < 0)
            return std::nullopt;
        if (size == 0)
            break;
        for (ssize_t offset = 0; offset < size;) {
            const auto *entry = reinterpret_cast<const dirent64 *>(entries + offset);
            offset += entry->d_reclen;
            if (!isPid(entry->d_name))
                continue;
            anyPid = true;
            if (auto process = readProcess(proc.get(), entry->d_name, detail, buffer))
                processes.append(std::move(*process));
        }
    }
    if (!anyPid)
        return std::nullopt;
    return processes;
}
