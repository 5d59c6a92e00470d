#pragma once

#include "app/SessionResult.h"
#include "power/AwakeReason.h"
#include "power/OtherInhibitor.h"
#include "triggers/TriggerRuleEditor.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUuid>
#include <QVariantMap>

#include <chrono>
#include <memory>
#include <optional>

class AppCoordinator;
class HoldRegistry;

// The object behind com.quillmere.Vigila1 (see its XML): reads the coordinator's state and turns
// calls into the same coordinator commands the menu uses. It checks every argument first and
// answers bad ones with a D-Bus error; it never runs a program. Lives on the main thread and must
// not outlive the coordinator.
class ControlService final : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    explicit ControlService(AppCoordinator &coordinator, QObject *parent = nullptr);
    ~ControlService() override;

    // Exports the object and takes the bus name. False (logged) when either fails, for instance
    // when another Vigila already answers on this bus.
    bool registerOn(const QDBusConnection &connection);

    // How long a session command's answer may wait for the lock's services.
    static constexpr std::chrono::milliseconds settleWait{4000};

    // The processes of the clients holding holds, as far as the bus has told them yet: their own
    // locks (a `vigila run` that took one before handing over to us) are ours too.
    QSet<uint> holderPids() const;

    // The interface's methods, named as on the bus; the generated adaptor calls them.
    // Called over the bus, Status answers once the survey of other programs' locks has.
    QVariantMap Status();
    QList<QVariantMap> ListReasons() const;
    QVariantMap StartManual(const QString &mode);
    QVariantMap StartTimed(double seconds, const QString &mode);
    QVariantMap StartUntil(qlonglong unixSeconds, const QString &mode);
    QVariantMap Extend(double seconds);
    void StopReason(const QString &id);
    void StopAll();
    QString Hold(const QString &label, const QString &mode);
    void Release(const QString &id);
    QList<QVariantMap> ListTriggers() const;
    QString AddTrigger(const QVariantMap &trigger);
    void RemoveTrigger(const QString &idOrName);
    void SetTriggerEnabled(const QString &idOrName, bool enabled);

signals:
    void ReasonsChanged();
    void HoldEnded(const QString &id);

private:
    QVariantMap statusMap(const QList<OtherInhibitor> &others) const;
    // "held", "taking", "failed", or empty while nothing is asked for.
    QString lockText() const;
    QVariantMap outcomeMap(const SessionResult &result) const;
    // Rejects a command that did nothing; otherwise answers with its outcome once the lock has
    // settled (a delayed reply over the bus).
    QVariantMap answer(const SessionResult &result);

    // Each answers false after sending the error reply.
    bool reject(const QString &errorName, const QString &message) const;
    bool acceptMode(const QString &text, std::optional<AwakeMode> &mode) const;
    bool acceptSeconds(double seconds) const;
    bool acceptLabel(const QString &label) const;
    bool acceptId(const QString &text, QUuid &id) const;
    bool acceptEdit(const TriggerRuleEditor::Result &result) const;

    void schedulePublish();
    void publish();

    AppCoordinator &m_coordinator;
    std::unique_ptr<HoldRegistry> m_holds;
    QList<AwakeReason> m_published;
    bool m_publishPending = false;
};
