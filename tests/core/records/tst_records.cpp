#include "commands/SavedCommand.h"
#include "power/BatterySettings.h"
#include "processes/ProcessRule.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

class TestRecords : public QObject {
    Q_OBJECT

    static QJsonObject parse(const char *json) { return QJsonDocument::fromJson(json).object(); }

    static RunningProcess proc(const QString &exe, const QString &cmd) { return {1, exe, cmd}; }

private slots:
    void ruleMatching()
    {
        const ProcessRule claude{QUuid::createUuid(), u"Claude"_s, true, ProcessMatchMode::Exact};
        QVERIFY(claude.matches(proc(u"claude"_s, u"/usr/bin/claude"_s)));
        QVERIFY(claude.matches(proc(u"CLAUDE"_s, u"x"_s)));
        QVERIFY(!claude.matches(proc(u"claude-cli"_s, u"claude-cli"_s)));
        QVERIFY(!claude.matches(proc(u"node"_s, u"node /opt/claude/cli.js claude"_s)));

        const ProcessRule node{QUuid::createUuid(), u"node"_s, true, ProcessMatchMode::Contains};
        QVERIFY(node.matches(proc(u"node"_s, u"/usr/local/bin/node server.js"_s)));
        QVERIFY(node.matches(proc(u"npm"_s, u"npm exec nodemon"_s)));

        const ProcessRule empty{QUuid::createUuid(), QString(), true, ProcessMatchMode::Contains};
        QCOMPARE(empty.matchCount({proc(u"a"_s, u"a"_s), proc(u"b"_s, u"b c"_s)}), 0);
        const ProcessRule space{QUuid::createUuid(), u" "_s, true, ProcessMatchMode::Contains};
        QCOMPARE(space.matchCount({proc(u"a"_s, u"a"_s), proc(u"b"_s, u"b c"_s)}), 1);

        // Full Unicode lower-casing on both sides.
        const ProcessRule greek{QUuid::createUuid(), u"ΣΟΦΙΑ"_s, false, ProcessMatchMode::Exact};
        QVERIFY(greek.matches(proc(u"σοφια"_s, u""_s)));
        // matchCount ignores enabled; the watcher applies it.
        QCOMPARE(greek.matchCount({proc(u"Σοφια"_s, u""_s)}), 1);
    }

    void broadNames()
    {
        const auto broad = [](const QString &name) {
            return ProcessRule{QUuid::createUuid(), name, true, ProcessMatchMode::Exact}.isBroad();
        };
        QVERIFY(broad(u"RUBY"_s));
        QVERIFY(broad(u"python3"_s));
        QVERIFY(broad(u"Node"_s));
        QVERIFY(!broad(u"ruby3.2"_s));
        QVERIFY(!broad(u" node"_s));
        QCOMPARE(ProcessRule::broadNames().size(), 9);
        QCOMPARE(ProcessRule::suggestedNames().size(), 12);
        QCOMPARE(ProcessRule::suggestedNames().first(), u"claude"_s);
    }

    void ruleJson()
    {
        const ProcessRule rule{QUuid::createUuid(), u"claude"_s, false, ProcessMatchMode::Contains};
        const QJsonObject json = rule.toJson();
        QCOMPARE(json.keys(), (QStringList{u"enabled"_s, u"id"_s, u"matchMode"_s, u"name"_s}));
        QCOMPARE(json.value(u"matchMode"_s).toString(), u"contains"_s);
        QCOMPARE(ProcessRule::fromJson(json), rule);

        QJsonObject noEnabled = json;
        noEnabled.remove(u"enabled"_s);
        QCOMPARE(ProcessRule::fromJson(noEnabled), std::nullopt);
        QJsonObject badMode = json;
        badMode.insert(u"matchMode"_s, u"Exact"_s);
        QCOMPARE(ProcessRule::fromJson(badMode), std::nullopt);
        // Any member order, lower-case identifiers accepted.
        const auto reordered = ProcessRule::fromJson(parse(
            R"({"matchMode":"exact","name":"x","enabled":true,"id":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f"})"));
        QVERIFY(reordered);
        QCOMPARE(reordered->id, QUuid(u"E621E1F8-C36C-495A-93FC-0C247A3E6E5F"_s));
    }

