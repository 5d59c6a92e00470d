#include "power/AwakeReason.h"
#include "utilities/DateFormatting.h"
#include "utilities/DateMath.h"

#include <QJsonDocument>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestReasons : public QObject {
    Q_OBJECT

    static QDateTime t0() { return QDateTime(QDate(2026, 5, 1), QTime(9, 0), QTimeZone::utc()); }

    static AwakeReason reason(std::optional<QDateTime> endsAt = std::nullopt)
    {
        return {QUuid::createUuid(), ReasonType::Timed, u"Timed: 30m 0s"_s, t0(), endsAt, AwakeMode::System};
    }

private slots:
    void rawValuesAreExactAndCaseSensitive()
    {
        QCOMPARE(fromRawValue<ReasonType>(u"untilTime"), ReasonType::UntilTime);
        QCOMPARE(fromRawValue<ReasonType>(u"untiltime"), std::nullopt);
        QCOMPARE(fromRawValue<ReasonType>(u"until_time"), std::nullopt);
        QCOMPARE(fromRawValue<ReasonType>(u"Manual"), std::nullopt);
        for (ReasonType t : {ReasonType::Manual, ReasonType::Timed, ReasonType::UntilTime, ReasonType::Process,
                             ReasonType::Command})
            QCOMPARE(fromRawValue<ReasonType>(rawValue(t)), t);
        QCOMPARE(fromRawValue<AwakeMode>(u"display"), AwakeMode::Display);
        QCOMPARE(fromRawValue<AwakeMode>(u"System"), std::nullopt);
        QCOMPARE(displayName(AwakeMode::System), u"Keep System Awake"_s);
        QCOMPARE(displayName(AwakeMode::Display), u"Keep Display Awake"_s);
        QCOMPARE(noun(ReasonType::UntilTime), u"Until-time session"_s);
        QCOMPARE(allAwakeModes.front(), AwakeMode::System);
    }

    void remainingIsExactAndNeverNegative()
    {
        QCOMPARE(reason().remaining(t0()), std::nullopt); // absent, not 0
        const AwakeReason r = reason(t0().addSecs(60));
        QCOMPARE(r.remaining(t0().addSecs(60)), 0.0);
        QCOMPARE(r.remaining(t0().addSecs(3600)), 0.0);
        QCOMPARE(r.remaining(t0().addMSecs(58500)), 1.5);
    }

    void hugeDurationsSaturate()
    {
        // A custom duration of 1e300 minutes, or infinity, must land on a finite, valid end.
        for (double seconds : {1e300 * 60, std::numeric_limits<double>::infinity()}) {
            const QDateTime end = DateMath::addSeconds(t0(), seconds);
            QVERIFY(end.isValid());
            QCOMPARE(end, DateMath::latest());
            const auto left = reason(end).remaining(t0());
            QVERIFY(left && std::isfinite(*left) && *left > 0);
            QVERIFY(!DateFormatting::remaining(seconds).isEmpty());
        }
        QCOMPARE(DateMath::addSeconds(t0(), -std::numeric_limits<double>::infinity()), DateMath::earliest());
        QCOMPARE(DateMath::addSeconds(t0(), std::nan("")), t0());
    }

    void identityIsTheIdNotTheValue()
    {
        AwakeReason a = reason();
        AwakeReason b = a;
        b.id = QUuid::createUuid();
        QVERIFY(a != b); // equal fields, different id: different reasons
        AwakeReason c = a;
        c.label = u"changed"_s;
        QVERIFY(a != c);
        QCOMPARE(a.id, c.id);
    }

    void jsonRoundTripAndShape()
    {
        const AwakeReason open = reason();
        const QJsonObject json = open.toJson();
        QCOMPARE(json.size(), 5);
        QVERIFY(!json.contains(u"endsAt"_s));
        QCOMPARE(json.value(u"type"_s).toString(), u"timed"_s);
        QCOMPARE(json.value(u"id"_s).toString(), open.id.toString(QUuid::WithoutBraces).toUpper());
        QCOMPARE(AwakeReason::fromJson(json), open);

        const AwakeReason closed = reason(t0().addSecs(1800));
        QCOMPARE(closed.toJson().size(), 6);
        // Through text and back, as a store would.
        const QByteArray bytes = QJsonDocument(closed.toJson()).toJson(QJsonDocument::Compact);
        QCOMPARE(AwakeReason::fromJson(QJsonDocument::fromJson(bytes).object()), closed);
    }

    void jsonRejectsMissingOrMistypedMembers_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value"); // Undefined = remove the key
        QTest::newRow("no id") << u"id"_s << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("no label") << u"label"_s << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("no startedAt") << u"startedAt"_s << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("lower-case type") << u"type"_s << QJsonValue(u"untiltime"_s);
        QTest::newRow("underscore type") << u"type"_s << QJsonValue(u"until_time"_s);
        QTest::newRow("unknown mode") << u"mode"_s << QJsonValue(u"screen"_s);
        QTest::newRow("label as number") << u"label"_s << QJsonValue(3);
        QTest::newRow("endsAt as text") << u"endsAt"_s << QJsonValue(u"tomorrow"_s);
        QTest::newRow("bad uuid") << u"id"_s << QJsonValue(u"not-a-uuid"_s);
    }

    void jsonRejectsMissingOrMistypedMembers()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QJsonObject json = reason(t0().addSecs(5)).toJson();
        if (value.isUndefined())
            json.remove(key);
        else
            json.insert(key, value);
        QCOMPARE(AwakeReason::fromJson(json), std::nullopt);
    }

    void jsonAcceptsUntilTimeAndNullEnd()
    {
        AwakeReason r = reason();
        r.type = ReasonType::UntilTime;
        QJsonObject json = r.toJson();
        QCOMPARE(json.value(u"type"_s).toString(), u"untilTime"_s);
        json.insert(u"endsAt"_s, QJsonValue::Null);
        QCOMPARE(AwakeReason::fromJson(json), r);
    }
};

QTEST_GUILESS_MAIN(TestReasons)
#include "tst_reasons.moc"
