#include "PSProcessSnapshotProvider.h"

#include "processes/TaskNames.h"

#include <QHash>
#include <QProcess>
#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

bool isHorizontalSpace(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u' ' || u == u'\t')
        return true;
    return u >= 0x80 && c.category() == QChar::Separator_Space;
}

QStringView trimmedHorizontally(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isHorizontalSpace(text[begin]))
        ++begin;
    while (end > begin && isHorizontalSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// ASCII digits with an optional sign; nothing on overflow.
std::optional<qint64> parseDecimal(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    quint64 value = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        const quint64 digit = u - u'0';
        if (value > (limit - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return negative ? qint64(0 - value) : qint64(value);
}

qsizetype utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // A surrogate pair is four bytes, two per half.
        bytes += u < 0x80 ? 1 : u < 0x800 || QChar::isSurrogate(u) ? 2 : 3;
    }
    return bytes;
}

// "[name]" or "[name] <defunct>": what procps shows for a process without a command line.
std::optional<QStringView> bracketedName(QStringView commandLine)
{
    constexpr QStringView defunct = u" <defunct>";
    if (commandLine.isEmpty() || commandLine.front() != u'[')
        return std::nullopt;
    if (commandLine.endsWith(defunct))
        commandLine.chop(defunct.size());
    if (commandLine.size() < 2 || commandLine.front() != u'[' || commandLine.back() != u']')
        return std::nullopt;
    return commandLine.sliced(1, commandLine.size() - 2);
}

// "[name] <defunct>": a process that has exited but was not yet reaped by its parent.
bool isZombie(QStringView commandLine)
{
    return commandLine.endsWith(u" <defunct>") && bracketedName(commandLine).has_value();
}

// Calls f with every non-empty line, split at line feeds.
template <typename F> void forEachLine(QStringView text, F &&f)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (end > start)
            f(text.sliced(start, end - start));
        start = end + 1;
    }
}

} // namespace

QString PSProcessSnapshotProvider::defaultPSPath()
{
    return u"/bin/ps"_s;
}

PSProcessSnapshotProvider::PSProcessSnapshotProvider(QString psPath, int timeoutMilliseconds)
    : m_psPath(std::move(psPath))
    , m_timeoutMilliseconds(timeoutMilliseconds)
{
    // A fixed environment: procps reads its output format, width and personality from variables
    // such as PS_FORMAT, COLUMNS and PS_PERSONALITY, and prints "?" for every non-ASCII byte
    // unless the locale is UTF-8.
    m_environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    m_environment.insert(u"PATH"_s, u"/usr/bin:/bin"_s);
}

const QStringList &PSProcessSnapshotProvider::taskListingArguments()
{
    static const QStringList arguments{u"-axww"_s, u"-o"_s, u"pid=,comm="_s};
    return arguments;
}

const QStringList &PSProcessSnapshotProvider::commandListingArguments()
{
    static const QStringList arguments{u"-axww"_s, u"-o"_s, u"pid=,command="_s};
    return arguments;
}

QFuture<ProcessSnapshotProviding::Listing> PSProcessSnapshotProvider::snapshot(Detail)
{
    return m_threads.run([psPath = m_psPath, timeout = m_timeoutMilliseconds, environment = m_environment] {
        return list(psPath, timeout, environment);
    });
}

ProcessSnapshotProviding::Listing PSProcessSnapshotProvider::list() const
{
    return list(m_psPath, m_timeoutMilliseconds, m_environment);
}

ProcessSnapshotProviding::Listing PSProcessSnapshotProvider::list(const QString &psPath,
                                                                  int timeoutMilliseconds,
                                                                  const QProcessEnvironment &environment)
{
    // Without task names the command lines still give every process a name; without command
    // lines there is no listing.
    const std::optional<QString> taskListing =
        runPS(psPath, timeoutMilliseconds, environment, taskListingArguments());
    const std::optional<QString> commandListing =
        runPS(psPath, timeoutMilliseconds, environment, commandListingArguments());
    if (!commandListing)
        return std::nullopt;
    return parse(taskListing.value_or(QString()), *commandListing);
}

