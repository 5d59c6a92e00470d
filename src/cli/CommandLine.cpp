#include "CommandLine.h"

#include "ControlClient.h"
#include "ExitStatus.h"
#include "ReasonOutput.h"
#include "SessionBusProbe.h"
#include "TerminalRun.h"
#include "TriggerCommands.h"
#include "control_proxy.h"

#include "safety/SafetyCopy.h"
#include "timers/SessionTimerManager.h"
#include "utilities/Translations.h"
#include "utilities/DateFormatting.h"
#include "utilities/DurationText.h"
#include "utilities/OneLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimeZone>

#include <cstdio>
#include <functional>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

struct Command {
    QString name;
    QString synopsis;
    QString summary;
};

const QList<Command> &commands()
{
    static const QList<Command> list{
        {u"status"_s, u"status [--json]"_s, u"Show whether, and why, the computer is kept awake."_s},
        {u"list"_s, u"list [--json]"_s, u"List what keeps the computer awake, with the ids stop takes."_s},
        {u"start"_s, u"start [--display]"_s, u"Keep the computer awake until you stop it."_s},
        {u"for"_s, u"for DURATION [--display]"_s,
         u"Keep the computer awake for a while: 90 (seconds), 90s, 45m, 1h30m, 2h."_s},
        {u"until"_s, u"until HH:MM [--display]"_s,
         u"Keep the computer awake until a time of day (24-hour clock)."_s},
        {u"extend"_s, u"extend [DURATION]"_s,
         u"Add time to the running timed or until session (default 30m)."_s},
        {u"stop"_s, u"stop ID | --all"_s,
         u"Stop one reason (its id from \u201Cvigila list\u201D), or all of them."_s},
        {u"run"_s, u"run [--display] [--label TEXT] -- COMMAND [ARG\u2026]"_s,
         u"Run a command here and keep the computer awake while it runs."_s},
        {u"triggers"_s, u"triggers [--json]"_s,
         u"List the triggers that keep the computer awake while a condition holds."_s},
        {u"trigger"_s, u"trigger add KIND [OPTIONS] | remove|enable|disable NAME-OR-ID"_s,
         u"Add, remove, enable or disable a trigger: ac, display, remote-session, unit, schedule."_s},
    };
    return list;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

void print(const QString &text)
{
    std::fputs(qUtf8Printable(text), stdout);
}

int usageError(const QString &command, const QString &message)
{
    std::fprintf(stderr, "vigila %s: %s\nRun \"vigila %s --help\" for how to use it.\n",
                 qUtf8Printable(command), qUtf8Printable(message), qUtf8Printable(command));
    return ExitStatus::usage;
}

QString generalHelp()
{
    QString text =
        u"Usage: vigila [COMMAND [OPTIONS]]\n\n"
        u"Keeps the computer awake while real work runs. Without a command, starts Vigila in the\n"
        u"system tray; the commands below control the running Vigila from scripts and terminals.\n\n"
        u"Commands:\n"_s;
    for (const Command &command : commands())
        text += u"  %1\n      %2\n"_s.arg(command.synopsis, command.summary);
    text += u"\nRun \u201Cvigila COMMAND --help\u201D for a command's options.\n\n"
            u"Exit status: 0 done, 1 failed, 2 usage error, 3 Vigila is not running.\n"
            u"\u201Cvigila run\u201D exits with its command's status instead.\n"_s;
    return text;
}

QString modeArgument(bool display, const QString &otherwise)
{
    return display ? u"display"_s : otherwise;
}

// "HH:MM" or "H:MM" on a 24-hour clock.
std::optional<QTime> parseClockTime(const QString &text)
{
    static const QRegularExpression pattern(u"^([01]?[0-9]|2[0-3]):([0-5][0-9])$"_s);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QTime(match.captured(1).toInt(), match.captured(2).toInt());
}

// The zone `until` and `list` read clock times in. An unknown TZ, or one naming a zone file by its
// path (which the C library accepts, with or without a leading colon), leaves Qt without a zone;
// the file's name under a zoneinfo directory, else the system's own zone, stands in.
QTimeZone localZone()
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (zone.isValid())
        return zone;
    QByteArray setting = qgetenv("TZ");
    if (setting.startsWith(':'))
        setting.remove(0, 1);
    const auto fromPath = [](const QString &path) {
        const qsizetype at = path.lastIndexOf(u"/zoneinfo/"_s);
        return at < 0 ? QTimeZone() : QTimeZone(path.mid(at + 10).toUtf8());
    };
    if (setting.startsWith('/')) {
        const QTimeZone named = fromPath(QDir::cleanPath(QString::fromLocal8Bit(setting)));
        if (named.isValid())
            return named;
    }
    QTimeZone system = fromPath(QFileInfo(u"/etc/localtime"_s).canonicalFilePath());
    if (!system.isValid()) {
        QFile file(u"/etc/timezone"_s);
        if (file.open(QIODevice::ReadOnly))
            system = QTimeZone(file.readLine().trimmed());
    }
    if (!system.isValid())
        system = QTimeZone::utc();
    std::fprintf(stderr, "%s\n",
                 qUtf8Printable(QCoreApplication::translate(
                                    "CommandLine", "vigila: the time zone \u201C%1\u201D (TZ) is unknown; "
                                                   "using the system's time zone, %2.")
                                    .arg(oneLine(QString::fromLocal8Bit(qgetenv("TZ"))),
                                         QString::fromUtf8(system.id()))));
    return system;
}

