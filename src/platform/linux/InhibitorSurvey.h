#pragma once

#include "power/InhibitorSurveying.h"

#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class GnomeSessionProxy;
class LogindManagerProxy;

// Who else keeps the computer awake, read (never changed) from logind's ListInhibitors (idle and
// sleep block locks) and gnome-session's GetInhibitors (suspend and idle inhibitors). Our own
// locks are left out, recognised by who holds them, never by their text: another Vigila's lock
// (another session's, another user's, a `vigila run` without the tray) is someone else's and shows.
//
// Every call is asynchronous. A survey answers with what came back within its deadline: a service
// that is missing, or hung, is simply absent from the answer. Requests made while a survey runs
// share its answer.
class InhibitorSurvey final : public InhibitorSurveying {
public:
    static constexpr std::chrono::milliseconds defaultDeadline{500};

    // Who holds our locks, as the services name holders.
    struct OwnLocks {
        // logind records the holder's process: ours, and the clients we hold for.
        QSet<uint> pids;
        // gnome-session records the application id the holder gave.
        QString applicationId;
        // Our lock's name while we hold it. A service that holds it for us (the desktop portal, a
        // desktop's power manager) is recorded as the holder instead of us; when none of the locks
        // carrying this name is held by us, one of them is ours through such a service.
        std::optional<QString> heldLockName;

        // This process, under our application id, holding nothing.
        static OwnLocks ofThisProcess();
    };
    // Asked at the start of every survey.
    using OwnLocksSource = std::function<OwnLocks()>;

    // Without a source, only this process's locks count as ours.
    explicit InhibitorSurvey(std::chrono::milliseconds deadline = defaultDeadline,
                             OwnLocksSource ownLocks = {});
    ~InhibitorSurvey() override;
    InhibitorSurvey(const InhibitorSurvey &) = delete;
    InhibitorSurvey &operator=(const InhibitorSurvey &) = delete;

    void survey(Answer answer) override;
    void setOwnLocks(OwnLocksSource ownLocks);

private:
    struct Round;

    int callTimeout() const;
    void askLogind();
    void askGnomeSession();
    void readGnomeInhibitors(const QDBusMessage &reply);
    void gnomeInhibitorAnswered();
    void finishWhenComplete();
    void finish();

    std::unique_ptr<LogindManagerProxy> m_logind;
    std::unique_ptr<GnomeSessionProxy> m_gnomeSession;
    std::chrono::milliseconds m_deadline;
    OwnLocksSource m_ownLocks;
    QList<Answer> m_waiting;
    std::unique_ptr<Round> m_round;
    // Parent of every round's calls and deadline: none outlives the survey.
    std::unique_ptr<QObject> m_calls = std::make_unique<QObject>();
};
