#include "InMemoryUserDefaults.h"
#include "commands/CommandHistory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

SavedCommand run(const QString &command, std::optional<QString> directory = {}, const QString &name = {})
{
    return SavedCommand{QUuid::createUuid(),
                        name,
                        command,
                        std::move(directory),
                        u"/bin/bash"_s,
                        false,
                        QDateTime(QDate(2026, 3, 10), QTime(12, 0, 0, 250), QTimeZone::utc()),
                        0};
}

QJsonArray storedArray(const InMemoryUserDefaults &defaults, const QString &key)
{
    return QJsonDocument::fromJson(defaults.data(key).value_or(QByteArray())).array();
}

QStringList commandTexts(const QList<SavedCommand> &list)
{
    QStringList texts;
    for (const SavedCommand &c : list)
        texts.append(c.command);
    return texts;
}

} // namespace

class TestCommandHistory : public QObject {
    Q_OBJECT

private slots:
    void recordReplacesSameCommandInSameDirectory_data()
    {
        QTest::addColumn<QString>("firstCommand");
        QTest::addColumn<std::optional<QString>>("firstDirectory");
        QTest::addColumn<QString>("secondCommand");
        QTest::addColumn<std::optional<QString>>("secondDirectory");
        QTest::addColumn<int>("entries");
        using Dir = std::optional<QString>;
        QTest::newRow("same text, same folder")
            << u"make"_s << Dir(u"/src"_s) << u"make"_s << Dir(u"/src"_s) << 1;
        QTest::newRow("same text, no folder") << u"make"_s << Dir() << u"make"_s << Dir() << 1;
        QTest::newRow("two folders") << u"make"_s << Dir(u"/src"_s) << u"make"_s << Dir(u"/doc"_s) << 2;
        QTest::newRow("folder and none") << u"make"_s << Dir(u"/src"_s) << u"make"_s << Dir() << 2;
        QTest::newRow("empty folder is a folder") << u"make"_s << Dir(u""_s) << u"make"_s << Dir() << 2;
        QTest::newRow("text exact") << u"make"_s << Dir() << u"make "_s << Dir() << 2;
        QTest::newRow("text case") << u"make"_s << Dir() << u"Make"_s << Dir() << 2;
    }

    void recordReplacesSameCommandInSameDirectory()
    {
        QFETCH(QString, firstCommand);
        QFETCH(std::optional<QString>, firstDirectory);
        QFETCH(QString, secondCommand);
        QFETCH(std::optional<QString>, secondDirectory);
        QFETCH(int, entries);

        CommandHistory history(std::make_shared<InMemoryUserDefaults>());
        history.record(run(u"ls"_s));
        history.record(run(firstCommand, firstDirectory, u"first"_s));
        SavedCommand second = run(secondCommand, secondDirectory, u"second"_s);
        second.shell = u"/bin/zsh"_s;
        second.lastExitCode = 2;
        history.record(second);

        QCOMPARE(history.recent().size(), entries + 1);
        QCOMPARE(history.recent().first(), second); // the second run's values, at the top
        QCOMPARE(history.recent().last().command, u"ls"_s);
    }

    void recentKeepsTwentyNewestFirst()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        CommandHistory history(defaults);
        QSignalSpy spy(&history, &CommandHistory::recentChanged);
        for (int i = 1; i <= 20; ++i)
            history.record(run(u"job %1"_s.arg(i)));
        QCOMPARE(spy.size(), 40); // removal and insertion each publish

        spy.clear();
        history.record(run(u"job 21"_s));
        QCOMPARE(spy.size(), 3); // ... and the trimming
        QCOMPARE(history.recent().size(), CommandHistory::maxRecent);
        QCOMPARE(history.recent().first().command, u"job 21"_s);
        QCOMPARE(history.recent().last().command, u"job 2"_s);

