#include "CommandRunner.h"

#include "commands/LaunchCheck.h"
#include "power/AssertionManager.h"
#include "utilities/Clock.h"
#include "utilities/Log.h"
#include "utilities/OneLine.h"

#include <QProcess>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <utility>

#include <signal.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void signalGroup(qint64 group, int signal)
{
    if (group > 0)
        ::kill(-static_cast<pid_t>(group), signal);
}

bool groupIsGone(qint64 group)
{
    return group > 0 && ::kill(-static_cast<pid_t>(group), 0) == -1 && errno == ESRCH;
}

// The shell that led the group has been reaped, so no process has its pid while the group has
// members. A process that has it means the number was handed out again: the group is not ours.
bool leaderIsGone(qint64 group)
{
    return group > 0 && ::kill(static_cast<pid_t>(group), 0) == -1 && errno == ESRCH;
}

} // namespace

CommandRunner::CommandRunner(AssertionManager *manager, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_manager(manager)
    , m_clock(clock)
{
}

CommandRunner::~CommandRunner()
{
    endRunningCommandNow();
    releaseReason();
}

void CommandRunner::setState(const State &state)
{
    m_state = state;
    emit stateChanged();
}

void CommandRunner::setRunningCommand(const std::optional<SavedCommand> &command)
{
    m_runningCommand = command;
    emit runningCommandChanged();
}

void CommandRunner::run(const SavedCommand &command)
{
    if (isRunning() || !m_manager)
        return;
    const SavedCommand launched = command;

    m_output.clear();
    emit outputChanged();
    setRunningCommand(launched);

    const AwakeReason reason{
        QUuid::createUuid(), ReasonType::Command, tr("Running: %1").arg(oneLine(launched.command)),
        m_clock.now(),       std::nullopt,        AwakeMode::System};
    m_reasonId = reason.id;
    m_manager->addReason(reason);

    auto *process = new QProcess(this);
    process->setProgram(launched.shell);
    process->setArguments({u"-l"_s, u"-c"_s, launched.command});
    if (launched.workingDirectory && !launched.workingDirectory->isEmpty())
        process->setWorkingDirectory(*launched.workingDirectory);
    process->setProcessChannelMode(QProcess::MergedChannels);
    // Nobody can type into the command: reading its input ends at once instead of waiting forever.
    process->setStandardInputFile(QProcess::nullDevice());
    // A session of its own makes the shell the leader of a process group holding everything it
    // starts, so cancel() can reach all of it; it also keeps the command off our terminal.
    process->setChildProcessModifier([] { ::setsid(); });
    connect(process, &QProcess::readyReadStandardOutput, this,
            [this, process] { appendOutput(process->readAllStandardOutput()); });
    connect(process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        handleExit(code, status == QProcess::CrashExit);
    });

    process->start();
    // Returns as soon as the shell has been executed or could not be: there is no reading here.
    if (!process->waitForStarted(-1)) {
        // Qt's own text names the failing system call ("execvp: No such file or directory"); say
        // what the user has to fix instead. The directory comes first: the child changes into it
        // before it runs the shell.
        auto problem = LaunchCheck::directoryProblem(launched.workingDirectory.value_or(QString()));
        if (!problem)
            problem = LaunchCheck::shellProblem(launched.shell);
        const QString message = problem.value_or(process->errorString());
        delete process;
        releaseReason();
        setRunningCommand(std::nullopt);
        setState(State::failedToStart(message));
        if (const auto callback = onFinished)
            callback(launched, std::nullopt);
        Log::error(u"Command failed to start: "_s + message);
        return;
    }

    m_process = process;
    m_group = process->processId();
    // A number in use as a process group is never given to a new process: an old group that had
    // it is gone and needs no SIGKILL from us any more.
    m_stopping.removeIf([&](const StoppingGroup &stopping) { return stopping.id == m_group; });
    m_leftovers.removeIf([&](qint64 group) { return group == m_group || groupIsGone(group); });
    setState(State::running());
    Log::info(u"Command started: "_s + launched.command);
}

void CommandRunner::cancel()
{
    if (!isRunning() || !m_process)
        return;
    const qint64 group = m_group;
    if (terminateGroup(group))
        QTimer::singleShot(m_gracePeriod, this, [this, group] { killGroup(group); });
}

