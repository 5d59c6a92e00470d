#include "ProcessMatching.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Lines are searched a few kilobytes at a time, every rule in turn, so the text stays in the
// processor's cache instead of streaming from memory once per rule.
constexpr qsizetype chunkBytes = 16384;

// GCC and Clang vector extensions: eight UTF-16 code units, or 32 bytes, at once.
using Units = quint16 __attribute__((vector_size(16)));
using Bytes = quint8 __attribute__((vector_size(32)));
using NarrowUnits = quint8 __attribute__((vector_size(8)));
constexpr qsizetype unitLanes = sizeof(Units) / sizeof(quint16);
constexpr qsizetype byteLanes = sizeof(Bytes);

// Never part of valid UTF-8: stands in for a lone surrogate, which no valid needle can match.
constexpr char unmatchable = char(0xFF);

using RuleIndexes = QVarLengthArray<qsizetype, 32>;

bool hasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

// UTF-8, with lone surrogates as the unmatchable byte. Searching UTF-8 finds a valid needle
// exactly where searching UTF-16 would: UTF-8 never matches in the middle of a character.
void appendUtf8(QByteArray &out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = text[i].unicode();
        if (c < 0x80) {
            out.append(char(c));
        } else if (c < 0x800) {
            out.append(char(0xC0 | (c >> 6)));
            out.append(char(0x80 | (c & 0x3F)));
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t u = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
            out.append(char(0xF0 | (u >> 18)));
            out.append(char(0x80 | ((u >> 12) & 0x3F)));
            out.append(char(0x80 | ((u >> 6) & 0x3F)));
            out.append(char(0x80 | (u & 0x3F)));
        } else if (QChar::isSurrogate(c)) {
            out.append(unmatchable);
        } else {
            out.append(char(0xE0 | (c >> 12)));
            out.append(char(0x80 | ((c >> 6) & 0x3F)));
            out.append(char(0x80 | (c & 0x3F)));
        }
    }
}

// Appends line.toLower() as UTF-8, eight characters at a time for the usual ASCII line.
void appendLowerCased(QByteArray &text, const QString &line)
{
    const qsizetype offset = text.size();
    const qsizetype size = line.size();
    text.resize(offset + size);
    const auto *in = reinterpret_cast<const char16_t *>(line.constData());
    auto *out = reinterpret_cast<quint8 *>(text.data()) + offset;
    Units seen{};
    qsizetype i = 0;
    for (; i + unitLanes <= size; i += unitLanes) {
        Units units;
        std::memcpy(&units, in + i, sizeof units);
        seen |= units;
        // Scalars of the lane type: clang 14 crashes on a char16_t operand in a vector expression.
        units += Units((units >= quint16('A')) & (units <= quint16('Z'))) & 0x20;
        const NarrowUnits narrow = __builtin_convertvector(units, NarrowUnits);
        std::memcpy(out + i, &narrow, sizeof narrow);
    }
    quint16 all = 0;
    for (; i < size; ++i) {
        all |= in[i];
        out[i] = quint8(in[i] >= u'A' && in[i] <= u'Z' ? in[i] + 0x20 : in[i]);
    }
    for (qsizetype lane = 0; lane < unitLanes; ++lane)
        all |= seen[lane];
    if (all >= 0x80) {
        // Beyond ASCII, lower-casing may change the length (U+0130 becomes two characters).
        text.resize(offset);
        appendUtf8(text, line.toLower());
    }
}

