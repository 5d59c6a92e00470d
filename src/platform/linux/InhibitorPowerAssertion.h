#pragma once

#include "InhibitorProvider.h"
#include "power/PowerAssertion.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QDBusServiceWatcher;

// The keep-awake lock on Linux. Desktops disagree on one API, so it holds one lock from the first
// provider that accepts, in this order: the desktop portal, the GNOME session manager, the
// freedesktop PowerManagement (system mode) or ScreenSaver (display mode) inhibitor, and
// systemd-logind's "idle" lock. Every such lock also ends when our process dies.
//
// A request stands until release(). When the service that granted the lock leaves the bus, the
// lock is gone with it: the backend takes a new one from the chain at once or, when no provider
// accepts, reports no lock and asks again whenever a provider appears. A failed activate() is
// followed up the same way.
//
// A service that does not answer in time (hung, or slow to start) is passed over and not asked
// again until it answers. A lock it grants after that is kept when we still want one and hold
// none, and handed back at once otherwise: we never keep two.
class InhibitorPowerAssertion final : public PowerAssertionControlling {
public:
    // replyWait: how long one service may keep the caller waiting.
    explicit InhibitorPowerAssertion(
        std::chrono::milliseconds replyWait = InhibitorProvider::defaultReplyWait);
    ~InhibitorPowerAssertion() override;
    InhibitorPowerAssertion(const InhibitorPowerAssertion &) = delete;
    InhibitorPowerAssertion &operator=(const InhibitorPowerAssertion &) = delete;

    bool activate(AwakeMode mode, const QString &reason) override;
    void release() override;
    bool isActive() const override { return m_holder != nullptr; }
    std::optional<AwakeMode> activeMode() const override;

    // The provider holding the lock ("portal", "gnome-session", "power-management",
    // "screensaver", "logind"); empty when none.
    QString providerName() const;

    // Called when the lock changed on its own, not through activate() or release(): lost with
    // its service, or taken later (after a loss, a failed activate or a late answer). Read
    // isActive() and activeMode() for the new state.
    std::function<void()> onLockChanged;

private:
    bool acquire();
    void lateAnswer(InhibitorProvider &provider, std::optional<AwakeMode> granted, const QString &grantedBy);
    void serviceOwnerChanged(const QString &service, const QString &oldOwner, const QString &newOwner);

    std::vector<std::unique_ptr<InhibitorProvider>> m_chain;
    std::vector<std::unique_ptr<QDBusServiceWatcher>> m_watchers;
    InhibitorProvider *m_holder = nullptr;
    // Unique bus name of the service instance that granted the held lock.
    QString m_grantedBy;
    // The mode asked for until release(): of the held lock, or of one still to be taken.
    std::optional<AwakeMode> m_mode;
    QString m_reason;
};
