#include "TaskNames.h"

#include <QFileInfo>
#include <QString>
#include <QVarLengthArray>

namespace {

// Bounds the file checks for one process whose command line has many spaces.
constexpr qsizetype maximumNameCandidates = 8;

bool isCutCharacter(QStringView name)
{
    return name.endsWith(u'?') || name.endsWith(QChar(QChar::ReplacementCharacter));
}

} // namespace

QStringView TaskNames::lastPathComponent(QStringView path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    if (path == u"/")
        return path;
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.sliced(slash + 1);
}

QStringView TaskNames::wholeName(QStringView taskName, QStringView commandLine, qsizetype firstArgumentEnd)
{
    // ps shows each byte of a character cut in half as "?", a decoder as U+FFFD; a cut leaves at
    // most three.
    QStringView stem = taskName;
    for (int chopped = 0; chopped < 3 && isCutCharacter(stem); ++chopped)
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
        if (name.isEmpty() || !name.startsWith(stem))
            continue;
        // The whole first argument, or followed by nothing or by an option: plainly the whole path,
        // no need to look further.
        if (i == firstArgumentEnd ||
            (candidates.isEmpty() && (i == size || commandLine.sliced(i).startsWith(u" -"))))
            return name;
        candidates.append({commandLine.first(i), name});
    }
    if (candidates.isEmpty())
        return taskName;
    if (candidates.size() > 1) {
        // A relative path would be looked up in our directory, not the process's: only absolute ones.
        for (const Candidate &candidate : candidates) {
            if (candidate.path.startsWith(u'/') && QFileInfo(candidate.path.toString()).isFile())
                return candidate.name;
        }
    }
    return candidates.front().name;
}
