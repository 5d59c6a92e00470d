// Output throughput of CommandRunner against the same bytes through a plain pipe, and the peak
// memory it takes. Run by hand: ./build/bench/bench_command_runner [megabytes, default 200]
//
// Each rate is the best of three runs, so that other work on the machine disturbs it less.

#include "NullPowerAssertion.h"
#include "commands/CommandRunner.h"
#include "power/AssertionManager.h"
#include "utilities/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <utility>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
}

void shell(const QString &script)
{
    QProcess::execute(u"/bin/sh"_s, {u"-c"_s, script});
}

// Best rate of three runs, in MB/s.
double rate(qint64 bytes, const std::function<void()> &work)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed());
    }
    return static_cast<double>(bytes) / 1e6 / (static_cast<double>(best) / 1e9);
}

void discardThroughQProcess(const QString &script)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [&] { process.readAll(); });
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start(u"/bin/sh"_s, {u"-c"_s, script});
    loop.exec();
}

void throughRunner(AssertionManager &manager, const Clock &clock, const QString &script)
{
    CommandRunner runner(&manager, clock);
    QEventLoop loop;
    runner.onFinished = [&](const SavedCommand &, std::optional<int>) { loop.quit(); };
    SavedCommand command;
    command.command = script;
    command.shell = u"/bin/sh"_s;
    runner.run(command);
    loop.exec();
    if (runner.state() != CommandRunner::State::finished(0)
        || runner.output().size() < CommandRunner::maxOutputChars) {
        std::fprintf(stderr, "the command did not run as expected\n");
        std::exit(1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(u"app.info=false"_s);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 200;
    const qint64 bytes = megabytes * 1'000'000;

    QTemporaryDir dir;
    const QString letters = dir.filePath(u"letters"_s);
    const QString lines = dir.filePath(u"lines"_s);
    const QString small = dir.filePath(u"small"_s);
    // Read from files (kept in the page cache) so that producing the bytes costs next to nothing.
    shell(u"head -c %1 /dev/zero | tr '\\0' a > '%2'"_s.arg(bytes).arg(letters));
    shell(u"yes 'compiling src/module_0123456789.cpp: warning: unused variable' | head -c %1 > '%2'"_s
              .arg(bytes)
              .arg(lines));
    shell(u"head -c %1 '%2' > '%3'"_s.arg(bytes / 10).arg(lines, small));

    SystemClock clock;
    AssertionManager manager(std::make_shared<NullPowerAssertion>());

    std::printf("%lld MB per run, best of 3\n", static_cast<long long>(megabytes));
    const double before = peakMegabytes();
    throughRunner(manager, clock, u"cat '%1'"_s.arg(small));
    const double afterSmall = peakMegabytes();

    for (const auto &[name, file] :
         {std::pair{"letters, no line breaks", letters}, std::pair{"text lines", lines}}) {
        const double toNull = rate(bytes, [&] { shell(u"cat '%1' > /dev/null"_s.arg(file)); });
        const double pipe = rate(bytes, [&] { shell(u"cat '%1' | cat > /dev/null"_s.arg(file)); });
        const double qprocess = rate(bytes, [&] { discardThroughQProcess(u"cat '%1'"_s.arg(file)); });
        const double runner = rate(bytes, [&] { throughRunner(manager, clock, u"cat '%1'"_s.arg(file)); });
        std::printf("\n%s\n", name);
        std::printf("  cat file > /dev/null              %8.0f MB/s\n", toNull);
        std::printf("  cat file | cat > /dev/null (pipe) %8.0f MB/s\n", pipe);
        std::printf("  QProcess, output discarded        %8.0f MB/s\n", qprocess);
        std::printf("  CommandRunner                     %8.0f MB/s  (%.0f %% of the pipe)\n", runner,
                    100.0 * runner / pipe);
    }

    std::printf("\npeak resident memory: %.1f MB at start, %.1f MB after %lld MB, %.1f MB after all runs\n",
                before, afterSmall, static_cast<long long>(megabytes / 10), peakMegabytes());
    return 0;
}