    void batterySettingsJson()
    {
        const BatterySettings defaults;
        QCOMPARE(defaults, (BatterySettings{true, false, false, 15, 25}));
        const BatterySettings custom{false, true, true, 10, 30};
        QCOMPARE(BatterySettings::fromJson(custom.toJson()), custom);
        QCOMPARE(custom.toJson().size(), 5);

        QJsonObject missing = custom.toJson();
        missing.remove(u"warningThreshold"_s);
        QCOMPARE(BatterySettings::fromJson(missing), std::nullopt);
        QJsonObject fractional = custom.toJson();
        fractional.insert(u"autoStopThreshold"_s, 12.5);
        QCOMPARE(BatterySettings::fromJson(fractional), std::nullopt);
        QJsonObject stringBool = custom.toJson();
        stringBool.insert(u"warnOnBattery"_s, u"true"_s);
        QCOMPARE(BatterySettings::fromJson(stringBool), std::nullopt);
    }

    void savedCommandJson()
    {
        const QUuid id = QUuid::createUuid();
        const SavedCommand bare{id, u"Build"_s, u"make"_s, std::nullopt, u"/bin/bash"_s, false, std::nullopt, std::nullopt};
        const QJsonObject json = bare.toJson();
        QCOMPARE(json.keys(), (QStringList{u"command"_s, u"id"_s, u"isFavorite"_s, u"name"_s, u"shell"_s}));
        QCOMPARE(json.value(u"id"_s).toString(), id.toString(QUuid::WithoutBraces).toUpper());
        QCOMPARE(SavedCommand::fromJson(json), bare);

        // Dates are seconds since 2001-01-01 UTC.
        SavedCommand full = bare;
        full.workingDirectory = u"~/src"_s;
        full.lastRunAt = QDateTime(QDate(2001, 1, 1), QTime(0, 1, 0, 500), QTimeZone::utc());
        full.lastExitCode = -2;
        QCOMPARE(full.toJson().value(u"lastRunAt"_s).toDouble(), 60.5);
        QCOMPARE(SavedCommand::fromJson(full.toJson()), full);

        // null means absent; wrong types and missing required members fail.
        QJsonObject nulls = json;
        nulls.insert(u"workingDirectory"_s, QJsonValue::Null);
        nulls.insert(u"lastExitCode"_s, QJsonValue::Null);
        QCOMPARE(SavedCommand::fromJson(nulls), bare);
        QJsonObject noShell = json;
        noShell.remove(u"shell"_s);
        QCOMPARE(SavedCommand::fromJson(noShell), std::nullopt);
        QJsonObject badCode = json;
        badCode.insert(u"lastExitCode"_s, u"0"_s);
        QCOMPARE(SavedCommand::fromJson(badCode), std::nullopt);
        QCOMPARE(SavedCommand::fromJson(QJsonArray{}), std::nullopt);
    }

    void displayTitleAndDefaultShell()
    {
        SavedCommand c{QUuid::createUuid(), u" \t Build \t"_s, u"make all"_s, {}, u"/bin/sh"_s, false, {}, {}};
        QCOMPARE(c.displayTitle(), u"Build"_s);
        c.name = u" \t "_s;
        QCOMPARE(c.displayTitle(), u"make all"_s);
        c.name = u"\nx\n"_s; // only spaces and tabs are trimmed
        QCOMPARE(c.displayTitle(), u"\nx\n"_s);

        const QByteArray saved = qgetenv("SHELL");
        qputenv("SHELL", "/usr/bin/fish");
        QCOMPARE(SavedCommand::defaultShell(), u"/usr/bin/fish"_s);
        // Without SHELL a shell that exists (the login shell, or /bin/sh), never a made-up one.
        qunsetenv("SHELL");
        const QString fallback = SavedCommand::defaultShell();
        QVERIFY2(fallback.startsWith(u'/') && QFileInfo(fallback).isExecutable(), qPrintable(fallback));
        qputenv("SHELL", "");
        QCOMPARE(SavedCommand::defaultShell(), fallback); // empty names no shell either
        qputenv("SHELL", saved);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