std::optional<QString> PSProcessSnapshotProvider::runPS(const QString &psPath, int timeoutMilliseconds,
                                                        const QProcessEnvironment &environment,
                                                        const QStringList &arguments)
{
    QProcess ps;
    ps.setProgram(psPath);
    ps.setArguments(arguments);
    ps.setProcessEnvironment(environment);
    ps.setStandardInputFile(QProcess::nullDevice());
    ps.setStandardErrorFile(QProcess::nullDevice());
    ps.start(QIODevice::ReadOnly);
    if (!ps.waitForStarted(timeoutMilliseconds))
        return std::nullopt;
    // QProcess keeps draining the pipe while it waits, so a long listing cannot stall the child.
    if (!ps.waitForFinished(timeoutMilliseconds)) {
        ps.kill();
        ps.waitForFinished(1000);
        return std::nullopt;
    }
    if (ps.exitStatus() != QProcess::NormalExit || ps.exitCode() != 0)
        return std::nullopt;
    const QByteArray bytes = ps.readAllStandardOutput();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<std::pair<qint64, QStringView>> PSProcessSnapshotProvider::splitPIDAndRest(QStringView line)
{
    line = trimmedHorizontally(line);
    // The pid is short: a plain loop beats a general search here.
    const auto space = std::find(line.cbegin(), line.cend(), u' ');
    if (space == line.cend())
        return std::nullopt;
    const auto pid = parseDecimal(QStringView(line.cbegin(), space));
    if (!pid)
        return std::nullopt;
    return std::pair{*pid, trimmedHorizontally(QStringView(space + 1, line.cend()))};
}

QString PSProcessSnapshotProvider::executableName(std::optional<QStringView> taskName,
                                                  QStringView commandLine)
{
    // Kernel workers rename themselves as they take on work, so the newer listing wins.
    if (const std::optional<QStringView> bracketed = bracketedName(commandLine))
        return bracketed->toString();
    if (!taskName)
        return TaskNames::lastPathComponent(commandLine).toString();
    // Under five characters is always under 15 bytes.
    if (taskName->size() < 5 || utf8Length(*taskName) < TaskNames::maximumBytes)
        return taskName->toString();
    return TaskNames::wholeName(*taskName, commandLine).toString();
}

QList<RunningProcess> PSProcessSnapshotProvider::parse(QStringView taskListing, QStringView commandListing)
{
    using TaskName = std::pair<qint64, QStringView>;
    QList<TaskName> tasks;
    forEachLine(taskListing, [&tasks](QStringView line) {
        if (const auto entry = splitPIDAndRest(line))
            tasks.append(*entry);
    });
    // ps lists by ascending pid, which a binary search can use; a hash map joins anything else
    // (where a later line for a pid replaces an earlier one).
    const bool ascending =
        std::adjacent_find(tasks.cbegin(), tasks.cend(), [](const TaskName &a, const TaskName &b) {
            return a.first >= b.first;
        }) == tasks.cend();
    QHash<qint64, QStringView> taskNames;
    if (!ascending) {
        taskNames.reserve(tasks.size());
        for (const auto &[pid, name] : std::as_const(tasks))
            taskNames.insert(pid, name);
    }
    auto cursor = tasks.cbegin();
    const auto findTask = [&](qint64 pid) -> std::optional<QStringView> {
        if (!ascending) {
            const auto task = taskNames.constFind(pid);
            return task == taskNames.cend() ? std::nullopt : std::optional<QStringView>(*task);
        }
        // Usually the next entry: search on from the last one found.
        const auto from =
            cursor != tasks.cbegin() && std::prev(cursor)->first >= pid ? tasks.cbegin() : cursor;
        cursor = std::lower_bound(from, tasks.cend(), pid,
                                  [](const TaskName &t, qint64 p) { return t.first < p; });
        if (cursor == tasks.cend() || cursor->first != pid)
            return std::nullopt;
        return (cursor++)->second;
    };

    QList<RunningProcess> processes;
    processes.reserve(tasks.size());
    forEachLine(commandListing, [&](QStringView line) {
        const auto entry = splitPIDAndRest(line);
        if (!entry)
            return;
        const auto [pid, commandLine] = *entry;
        if (isZombie(commandLine))
            return;
        processes.append(
            RunningProcess{pid, executableName(findTask(pid), commandLine), commandLine.toString()});
    });
    return processes;
}
