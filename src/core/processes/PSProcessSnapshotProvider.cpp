#include "PSProcessSnapshotProvider.h"

#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The kernel keeps at most this many bytes of a task's name.
constexpr qsizetype taskNameBytes = 15;
// Bounds the file checks for one process whose command line has many spaces.
constexpr qsizetype maximumNameCandidates = 8;

bool isHorizontalSpace(QChar c) {
    const char16_t u = c.unicode();
    if (u == u' ' || u == u'\t')
        return true;
    return u >= 0x80 && c.category() == QChar::Separator_Space;
}

QStringView trimmedHorizontally(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isHorizontalSpace(text[begin]))
        ++begin;
    while (end > begin && isHorizontalSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// ASCII digits with an optional sign; nothing on overflow.
std::optional<qint64> parseDecimal(QStringView text) {
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

qsizetype utf8Length(QStringView text) {
    qsizetype bytes = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // A surrogate pair is four bytes, two per half.
        bytes += u < 0x80 ? 1 : u < 0x800 || QChar::isSurrogate(u) ? 2 : 3;
    }
    return bytes;
}

// "[name]" or "[name] <defunct>": what procps shows for a process without a command line.
std::optional<QStringView> bracketedName(QStringView commandLine) {
    constexpr QStringView defunct = u" <defunct>";
    if (commandLine.endsWith(defunct))
        commandLine.chop(defunct.size());
    if (commandLine.size() < 2 || commandLine.front() != u'[' || commandLine.back() != u']')
        return std::nullopt;
    return commandLine.sliced(1, commandLine.size() - 2);
}

// The whole name behind a task name the kernel may have cut, found in the command line.
QStringView wholeName(QStringView taskName, QStringView commandLine) {
    // procps shows each byte of a character cut in half as "?"; a cut leaves at most three.
    QStringView stem = taskName;
    for (int chopped = 0; chopped < 3 && stem.endsWith(u'?'); ++chopped)
        stem.chop(1);

    struct Candidate {
        QStringView path;
        QStringView name;
    };
    QVarLengthArray<Candidate, maximumNameCandidates> candidates;
    // Every run of leading words may be the executable's path, since paths may hold spaces.
    qsizetype lastSlash = -1;
    const qsizetype size = commandLine.size();
    for (qsizetype i = 0; i <= size && candidates.size() < maximumNameCandidates; ++i) {
        if (i < size && commandLine[i] != u' ') {
            if (commandLine[i] == u'/')
                lastSlash = i;
            continue;
        }
        const QStringView name = commandLine.sliced(lastSlash + 1, i - lastSlash - 1);
        if (!name.isEmpty() && name.startsWith(stem))
            candidates.append({commandLine.first(i), name});
    }
    if (candidates.isEmpty())
        return taskName;
    if (candidates.size() > 1) {
        for (const Candidate &candidate : candidates) {
            if (QFileInfo(candidate.path.toString()).isFile())
                return candidate.name;
        }
    }
    return candidates.front().name;
}

} // namespace

QString PSProcessSnapshotProvider::defaultPSPath() {
    return u"/bin/ps"_s;
}

PSProcessSnapshotProvider::PSProcessSnapshotProvider(QString psPath, int timeoutMilliseconds)
    : m_psPath(std::move(psPath))
    , m_timeoutMilliseconds(timeoutMilliseconds) {
    // A fixed environment: procps reads its output format, width and personality from variables
    // such as PS_FORMAT, COLUMNS and PS_PERSONALITY, and prints "?" for every non-ASCII byte
    // unless the locale is UTF-8.
    m_environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    m_environment.insert(u"PATH"_s, u"/usr/bin:/bin"_s);
}

const QStringList &PSProcessSnapshotProvider::taskListingArguments() {
    static const QStringList arguments{u"-axww"_s, u"-o"_s, u"pid=,comm="_s};
    return arguments;
}

const QStringList &PSProcessSnapshotProvider::commandListingArguments() {
    static const QStringList arguments{u"-axww"_s, u"-o"_s, u"pid=,command="_s};
    return arguments;
}

QList<RunningProcess> PSProcessSnapshotProvider::snapshot() {
    const QString taskListing = runPS(taskListingArguments());
    const QString commandListing = runPS(commandListingArguments());
    return parse(taskListing, commandListing);
}

QString PSProcessSnapshotProvider::runPS(const QStringList &arguments) const {
    QProcess ps;
    ps.setProgram(m_psPath);
    ps.setArguments(arguments);
    ps.setProcessEnvironment(m_environment);
    ps.setStandardInputFile(QProcess::nullDevice());
    ps.setStandardErrorFile(QProcess::nullDevice());
    ps.start(QIODevice::ReadOnly);
    if (!ps.waitForStarted(m_timeoutMilliseconds))
        return {};
    // QProcess keeps draining the pipe while it waits, so a long listing cannot stall the child.
    if (!ps.waitForFinished(m_timeoutMilliseconds)) {
        ps.kill();
        ps.waitForFinished(1000);
        return {};
    }
    // The exit status is not examined: whatever ps listed is used.
    const QByteArray bytes = ps.readAllStandardOutput();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {};
    return text;
}

std::optional<std::pair<qint64, QStringView>> PSProcessSnapshotProvider::splitPIDAndRest(QStringView line) {
    line = trimmedHorizontally(line);
    const qsizetype space = line.indexOf(u' ');
    if (space < 0)
        return std::nullopt;
    const auto pid = parseDecimal(line.first(space));
    if (!pid)
        return std::nullopt;
    return std::pair{*pid, trimmedHorizontally(line.sliced(space + 1))};
}

QStringView PSProcessSnapshotProvider::lastPathComponent(QStringView path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    if (path == u"/")
        return path;
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.sliced(slash + 1);
}

QString PSProcessSnapshotProvider::executableName(std::optional<QStringView> taskName,
                                                  QStringView commandLine) {
    // Kernel workers rename themselves as they take on work, so the newer listing wins.
    if (const std::optional<QStringView> bracketed = bracketedName(commandLine))
        return bracketed->toString();
    if (!taskName)
        return lastPathComponent(commandLine).toString();
    if (utf8Length(*taskName) < taskNameBytes)
        return taskName->toString();
    return wholeName(*taskName, commandLine).toString();
}

QList<RunningProcess> PSProcessSnapshotProvider::parse(QStringView taskListing, QStringView commandListing) {
    QHash<qint64, QStringView> taskNames;
    taskNames.reserve(taskListing.count(u'\n') + 1);
    for (const QStringView line : taskListing.tokenize(u'\n', Qt::SkipEmptyParts)) {
        if (const auto entry = splitPIDAndRest(line))
            taskNames.insert(entry->first, entry->second);
    }

    QList<RunningProcess> processes;
    processes.reserve(commandListing.count(u'\n') + 1);
    for (const QStringView line : commandListing.tokenize(u'\n', Qt::SkipEmptyParts)) {
        const auto entry = splitPIDAndRest(line);
        if (!entry)
            continue;
        const auto [pid, commandLine] = *entry;
        const auto task = taskNames.constFind(pid);
        const std::optional<QStringView> taskName =
            task == taskNames.cend() ? std::nullopt : std::optional<QStringView>(*task);
        processes.append(RunningProcess{pid, executableName(taskName, commandLine), commandLine.toString()});
    }
    return processes;
}
