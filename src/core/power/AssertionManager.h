#pragma once

#include "power/AwakeReason.h"
#include "power/PowerAssertion.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

// Owns the list of active reasons and keeps the single OS lock in step with it: one lock while
// the list is non-empty, in the strongest mode any reason asks for; none when it is empty.
// Every change ends with exactly one synchronous reconciliation.
class AssertionManager final : public QObject {
    Q_OBJECT
public:
    explicit AssertionManager(std::shared_ptr<PowerAssertionControlling> assertion,
                              std::function<void()> onChange = {}, QObject *parent = nullptr);

    static QString assertionFailedMessage();
    // The name the lock is taken under, visible to the system's tools ("Vigila: keep system awake").
    static QString lockName(AwakeMode mode);

    const QList<AwakeReason> &reasons() const { return m_reasons; }
    bool isAssertionActive() const { return m_isAssertionActive; }
    std::optional<AwakeMode> currentMode() const { return m_currentMode; }
    const std::optional<QString> &lastError() const { return m_lastError; }
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
    // The backend's lock changed on its own (its service went away, or it took a lock later):
    // mirror what it holds now and reconcile, asking for a lock again if one is missing.
    void resync();

signals:
    // Emitted on every assignment, also when the value is unchanged.
    void reasonsChanged();
    void isAssertionActiveChanged();
    void currentModeChanged();
    void lastErrorChanged();

private:
    void setReasons(QList<AwakeReason> reasons);
    void setIsAssertionActive(bool value);
    void setCurrentMode(std::optional<AwakeMode> mode);
    void setLastError(std::optional<QString> error);
    void reconcile();

    QList<AwakeReason> m_reasons;
    bool m_isAssertionActive = false;
    std::optional<AwakeMode> m_currentMode;
    std::optional<QString> m_lastError;
    std::shared_ptr<PowerAssertionControlling> m_assertion;
    std::function<void()> m_onChange;
    bool m_shutDown = false;
};
