#include "FakePowerAssertion.h"
#include "ManualClock.h"
#include "commands/CommandRunner.h"
#include "commands/OutputBuffer.h"
#include "power/AssertionManager.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using State = CommandRunner::State;
using Call = FakePowerAssertion::Call;

char *toString(const CommandRunner::State &state)
{
    return qstrdup(
        qPrintable(u"State(kind %1, exitCode %2, message \"%3\")"_s.arg(static_cast<int>(state.kind))
                       .arg(state.exitCode)
                       .arg(state.message)));
}

namespace {

// Generous: login shells start slowly on a loaded machine or under the sanitizers.
constexpr int timeout = 20000;

// Alive, and not a zombie waiting to be reaped.
bool isAlive(qint64 pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype afterName = line.lastIndexOf(')') + 2;
    return afterName >= 2 && afterName < line.size() && line.at(afterName) != 'Z';
}

qint64 readPid(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

// Succeeds once a reader has opened the FIFO; never blocks.
bool releaseReader(const QString &fifo)
{
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, "\n", 1) == 1;
    ::close(fd);
    return written;
}

const QString grandchildScript = u"sleep 300 & echo $! > '%1'; echo started; wait"_s;

} // namespace

class TestCommandRunner : public QObject {
    Q_OBJECT

    struct Report {
        SavedCommand command;
        std::optional<int> exitCode;
        QString output; // as it was when the end was reported
    };

    QTemporaryDir home;
    std::unique_ptr<QTemporaryDir> dir;
    ManualClock clock;
    std::shared_ptr<FakePowerAssertion> backend;
    std::unique_ptr<AssertionManager> manager;
    std::unique_ptr<CommandRunner> runner;
    QList<Report> reports;

    static SavedCommand command(const QString &text, const QString &shell = u"/bin/sh"_s)
    {
        SavedCommand saved;
        saved.id = QUuid::createUuid();
        saved.command = text;
        saved.shell = shell;
        return saved;
    }

