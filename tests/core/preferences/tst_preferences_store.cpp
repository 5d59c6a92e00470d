#include "InMemoryUserDefaults.h"
#include "preferences/PreferencesStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

using Stored = PreferencesStore::Stored;

namespace {

const QUuid ruleA(u"E621E1F8-C36C-495A-93FC-0C247A3E6E5F"_s);
const QUuid ruleB(u"0A1B2C3D-4E5F-4061-8293-A4B5C6D7E8F9"_s);

// A record that differs from the defaults in every member, so a partial load shows.
Stored customRecord()
{
    return Stored{true,
                  false,
                  false,
                  AwakeMode::Display,
                  1800.5,
                  false,
                  false,
                  BatterySettings{false, true, true, 10, 30},
                  {ProcessRule{ruleA, u"node"_s, true, ProcessMatchMode::Contains},
                   ProcessRule{ruleB, u"cargo"_s, false, ProcessMatchMode::Exact}},
                  3.0,
                  false,
                  u"/bin/bash"_s,
                  u"/tmp/work dir"_s,
                  false};
}

QByteArray bytesOf(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

Stored current(const PreferencesStore &store)
{
    return Stored{store.launchAtLogin(),
                  store.showNotifications(),
                  store.quietProcessNotifications(),
                  store.defaultMode(),
                  store.defaultDurationSeconds(),
                  store.confirmIndefinite(),
                  store.showRemainingTime(),
                  store.battery(),
                  store.processRules(),
                  store.pollInterval(),
                  store.warnOnBroadNames(),
                  store.defaultShell(),
                  store.defaultWorkingDirectory(),
                  store.keepCommandHistory()};
}

// The default record, with the generated rule identifier taken from what was loaded.
bool isDefaultRecord(const Stored &record)
{
    if (record.processRules.size() != 1)
        return false;
    Stored expected = Stored::defaultRecord();
    expected.processRules.first().id = record.processRules.first().id;
    return record == expected && !record.processRules.first().id.isNull();
}

std::optional<Stored> decoded(const QByteArray &bytes)
{
    return Stored::fromJson(QJsonDocument::fromJson(bytes).object());
}

std::shared_ptr<InMemoryUserDefaults> storeHolding(const QByteArray &bytes)
{
    auto defaults = std::make_shared<InMemoryUserDefaults>();
    defaults->values.insert(PreferencesStore::key(), bytes);
    return defaults;
}

} // namespace

class TestPreferencesStore : public QObject {
    Q_OBJECT