// The first occurrence of the needle in [begin, end), or null. Compares the needle's first and
// last bytes at 32 positions at once and checks the rest only where both agree. Built twice on
// x86-64 so that processors with AVX2 compare all 32 in one instruction.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
const char *
find(const char *begin, const char *end, const QByteArray &needle)
{
    const qsizetype size = needle.size();
    if (end - begin < size)
        return nullptr;
    if (size == 1)
        return static_cast<const char *>(std::memchr(begin, needle.front(), size_t(end - begin)));
    const char *pattern = needle.constData();
    const Bytes first = Bytes{} + quint8(pattern[0]);
    const Bytes last = Bytes{} + quint8(pattern[size - 1]);
    const size_t middle = size_t(size - 2);
    const char *lastStart = end - size;
    const char *at = begin;
    for (; lastStart - at >= byteLanes - 1; at += byteLanes) {
        Bytes heads;
        Bytes tails;
        std::memcpy(&heads, at, sizeof heads);
        std::memcpy(&tails, at + size - 1, sizeof tails);
        const auto hits = (heads == first) & (tails == last);
        quint64 words[byteLanes / 8];
        std::memcpy(words, &hits, sizeof words);
        if ((words[0] | words[1] | words[2] | words[3]) == 0)
            continue;
        // A lane where both agree is a byte of ones: visit only those.
        for (qsizetype word = 0; word < byteLanes / 8; ++word) {
            for (quint64 lanes = words[word]; lanes != 0;) {
                const int bit = std::countr_zero(lanes);
                const char *candidate = at + word * 8 + bit / 8;
                if (std::memcmp(candidate + 1, pattern + 1, middle) == 0)
                    return candidate;
                lanes &= ~(quint64(0xFF) << bit);
            }
        }
    }
    for (; at <= lastStart; ++at) {
        if (at[0] == pattern[0] && at[size - 1] == pattern[size - 1] &&
            std::memcmp(at + 1, pattern + 1, middle) == 0)
            return at;
    }
    return nullptr;
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// lowered is all lower case: equal to ASCII text lower-cased.
bool equalsLowerCasedAscii(QStringView ascii, QStringView lowered)
{
    return std::equal(ascii.begin(), ascii.end(), lowered.begin(), lowered.end(), [](QChar a, QChar b) {
        const char16_t c = a.unicode();
        return char16_t(c >= u'A' && c <= u'Z' ? c + 0x20 : c) == b.unicode();
    });
}

void countExact(const QList<ProcessRule> &rules, const RuleIndexes &selected,
                const QList<RunningProcess> &processes, QList<int> &counts)
{
    QList<QString> needles;
    for (const qsizetype i : selected)
        needles.append(rules[i].name.toLower());
    for (const RunningProcess &process : processes) {
        const QString &name = process.executableName;
        // An ASCII name keeps its length when lower-cased, so most needles fail on the length alone.
        if (isAscii(name)) {
            for (qsizetype n = 0; n < needles.size(); ++n) {
                if (needles[n].size() == name.size() && equalsLowerCasedAscii(name, needles[n]))
                    ++counts[selected[n]];
            }
            continue;
        }
        const QString lowered = name.toLower();
        for (qsizetype n = 0; n < needles.size(); ++n) {
            if (lowered == needles[n])
                ++counts[selected[n]];
        }
    }
}

void countContained(const QList<ProcessRule> &rules, const RuleIndexes &selected,
                    const QList<RunningProcess> &processes, QList<int> &counts)
{
    // Needles with a line feed or a lone surrogate cannot use the joined text: they are compared
    // process by process.
    RuleIndexes joined;
    QList<QByteArray> needles;
    for (const qsizetype i : selected) {
        const QString needle = rules[i].name.toLower();
        if (needle.contains(u'\n') || hasLoneSurrogate(needle)) {
            counts[i] = int(std::count_if(processes.cbegin(), processes.cend(), [&](const RunningProcess &p) {
                return p.commandLine.toLower().contains(needle);
            }));
            continue;
        }
        QByteArray bytes;
        appendUtf8(bytes, needle);
        joined.append(i);
        needles.append(bytes);
    }
    if (joined.isEmpty())
        return;

    // All command lines, lower-cased, in one text with a line feed after each.
    qsizetype length = 0;
    for (const RunningProcess &process : processes)
        length += process.commandLine.size() + 1;
    QByteArray text;
    text.reserve(length);
    QList<qsizetype> lineEnds;
    lineEnds.reserve(processes.size());
    for (const RunningProcess &process : processes) {
        appendLowerCased(text, process.commandLine);
        lineEnds.append(text.size());
        text.append('\n');
    }
    const char *base = text.constData();
    const auto lineStart = [&](qsizetype line) { return line == 0 ? 0 : lineEnds[line - 1] + 1; };

    // A needle without a line feed never spans two lines, so a match lies within one process's
    // command line; after a match the search goes on at the next line, counting each process once.
    for (qsizetype first = 0; first < lineEnds.size();) {
        qsizetype last = first + 1;
        while (last < lineEnds.size() && lineEnds[last] - lineStart(first) < chunkBytes)
            ++last;
        const char *end = base + lineEnds[last - 1];
        for (qsizetype n = 0; n < needles.size(); ++n) {
            int &count = counts[joined[n]];
            auto line = lineEnds.cbegin() + first;
            for (const char *from = base + lineStart(first); from < end;) {
                const char *hit = find(from, end, needles[n]);
                if (!hit)
                    break;
                line = std::upper_bound(line, lineEnds.cbegin() + last, hit - base);
                ++count;
                from = base + *line + 1;
                ++line;
            }
        }
        first = last;
    }
}

} // namespace

QList<int> ProcessMatching::countMatches(const QList<ProcessRule> &rules,
                                         const QList<RunningProcess> &processes)
{
    QList<int> counts(rules.size(), 0);
    RuleIndexes exact;
    RuleIndexes contains;
    for (qsizetype i = 0; i < rules.size(); ++i) {
        if (rules[i].enabled && !rules[i].name.isEmpty())
            (rules[i].matchMode == ProcessMatchMode::Exact ? exact : contains).append(i);
    }
    if (!exact.isEmpty())
        countExact(rules, exact, processes, counts);
    if (!contains.isEmpty())
        countContained(rules, contains, processes, counts);
    return counts;
}