int busSilent()
{
    std::fprintf(stderr, "%s\n",
                 qUtf8Printable(QCoreApplication::translate(
                     "CommandLine", "vigila: the session bus does not answer, so Vigila cannot be reached; "
                                    "the session's D-Bus daemon may be hung.")));
    return ExitStatus::failed;
}

QString durationProblem(const QString &text)
{
    return u"\u201C%1\u201D is not a duration; write 90 (seconds), 90s, 45m, 1h30m or 2h, up to 366 days."_s
        .arg(text);
}

// Splits `run`'s arguments into its options and the command, which may follow "--" or simply
// start at the first word that is not an option.
void splitRun(const QList<QByteArray> &arguments, QList<QByteArray> &options, QList<QByteArray> &command)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        if (argument == "--") {
            command = arguments.mid(i + 1);
            return;
        }
        if (!argument.startsWith('-') || argument == "-") {
            command = arguments.mid(i);
            return;
        }
        options << argument;
        if (argument == "--label" && i + 1 < arguments.size())
            options << arguments[++i];
    }
}

struct Parsed {
    QCommandLineParser parser;
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"Show this help."_s};
    QCommandLineOption json{u"json"_s, u"Print JSON (the D-Bus interface's keys) instead of text."_s};
    QCommandLineOption display{u"display"_s, u"Keep the display on as well, not only the system."_s};
    QCommandLineOption all{u"all"_s, u"Stop every reason."_s};
    QCommandLineOption label{
        u"label"_s, u"What the tray shows for the command (\u201CTerminal: TEXT\u201D)."_s, u"TEXT"_s};
};

void configure(Parsed &parsed, const Command &command)
{
    QCommandLineParser &parser = parsed.parser;
    parser.setApplicationDescription(command.summary);
    parser.addOption(parsed.help);
    const QString &name = command.name;
    if (name == u"status" || name == u"list" || name == u"triggers")
        parser.addOption(parsed.json);
    if (name == u"start" || name == u"for" || name == u"until" || name == u"run")
        parser.addOption(parsed.display);
    if (name == u"stop")
        parser.addOption(parsed.all);
    if (name == u"run")
        parser.addOption(parsed.label);
    if (name == u"for" || name == u"extend")
        parser.addPositionalArgument(u"DURATION"_s,
                                     u"90 (seconds), 90s, 45m, 1h30m or 2h; whole numbers, hours first."_s,
                                     name == u"extend" ? u"[DURATION]"_s : u"DURATION"_s);
    if (name == u"until")
        parser.addPositionalArgument(u"HH:MM"_s,
                                     u"A time of day on the 24-hour clock; tomorrow if already past."_s);
    if (name == u"stop")
        parser.addPositionalArgument(u"ID"_s, u"A reason's id, as \u201Cvigila list\u201D shows it."_s,
                                     u"[ID]"_s);
    if (name == u"run")
        parser.addPositionalArgument(u"COMMAND"_s, u"The program to run (found in PATH) and its arguments."_s,
                                     u"-- COMMAND [ARG\u2026]"_s);
}

QString commandHelp(Parsed &parsed, const Command &command)
{
    QString text = parsed.parser.helpText();
    // Qt writes "Usage: vigila [options] …"; the command's own synopsis says it better.
    const qsizetype endOfLine = text.indexOf(u'\n');
    return u"Usage: vigila "_s + command.synopsis + text.mid(endOfLine);
}