bool CommandRunner::terminateGroup(qint64 group)
{
    signalGroup(group, SIGTERM);
    if (stoppingDeadline(group))
        return false; // asked before: the first deadline stands
    m_stopping.append({group, QDeadlineTimer(m_gracePeriod)});
    return true;
}

std::optional<QDeadlineTimer> CommandRunner::stoppingDeadline(qint64 group) const
{
    for (const StoppingGroup &stopping : m_stopping) {
        if (stopping.id == group)
            return stopping.deadline;
    }
    return std::nullopt;
}

void CommandRunner::killGroup(qint64 group)
{
    if (m_stopping.removeIf([&](const StoppingGroup &stopping) { return stopping.id == group; }) > 0)
        signalGroup(group, SIGKILL);
}

void CommandRunner::appendOutput(QByteArrayView bytes)
{
    if (m_output.appendBytes(bytes))
        emit outputChanged();
}

void CommandRunner::handleExit(int code, bool cancelled)
{
    if (QProcess *process = std::exchange(m_process, nullptr)) {
        // What the child wrote that has not been read yet belongs to the run: take it before
        // reporting the end, and settle a character the stream stopped in the middle of.
        const bool appended = m_output.appendBytes(process->readAllStandardOutput());
        const bool finished = m_output.finish(); // always, whether or not anything was appended
        if (appended || finished)
            emit outputChanged();
        disconnect(process, nullptr, this, nullptr);
        process->deleteLater();
    }
    // An empty group needs no SIGKILL later, and its number may be handed out again. What a
    // finished command left running in it (its background jobs) is ended when we are.
    if (groupIsGone(m_group))
        m_stopping.removeIf([&](const StoppingGroup &stopping) { return stopping.id == m_group; });
    else if (!stoppingDeadline(m_group))
        m_leftovers.append(m_group);

    releaseReason();
    setState(cancelled ? State::cancelled() : State::finished(code));

    // For a child ended by a signal, Qt's exit code is the signal number.
    const QString exitLine =
        u"Command exited: code=%1 cancelled=%2"_s.arg(code).arg(cancelled ? u"true"_s : u"false"_s);
    const QPointer<CommandRunner> self(this);
    if (m_runningCommand) {
        SavedCommand reported = *m_runningCommand;
        reported.lastRunAt = m_clock.now();
        reported.lastExitCode = cancelled ? std::nullopt : std::optional<int>(code);
        if (const auto callback = onFinished)
            callback(reported, reported.lastExitCode);
    }
    // The callback may have started the next run already.
    if (self && !m_process)
        setRunningCommand(std::nullopt);
    Log::info(exitLine);
}

void CommandRunner::releaseReason()
{
    if (!m_reasonId)
        return;
    const QUuid id = *std::exchange(m_reasonId, std::nullopt);
    if (m_manager)
        m_manager->removeReason(id);
}

void CommandRunner::endRunningCommandNow()
{
    if (m_process) {
        disconnect(m_process, nullptr, this, nullptr);
        terminateGroup(m_group);
    }
    // Background jobs a finished command left behind are asked to stop alongside.
    QList<StoppingGroup> leftovers;
    for (const qint64 group : std::as_const(m_leftovers)) {
        if (leaderIsGone(group) && !groupIsGone(group) && terminateGroup(group))
            leftovers.append(m_stopping.constLast());
    }
    m_leftovers.clear();
    if (m_process) {
        const qint64 remaining = stoppingDeadline(m_group)->remainingTime();
        m_process->waitForFinished(static_cast<int>(std::clamp<qint64>(remaining, 0, INT_MAX)));
    } else {
        for (const StoppingGroup &stopping : std::as_const(leftovers)) {
            while (!groupIsGone(stopping.id) && !stopping.deadline.hasExpired())
                QThread::msleep(10);
        }
    }
    // Whatever is left of the groups we asked to stop goes now: nothing we started outlives us.
    for (const StoppingGroup &stopping : std::as_const(m_stopping))
        signalGroup(stopping.id, SIGKILL);
    m_stopping.clear();
    if (m_process) {
        m_process->waitForFinished(-1);
        delete std::exchange(m_process, nullptr);
    }
}
