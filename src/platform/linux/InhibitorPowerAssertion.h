#pragma once

#include "InhibitorProvider.h"
#include "power/PowerAssertion.h"

#include <QString>
#include <QStringList>

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
// Nothing waits: activate() sends the first request and returns; each answer asks the next
// provider or settles the lock, and onLockChanged reports it. A request stands until release().
// When the service that granted the lock leaves the bus, the lock is gone with it: the backend
// walks the chain again at once or, when no provider accepts, reports no lock and asks again
// whenever a provider appears.
//
// One provider is asked at a time. A service that does not answer in time (hung, or slow to
// start) is passed over and not asked again until it answers. A lock it grants after that is kept
// when we still want one and hold none, and handed back at once otherwise: we never keep two.
class InhibitorPowerAssertion final : public PowerAssertionControlling {
public:
    // replyWait: how long one service may take to answer before the next is asked.
    explicit InhibitorPowerAssertion(
        std::chrono::milliseconds replyWait = InhibitorProvider::defaultReplyWait);
    ~InhibitorPowerAssertion() override;
    InhibitorPowerAssertion(const InhibitorPowerAssertion &) = delete;
    InhibitorPowerAssertion &operator=(const InhibitorPowerAssertion &) = delete;

    bool activate(AwakeMode mode, const QString &reason) override;
    void release() override;
    bool isActive() const override { return m_holder != nullptr; }
    std::optional<AwakeMode> activeMode() const override;
    std::optional<AwakeMode> requestedMode() const override { return m_mode; }
    bool isTaking() const override { return m_mode && !m_holder && m_asking; }
    QStringList servicesTried() const override { return m_tried; }

    // The provider holding the lock ("portal", "gnome-session", "power-management",
    // "screensaver", "logind"); empty when none.
    QString providerName() const override;

private:
    // Asks the providers from m_next on, one at a time, until one grants the standing request.
    void askNext();
    void answered(InhibitorProvider &provider, AwakeMode asked, InhibitorProvider::Outcome outcome,
                  const QString &grantedBy);
    // Starts a new walk of the chain when a lock is wanted, none is held and nobody is asked.
    bool retry();
    void changed();
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
    // The provider whose answer we are waiting for; its answer is judged against the request
    // standing when it comes, which may have changed meanwhile.
    InhibitorProvider *m_asking = nullptr;
    std::size_t m_next = 0;
    QStringList m_tried;
    bool m_providerAppeared = false;
    bool m_quiet = false;
};
