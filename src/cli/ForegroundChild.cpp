#include "ForegroundChild.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace {

volatile sig_atomic_t s_child = 0;
// A signal to pass on that came before the command existed.
volatile sig_atomic_t s_pending = 0;
int s_wakeFd = -1;

void onSignal(int number, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    if (number == SIGCHLD) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = ::write(s_wakeFd, &byte, 1);
    } else if (info->si_code <= 0 && (s_child == 0 || info->si_pid != s_child)) {
        // Sent by a process (si_code <= 0), not by the terminal to the whole group, and not by
        // the command itself: pass it on.
        if (s_child > 0)
            ::kill(s_child, number);
        else
            s_pending = number;
    }
    errno = savedErrno;
}

bool isIgnored(int number)
{
    struct sigaction current {};
    return ::sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

void install(int number)
{
    struct sigaction action {};
    action.sa_sigaction = onSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART | (number == SIGCHLD ? SA_NOCLDSTOP : 0);
    sigemptyset(&action.sa_mask);
    ::sigaction(number, &action, nullptr);
}

} // namespace

ForegroundChild::ForegroundChild(QObject *parent)
    : QObject(parent)
{
    // Read before anything (the D-Bus library ignores SIGPIPE for itself) changes them.
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
        if (!isIgnored(number))
            m_forwarded << number;
    }
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) == 0) {
        s_wakeFd = m_wake[1];
        m_notifier = new QSocketNotifier(m_wake[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ForegroundChild::reap);
    }
}

ForegroundChild::~ForegroundChild()
{
    s_child = 0;
    for (const int fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
    }
    s_wakeFd = -1;
}

int ForegroundChild::start(const QList<QByteArray> &arguments)
{
    if (arguments.isEmpty() || !m_notifier)
        return EINVAL;
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);

    // Our handlers are in place before the command exists; what they catch meanwhile waits.
    install(SIGCHLD);
    for (const int number : std::as_const(m_forwarded))
        install(number);

    // The command starts with an empty mask and default actions for what we handle, and for
    // SIGPIPE, which the D-Bus library ignores in our process.
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int number : {SIGCHLD, SIGPIPE})
        sigaddset(&defaults, number);
    for (const int number : std::as_const(m_forwarded))
        sigaddset(&defaults, number);
    sigset_t empty;
    sigemptyset(&empty);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setsigmask(&attributes, &empty);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return error;
    s_child = pid;
    if (const int pending = s_pending) {
        s_pending = 0;
        ::kill(pid, pending);
    }
    return 0;
}

void ForegroundChild::reap()
{
    char buffer[64];
    while (::read(m_wake[0], buffer, sizeof buffer) > 0) {
    }
    const pid_t child = s_child;
    if (child <= 0)
        return;
    // Look first and collect after forgetting the pid: until collected it cannot name another
    // process, so a signal passed on meanwhile never reaches a stranger.
    siginfo_t info{};
    if (::waitid(P_PID, id_t(child), &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid != child)
        return;
    s_child = 0;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    emit finished(WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status));
}
