#include "InhibitorPowerAssertion.h"

#include "CookieInhibitor.h"
#include "GnomeSessionInhibitor.h"
#include "LogindInhibitor.h"
#include "PortalInhibitor.h"
#include "utilities/Log.h"

#include <QDBusServiceWatcher>

#include <algorithm>

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
    // A mode switch drops the old lock first: never two at once.
    release();
    m_mode = mode;
    m_reason = reason;
    // On failure the request stands: the first provider to appear later is asked (onLockChanged).
    return acquire();
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
}

bool InhibitorPowerAssertion::acquire()
{
    Q_ASSERT(m_mode && !m_holder);
    for (const auto &provider : m_chain) {
        if (!provider->supports(*m_mode) || !provider->isAvailable())
            continue;
        const QString owner = provider->inhibit(*m_mode, m_reason);
        if (owner.isEmpty())
            continue;
        m_holder = provider.get();
        m_grantedBy = owner;
        Log::debug(u"Keep-awake lock held (%1: %2)"_s.arg(provider->name(), m_reason));
        return true;
    }
    Log::debug(u"Keep-awake lock: no provider accepted"_s);
    return false;
}

void InhibitorPowerAssertion::lateAnswer(InhibitorProvider &provider, std::optional<AwakeMode> granted,
                                         const QString &grantedBy)
{
    if (granted) {
        if (m_mode == granted && !m_holder) {
            m_holder = &provider;
            m_grantedBy = grantedBy;
            Log::info(u"Keep-awake lock now held (%1)"_s.arg(provider.name()));
            if (onLockChanged)
                onLockChanged();
            return;
        }
        // Given up on: no longer wanted, or another provider holds ours meanwhile.
        provider.uninhibit();
        Log::info(u"Keep-awake lock: handed back a late grant of %1"_s.arg(provider.name()));
    }
    // The service answers again; a lock still missing may come from it now.
    if (m_mode && !m_holder && acquire()) {
        Log::info(u"Keep-awake lock now held (%1)"_s.arg(m_holder->name()));
        if (onLockChanged)
            onLockChanged();
    }
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
        acquire();
    } else if (newOwner.isEmpty() || !acquire()) {
        return;
    }
    if (m_holder)
        Log::info(u"Keep-awake lock now held (%1)"_s.arg(m_holder->name()));
    if (onLockChanged)
        onLockChanged();
}
