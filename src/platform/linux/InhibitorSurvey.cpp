#include "InhibitorSurvey.h"

#include "InhibitorProvider.h"
#include "gnome_inhibitor_object_proxy.h"
#include "gnome_session_proxy.h"
#include "logind_manager_proxy.h"

#include "utilities/Log.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// gnome-session mirrors its suspend inhibitors, which it lists itself, into one logind lock under
// this reason.
const QString gnomeSessionMirrorReason = u"user session inhibited"_s;
// gnome-session inhibitor flags that keep the computer awake.
constexpr uint suspendFlag = 4;
constexpr uint idleFlag = 8;
// Any program may add inhibitors without end; the menu shows a few, so reading more only costs calls.
constexpr qsizetype maxGnomeInhibitors = 64;

bool holdsOffSleep(const QString &what)
{
    const QStringList kinds = what.split(u':');
    return kinds.contains(u"idle"_s) || kinds.contains(u"sleep"_s);
}

QString gnomeWhat(uint flags)
{
    QStringList kinds;
    if (flags & suspendFlag)
        kinds << u"sleep"_s;
    if (flags & idleFlag)
        kinds << u"idle"_s;
    return kinds.join(u':');
}

} // namespace

struct InhibitorSurvey::Round {
    struct GnomeCalls {
        QDBusPendingReply<QString> appId;
        QDBusPendingReply<QString> reason;
        QDBusPendingReply<uint> flags;
    };

    // Parent of the round's call watchers and its deadline; deleted when the round ends.
    QObject *context = nullptr;
    OwnLocks own;
    // A lock under our lock's name held by us: then no one holds it for us.
    bool heldLockSeen = false;
    bool logindDone = false;
    bool gnomeDone = false;
    // Each service's list once it answered in full.
    std::optional<QList<OtherInhibitor>> logind;
    std::optional<QList<OtherInhibitor>> gnomeSession;
    QList<GnomeCalls> gnomeCalls;
};

InhibitorSurvey::OwnLocks InhibitorSurvey::OwnLocks::ofThisProcess()
{
    return {{uint(QCoreApplication::applicationPid())}, InhibitorProvider::applicationId(), std::nullopt};
}

InhibitorSurvey::InhibitorSurvey(std::chrono::milliseconds deadline, OwnLocksSource ownLocks)
    : m_logind(std::make_unique<LogindManagerProxy>(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                                    QDBusConnection::systemBus()))
    , m_gnomeSession(std::make_unique<GnomeSessionProxy>(
          u"org.gnome.SessionManager"_s, u"/org/gnome/SessionManager"_s, QDBusConnection::sessionBus()))
    , m_deadline(deadline)
    , m_ownLocks(std::move(ownLocks))
{
    qDBusRegisterMetaType<LogindInhibitorRecord>();
    qDBusRegisterMetaType<QList<LogindInhibitorRecord>>();
    m_logind->setTimeout(callTimeout());
    m_gnomeSession->setTimeout(callTimeout());
}

InhibitorSurvey::~InhibitorSurvey() = default;

int InhibitorSurvey::callTimeout() const
{
    // Calls we stopped waiting for end on the bus soon after, instead of piling up behind a hung
    // service; not before the deadline, which decides what counts as answered.
    return int(2 * m_deadline.count());
}

void InhibitorSurvey::setOwnLocks(OwnLocksSource ownLocks)
{
    m_ownLocks = std::move(ownLocks);
}

void InhibitorSurvey::survey(Answer answer)
{
    m_waiting << std::move(answer);
    if (m_round)
        return;
    m_round = std::make_unique<Round>();
    m_round->own = m_ownLocks ? m_ownLocks() : OwnLocks::ofThisProcess();
    QObject *context = new QObject(m_calls.get());
    m_round->context = context;
    QTimer::singleShot(m_deadline, context, [this, context] {
        if (m_round && m_round->context == context)
            finish();
    });
    askLogind();
    askGnomeSession();
}

void InhibitorSurvey::askLogind()
{
    QObject *context = m_round->context;
    auto *watcher = new QDBusPendingCallWatcher(m_logind->ListInhibitors(), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [this, context, watcher] {
        if (!m_round || m_round->context != context)
            return;
        m_round->logindDone = true;
        const QDBusPendingReply<QList<LogindInhibitorRecord>> reply = *watcher;
        if (!reply.isError()) {
            QList<OtherInhibitor> found;
            const OwnLocks &own = m_round->own;
            for (const LogindInhibitorRecord &lock : reply.value()) {
                // A delay lock only postpones sleep for a moment.
                if (lock.mode == u"delay"_s || !holdsOffSleep(lock.what))
                    continue;
                if (own.pids.contains(lock.pid)) {
                    m_round->heldLockSeen |= lock.why == own.heldLockName;
                    continue;
                }
                found << OtherInhibitor{u"logind"_s, lock.who, lock.why, lock.what,
                                        lock.mode,   lock.uid, lock.pid};
            }
            m_round->logind = found;
        }
        finishWhenComplete();
    });
}

