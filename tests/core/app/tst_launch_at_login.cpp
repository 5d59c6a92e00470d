#include "FakeLoginItemService.h"
#include "LogCapture.h"
#include "app/LaunchAtLogin.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLaunchAtLogin : public QObject {
    Q_OBJECT

private slots:
    void set_data()
    {
        QTest::addColumn<bool>("supported");
        QTest::addColumn<bool>("enabledBefore");
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<std::optional<QString>>("failure");
        QTest::addColumn<bool>("takesEffect");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("registers");
        QTest::addColumn<int>("unregisters");
        using Failure = std::optional<QString>;
        // clang-format off
        QTest::newRow("register")             << true  << false << true  << Failure() << true  << true  << 1 << 0;
        QTest::newRow("unregister")           << true  << true  << false << Failure() << true  << false << 0 << 1;
        QTest::newRow("already registered")   << true  << true  << true  << Failure() << true  << true  << 0 << 0;
        QTest::newRow("already unregistered") << true  << false << false << Failure() << true  << false << 0 << 0;
        QTest::newRow("unsupported")          << false << false << true  << Failure() << true  << false << 0 << 0;
        QTest::newRow("unsupported, stale")   << false << true  << false << Failure() << true  << false << 0 << 0;
        QTest::newRow("register fails")       << true  << false << true  << Failure(u"denied"_s) << true << false << 1 << 0;
        QTest::newRow("unregister fails")     << true  << true  << false << Failure(u"denied"_s) << true << true  << 0 << 1;
        QTest::newRow("register ignored")     << true  << false << true  << Failure() << false << false << 1 << 0;
        // clang-format on
    }

    void set()
    {
        QFETCH(bool, supported);
        QFETCH(bool, enabledBefore);
        QFETCH(bool, wanted);
        QFETCH(std::optional<QString>, failure);
        QFETCH(bool, takesEffect);
        QFETCH(bool, result);
        QFETCH(int, registers);
        QFETCH(int, unregisters);

        FakeLoginItemService service;
        service.supported = supported;
        service.enabled = enabledBefore;
        service.failure = failure;
        service.registrationTakesEffect = takesEffect;

        const LogCapture log;
        QCOMPARE(LaunchAtLogin::set(service, wanted), result);
        QCOMPARE(LaunchAtLogin::isEnabled(service), result);
        QCOMPARE(service.registerCalls, registers);
        QCOMPARE(service.unregisterCalls, unregisters);
        const QStringList expectedLog =
            failure ? QStringList{u"Launch at login change failed: "_s + *failure} : QStringList{};
        QCOMPARE(log.texts(QtCriticalMsg), expectedLog);
    }
};

QTEST_GUILESS_MAIN(TestLaunchAtLogin)
#include "tst_launch_at_login.moc"
