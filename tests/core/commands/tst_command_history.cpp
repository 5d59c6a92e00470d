#include "InMemoryUserDefaults.h"
#include "commands/CommandHistory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Folder = std::optional<QString>;

SavedCommand run(const QString &command, Folder folder = {}, const QString &name = {})
{
    return SavedCommand{QUuid::createUuid(),
                        name,
                        command,
                        std::move(folder),
                        u"/bin/bash"_s,
                        false,
                        QDateTime(QDate(2026, 3, 10), QTime(12, 0, 0, 250), QTimeZone::utc()),
                        0};
}

QJsonArray stored(const InMemoryUserDefaults &defaults, const QString &key)
{
    return QJsonDocument::fromJson(defaults.data(key).value_or(QByteArray())).array();
}

QStringList texts(const QList<SavedCommand> &list)
{
    QStringList result;
    for (const SavedCommand &c : list)
        result.append(c.command);
    return result;
}

} // namespace

class TestCommandHistory : public QObject {
    Q_OBJECT

private slots:
    void recordReplacesSameCommandInSameFolder_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<Folder>("firstFolder");
        QTest::addColumn<Folder>("secondFolder");
        QTest::addColumn<int>("entries");
        QTest::newRow("same folder") << u"make"_s << Folder(u"/src"_s) << Folder(u"/src"_s) << 1;
        QTest::newRow("both without") << u"make"_s << Folder() << Folder() << 1;
        QTest::newRow("two folders") << u"make"_s << Folder(u"/src"_s) << Folder(u"/doc"_s) << 2;
        QTest::newRow("folder and none") << u"make"_s << Folder(u"/src"_s) << Folder() << 2;
        QTest::newRow("empty folder and none") << u"make"_s << Folder(u""_s) << Folder() << 2;
        QTest::newRow("text differs") << u"make "_s << Folder() << Folder() << 2;
    }

    void recordReplacesSameCommandInSameFolder()
    {
        QFETCH(QString, second);
        QFETCH(Folder, firstFolder);
        QFETCH(Folder, secondFolder);
        QFETCH(int, entries);
        CommandHistory history(std::make_shared<InMemoryUserDefaults>());
        history.record(run(u"ls"_s));
        history.record(run(u"make"_s, firstFolder, u"first"_s));
        SavedCommand latest = run(second, secondFolder, u"second"_s);
        latest.shell = u"/bin/zsh"_s;
        latest.lastExitCode = 2;
        history.record(latest);

        QCOMPARE(history.recent().size(), entries + 1);
        QCOMPARE(history.recent().first(), latest); // the latest run's values, at the top
        QCOMPARE(history.recent().last().command, u"ls"_s);
    }

    void recentKeepsTwentyNewestFirst()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        CommandHistory history(defaults);
        for (int i = 1; i <= 20; ++i)
            history.record(run(u"job %1"_s.arg(i)));
        QSignalSpy spy(&history, &CommandHistory::recentChanged);
        history.record(run(u"job 21"_s));
        QCOMPARE(spy.size(), 3); // the removal, the insertion and the trimming each publish
        QCOMPARE(history.recent().size(), CommandHistory::maxRecent);
        QCOMPARE(history.recent().last().command, u"job 2"_s);

        history.record(run(u"job 5"_s)); // moves up without dropping anything
        QCOMPARE(texts(history.recent()).mid(0, 3), (QStringList{u"job 5"_s, u"job 21"_s, u"job 20"_s}));
        QCOMPARE(stored(*defaults, CommandHistory::recentKey()).size(), 20);
    }

    void keepHistoryOffRecordsNothing()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        CommandHistory history(defaults);
        history.record(run(u"a"_s));
        const auto writes = defaults->writes;
        history.setKeepHistory(false);
        history.record(run(u"b"_s));
        history.setKeepHistory(true);
        QCOMPARE(defaults->writes, writes); // neither the run nor the switch writes
        QCOMPARE(texts(history.recent()), QStringList{u"a"_s});
    }

    void everyChangeWritesBothLists()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        CommandHistory history(defaults);
        const QList<std::function<void()>> changes{
            [&] { history.record(run(u"a"_s)); },
            [&] { history.addFavorite(run(u"b"_s)); },
            [&] { history.updateFavorite(run(u"c"_s)); },
            [&] { history.removeFavorite(QUuid::createUuid()); }, // not in the list: still written
            [&] { history.clearRecent(); },
        };
        for (const auto &change : changes) {
            defaults->writes.clear();
            change();
            QCOMPARE(defaults->writes.size(), 2);
            QCOMPARE(defaults->writes.at(0).key, CommandHistory::recentKey());
            QCOMPARE(defaults->writes.at(1).key, CommandHistory::favoritesKey());
        }
        QVERIFY(history.recent().isEmpty());
        QCOMPARE(texts(history.favorites()), (QStringList{u"b"_s, u"c"_s}));
    }

    void favorites()
    {
        CommandHistory history(std::make_shared<InMemoryUserDefaults>());
        const SavedCommand build = run(u"make"_s, u"/src"_s, u"Build"_s);
        const SavedCommand test = run(u"make test"_s, u"/src"_s, u"Test"_s);
        history.addFavorite(build);
        history.addFavorite(test);
        QVERIFY(history.favorites().first().isFavorite);

        SavedCommand renamed = build;
        renamed.name = u"Build all"_s;
        history.addFavorite(renamed);
        QCOMPARE(history.favorites().size(), 2);
        QCOMPARE(history.favorites().last().name, u"Build all"_s); // moved to the end

        SavedCommand edited = test; // isFavorite false: updateFavorite keeps it as given, in place
        edited.command = u"make check"_s;
        history.updateFavorite(edited);
        QCOMPARE(history.favorites().first(), edited);

        history.removeFavorite(test.id);
        QCOMPARE(history.favorite(test.id), std::nullopt);
        QCOMPARE(history.favorite(build.id)->name, u"Build all"_s);
        QVERIFY(history.recent().isEmpty());
    }

    void listsSurviveReload()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        const SavedCommand finished = run(u"cargo build"_s, u"/src/app"_s, u"Build"_s);
        const SavedCommand bare{QUuid::createUuid(), u""_s, u"echo \"hi\" \\ ü"_s, {}, u""_s, false, {}, {}};
        {
            CommandHistory history(defaults);
            history.record(finished);
            history.record(bare);
            history.addFavorite(finished);
        }
        const CommandHistory reloaded(defaults);
        QCOMPARE(reloaded.recent(), (QList<SavedCommand>{bare, finished}));
        QCOMPARE(reloaded.favorites().size(), 1);
        QVERIFY(reloaded.favorites().first().isFavorite);

        // Nothing optional: exactly the five required members.
        const QJsonObject object = stored(*defaults, CommandHistory::recentKey()).first().toObject();
        QCOMPARE(object.keys(), (QStringList{u"command"_s, u"id"_s, u"isFavorite"_s, u"name"_s, u"shell"_s}));
    }

    void unreadableListLoadsEmpty()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        const QByteArray oneBad = R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"","command":"ls",
            "shell":"/bin/sh","isFavorite":false},{"id":"0A1B2C3D-4E5F-4061-8293-A4B5C6D7E8F9","name":"",
            "command":"pwd","isFavorite":false}])";
        defaults->values.insert(CommandHistory::recentKey(), oneBad);
        const QByteArray nullOptionals = R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x",
            "command":"ls","shell":"/bin/sh","isFavorite":true,"workingDirectory":null,"lastRunAt":null}])";
        defaults->values.insert(CommandHistory::favoritesKey(), nullOptionals);

        CommandHistory history(defaults);
        QVERIFY(history.recent().isEmpty());
        QCOMPARE(history.favorites().size(), 1); // null optionals read as absent
        QVERIFY(defaults->writes.isEmpty());

        // The next write stores what is in memory: only the new run.
        history.record(run(u"make"_s));
        QCOMPARE(stored(*defaults, CommandHistory::recentKey()).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCommandHistory)
#include "tst_command_history.moc"