        // Re-running an old entry moves it up without dropping anything.
        history.record(run(u"job 5"_s));
        QCOMPARE(history.recent().size(), 20);
        QCOMPARE(commandTexts(history.recent()).mid(0, 3),
                 (QStringList{u"job 5"_s, u"job 21"_s, u"job 20"_s}));
        QCOMPARE(storedArray(*defaults, CommandHistory::recentKey()).size(), 20);
    }

    void keepHistoryOffRecordsNothing()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        CommandHistory history(defaults);
        history.record(run(u"a"_s));
        const auto writes = defaults->writes;

        QSignalSpy spy(&history, &CommandHistory::recentChanged);
        history.setKeepHistory(false);
        history.record(run(u"b"_s));
        QCOMPARE(spy.size(), 0);
        QCOMPARE(defaults->writes, writes);
        QCOMPARE(commandTexts(history.recent()), QStringList{u"a"_s});

        history.setKeepHistory(true);
        QCOMPARE(defaults->writes, writes); // switching neither clears nor writes
        QCOMPARE(history.recent().size(), 1);
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
        QCOMPARE(commandTexts(history.favorites()), (QStringList{u"b"_s, u"c"_s}));
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
        QSignalSpy spy(&history, &CommandHistory::favoritesChanged);
        history.addFavorite(renamed);
        QCOMPARE(spy.size(), 2);
        QCOMPARE(history.favorites().size(), 2);
        QCOMPARE(history.favorites().last().name, u"Build all"_s); // moved to the end
        QCOMPARE(history.favorite(build.id)->name, u"Build all"_s);

        SavedCommand edited = test; // isFavorite false: updateFavorite keeps it as given
        edited.command = u"make check"_s;
        history.updateFavorite(edited);
        QCOMPARE(history.favorites().first(), edited);

        history.removeFavorite(test.id);
        QCOMPARE(history.favorites().size(), 1);
        QCOMPARE(history.favorite(test.id), std::nullopt);
        QVERIFY(history.recent().isEmpty()); // favourites never touch recent, nor the reverse

        history.record(history.favorites().first());
        QCOMPARE(history.favorites().size(), 1);
    }

    void listsSurviveReload()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        SavedCommand finished = run(u"cargo build"_s, u"/src/app"_s, u"Build"_s);
        finished.lastRunAt = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 678), QTimeZone::utc());
        finished.lastExitCode = -9;
        SavedCommand bare{QUuid::createUuid(), u""_s, u"echo \"hi\" \\ ü"_s, {}, u""_s, false, {}, {}};
        {
            CommandHistory history(defaults);
            history.record(finished);
            history.record(bare);
            history.addFavorite(finished);
        }
        const CommandHistory reloaded(defaults);
        QCOMPARE(reloaded.recent(), (QList<SavedCommand>{bare, finished}));
        SavedCommand favourite = finished;
        favourite.isFavorite = true;
        QCOMPARE(reloaded.favorites(), QList<SavedCommand>{favourite});

        // A command with nothing optional is stored with exactly the five required members.
        const QJsonObject stored = storedArray(*defaults, CommandHistory::recentKey()).first().toObject();
        QCOMPARE(stored.keys(), (QStringList{u"command"_s, u"id"_s, u"isFavorite"_s, u"name"_s, u"shell"_s}));
        QCOMPARE(stored.value("id"_L1).toString(), bare.id.toString(QUuid::WithoutBraces).toUpper());
    }

    void unreadableListLoadsEmpty_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("element missing shell") << QByteArray(
            R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"","command":"ls","shell":"/bin/sh","isFavorite":false},
                             {"id":"0A1B2C3D-4E5F-4061-8293-A4B5C6D7E8F9","name":"","command":"pwd","isFavorite":false}])");
        QTest::newRow("exit code fraction") << QByteArray(
            R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"","command":"ls","shell":"/bin/sh","isFavorite":false,"lastExitCode":1.5}])");
        QTest::newRow("not an array") << QByteArray(R"({"id":"x"})");
        QTest::newRow("truncated") << QByteArray("[{\"id\":");
        QTest::newRow("empty bytes") << QByteArray();
    }

    void unreadableListLoadsEmpty()
    {
        QFETCH(QByteArray, bytes);
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        defaults->values.insert(CommandHistory::recentKey(), bytes);
        const QByteArray favourites =
            R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x","command":"ls","shell":"/bin/sh","isFavorite":true,"workingDirectory":null,"lastRunAt":null}])";
        defaults->values.insert(CommandHistory::favoritesKey(), favourites);

        CommandHistory history(defaults);
        QVERIFY(history.recent().isEmpty());
        QCOMPARE(history.favorites().size(), 1); // null optionals read as absent
        QCOMPARE(history.favorites().first().workingDirectory, std::nullopt);
        QVERIFY(defaults->writes.isEmpty());
        QCOMPARE(defaults->data(CommandHistory::recentKey()), std::optional(bytes));

        // The next write stores what is in memory: only the new run.
        history.record(run(u"make"_s));
        QCOMPARE(storedArray(*defaults, CommandHistory::recentKey()).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCommandHistory)
#include "tst_command_history.moc"