    std::optional<QByteArray> m_savedShell;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet("SHELL"))
            m_savedShell = qgetenv("SHELL");
        qputenv("SHELL", "/bin/sh");
    }

    void cleanupTestCase()
    {
        if (m_savedShell)
            qputenv("SHELL", *m_savedShell);
        else
            qunsetenv("SHELL");
    }

    void defaultsWithNothingStored()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        const PreferencesStore store(defaults);

        QVERIFY(!store.launchAtLogin());
        QVERIFY(store.showNotifications());
        QVERIFY(store.quietProcessNotifications());
        QCOMPARE(store.defaultMode(), AwakeMode::System);
        QCOMPARE(store.defaultDurationSeconds(), 3600.0);
        QVERIFY(store.confirmIndefinite());
        QVERIFY(store.showRemainingTime());
        QCOMPARE(store.battery(), (BatterySettings{true, false, false, 15, 25}));
        QCOMPARE(store.processRules().size(), 1);
        const ProcessRule &rule = store.processRules().first();
        QCOMPARE(rule.name, u"claude"_s);
        QVERIFY(!rule.enabled);
        QCOMPARE(rule.matchMode, ProcessMatchMode::Exact);
        QVERIFY(!rule.id.isNull());
        QCOMPARE(store.pollInterval(), 5.0);
        QVERIFY(store.warnOnBroadNames());
        QCOMPARE(store.defaultShell(), u"/bin/sh"_s);
        QCOMPARE(store.defaultWorkingDirectory(), QString());
        QVERIFY(store.keepCommandHistory());

        QVERIFY(defaults->writes.isEmpty());
        QCOMPARE(PreferencesStore::pollIntervalOptions(), (QList<double>{2.0, 5.0, 10.0, 30.0}));
    }

    void defaultShellFromEnvironment_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("shell");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unset") << std::optional<QByteArray>() << u"/bin/zsh"_s;
        QTest::newRow("set") << std::optional<QByteArray>("/usr/bin/fish") << u"/usr/bin/fish"_s;
        QTest::newRow("verbatim") << std::optional<QByteArray>(" /bin/ksh ") << u" /bin/ksh "_s;
        QTest::newRow("empty stays empty") << std::optional<QByteArray>("") << QString();
    }

    void defaultShellFromEnvironment()
    {
        QFETCH(std::optional<QByteArray>, shell);
        QFETCH(QString, expected);
        if (shell)
            qputenv("SHELL", *shell);
        else
            qunsetenv("SHELL");
        const PreferencesStore store(std::make_shared<InMemoryUserDefaults>());
        qputenv("SHELL", "/bin/sh");
        QCOMPARE(store.defaultShell(), expected);
    }

    void defaultRuleIdIsNewUntilFirstAssignment()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        const QUuid first = PreferencesStore(defaults).processRules().first().id;
        PreferencesStore second(defaults);
        const QUuid secondId = second.processRules().first().id;
        QVERIFY(first != secondId);

        second.setShowNotifications(false);
        const PreferencesStore third(defaults);
        QCOMPARE(third.processRules().first().id, secondId);
        QVERIFY(!third.showNotifications());
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");

        const QJsonObject good = customRecord().toJson();
        QTest::newRow("complete") << bytesOf(good) << true;

        for (const QString &member : good.keys()) {
            QJsonObject without = good;
            without.remove(member);
            QTest::addRow("missing %s", qPrintable(member)) << bytesOf(without) << false;
        }
        for (const QString &member : good.value("battery"_L1).toObject().keys()) {
            QJsonObject battery = good.value("battery"_L1).toObject();
            battery.remove(member);
            QJsonObject record = good;
            record.insert("battery"_L1, battery);
            QTest::addRow("battery missing %s", qPrintable(member)) << bytesOf(record) << false;
        }

        const auto with = [&](const QString &member, const QJsonValue &value) {
            QJsonObject record = good;
            record.insert(member, value);
            return bytesOf(record);
        };
        const auto ruleWith = [&](const QString &member, const QJsonValue &value) {
            QJsonObject rule = customRecord().processRules.first().toJson();
            if (value.isUndefined())
                rule.remove(member);
            else
                rule.insert(member, value);
            return with(u"processRules"_s, QJsonArray{rule});
        };
        QTest::newRow("bool as text") << with(u"launchAtLogin"_s, u"true"_s) << false;
        QTest::newRow("bool as number") << with(u"keepCommandHistory"_s, 1) << false;
        QTest::newRow("unknown mode") << with(u"defaultMode"_s, u"System"_s) << false;
        QTest::newRow("number as text") << with(u"pollInterval"_s, u"5"_s) << false;
        QTest::newRow("number null") << with(u"defaultDurationSeconds"_s, QJsonValue::Null) << false;
        QTest::newRow("shell null") << with(u"defaultShell"_s, QJsonValue::Null) << false;
        QTest::newRow("battery not object") << with(u"battery"_s, QJsonArray{}) << false;
        QTest::newRow("battery fraction threshold")
            << with(u"battery"_s, QJsonObject{{"warnOnBattery"_L1, true},
                                              {"onlyWhilePluggedIn"_L1, false},
                                              {"autoStopEnabled"_L1, false},
                                              {"autoStopThreshold"_L1, 15.5},
                                              {"warningThreshold"_L1, 25}})
            << false;
        QTest::newRow("rules not array") << with(u"processRules"_s, QJsonObject{}) << false;
        QTest::newRow("rule not object") << with(u"processRules"_s, QJsonArray{u"claude"_s}) << false;
        QTest::newRow("rule unknown match mode") << ruleWith(u"matchMode"_s, u"prefix"_s) << false;
        QTest::newRow("rule missing id") << ruleWith(u"id"_s, QJsonValue::Undefined) << false;
        QTest::newRow("rule malformed id") << ruleWith(u"id"_s, u"not-a-uuid"_s) << false;
        QTest::newRow("not json") << QByteArray("{\"launchAtLogin\":") << false;
        QTest::newRow("empty bytes") << QByteArray() << false;
        QTest::newRow("array") << QByteArray("[]") << false;

        QJsonObject extra = good;
        extra.insert("futureSetting"_L1, u"x"_s);
        QTest::newRow("extra member ignored") << bytesOf(extra) << true;
        QTest::newRow("no rules") << with(u"processRules"_s, QJsonArray{}) << true;
        QTest::newRow("other order and whitespace")
            << QByteArray(R"( { "keepCommandHistory" : false, "defaultWorkingDirectory":"/tmp/work dir",
                "defaultShell":"/bin/bash","warnOnBroadNames":false,"pollInterval":3,
                "processRules":[{"name":"node","matchMode":"contains","id":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f","enabled":true},
                                {"id":"0A1B2C3D-4E5F-4061-8293-A4B5C6D7E8F9","enabled":false,"matchMode":"exact","name":"cargo"}],
                "battery":{"warningThreshold":30,"autoStopThreshold":10,"autoStopEnabled":true,"onlyWhilePluggedIn":true,"warnOnBattery":false},
                "showRemainingTime":false,"confirmIndefinite":false,"defaultDurationSeconds":1800.5,
                "defaultMode":"display","quietProcessNotifications":false,"showNotifications":false,"launchAtLogin":true}
                )")
            << true;
    }

    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        auto defaults = storeHolding(bytes);
        const PreferencesStore store(defaults);

        if (accepted) {
            Stored expected = customRecord();
            if (qstrcmp(QTest::currentDataTag(), "no rules") == 0)
                expected.processRules.clear();
            QCOMPARE(current(store), expected);
        } else {
            QVERIFY(isDefaultRecord(current(store)));
        }
        // Whatever was stored stays untouched until the first assignment.
        QVERIFY(defaults->writes.isEmpty());
        QCOMPARE(defaults->data(PreferencesStore::key()), bytes);
    }

    void writesCompactCompleteRecord()
    {
        auto defaults = storeHolding(bytesOf(customRecord().toJson()));
        PreferencesStore store(defaults);
        store.setLaunchAtLogin(false);

        const QByteArray written = *defaults->data(PreferencesStore::key());
        QCOMPARE(QJsonDocument::fromJson(written).object().size(), 14);
        QVERIFY(!written.contains('\n'));
        QVERIFY(!written.contains("\": "));
        Stored expected = customRecord();
        expected.launchAtLogin = false;
        QCOMPARE(decoded(written), expected);
    }

    void everyAssignmentPublishesThenWritesOnce()
    {
        struct Case {
            const char *name;
            void (PreferencesStore::*changed)();
            std::function<void(PreferencesStore &)> assign;
        };
        const Stored custom = customRecord();
        const QList<Case> cases{
            {"launchAtLogin", &PreferencesStore::launchAtLoginChanged,
             [&](PreferencesStore &s) { s.setLaunchAtLogin(custom.launchAtLogin); }},
            {"showNotifications", &PreferencesStore::showNotificationsChanged,
             [&](PreferencesStore &s) { s.setShowNotifications(custom.showNotifications); }},
            {"quietProcessNotifications", &PreferencesStore::quietProcessNotificationsChanged,
             [&](PreferencesStore &s) { s.setQuietProcessNotifications(custom.quietProcessNotifications); }},
            {"defaultMode", &PreferencesStore::defaultModeChanged,
             [&](PreferencesStore &s) { s.setDefaultMode(custom.defaultMode); }},
            {"defaultDurationSeconds", &PreferencesStore::defaultDurationSecondsChanged,
             [&](PreferencesStore &s) { s.setDefaultDurationSeconds(custom.defaultDurationSeconds); }},
            {"confirmIndefinite", &PreferencesStore::confirmIndefiniteChanged,
             [&](PreferencesStore &s) { s.setConfirmIndefinite(custom.confirmIndefinite); }},
            {"showRemainingTime", &PreferencesStore::showRemainingTimeChanged,
             [&](PreferencesStore &s) { s.setShowRemainingTime(custom.showRemainingTime); }},
            {"battery", &PreferencesStore::batteryChanged,
             [&](PreferencesStore &s) { s.setBattery(custom.battery); }},
            {"processRules", &PreferencesStore::processRulesChanged,
             [&](PreferencesStore &s) { s.setProcessRules(custom.processRules); }},
            {"pollInterval", &PreferencesStore::pollIntervalChanged,
             [&](PreferencesStore &s) { s.setPollInterval(custom.pollInterval); }},
            {"warnOnBroadNames", &PreferencesStore::warnOnBroadNamesChanged,
             [&](PreferencesStore &s) { s.setWarnOnBroadNames(custom.warnOnBroadNames); }},
            {"defaultShell", &PreferencesStore::defaultShellChanged,
             [&](PreferencesStore &s) { s.setDefaultShell(custom.defaultShell); }},
            {"defaultWorkingDirectory", &PreferencesStore::defaultWorkingDirectoryChanged,
             [&](PreferencesStore &s) { s.setDefaultWorkingDirectory(custom.defaultWorkingDirectory); }},
            {"keepCommandHistory", &PreferencesStore::keepCommandHistoryChanged,
             [&](PreferencesStore &s) { s.setKeepCommandHistory(custom.keepCommandHistory); }},
        };

        auto defaults = std::make_shared<InMemoryUserDefaults>();
        PreferencesStore store(defaults);
        qsizetype writesSeenByObservers = -1;
        for (const Case &c : cases) {
            const QMetaObject::Connection connection =
                connect(&store, c.changed, this, [&] { writesSeenByObservers = defaults->writes.size(); });
            for (int round = 0; round < 2; ++round) { // the second assigns the same value again
                const qsizetype writesBefore = defaults->writes.size();
                QSignalSpy spy(&store, c.changed);
                c.assign(store);
                QVERIFY2(spy.size() == 1, c.name);
                QVERIFY2(writesSeenByObservers == writesBefore, c.name); // published before written
                QVERIFY2(defaults->writes.size() == writesBefore + 1, c.name);
                QVERIFY2(decoded(defaults->writes.last().bytes) == current(store), c.name);
            }
            disconnect(connection);
        }
        // Each setter reached its own field: the fourteen together give the custom record.
        QCOMPARE(current(store), custom);
    }

    void keepsUnlistedPollIntervalAndWholeBattery()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        {
            PreferencesStore store(defaults);
            store.setPollInterval(3.0);
            const BatterySettings battery{false, true, true, 5, 40};
            store.setBattery(battery);
            QCOMPARE(defaults->writes.size(), 2);
        }
        const PreferencesStore reloaded(defaults);
        QCOMPARE(reloaded.pollInterval(), 3.0);
        QCOMPARE(reloaded.battery(), (BatterySettings{false, true, true, 5, 40}));
    }

    void nonFiniteNumbersStayInMemoryOnly()
    {
        auto defaults = std::make_shared<InMemoryUserDefaults>();
        PreferencesStore store(defaults);
        store.setPollInterval(10.0);
        const QByteArray stored = *defaults->data(PreferencesStore::key());

        QSignalSpy spy(&store, &PreferencesStore::defaultDurationSecondsChanged);
        store.setDefaultDurationSeconds(std::numeric_limits<double>::infinity());
        store.setPollInterval(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(spy.size(), 1);
        QVERIFY(std::isinf(store.defaultDurationSeconds()));
        QCOMPARE(defaults->writes.size(), 1);
        QCOMPARE(*defaults->data(PreferencesStore::key()), stored);

        // The next finite assignment writes again; the record on disk stays loadable throughout.
        store.setDefaultDurationSeconds(60.0);
        store.setPollInterval(2.0);
        const PreferencesStore reloaded(defaults);
        QCOMPARE(reloaded.defaultDurationSeconds(), 60.0);
        QCOMPARE(reloaded.pollInterval(), 2.0);
    }

    void refusedWriteKeepsValueInMemory()
    {
        auto defaults = storeHolding(bytesOf(customRecord().toJson()));
        defaults->failWrites = true;
        PreferencesStore store(defaults);
        QSignalSpy spy(&store, &PreferencesStore::defaultShellChanged);
        store.setDefaultShell(u"/usr/bin/fish"_s);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(store.defaultShell(), u"/usr/bin/fish"_s);
        QCOMPARE(decoded(*defaults->data(PreferencesStore::key())), customRecord());
    }
};

QTEST_GUILESS_MAIN(TestPreferencesStore)
#include "tst_preferences_store.moc"