    QString path(const QString &name) const { return dir->filePath(name); }
    bool waitForReport()
    {
        return QTest::qWaitFor([this] { return !reports.isEmpty(); }, timeout);
    }

private slots:
    void initTestCase()
    {
        // Login shells read the profile in $HOME: keep the user's own out of the tests.
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
    }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        backend = std::make_shared<FakePowerAssertion>();
        manager = std::make_unique<AssertionManager>(backend);
        runner = std::make_unique<CommandRunner>(manager.get(), clock);
        reports.clear();
        runner->onFinished = [this](const SavedCommand &saved, std::optional<int> exitCode) {
            reports.append({saved, exitCode, runner->output()});
        };
    }

    void cleanup()
    {
        runner.reset();
        manager.reset();
        dir.reset();
    }

    void outputIsCappedInCharacters_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        const QString marker = OutputBuffer::truncationMarker();
        const QString xs(99999, u'x');
        const QString accents = u"e\u0301"_s.repeated(100000);
        QTest::newRow("exactly at the cap")
            << u"/bin/sh"_s << u"printf A; head -c 99999 /dev/zero | tr '\\0' x"_s << u"A"_s + xs;
        QTest::newRow("one over") << u"/bin/bash"_s << u"printf AB; head -c 99999 /dev/zero | tr '\\0' x"_s
                                  << marker + u"B"_s + xs;
        QTest::newRow("combining marks at the cap")
            << u"/bin/sh"_s << u"yes 'e\u0301' | head -n 100000 | tr -d '\\n'"_s << accents;
        QTest::newRow("combining marks one over")
            << u"/bin/sh"_s << u"printf Z; yes 'e\u0301' | head -n 100000 | tr -d '\\n'"_s
            << marker + accents;
    }

    // Also: everything the child wrote is in the output by the time the end is reported.
    void outputIsCappedInCharacters()
    {
        QFETCH(QString, shell);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        runner->run(command(text, shell));
        QVERIFY(waitForReport());
        QCOMPARE(runner->state(), State::finished(0));
        QCOMPARE(reports.first().output.size(), expected.size());
        QVERIFY(reports.first().output == expected);
        QVERIFY(runner->output() == expected);
    }

    void standardErrorIsInterleaved()
    {
        runner->run(command(u"echo out1; echo err1 >&2; echo out2; echo err2 >&2; exit 0"_s, u"/bin/bash"_s));
        QVERIFY(waitForReport());
        QCOMPARE(runner->output(), u"out1\nerr1\nout2\nerr2\n"_s);
    }

    // The first byte of "é" is read on its own; the rest only comes once the test has seen "A".
    void characterSplitAcrossReadsArrivesWhole()
    {
        const QString fifo = path(u"go"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        runner->run(command(u"printf 'A\\303'; read line < '%1'; printf '\\251B'"_s.arg(fifo)));
        QTRY_COMPARE_WITH_TIMEOUT(runner->output(), u"A"_s, timeout);
        // Not QTRY: it evaluates its condition more than once.
        QVERIFY(QTest::qWaitFor([&] { return releaseReader(fifo); }, timeout));
        QVERIFY(waitForReport());
        QCOMPARE(runner->output(), u"AéB"_s);
    }

    void bytesThatAreNotUtf8_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("invalid byte") << u"printf 'a\\377b'"_s << u"a\uFFFDb"_s;
        QTest::newRow("cut short at the end")
            << u"printf 'ok\\342\\202'"_s << QString::fromUtf8("ok\xE2\x82");
    }

    void bytesThatAreNotUtf8()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        runner->run(command(text));
        QVERIFY(waitForReport());
        QCOMPARE(runner->output(), expected);
        QVERIFY(expected.contains(u'\uFFFD'));
    }

    void exitStatusIsReported()
    {
        SavedCommand saved = command(u"exit 3"_s);
        saved.name = u"Three"_s;
        saved.lastExitCode = 0;
        const QDateTime startedAt = clock.now();
        bool reasonHeldAtLaunch = false;
        connect(runner.get(), &CommandRunner::stateChanged, this, [&] {
            if (runner->isRunning())
                reasonHeldAtLaunch = manager->hasReason(ReasonType::Command);
        });
        QTest::ignoreMessage(QtInfoMsg, "Command started: exit 3");
        QTest::ignoreMessage(QtInfoMsg, "Command exited: code=3 cancelled=false");

        runner->run(saved);
        QCOMPARE(runner->state(), State::running());
        QCOMPARE(runner->runningCommand(), std::optional<SavedCommand>(saved));
        QVERIFY(reasonHeldAtLaunch);
        QCOMPARE(manager->reasons().size(), 1);
        const AwakeReason reason = manager->reasons().first();
        QCOMPARE(reason.type, ReasonType::Command);
        QCOMPARE(reason.label, u"Running: exit 3"_s);
        QCOMPARE(reason.mode, AwakeMode::System);
        QCOMPARE(reason.startedAt, startedAt);
        QCOMPARE(reason.endsAt, std::nullopt);

        clock.advance(42);
        QVERIFY(waitForReport());
        QCOMPARE(runner->state(), State::finished(3));
        QCOMPARE(reports.size(), 1);
        SavedCommand expected = saved;
        expected.lastRunAt = startedAt.addSecs(42);
        expected.lastExitCode = 3;
        QVERIFY(reports.first().command == expected);
        QCOMPARE(reports.first().exitCode, std::optional<int>(3));
        QCOMPARE(runner->runningCommand(), std::nullopt);
        QVERIFY(manager->reasons().isEmpty());
        QCOMPARE(backend->calls,
                 (QList<Call>{{Call::Activate, AwakeMode::System, u"Vigila: keep system awake"_s},
                              {Call::Release, std::nullopt, {}}}));

        // Not running: cancel() leaves everything alone.
        QSignalSpy stateChanges(runner.get(), &CommandRunner::stateChanged);
        runner->cancel();
        QCOMPARE(stateChanges.count(), 0);
        QCOMPARE(runner->state(), State::finished(3));
    }

    void cancelEndsEverythingTheCommandStarted_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::newRow("sh") << u"/bin/sh"_s;
        QTest::newRow("bash") << u"/bin/bash"_s;
    }

    void cancelEndsEverythingTheCommandStarted()
    {
        QFETCH(QString, shell);
        const QString pidFile = path(u"pid"_s);
        runner->run(command(grandchildScript.arg(pidFile), shell));
        QTRY_COMPARE_WITH_TIMEOUT(runner->output(), u"started\n"_s, timeout);
        const qint64 grandchild = readPid(pidFile);
        QVERIFY(isAlive(grandchild));

        QTest::ignoreMessage(QtInfoMsg, "Command exited: code=15 cancelled=true");
        runner->cancel();
        QCOMPARE(runner->state(), State::running()); // the end is reported when it comes
        QVERIFY(waitForReport());
        QCOMPARE(runner->state(), State::cancelled());
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.first().exitCode, std::nullopt);
        QCOMPARE(reports.first().command.lastExitCode, std::nullopt);
        QCOMPARE(reports.first().command.lastRunAt, std::optional<QDateTime>(clock.now()));
        QVERIFY(manager->reasons().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!isAlive(grandchild), timeout);
    }

    void cancelKillsWhatIgnoresTheSignal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("exitLine");
        QTest::newRow("the whole command")
            << u"trap '' TERM; "_s + grandchildScript << QByteArray("Command exited: code=9 cancelled=true");
        // The run ends at once; what is left of its group is killed later all the same.
        QTest::newRow("only the grandchild")
            << u"(trap '' TERM; exec sleep 300) & echo $! > '%1'; echo started; wait"_s
            << QByteArray("Command exited: code=15 cancelled=true");
    }

    void cancelKillsWhatIgnoresTheSignal()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, exitLine);
        runner->setTerminationGracePeriod(std::chrono::milliseconds(300));
        const QString pidFile = path(u"pid"_s);
        runner->run(command(text.arg(pidFile)));
        QTRY_COMPARE_WITH_TIMEOUT(runner->output(), u"started\n"_s, timeout);
        const qint64 grandchild = readPid(pidFile);

        QTest::ignoreMessage(QtInfoMsg, exitLine.constData());
        runner->cancel();
        QVERIFY(waitForReport());
        QCOMPARE(runner->state(), State::cancelled());
        QTRY_VERIFY_WITH_TIMEOUT(!isAlive(grandchild), timeout);
    }

    // How the child ended decides, not who asked.
    void shellThatHandlesTheSignalFinishes()
    {
        runner->run(command(u"trap 'exit 7' TERM; echo started; while :; do sleep 1; done"_s));
        QTRY_COMPARE_WITH_TIMEOUT(runner->output(), u"started\n"_s, timeout);
        QTest::ignoreMessage(QtInfoMsg, "Command exited: code=7 cancelled=false");
        runner->cancel();
        QVERIFY(waitForReport());
        QCOMPARE(runner->state(), State::finished(7));
        QCOMPARE(reports.first().exitCode, std::optional<int>(7));
    }

    // The message names what is wrong, in the window's status and in the log.
    void launchFailure_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QString>("workingDirectory");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing shell")
            << u"/nonexistent/zsh"_s << QString() << u"Shell not found: /nonexistent/zsh"_s;
        QTest::newRow("shell not on PATH")
            << u"no-such-shell-vigila"_s << QString() << u"Shell not found: no-such-shell-vigila"_s;
        QTest::newRow("shell is a plain file")
            << u"/etc/passwd"_s << QString() << u"Shell is not executable: /etc/passwd"_s;
        QTest::newRow("shell is a directory") << u"/tmp"_s << QString() << u"Shell is not executable: /tmp"_s;
        QTest::newRow("missing working directory")
            << u"/bin/sh"_s << u"/nonexistent/directory"_s
            << u"Working directory does not exist: /nonexistent/directory"_s;
        QTest::newRow("working directory is a file")
            << u"/bin/sh"_s << u"/etc/passwd"_s << u"Not a directory: /etc/passwd"_s;
        // The directory is entered before the shell runs, so it is the one that failed.
        QTest::newRow("both wrong") << u"/nonexistent/zsh"_s << u"/nonexistent/directory"_s
                                    << u"Working directory does not exist: /nonexistent/directory"_s;
    }

    void launchFailure()
    {
        QFETCH(QString, shell);
        QFETCH(QString, workingDirectory);
        QFETCH(QString, message);
        SavedCommand saved = command(u"echo never"_s, shell);
        if (!workingDirectory.isEmpty())
            saved.workingDirectory = workingDirectory;
        QSignalSpy runningCommandChanges(runner.get(), &CommandRunner::runningCommandChanged);
        QTest::ignoreMessage(QtCriticalMsg, qPrintable(u"Command failed to start: "_s + message));

        runner->run(saved);
        QCOMPARE(runner->state(), State::failedToStart(message));
        QCOMPARE(runner->runningCommand(), std::nullopt);
        QCOMPARE(runningCommandChanges.count(), 2); // set for the attempt, then cleared
        QVERIFY(manager->reasons().isEmpty());
        // The machine was kept awake for the attempt only.
        QCOMPARE(backend->activateCount(), 1);
        QCOMPARE(backend->releaseCount(), 1);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().command == saved);
        QCOMPARE(reports.first().exitCode, std::nullopt);
    }

    void runWhileRunningIsIgnored()
    {
        const SavedCommand first = command(u"echo first; sleep 300"_s);
        runner->run(first);
        QTRY_COMPARE_WITH_TIMEOUT(runner->output(), u"first\n"_s, timeout);
        QSignalSpy outputChanges(runner.get(), &CommandRunner::outputChanged);
        QSignalSpy stateChanges(runner.get(), &CommandRunner::stateChanged);
        QSignalSpy runningCommandChanges(runner.get(), &CommandRunner::runningCommandChanged);

        runner->run(command(u"echo second"_s));
        QCOMPARE(outputChanges.count() + stateChanges.count() + runningCommandChanges.count(), 0);
        QCOMPARE(runner->output(), u"first\n"_s);
        QCOMPARE(runner->runningCommand(), std::optional<SavedCommand>(first));
        QCOMPARE(manager->reasons().size(), 1);
    }

    void workingDirectory_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("workingDirectory");
        QTest::addColumn<QString>("expectedBelowCurrent");
        QTest::newRow("absent") << false << QString() << QString();
        QTest::newRow("empty is like absent") << true << QString() << QString();
        QTest::newRow("tilde is not the home directory") << true << u"~"_s << u"/~"_s;
    }

    void workingDirectory()
    {
        QFETCH(bool, present);
        QFETCH(QString, workingDirectory);
        QFETCH(QString, expectedBelowCurrent);
        QVERIFY(QDir(dir->path()).mkdir(u"~"_s));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });

        SavedCommand saved = command(u"pwd -P"_s);
        if (present)
            saved.workingDirectory = workingDirectory;
        runner->run(saved);
        QVERIFY(waitForReport());
        QCOMPARE(runner->output(), QDir(dir->path()).canonicalPath() + expectedBelowCurrent + u"\n"_s);
    }

    // Nothing the runner started outlives it, and it takes its reason with it.
    void destroyingTheRunnerEndsTheCommand()
    {
        const QString pidFile = path(u"pid"_s);
        runner->run(command(grandchildScript.arg(pidFile)));
        QTRY_COMPARE_WITH_TIMEOUT(runner->output(), u"started\n"_s, timeout);
        const qint64 grandchild = readPid(pidFile);
        QVERIFY(isAlive(grandchild));

        runner.reset();
        QVERIFY(manager->reasons().isEmpty());
        QVERIFY(reports.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!isAlive(grandchild), timeout);
    }

    // A command that finished at once but left a background job: the job does not outlive the
    // runner either.
    void destroyingTheRunnerEndsWhatAFinishedCommandLeft()
    {
        runner->setTerminationGracePeriod(std::chrono::milliseconds(300));
        const QString pidFile = path(u"pid"_s);
        runner->run(command(u"sleep 300 & echo $! > '%1'"_s.arg(pidFile)));
        QVERIFY(waitForReport());
        QCOMPARE(runner->state(), State::finished(0));
        const qint64 background = readPid(pidFile);
        QVERIFY(isAlive(background));

        runner.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!isAlive(background), timeout);
    }

    void nothingRunsOnceTheManagerIsGone()
    {
        manager.reset();
        QSignalSpy stateChanges(runner.get(), &CommandRunner::stateChanged);
        QSignalSpy outputChanges(runner.get(), &CommandRunner::outputChanged);
        runner->run(command(u"echo hi"_s));
        QCOMPARE(stateChanges.count() + outputChanges.count(), 0);
        QCOMPARE(runner->state(), State::idle());
        QCOMPARE(runner->runningCommand(), std::nullopt);
        QVERIFY(reports.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "tst_command_runner.moc"
