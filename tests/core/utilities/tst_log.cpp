#include "utilities/Log.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTest>

#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Record {
    QtMsgType type;
    QString category;
    QString message;
};

QMutex recordsMutex;
QList<Record> records;
QtMessageHandler previousHandler = nullptr;

using Writer = void (*)(const QString &);

void capture(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QMutexLocker locker(&recordsMutex);
    records.append({type, QString::fromUtf8(context.category), message});
}

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestLog : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        records.clear();
        QLoggingCategory::setFilterRules(u"app.debug=true"_s);
        previousHandler = qInstallMessageHandler(capture);
    }

    void cleanup() { qInstallMessageHandler(previousHandler); }

    void levels_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QtMsgType>("type");
        QTest::addColumn<QString>("message");
        QTest::newRow("info") << Writer(&Log::info) << QtInfoMsg << u"Vigila launched."_s;
        QTest::newRow("error") << Writer(&Log::error) << QtCriticalMsg
                               << u"Launch at login change failed: x"_s;
        QTest::newRow("debug") << Writer(&Log::debug) << QtDebugMsg << u"probe"_s;
        // Printf directives and non-ASCII text must come out exactly as given.
        QTest::newRow("format directives")
            << Writer(&Log::info) << QtInfoMsg << u"100%s %n %d %% %{public}s"_s;
        QTest::newRow("unicode") << Writer(&Log::error) << QtCriticalMsg
                                 << u"\u201Cnode\u201D \u2014 \u2026"_s;
        QTest::newRow("line break") << Writer(&Log::info) << QtInfoMsg << u"make build\nExit code 2"_s;
    }

    void levels()
    {
        QFETCH(Writer, writer);
        QFETCH(QtMsgType, type);
        QFETCH(QString, message);
        writer(message);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().type, type);
        QCOMPARE(records.first().category, u"app"_s);
        QCOMPARE(records.first().message, message);
    }

    void oneRecordPerMessageFromManyThreads()
    {
        constexpr int threads = 4;
        constexpr int perThread = 200;
        std::vector<std::thread> writers;
        for (int t = 0; t < threads; ++t) {
            writers.emplace_back([t] {
                for (int i = 0; i < perThread; ++i)
                    Log::info(u"thread %1 message %2"_s.arg(t).arg(i));
            });
        }
        for (std::thread &writer : writers)
            writer.join();

        QCOMPARE(records.size(), threads * perThread);
        QSet<QString> seen;
        for (const Record &record : std::as_const(records))
            seen.insert(record.message);
        QCOMPARE(seen.size(), threads * perThread); // none lost, merged or split
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
