#include "AssertionManager.h"

#include "utilities/Log.h"

#include <QPointer>

#include <algorithm>

using namespace Qt::StringLiterals;

AssertionManager::AssertionManager(std::shared_ptr<PowerAssertionControlling> assertion,
                                   std::function<void()> onChange, QObject *parent)
    : QObject(parent)
    , m_assertion(std::move(assertion))
    , m_onChange(onChange ? std::move(onChange) : [] {})
{
    Q_ASSERT(m_assertion);
    // The lock taken later, lost with its service, or found impossible: mirror it.
    m_assertion->onLockChanged = [self = QPointer(this)] {
        if (self)
            self->resync();
    };
}

AssertionManager::~AssertionManager()
{
    m_assertion->onLockChanged = nullptr;
}

QString AssertionManager::assertionFailedMessage()
{
    return tr("Could not create keep-awake assertion.");
}

QString AssertionManager::lockName(AwakeMode mode)
{
    // What other programs show for the lock (the session's logout dialog, `systemd-inhibit --list`).
    switch (mode) {
    case AwakeMode::System:
        return tr("Vigila: keep system awake");
    case AwakeMode::Display:
        return tr("Vigila: keep display awake");
    }
    Q_UNREACHABLE();
    return {};
}

QString AssertionManager::failureDetail() const
{
    if (!m_lastError || m_servicesTried.isEmpty())
        return {};
    return tr("Tried %1: none available.").arg(m_servicesTried.join(tr(", ", "between the names of services")));
}

std::optional<AwakeMode> AssertionManager::effectiveMode() const
{
    if (m_reasons.isEmpty())
        return std::nullopt;
    const bool anyDisplay = std::any_of(m_reasons.cbegin(), m_reasons.cend(),
                                        [](const AwakeReason &r) { return r.mode == AwakeMode::Display; });
    return anyDisplay ? AwakeMode::Display : AwakeMode::System;
}

bool AssertionManager::hasReason(ReasonType type) const
{
    return firstReason(type).has_value();
}

std::optional<AwakeReason> AssertionManager::firstReason(ReasonType type) const
{
    for (const AwakeReason &reason : m_reasons) {
        if (reason.type == type)
            return reason;
    }
    return std::nullopt;
}

void AssertionManager::addReason(const AwakeReason &reason)
{
    QList<AwakeReason> reasons = m_reasons;
    reasons.append(reason);
    setReasons(std::move(reasons));
    reconcile();
}

void AssertionManager::removeReason(const QUuid &id)
{
    QList<AwakeReason> reasons = m_reasons;
    reasons.removeIf([&](const AwakeReason &r) { return r.id == id; });
    setReasons(std::move(reasons));
    reconcile();
}

void AssertionManager::removeReasons(ReasonType type)
{
    QList<AwakeReason> reasons = m_reasons;
    reasons.removeIf([&](const AwakeReason &r) { return r.type == type; });
    setReasons(std::move(reasons));
    reconcile();
}

void AssertionManager::updateReason(const QUuid &id, const std::function<void(AwakeReason &)> &mutate)
{
    const auto it = std::find_if(m_reasons.cbegin(), m_reasons.cend(),
                                 [&](const AwakeReason &r) { return r.id == id; });
    if (it == m_reasons.cend())
        return;
    QList<AwakeReason> reasons = m_reasons;
    AwakeReason &target = reasons[it - m_reasons.cbegin()];
    AwakeReason changed = target;
    mutate(changed);
    // Identity, origin and start time are fixed for a reason's whole life.
    target.label = changed.label;
    target.endsAt = changed.endsAt;
    target.mode = changed.mode;
    setReasons(std::move(reasons));
    reconcile();
}

void AssertionManager::stopAll()
{
    setReasons({});
    reconcile();
}

void AssertionManager::shutdown()
{
    m_shutDown = true;
    m_assertion->release();
    setIsAssertionActive(false);
    setIsTakingLock(false);
    setCurrentMode(std::nullopt);
}

void AssertionManager::resync()
{
    // Only mirror: the backend already follows its standing request up by itself, and asking it
    // again from its own report would loop.
    reconcile(false);
}

void AssertionManager::setReasons(QList<AwakeReason> reasons)
{
    m_reasons = std::move(reasons);
    emit reasonsChanged();
}

void AssertionManager::setIsAssertionActive(bool value)
{
    m_isAssertionActive = value;
    emit isAssertionActiveChanged();
}

void AssertionManager::setCurrentMode(std::optional<AwakeMode> mode)
{
    m_currentMode = mode;
    emit currentModeChanged();
}

void AssertionManager::setLastError(std::optional<QString> error)
{
    m_lastError = std::move(error);
    emit lastErrorChanged();
}

void AssertionManager::setIsTakingLock(bool value)
{
    m_isTakingLock = value;
    emit isTakingLockChanged();
}

void AssertionManager::reconcile(bool askAgain)
{
    if (m_shutDown) {
        // Shut down at exit: what still ends then (a command's reason) must not take the lock again.
        m_onChange();
        return;
    }
    if (const auto mode = effectiveMode()) {
        const bool held = m_assertion->isActive() && m_assertion->activeMode() == mode;
        // A request of this mode that found no lock is asked again on a change of reasons, never
        // on the backend's own report of it.
        const bool standing = m_assertion->requestedMode() == mode && (!askAgain || m_assertion->isTaking());
        if (!held && !standing)
            m_assertion->activate(*mode, lockName(*mode));
        const bool taking = !m_assertion->isActive() && m_assertion->isTaking();
        if (m_assertion->isActive() || taking) {
            setLastError(std::nullopt);
        } else {
            if (!m_lastError) {
                m_servicesTried = m_assertion->servicesTried();
                Log::warning(m_servicesTried.isEmpty()
                                 ? u"Keep-awake lock could not be taken"_s
                                 : u"Keep-awake lock could not be taken: tried %1, none available"_s.arg(
                                       m_servicesTried.join(u", "_s)));
            }
            setLastError(assertionFailedMessage());
        }
        setIsAssertionActive(m_assertion->isActive());
        setIsTakingLock(taking);
        setCurrentMode(m_assertion->activeMode());
    } else {
        m_assertion->release();
        // Nothing is asked for: a failure to take the lock is no longer news.
        if (m_lastError)
            setLastError(std::nullopt);
        setIsAssertionActive(false);
        setIsTakingLock(false);
        setCurrentMode(std::nullopt);
    }
    m_onChange();
}
