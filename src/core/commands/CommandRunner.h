#pragma once

#include "commands/OutputBuffer.h"
#include "commands/SavedCommand.h"

#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUuid>

#include <chrono>
#include <functional>
#include <optional>

class AssertionManager;
class Clock;
class QProcess;

// Runs one shell command at a time and keeps the machine awake while it runs: a `command` reason is
// added before the launch and removed when the run ends. Standard output and standard error are
// captured, merged, into one capped text.
//
// The command runs in a session (and process group) of its own, so cancelling stops everything it
// started, not only the shell: the group gets SIGTERM, and SIGKILL once the grace period has passed
// if anything in it is left. Destroying the runner ends a running command the same way, and what
// finished commands left running in their groups, waiting at most the rest of the grace period.
class CommandRunner final : public QObject {
    Q_OBJECT
public:
    struct State {
        enum class Kind { Idle, Running, Finished, FailedToStart, Cancelled };

        Kind kind = Kind::Idle;
        int exitCode = 0; // Finished
        QString message;  // FailedToStart: the system's description of the failure

        bool operator==(const State &) const = default;

        static State idle() { return {}; }
        static State running() { return {Kind::Running, 0, {}}; }
        static State finished(int exitCode) { return {Kind::Finished, exitCode, {}}; }
        static State failedToStart(const QString &message) { return {Kind::FailedToStart, 0, message}; }
        // The child ended by a signal, whoever sent it.
        static State cancelled() { return {Kind::Cancelled, 0, {}}; }
    };

    static constexpr qsizetype maxOutputChars = 100000;

    CommandRunner(AssertionManager *manager, const Clock &clock, QObject *parent = nullptr);
    ~CommandRunner() override;

    const State &state() const { return m_state; }
    const QString &output() const { return m_output.text(); }
    const std::optional<SavedCommand> &runningCommand() const { return m_runningCommand; }
    bool isRunning() const { return m_state.kind == State::Kind::Running; }

    // Ignored while a command runs or once the assertion manager is gone.
    void run(const SavedCommand &command);
    // Asks the running command to stop; the end of the run is reported as usual.
    void cancel();

    // Called once at the end of every run that got as far as the launch: with a copy of the
    // command carrying lastRunAt and lastExitCode, and the exit status (none when cancelled or when
    // the launch failed, in which case the command comes back unchanged).
    std::function<void(const SavedCommand &, std::optional<int>)> onFinished;

    std::chrono::milliseconds terminationGracePeriod() const { return m_gracePeriod; }
    void setTerminationGracePeriod(std::chrono::milliseconds period) { m_gracePeriod = period; }

signals:
    // Emitted on every assignment, also when the value is unchanged.
    void stateChanged();
    void outputChanged();
    void runningCommandChanged();

private:
    struct StoppingGroup {
        qint64 id;
        QDeadlineTimer deadline;
    };

    void setState(const State &state);
    void setRunningCommand(const std::optional<SavedCommand> &command);
    void appendOutput(QByteArrayView bytes);
    void handleExit(int code, bool cancelled);
    void releaseReason();
    // SIGTERM to the group; true when it was not being stopped already.
    bool terminateGroup(qint64 group);
    std::optional<QDeadlineTimer> stoppingDeadline(qint64 group) const;
    void killGroup(qint64 group);
    void endRunningCommandNow();

    QPointer<AssertionManager> m_manager;
    const Clock &m_clock;
    State m_state;
    OutputBuffer m_output{maxOutputChars};
    std::optional<SavedCommand> m_runningCommand;
    QProcess *m_process = nullptr;
    qint64 m_group = 0; // the shell's pid, which is also its process group's id
    std::optional<QUuid> m_reasonId;
    QList<StoppingGroup> m_stopping; // groups sent SIGTERM that get SIGKILL at their deadline
    QList<qint64> m_leftovers;       // groups of finished commands that still had members
    std::chrono::milliseconds m_gracePeriod{5000};
};
