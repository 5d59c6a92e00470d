#pragma once

#include "power/AwakeReason.h"
#include "power/PowerAssertion.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

// Owns the list of active reasons and keeps the single OS lock in step with it: one lock while
// the list is non-empty, in the strongest mode any reason asks for; none when it is empty.
// Every change ends with exactly one reconciliation. The lock may be granted later: meanwhile the
// manager says it is being taken (isTakingLock), and the backend's report settles it.
class AssertionManager final : public QObject {
    Q_OBJECT
public:
    explicit AssertionManager(std::shared_ptr<PowerAssertionControlling> assertion,
                              std::function<void()> onChange = {}, QObject *parent = nullptr);
    ~AssertionManager() override;

    static QString assertionFailedMessage();
    // The name the lock is taken under, visible to the system's tools ("Vigila: keep system awake").
    static QString lockName(AwakeMode mode);

    const QList<AwakeReason> &reasons() const { return m_reasons; }
    bool isAssertionActive() const { return m_isAssertionActive; }
    // Reasons are active and the lock is asked for, but no service has answered yet.
    bool isTakingLock() const { return m_isTakingLock; }
    std::optional<AwakeMode> currentMode() const { return m_currentMode; }
    const std::optional<QString> &lastError() const { return m_lastError; }
    // With lastError: the services asked for the lock, named for users, when the backend knows.
    const QStringList &servicesTried() const { return m_servicesTried; }
    // "Tried the desktop portal, logind: none available." with lastError; empty when unknown.
    QString failureDetail() const;
    PowerAssertionControlling &assertion() const { return *m_assertion; }

    std::optional<AwakeMode> effectiveMode() const;
    bool hasReason(ReasonType type) const;
    std::optional<AwakeReason> firstReason(ReasonType type) const;

    void addReason(const AwakeReason &reason);
    void removeReason(const QUuid &id);
    void removeReasons(ReasonType type);
    void updateReason(const QUuid &id, const std::function<void(AwakeReason &)> &mutate);
    void stopAll();
    // Releases the lock at exit; keeps the reasons and lastError, does not call onChange. Later
    // changes to the reasons no longer touch the lock.
    void shutdown();
    // The backend's lock changed on its own (taken later, lost with its service, or found
    // impossible): mirror what it holds now. Called through the backend's onLockChanged.
    void resync();

signals:
    // Emitted on every assignment, also when the value is unchanged.
    void reasonsChanged();
    void isAssertionActiveChanged();
    void isTakingLockChanged();
    void currentModeChanged();
    void lastErrorChanged();

private:
    void setReasons(QList<AwakeReason> reasons);
    void setIsAssertionActive(bool value);
    void setIsTakingLock(bool value);
    void setCurrentMode(std::optional<AwakeMode> mode);
    void setLastError(std::optional<QString> error);
    // askAgain: a standing request that found no lock is sent again.
    void reconcile(bool askAgain = true);

    QList<AwakeReason> m_reasons;
    bool m_isAssertionActive = false;
    bool m_isTakingLock = false;
    std::optional<AwakeMode> m_currentMode;
    std::optional<QString> m_lastError;
    QStringList m_servicesTried;
    std::shared_ptr<PowerAssertionControlling> m_assertion;
    std::function<void()> m_onChange;
    bool m_shutDown = false;
};
