#include "processes/ProcessMatching.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

// The fast counting must give exactly what ProcessRule::matchCount gives, rule by rule.
class TestProcessMatching : public QObject {
    Q_OBJECT

    static ProcessRule rule(const QString &name, ProcessMatchMode mode = ProcessMatchMode::Exact,
                            bool enabled = true)
    {
        return {QUuid::createUuid(), name, enabled, mode};
    }

    // Returns how many matches were counted in all, so callers can see the case is not all misses.
    static int compareWithTheRules(const QList<ProcessRule> &rules, const QList<RunningProcess> &processes)
    {
        const QList<int> counts = ProcessMatching::countMatches(rules, processes);
        if (counts.size() != rules.size()) {
            QTest::qFail("one count per rule", __FILE__, __LINE__);
            return -1;
        }
        int total = 0;
        for (qsizetype i = 0; i < rules.size(); ++i) {
            const int expected = rules[i].enabled ? int(rules[i].matchCount(processes)) : 0;
            if (counts[i] != expected) {
                const QString message =
                    u"rule \"%1\" (%2): %3 instead of %4"_s.arg(rules[i].name, rawValue(rules[i].matchMode))
                        .arg(counts[i])
                        .arg(expected);
                QTest::qFail(qPrintable(message), __FILE__, __LINE__);
                return -1;
            }
            total += counts[i];
        }
        return total;
    }

private slots:
    void caseAndUnicode()
    {
        const QList<RunningProcess> processes{
            {1, u"İstanbul"_s, u"/opt/İSTANBUL --Grüße"_s},
            {2, u"Σοφια"_s, u"/usr/bin/ΣΟΦΙΑ serve"_s},
            {3, u"straße"_s, u"/usr/bin/STRASSE x"_s},
            {4, u"node"_s, u"/usr/local/bin/node server.js"_s},
            {5, u"npm"_s, u"npm exec nodemon"_s},
            {6, u"claude-cli"_s, u"node /opt/claude/cli.js claude"_s},
            {7, u"😀app"_s, u"/opt/😀APP --ÉTÉ"_s},
        };
        const QList<ProcessRule> rules{
            rule(u"i̇stanbul"_s),
            rule(u"İSTANBUL"_s, ProcessMatchMode::Contains),
            rule(u"ΣΟΦΙΑ"_s),
            rule(u"grüsse"_s, ProcessMatchMode::Contains),
            rule(u"STRAßE"_s),
            rule(u"strasse"_s, ProcessMatchMode::Contains),
            rule(u"Node"_s),
            rule(u"NODE"_s, ProcessMatchMode::Contains),
            rule(u"claude"_s),
            rule(u"😀App"_s),
            rule(u"😀app --été"_s, ProcessMatchMode::Contains),
            rule(u" "_s, ProcessMatchMode::Contains),
            rule(u"e"_s, ProcessMatchMode::Contains),
            rule(QString()),
            rule(QString(), ProcessMatchMode::Contains),
            rule(u"node"_s, ProcessMatchMode::Contains, false),
        };
        QVERIFY(compareWithTheRules(rules, processes) > 15);
        QCOMPARE(ProcessMatching::countMatches(rules, processes).last(), 0);
    }

    void linesStaySeparate()
    {
        // A match never spans two processes, and a process counts once however often it matches.
        const QList<RunningProcess> processes{
            {1, u"a"_s, u"/bin/a --ser"_s},
            {2, u"b"_s, u"ver server server"_s},
            {3, u"c"_s, u"line\nfeed"_s},
            {4, u"d"_s, QString()},
            {5, u"e"_s, u"lone \xD800 surrogate"_s},
        };
        const QList<ProcessRule> rules{
            rule(u"server"_s, ProcessMatchMode::Contains),
            rule(u"--serv"_s, ProcessMatchMode::Contains),
            rule(u"ser\nver"_s, ProcessMatchMode::Contains),
            rule(u"e\nf"_s, ProcessMatchMode::Contains),
            rule(u"\xD800"_s, ProcessMatchMode::Contains),
            rule(u"e \xD800 s"_s, ProcessMatchMode::Contains),
            rule(u"\uFFFD"_s, ProcessMatchMode::Contains),
            rule(u"?"_s, ProcessMatchMode::Contains),
        };
        QCOMPARE(ProcessMatching::countMatches(rules, processes), (QList<int>{1, 0, 0, 1, 1, 1, 0, 0}));
        compareWithTheRules(rules, processes);
    }

    void randomListings_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 6; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomListings()
    {
        // Enough text for many search chunks, with lines shorter and longer than one vector, and
        // characters that change length or case when lower-cased.
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QStringList pieces{u"a"_s,   u"B"_s,    u"ab"_s, u"/"_s, u" "_s,  u"-"_s,   u"."_s,
                                 u"é"_s,   u"É"_s,    u"İ"_s,  u"ß"_s, u"Σ"_s,  u"😀"_s,   u"\n"_s,
                                 u"bin"_s, u"Node"_s, u"x"_s,  u"Y"_s, u"zz"_s, u"Z@["_s, u"\xDC00"_s};
        const auto text = [&](int maximum) {
            QString result;
            const int length = int(random.bounded(maximum + 1));
            for (int i = 0; i < length; ++i)
                result += pieces[random.bounded(pieces.size())];
            return result;
        };
        QList<RunningProcess> processes;
        for (int pid = 1; pid <= 3000; ++pid)
            processes.append({pid, text(4), text(random.bounded(2) ? 12 : 90)});
        QList<ProcessRule> rules;
        for (int i = 0; i < 40; ++i) {
            const auto mode = random.bounded(3) ? ProcessMatchMode::Contains : ProcessMatchMode::Exact;
            QString name;
            const RunningProcess &source = processes[random.bounded(processes.size())];
            if (random.bounded(4) == 0) {
                name = text(6);
            } else if (mode == ProcessMatchMode::Exact) {
                name = source.executableName.toUpper();
            } else if (!source.commandLine.isEmpty()) {
                const qsizetype from = random.bounded(source.commandLine.size());
                name = source.commandLine.mid(from, 1 + random.bounded(40)).toUpper();
            }
            rules.append(rule(name, mode, random.bounded(8) != 0));
        }
        QVERIFY(compareWithTheRules(rules, processes) > 100);
    }
};

QTEST_GUILESS_MAIN(TestProcessMatching)
#include "tst_process_matching.moc"
