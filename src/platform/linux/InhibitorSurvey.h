#pragma once

#include "power/InhibitorSurveying.h"

#include <QDBusMessage>
#include <QList>
#include <QObject>

#include <chrono>
#include <memory>
#include <optional>

class GnomeSessionProxy;
class LogindManagerProxy;

// Who else keeps the computer awake, read (never changed) from logind's ListInhibitors (idle and
// sleep block locks) and gnome-session's GetInhibitors (suspend and idle inhibitors). Our own
// locks are left out: logind ones held by our process, gnome-session ones under our application
// id, and any under our lock names (which also catches ours passed on by the desktop portal).
//
// Every call is asynchronous. A survey answers with what came back within its deadline: a service
// that is missing, or hung, is simply absent from the answer. Requests made while a survey runs
// share its answer.
class InhibitorSurvey final : public InhibitorSurveying {
public:
    static constexpr std::chrono::milliseconds defaultDeadline{500};

    // ownPid: the process whose logind locks are ours; this one unless given.
    explicit InhibitorSurvey(std::chrono::milliseconds deadline = defaultDeadline,
                             std::optional<uint> ownPid = std::nullopt);
    ~InhibitorSurvey() override;
    InhibitorSurvey(const InhibitorSurvey &) = delete;
    InhibitorSurvey &operator=(const InhibitorSurvey &) = delete;

    void survey(Answer answer) override;

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
    uint m_ownPid;
    QList<Answer> m_waiting;
    std::unique_ptr<Round> m_round;
    // Parent of every round's calls and deadline: none outlives the survey.
    std::unique_ptr<QObject> m_calls = std::make_unique<QObject>();
};
