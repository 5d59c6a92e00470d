#pragma once

#include "processes/ListingThreads.h"
#include "processes/ProcessRule.h"
#include "processes/ProcessSnapshotProviding.h"

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>

// Lists the running processes with two runs of ps: one for each process's task name, one for its
// full command line, joined by pid.
//
// procps reports the kernel's task name (cut to 15 bytes, and not a path) rather than the
// executable's path, so the executable name is rebuilt from the two columns:
// - a command line that is a name in brackets ("[kworker/0:1H-events_highpri]") belongs to a kernel
//   thread, which procps shows by its task name: that name, as it is. Zombies ("[foo] <defunct>")
//   are not running and are left out;
// - a task name shorter than 15 bytes is whole: the task name, as it is;
// - a 15-byte task name may have been cut: TaskNames::wholeName finds the whole name in the
//   command line;
// - no task name (the process started between the two runs): the last path component of the
//   command line.
class PSProcessSnapshotProvider final : public ProcessSnapshotProviding {
public:
    static QString defaultPSPath();
    static constexpr int defaultTimeoutMilliseconds = 5000;

    // psPath is replaceable so tests can stand a script in for ps. A run that takes longer than
    // timeoutMilliseconds is killed and the listing fails: a hung ps must not hold the listing up.
    explicit PSProcessSnapshotProvider(QString psPath = defaultPSPath(),
                                       int timeoutMilliseconds = defaultTimeoutMilliseconds);

    // Always with command lines, which ps lists anyway, on a thread of its own (ps waits for every
    // process it reads, like any listing). Nothing when the command listing fails: ps cannot run,
    // times out, fails or writes invalid UTF-8.
    QFuture<Listing> snapshot(Detail detail) override;
    // The same listing on the calling thread.
    Listing list() const;

    // The pid and the rest of one listing line, both trimmed of horizontal white space; nothing if
    // the line has no space or does not start with a decimal number.
    static std::optional<std::pair<qint64, QStringView>> splitPIDAndRest(QStringView line);
    // The rules above; taskName is absent when the pid was missing from the task listing.
    static QString executableName(std::optional<QStringView> taskName, QStringView commandLine);
    // Joins the two listings by pid, in the order of the command listing, leaving zombies out.
    static QList<RunningProcess> parse(QStringView taskListing, QStringView commandListing);

    static const QStringList &taskListingArguments();
    static const QStringList &commandListingArguments();

private:
    // Standard output as text; nothing if ps cannot run, times out, fails or writes invalid UTF-8.
    static std::optional<QString> runPS(const QString &psPath, int timeoutMilliseconds,
                                        const QProcessEnvironment &environment, const QStringList &arguments);
    static Listing list(const QString &psPath, int timeoutMilliseconds,
                        const QProcessEnvironment &environment);

    QString m_psPath;
    int m_timeoutMilliseconds;
    QProcessEnvironment m_environment;
    ListingThreads m_threads;
};
