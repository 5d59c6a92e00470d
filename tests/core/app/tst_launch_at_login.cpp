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
        const std::optional<QString> ok, denied(u"denied"_s);
        constexpr bool Y = true, N = false;
        // clang-format off
        QTest::newRow("register")             << Y << N << Y << ok     << Y << Y << 1 << 0;
        QTest::newRow("unregister")           << Y << Y << N << ok     << Y << N << 0 << 1;
        QTest::newRow("already registered")   << Y << Y << Y << ok     << Y << Y << 0 << 0;
        QTest::newRow("already unregistered") << Y << N << N << ok     << Y << N << 0 << 0;
        QTest::newRow("unsupported")          << N << N << Y << ok     << Y << N << 0 << 0;
        QTest::newRow("unsupported, stale")   << N << Y << N << ok     << Y << N << 0 << 0;
        QTest::newRow("register fails")       << Y << N << Y << denied << Y << N << 1 << 0;
        QTest::newRow("unregister fails")     << Y << Y << N << denied << Y << Y << 0 << 1;
        QTest::newRow("register ignored")     << Y << N << Y << ok     << N << N << 1 << 0;
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