int status(bool json)
{
    if (!SessionBusProbe::answers())
        return busSilent();
    ControlClient client;
    QDBusPendingReply<QVariantMap> reply = client.proxy().Status();
    if (const int failure = client.wait(reply))
        return failure;
    QVariantMap answer = reply.value();
    // A nested list arrives undecoded; as plain maps it prints like the rest.
    const QString others = u"otherInhibitors"_s;
    if (answer.value(others).canConvert<QDBusArgument>()) {
        QVariantList list;
        for (const QVariantMap &other : qdbus_cast<QList<QVariantMap>>(answer.value(others)))
            list << other;
        answer.insert(others, list);
    }
    if (json)
        std::fputs(ReasonOutput::json(answer).constData(), stdout);
    else
        print(ReasonOutput::statusText(answer));
    return ExitStatus::done;
}

int list(bool json)
{
    if (!SessionBusProbe::answers())
        return busSilent();
    ControlClient client;
    QDBusPendingReply<QList<QVariantMap>> reply = client.proxy().ListReasons();
    if (const int failure = client.wait(reply))
        return failure;
    if (json)
        std::fputs(ReasonOutput::json(reply.value()).constData(), stdout);
    else
        print(ReasonOutput::listText(reply.value(), QDateTime::currentDateTimeUtc(), localZone()));
    return ExitStatus::done;
}

// A call without an answer, then a line saying what happened.
int act(QDBusPendingReply<> reply, const QString &done)
{
    reply.waitForFinished();
    if (reply.isError())
        return ControlClient::report(reply.error());
    print(done + u'\n');
    return ExitStatus::done;
}

// A session command: confirms what Vigila did, in the mode the session really keeps (the
// preferences' default where no mode was given), and fails when the lock could not be taken.
int actOnSession(QDBusPendingReply<QVariantMap> reply, const std::function<QString(const QString &what)> &done)
{
    reply.waitForFinished();
    if (reply.isError())
        return ControlClient::report(reply.error());
    const QVariantMap outcome = reply.value();
    const bool display = outcome.value(u"mode"_s).toString() == u"display";
    print(done(display ? u"display"_s : u"computer"_s) + u'\n');
    // At most one timed (or until-time) session runs: a new one takes the old one's place.
    if (outcome.value(u"outcome"_s).toString() == u"replaced")
        print(QCoreApplication::translate("CommandLine", "Replaced the session \u201C%1\u201D.")
                  .arg(oneLine(outcome.value(u"replaced"_s).toString())) +
              u'\n');
    const QString lock = outcome.value(u"lock"_s).toString();
    if (lock == u"failed") {
        std::fprintf(stderr, "vigila: %s\n", qUtf8Printable(outcome.value(u"lockError"_s).toString()));
        return ExitStatus::failed;
    }
    if (lock == u"taking")
        std::fputs("vigila: the keep-awake lock is still being taken; \"vigila status\" shows when it is held.\n",
                   stderr);
    return ExitStatus::done;
}

