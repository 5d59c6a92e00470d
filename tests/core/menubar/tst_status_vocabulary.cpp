#include "menubar/StatusIconState.h"
#include "safety/HonestStatus.h"
#include "safety/SafetyCopy.h"

#include <QTest>

using namespace Qt::StringLiterals;
using S = StatusIconState;

class TestStatusVocabulary : public QObject {
    Q_OBJECT

    static AwakeReason r(ReasonType type, AwakeMode mode = AwakeMode::System)
    {
        return {QUuid::createUuid(), type, u"x"_s, QDateTime::currentDateTimeUtc(), std::nullopt, mode};
    }

private slots:
    void resolvePrecedence()
    {
        using T = ReasonType;
        const auto all = QList<AwakeReason>{r(T::Manual), r(T::Timed), r(T::UntilTime), r(T::Process), r(T::Command)};
        const auto sys = std::optional<AwakeMode>(AwakeMode::System);
        const auto disp = std::optional<AwakeMode>(AwakeMode::Display);

        QCOMPARE(StatusIcon::resolve({}, std::nullopt, false, false), S::Inactive);
        QCOMPARE(StatusIcon::resolve({}, std::nullopt, false, true), S::Error);
        QCOMPARE(StatusIcon::resolve({}, std::nullopt, true, false), S::Inactive);
        QCOMPARE(StatusIcon::resolve(all, sys, true, true), S::Error);
        QCOMPARE(StatusIcon::resolve(all, sys, true, false), S::BatteryWarning);
        QCOMPARE(StatusIcon::resolve(all, sys, false, false), S::Command);
        // Order does not matter.
        QCOMPARE(StatusIcon::resolve({r(T::Timed), r(T::Process)}, sys, false, false), S::Process);
        QCOMPARE(StatusIcon::resolve({r(T::Process), r(T::Timed)}, sys, false, false), S::Process);
        QCOMPARE(StatusIcon::resolve({r(T::Manual, AwakeMode::Display), r(T::UntilTime)}, disp, false, false), S::Timed);
        QCOMPARE(StatusIcon::resolve({r(T::Manual, AwakeMode::Display)}, disp, false, false), S::Display);
        QCOMPARE(StatusIcon::resolve({r(T::Manual)}, std::nullopt, false, false), S::System);
    }

    void presentation()
    {
        QCOMPARE(StatusIcon::accessibilityDescription(S::Process), u"Vigila: process-based session active"_s);
        QCOMPARE(StatusIcon::accessibilityDescription(S::BatteryWarning), u"Vigila: battery guardrail triggered"_s);
        QCOMPARE(StatusIcon::accessibilityDescription(S::Error), u"Vigila: assertion failed"_s);
        QCOMPARE(StatusIcon::symbolName(S::Inactive), u"moon.zzz"_s);
        QCOMPARE(StatusIcon::tint(S::BatteryWarning), StatusIcon::Tint::Orange);
        QCOMPARE(StatusIcon::tint(S::Error), StatusIcon::Tint::Red);
        QCOMPARE(StatusIcon::tint(S::Command), StatusIcon::Tint::None);
        QVERIFY(!StatusIcon::isActive(S::Inactive));
        QVERIFY(StatusIcon::isActive(S::Error));
    }

    void honestStatusPicksByReason()
    {
        using T = ReasonType;
        QCOMPARE(HonestStatus::suggested({}), HonestStatus::messages().at(1));
        QCOMPARE(HonestStatus::suggested({r(T::Process), r(T::Command)}), HonestStatus::messages().at(0));
        QCOMPARE(HonestStatus::suggested({r(T::Manual), r(T::Timed)}), HonestStatus::messages().at(1));
        QCOMPARE(HonestStatus::suggested({r(T::Process)}), HonestStatus::messages().at(2));
        QCOMPARE(HonestStatus::defaultMessage(), HonestStatus::messages().at(0));
        // Typographic apostrophe, not ASCII.
        QVERIFY(HonestStatus::messages().at(2).contains(u"I\u2019ll"_s));
        QVERIFY(!HonestStatus::messages().at(2).contains(u'\''));
    }

    void safetyCopyIsVerbatim()
    {
        QCOMPARE(SafetyCopy::safetyBullets().size(), 5);
        QCOMPARE(SafetyCopy::safetyBullets().last(),
                 u"Vigila only uses the standard keep-awake locks of your desktop and systemd-logind."_s);
        QVERIFY(SafetyCopy::broadProcessWarning().startsWith(u"Broad names like \u201Cnode\u201D or \u201Cpython\u201D"_s));
        QCOMPARE(
            SafetyCopy::sleepLimitations(),
            u"Vigila prevents idle sleep. Your computer may still sleep because of lid close, low battery, "
            u"explicit Sleep, or administrator policies."_s);
        // The About tab shows the project version, the one --version, the package and the metainfo carry.
        QCOMPARE(SafetyCopy::version(), QStringLiteral(VIGILA_PROJECT_VERSION));
    }

    // Written for another platform first: on Linux every text names the computer.
    void noTextNamesAnotherPlatform()
    {
        QStringList texts{SafetyCopy::tagline(), SafetyCopy::promise(), SafetyCopy::sleepLimitations(),
                          SafetyCopy::broadProcessWarning()};
        texts << SafetyCopy::safetyBullets() << HonestStatus::messages();
        for (const QString &text : std::as_const(texts)) {
            QVERIFY2(!text.contains(u"Mac"_s), qPrintable(text));
        }
        QCOMPARE(texts.filter(u"computer"_s).size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestStatusVocabulary)
#include "tst_status_vocabulary.moc"
