// The batch matcher against the rule-by-rule one. Lines of the input are rules ("E name", "C name";
// a lower-case letter disables the rule) and processes ("executable<TAB>command line"); the first
// byte repeats the process list so the search runs over text larger than one of its chunks.
#include "FuzzCheck.h"
#include "processes/ProcessMatching.h"
#include "processes/ProcessRule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int copies = 1 + (data[0] % 64);
    const QString text = QString::fromUtf8(Fuzz::bytes(data + 1, size - 1));

    QList<ProcessRule> rules;
    QList<RunningProcess> processes;
    qint64 pid = 1;
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        if (line.size() >= 2 && line[1] == u' ' && QStringView(u"ECec").contains(line[0])) {
            const QChar kind = line[0];
            rules << ProcessRule{QUuid(), line.sliced(2).toString(), kind.isUpper(),
                                 kind.toUpper() == u'E' ? ProcessMatchMode::Exact
                                                        : ProcessMatchMode::Contains};
            continue;
        }
        const qsizetype tab = line.indexOf(u'\t');
        const QStringView executable = tab < 0 ? line : line.first(tab);
        const QStringView commandLine = tab < 0 ? line : line.sliced(tab + 1);
        processes << RunningProcess{pid++, executable.toString(), commandLine.toString()};
    }
    if (rules.isEmpty() || processes.isEmpty())
        return 0;
    const QList<RunningProcess> one = processes;
    for (int i = 1; i < copies; ++i)
        processes << one;

    const QList<int> counts = ProcessMatching::countMatches(rules, processes);
    FUZZ_CHECK(counts.size() == rules.size());
    for (qsizetype i = 0; i < rules.size(); ++i)
        FUZZ_CHECK(counts[i] == (rules[i].enabled ? int(rules[i].matchCount(processes)) : 0));
    return 0;
}
