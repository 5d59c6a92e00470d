#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// `vigila run [--display] [--label TEXT] -- COMMAND [ARG…]`: runs the command in the terminal and
// keeps the computer awake for exactly as long as it runs. The running Vigila holds the reason
// (it shows under Active Reasons, and can be stopped there); without it, this process takes the
// lock itself through the same inhibitor chain, so it also works over SSH; so it does when the
// session bus does not answer, or when Vigila quits while the command runs.
namespace TerminalRun {

struct Request {
    bool display = false;
    QString label; // empty: the command line
    QList<QByteArray> command;
};

// The command's exit status; when a signal ended the command, this process ends by the same
// signal and does not return. 126 or 127 when it could not be started, 2 for a label Vigila
// rejects.
int run(const Request &request);

// The label shown for a command run without --label: its words as oneLine() shows them,
// cut to fit.
QString defaultLabel(const QList<QByteArray> &command, qsizetype maximumLength);

} // namespace TerminalRun
