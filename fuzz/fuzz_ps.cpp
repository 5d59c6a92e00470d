// The two ps listings, as arbitrary text: a task listing and a command listing, split at the first
// NUL byte (without one, the same text serves as both).
#include "FuzzCheck.h"
#include "processes/PSProcessSnapshotProvider.h"
#include "processes/ProcessMatching.h"
#include "processes/TaskNames.h"

#include <QStringList>
#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace {

bool isSpaceOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

// True when part lies inside whole's characters.
bool within(QStringView part, QStringView whole)
{
    return part.isEmpty() ||
           (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

void checkLine(QStringView line)
{
    const auto entry = PSProcessSnapshotProvider::splitPIDAndRest(line);
    if (!entry)
        return;
    const QStringView rest = entry->second;
    FUZZ_CHECK(within(rest, line));
    if (!rest.isEmpty()) {
        FUZZ_CHECK(!isSpaceOrTab(rest.front()));
        FUZZ_CHECK(!isSpaceOrTab(rest.back()));
    }
    const QStringView name = TaskNames::lastPathComponent(rest);
    FUZZ_CHECK(within(name, rest));
    FUZZ_CHECK(name == u"/" || !name.contains(u'/'));
}

QList<QStringView> lines(QStringView text)
{
    QList<QStringView> out;
    for (const QStringView line : text.tokenize(u'\n')) {
        if (!line.isEmpty())
            out << line;
    }
    return out;
}

// procps shows a zombie as "[name] <defunct>".
bool isZombie(QStringView commandLine)
{
    constexpr QStringView defunct = u" <defunct>";
    if (!commandLine.endsWith(defunct))
        return false;
    const QStringView name = commandLine.chopped(defunct.size());
    return name.size() >= 2 && name.front() == u'[' && name.back() == u']';
}

// The join done the plain way: each command line takes the name of the last task line with its
// pid; zombies are left out.
QList<RunningProcess> plainJoin(QStringView taskListing, QStringView commandListing)
{
    QList<std::pair<qint64, QStringView>> tasks;
    for (const QStringView line : lines(taskListing)) {
        if (const auto entry = PSProcessSnapshotProvider::splitPIDAndRest(line))
            tasks << *entry;
    }
    QList<RunningProcess> out;
    for (const QStringView line : lines(commandListing)) {
        const auto entry = PSProcessSnapshotProvider::splitPIDAndRest(line);
        if (!entry || isZombie(entry->second))
            continue;
        std::optional<QStringView> taskName;
        for (const auto &[pid, name] : std::as_const(tasks)) {
            if (pid == entry->first)
                taskName = name;
        }
        out << RunningProcess{entry->first,
                              PSProcessSnapshotProvider::executableName(taskName, entry->second),
                              entry->second.toString()};
    }
    return out;
}

} // namespace

// A path with a NUL in it makes Qt warn on every file check; the warnings only slow the run down.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    const qsizetype split = text.indexOf(QChar(0));
    const QStringView whole(text);
    const QStringView taskListing = split < 0 ? whole : whole.first(split);
    const QStringView commandListing = split < 0 ? whole : whole.sliced(split + 1);

    for (const QStringView line : lines(whole))
        checkLine(line);
    const QList<RunningProcess> processes = PSProcessSnapshotProvider::parse(taskListing, commandListing);
    FUZZ_CHECK(processes == plainJoin(taskListing, commandListing));

    // Rules named after the listing's words count the same in the batch matcher as one by one.
    QList<ProcessRule> rules;
    for (const QStringView word : whole.tokenize(u' ', Qt::SkipEmptyParts)) {
        if (rules.size() == 8)
            break;
        const bool contains = rules.size() % 2 == 1;
        rules << ProcessRule{QUuid(), word.toString(), rules.size() != 6,
                             contains ? ProcessMatchMode::Contains : ProcessMatchMode::Exact};
    }
    const QList<int> counts = ProcessMatching::countMatches(rules, processes);
    FUZZ_CHECK(counts.size() == rules.size());
    for (qsizetype i = 0; i < rules.size(); ++i)
        FUZZ_CHECK(counts[i] == (rules[i].enabled ? int(rules[i].matchCount(processes)) : 0));
    return 0;
}