int dispatch(Parsed &parsed, const Command &command, const QList<QByteArray> &runCommand)
{
    QCommandLineParser &parser = parsed.parser;
    const QString &name = command.name;
    const QStringList positional = parser.positionalArguments();
    const qsizetype allowed =
        (name == u"for" || name == u"until" || name == u"extend" || name == u"stop") ? 1 : 0;
    if (positional.size() > allowed)
        return usageError(name, u"unexpected \u201C%1\u201D."_s.arg(positional.at(allowed)));
    // Options the command does not have are never set (asking Qt about them would warn).
    const QStringList set = parser.optionNames();
    const bool display = set.contains(u"display"_s);

    if (name == u"status")
        return status(set.contains(u"json"_s));
    if (name == u"list")
        return list(set.contains(u"json"_s));
    if (name == u"triggers")
        return TriggerCommands::list(set.contains(u"json"_s));
    if (name == u"run") {
        if (runCommand.isEmpty())
            return usageError(name, u"name the command to run after \u201C--\u201D."_s);
        return TerminalRun::run({display, parser.value(parsed.label), runCommand});
    }

    if (!SessionBusProbe::answers())
        return busSilent();
    ControlClient client;
    ControlProxy &vigila = client.proxy();
    if (name == u"start")
        return actOnSession(vigila.StartManual(modeArgument(display, QString())), [](const QString &what) {
            return u"Keeping the %1 awake until you stop it."_s.arg(what);
        });
    if (name == u"for") {
        if (positional.isEmpty())
            return usageError(name, u"say for how long, such as 45m or 1h30m."_s);
        const auto seconds = DurationText::parse(positional.constFirst());
        if (!seconds)
            return usageError(name, durationProblem(positional.constFirst()));
        return actOnSession(vigila.StartTimed(*seconds, modeArgument(display, QString())),
                            [&](const QString &what) {
                                return u"Keeping the %1 awake for %2."_s.arg(what, DateFormatting::remaining(*seconds));
                            });
    }
    if (name == u"until") {
        if (positional.isEmpty())
            return usageError(name, u"say until when, such as 18:30."_s);
        const auto time = parseClockTime(positional.constFirst());
        if (!time)
            return usageError(name, u"\u201C%1\u201D is not a time of day; write HH:MM, such as 18:30."_s.arg(
                                        positional.constFirst()));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QTimeZone zone = localZone();
        const QDateTime end = SessionTimerManager::nextOccurrence(time->hour(), time->minute(), now, zone);
        const bool tomorrow = end.toTimeZone(zone).date() != now.toTimeZone(zone).date();
        return actOnSession(vigila.StartUntil(end.toSecsSinceEpoch(), modeArgument(display, QString())),
                            [&](const QString &what) {
                                return u"Keeping the %1 awake until %2%3."_s.arg(
                                    what, DateFormatting::clock(end, zone), tomorrow ? u" tomorrow"_s : QString());
                            });
    }
    if (name == u"extend") {
        const QString text = positional.isEmpty() ? u"30m"_s : positional.constFirst();
        const auto seconds = DurationText::parse(text);
        if (!seconds)
            return usageError(name, durationProblem(text));
        return actOnSession(vigila.Extend(*seconds), [&](const QString &) {
            return u"Added %1 to the running session."_s.arg(DateFormatting::remaining(*seconds));
        });
    }
    // stop
    const bool all = set.contains(u"all"_s);
    if (all == !positional.isEmpty())
        return usageError(name, u"give either a reason's id (see \u201Cvigila list\u201D) or --all."_s);
    if (all)
        return act(vigila.StopAll(), u"Stopped everything that kept the computer awake."_s);
    return act(vigila.StopReason(positional.constFirst()), u"Stopped."_s);
}

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

namespace CommandLine {

bool isCommand(int argc, char **argv)
{
    if (argc < 2)
        return false;
    const char *first = argv[1];
    for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
        if (std::strcmp(first, option) == 0)
            return true;
    }
    return first[0] != '-';
}

int run(int argc, char **argv)
{
    // Taken before QCoreApplication sees them: run's command goes to exec byte for byte.
    QList<QByteArray> arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    const QByteArray first = argv[1];

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"vigila"_s);
    QCoreApplication::setApplicationVersion(SafetyCopy::version());
    Translations::install();

    if (first == "-h" || first == "--help" || first == "-?" || first == "--help-all" || first == "help") {
        print(generalHelp());
        return ExitStatus::done;
    }
    if (first == "-v" || first == "--version") {
        print(u"vigila "_s + QCoreApplication::applicationVersion() + u'\n');
        return ExitStatus::done;
    }
    const Command *command = findCommand(QString::fromUtf8(first));
    if (!command) {
        std::fprintf(stderr, "vigila: there is no command \"%s\"; run \"vigila --help\" for the list.\n",
                     first.constData());
        return ExitStatus::usage;
    }

    QList<QByteArray> options = arguments;
    QList<QByteArray> runCommand;
    // `trigger` has words of its own (add, remove, …) and options that depend on them.
    if (command->name == u"trigger") {
        QStringList words;
        for (const QByteArray &argument : std::as_const(arguments)) {
            if (!isValidUtf8(argument))
                return usageError(command->name, u"arguments must be UTF-8 text."_s);
            words << QString::fromUtf8(argument);
        }
        return TriggerCommands::edit(words);
    }
    if (command->name == u"run") {
        options.clear();
        splitRun(arguments, options, runCommand);
    }
    QStringList texts{u"vigila"_s};
    for (const QByteArray &option : std::as_const(options)) {
        if (!isValidUtf8(option))
            return usageError(command->name, u"arguments must be UTF-8 text."_s);
        texts << QString::fromUtf8(option);
    }

    Parsed parsed;
    configure(parsed, *command);
    if (!parsed.parser.parse(texts))
        return usageError(command->name, parsed.parser.errorText());
    if (parsed.parser.isSet(parsed.help)) {
        print(commandHelp(parsed, *command));
        return ExitStatus::done;
    }
    return dispatch(parsed, *command, runCommand);
}

} // namespace CommandLine
