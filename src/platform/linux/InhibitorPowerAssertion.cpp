#include "InhibitorPowerAssertion.h"

#include "CookieInhibitor.h"
#include "GnomeSessionInhibitor.h"
#include "LogindInhibitor.h"
#include "PortalInhibitor.h"
#include "utilities/Log.h"

#include <QDBusServiceWatcher>

#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

InhibitorPowerAssertion::InhibitorPowerAssertion(std::chrono::milliseconds replyWait)
{
    m_chain.push_back(std::make_unique<PortalInhibitor>());
    m_chain.push_back(std::make_unique<GnomeSessionInhibitor>());
    m_chain.push_back(makePowerManagementInhibitor());
    m_chain.push_back(makeScreenSaverInhibitor());
    m_chain.push_back(std::make_unique<LogindInhibitor>());
    for (const auto &provider : m_chain) {
        provider->setReplyWait(replyWait);
        provider->onLateAnswer = [this](InhibitorProvider &from, std::optional<AwakeMode> granted,
                                        const QString &grantedBy) { lateAnswer(from, granted, grantedBy); };
    }

    // One watcher per bus, over every provider's name: a held lock's service may leave, and a
    // lost lock may be taken again from any provider that appears.
    for (const auto &provider : m_chain) {
        const QDBusConnection connection = provider->connection();
        auto watcher = std::find_if(m_watchers.begin(), m_watchers.end(), [&](const auto &w) {
            return w->connection().name() == connection.name();
        });
        if (watcher == m_watchers.end()) {
            auto created = std::make_unique<QDBusServiceWatcher>();
            created->setConnection(connection);
            created->setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
            QObject::connect(
                created.get(), &QDBusServiceWatcher::serviceOwnerChanged, created.get(),
                [this](const QString &service, const QString &oldOwner, const QString &newOwner) {
                    serviceOwnerChanged(service, oldOwner, newOwner);
                });
            m_watchers.push_back(std::move(created));
            watcher = std::prev(m_watchers.end());
        }
        (*watcher)->addWatchedService(provider->service());
    }
}

InhibitorPowerAssertion::~InhibitorPowerAssertion()
{
    release();
}

std::optional<AwakeMode> InhibitorPowerAssertion::activeMode() const
{
    return m_holder ? m_mode : std::nullopt;
}

QString InhibitorPowerAssertion::providerName() const
{
    return m_holder ? m_holder->name() : QString();
}

bool InhibitorPowerAssertion::activate(AwakeMode mode, const QString &reason)
{
    if (m_mode == mode && m_reason == reason && (m_holder || m_asking))
        return isActive();
    // A mode switch drops the old lock first: never two at once.
    release();
    m_mode = mode;
    m_reason = reason;
    // A provider still being asked answers for the old request; its answer starts the new walk.
    if (!m_asking) {
        // The caller reads the outcome of a walk that ends at once (nobody to ask) on return.
        const QScopedValueRollback quiet(m_quiet, true);
        m_next = 0;
        m_tried.clear();
        askNext();
    }
    return false;
}

void InhibitorPowerAssertion::release()
{
    if (m_holder) {
        m_holder->uninhibit();
        Log::debug(u"Keep-awake lock released (%1)"_s.arg(m_holder->name()));
    }
    m_holder = nullptr;
    m_grantedBy.clear();
    m_mode.reset();
    m_reason.clear();
    m_tried.clear();
}

void InhibitorPowerAssertion::askNext()
{
    Q_ASSERT(m_mode && !m_holder && !m_asking);
    for (; m_next < m_chain.size(); ++m_next) {
        InhibitorProvider &provider = *m_chain[m_next];
        if (!provider.supports(*m_mode) || provider.isAsking())
            continue;
        // No bus to ask it on (a session bus that never answered, none at all): nothing to wait for.
        if (!provider.connection().isConnected()) {
            m_tried << provider.title();
            continue;
        }
        m_asking = &provider;
        m_tried << provider.title();
        const AwakeMode asked = *m_mode;
        provider.inhibit(asked, m_reason,
                         [this, &provider, asked](InhibitorProvider::Outcome outcome, const QString &grantedBy) {
                             answered(provider, asked, outcome, grantedBy);
                         });
        return;
    }
    if (std::exchange(m_providerAppeared, false)) {
        // One that appeared during this walk may sit earlier in the chain: start over once.
        m_next = 0;
        m_tried.clear();
        askNext();
        return;
    }
    Log::debug(u"Keep-awake lock: no provider accepted"_s);
    changed();
}

void InhibitorPowerAssertion::answered(InhibitorProvider &provider, AwakeMode asked,
                                       InhibitorProvider::Outcome outcome, const QString &grantedBy)
{
    m_asking = nullptr;
    const bool stillAsked = m_mode == asked && !m_holder;
    if (outcome == InhibitorProvider::Outcome::Granted) {
        if (stillAsked) {
            m_holder = &provider;
            m_grantedBy = grantedBy;
            m_tried.clear();
            Log::debug(u"Keep-awake lock held (%1: %2)"_s.arg(provider.name(), m_reason));
            changed();
            return;
        }
        // Released or switched to another mode meanwhile.
        provider.uninhibit();
    }
    if (stillAsked) {
        ++m_next;
        askNext();
    } else {
        retry();
    }
}

bool InhibitorPowerAssertion::retry()
{
    if (!m_mode || m_holder || m_asking)
        return false;
    m_next = 0;
    m_tried.clear();
    askNext();
    return true;
}

void InhibitorPowerAssertion::changed()
{
    if (onLockChanged && !m_quiet)
        onLockChanged();
}

void InhibitorPowerAssertion::lateAnswer(InhibitorProvider &provider, std::optional<AwakeMode> granted,
                                         const QString &grantedBy)
{
    if (granted) {
        if (m_mode == granted && !m_holder) {
            m_holder = &provider;
            m_grantedBy = grantedBy;
            m_tried.clear();
            Log::info(u"Keep-awake lock now held (%1)"_s.arg(provider.name()));
            changed();
            return;
        }
        // Given up on: no longer wanted, or another provider holds ours meanwhile.
        provider.uninhibit();
        Log::info(u"Keep-awake lock: handed back a late grant of %1"_s.arg(provider.name()));
    }
    // The service answers again; a lock still missing may come from it now.
    if (retry())
        changed();
}

void InhibitorPowerAssertion::serviceOwnerChanged(const QString &service, const QString &oldOwner,
                                                  const QString &newOwner)
{
    if (!m_mode)
        return;
    if (m_holder) {
        // Only the instance that granted our lock matters; older events about the name do not.
        if (service != m_holder->service() || oldOwner != m_grantedBy)
            return;
        Log::info(u"Keep-awake lock lost: %1 left the bus"_s.arg(m_holder->name()));
        m_holder->forget();
        m_holder = nullptr;
        m_grantedBy.clear();
        retry();
        changed();
    } else if (!newOwner.isEmpty()) {
        if (retry())
            changed();
        else if (m_asking)
            m_providerAppeared = true;
    }
}