void InhibitorSurvey::askGnomeSession()
{
    QObject *context = m_round->context;
    auto *watcher = new QDBusPendingCallWatcher(m_gnomeSession->GetInhibitors(), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [this, context, watcher] {
        if (!m_round || m_round->context != context)
            return;
        if (watcher->isError()) {
            m_round->gnomeDone = true;
            finishWhenComplete();
            return;
        }
        readGnomeInhibitors(watcher->reply());
    });
}

void InhibitorSurvey::readGnomeInhibitors(const QDBusMessage &reply)
{
    QObject *context = m_round->context;
    const auto paths = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().value(0));
    for (const QDBusObjectPath &path : paths.first(std::min(paths.size(), maxGnomeInhibitors))) {
        // Asked at the instance that listed it: its unique name needs no owner lookup.
        GnomeInhibitorObjectProxy inhibitor(reply.service(), path.path(), m_gnomeSession->connection());
        inhibitor.setTimeout(callTimeout());
        const Round::GnomeCalls calls{inhibitor.GetAppId(), inhibitor.GetReason(), inhibitor.GetFlags()};
        for (const QDBusPendingCall &call :
             {QDBusPendingCall(calls.appId), QDBusPendingCall(calls.reason), QDBusPendingCall(calls.flags)}) {
            auto *watcher = new QDBusPendingCallWatcher(call, context);
            QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [this, context] {
                if (m_round && m_round->context == context)
                    gnomeInhibitorAnswered();
            });
        }
        m_round->gnomeCalls << calls;
    }
    gnomeInhibitorAnswered();
}

void InhibitorSurvey::gnomeInhibitorAnswered()
{
    const QList<Round::GnomeCalls> &all = m_round->gnomeCalls;
    const bool complete = std::all_of(all.cbegin(), all.cend(), [](const Round::GnomeCalls &calls) {
        return calls.appId.isFinished() && calls.reason.isFinished() && calls.flags.isFinished();
    });
    // Replies are taken in on another thread: all may be in before the last watcher reports.
    if (!complete || m_round->gnomeDone)
        return;
    QList<OtherInhibitor> found;
    for (const Round::GnomeCalls &calls : all) {
        // An inhibitor released meanwhile answers with an error: it is gone.
        if (calls.appId.isError() || calls.reason.isError() || calls.flags.isError())
            continue;
        const uint flags = calls.flags.value();
        if (!(flags & (suspendFlag | idleFlag)))
            continue;
        if (calls.appId.value() == m_round->own.applicationId) {
            m_round->heldLockSeen |= calls.reason.value() == m_round->own.heldLockName;
            continue;
        }
        found << OtherInhibitor{u"gnome-session"_s, calls.appId.value(), calls.reason.value(),
                                gnomeWhat(flags),   u"block"_s,          std::nullopt,
                                std::nullopt};
    }
    m_round->gnomeSession = found;
    m_round->gnomeDone = true;
    finishWhenComplete();
}

void InhibitorSurvey::finishWhenComplete()
{
    if (m_round->logindDone && m_round->gnomeDone)
        finish();
}

void InhibitorSurvey::finish()
{
    const std::unique_ptr<Round> round = std::move(m_round);
    round->context->deleteLater();
    for (const auto &[done, name] :
         {std::pair{round->logindDone, u"logind"_s}, std::pair{round->gnomeDone, u"gnome-session"_s}}) {
        if (!done)
            Log::debug(u"Inhibitor survey: %1 did not answer within %2 ms; left out"_s.arg(name).arg(
                m_deadline.count()));
    }
    QList<OtherInhibitor> others;
    for (const OtherInhibitor &lock : round->logind.value_or(QList<OtherInhibitor>())) {
        if (!(round->gnomeSession && lock.why == gnomeSessionMirrorReason))
            others << lock;
    }
    others << round->gnomeSession.value_or(QList<OtherInhibitor>());
    // We hold one lock at most: if it is not among those held by us, a service holds it for us.
    if (const std::optional<QString> &name = round->own.heldLockName; name && !round->heldLockSeen) {
        const auto relayed = std::find_if(others.cbegin(), others.cend(),
                                          [&](const OtherInhibitor &lock) { return lock.why == *name; });
        if (relayed != others.cend())
            others.erase(relayed);
    }
    // An answer may ask again: that starts a new round.
    for (const Answer &answer : std::exchange(m_waiting, {}))
        answer(others);
}
