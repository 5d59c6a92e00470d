#include "ForegroundChild.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace {

constexpr int passedOn[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};

bool isIgnored(int number)
{
    struct sigaction current {};
    return ::sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

ForegroundChild::ForegroundChild(QObject *parent)
    : QObject(parent)
{
    // Read before anything (the D-Bus library ignores SIGPIPE for itself) changes them.
    m_pipeIgnored = isIgnored(SIGPIPE);
    sigemptyset(&m_handled);
    sigaddset(&m_handled, SIGCHLD);
    for (const int number : passedOn) {
        if (!isIgnored(number))
            sigaddset(&m_handled, number);
    }
    // Blocked in this thread before any other exists: every thread started later inherits it.
    ::pthread_sigmask(SIG_BLOCK, &m_handled, &m_previousMask);
    m_signals = ::signalfd(-1, &m_handled, SFD_CLOEXEC | SFD_NONBLOCK);
    if (m_signals >= 0) {
        m_notifier = new QSocketNotifier(m_signals, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ForegroundChild::readSignals);
    }
}

ForegroundChild::~ForegroundChild()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    ::pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    if (m_signals >= 0)
        ::close(m_signals);
}

int ForegroundChild::start(const QList<QByteArray> &arguments)
{
    if (arguments.isEmpty() || m_signals < 0)
        return EINVAL;
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);

    // The command starts with the mask we started with, and with SIGPIPE as we found it.
    sigset_t defaults;
    sigemptyset(&defaults);
    if (!m_pipeIgnored)
        sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setsigmask(&attributes, &m_previousMask);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return error;
    m_child = pid;
    return 0;
}

void ForegroundChild::endBy(int number)
{
    std::fflush(nullptr);
    // The caller learns how the command ended, not that we dumped core.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::signal(number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(number);
}

bool ForegroundChild::isForTheCommand(int number, int code, pid_t sender) const
{
    if (code > 0) {
        // From the kernel: the terminal's keys and hang-ups go to the whole foreground group,
        // the command included, except the hang-up of a session leader.
        return number == SIGHUP && ::getsid(0) == ::getpid();
    }
    // From a process: not the command itself, nor the leader of our group, which signals the
    // group as well.
    return sender != m_child && sender != ::getpgrp();
}

void ForegroundChild::readSignals()
{
    signalfd_siginfo info{};
    while (::read(m_signals, &info, sizeof info) == ssize_t(sizeof info)) {
        const int number = int(info.ssi_signo);
        if (number == SIGCHLD) {
            int status = 0;
            if (m_child > 0 && ::waitpid(m_child, &status, WNOHANG) == m_child) {
                m_child = 0;
                emit finished(status);
            }
        } else if (m_child <= 0) {
            emit interrupted(number);
        } else if (isForTheCommand(number, info.ssi_code, pid_t(info.ssi_pid))) {
            ::kill(m_child, number);
        }
    }
}
