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

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct Command {
    QString name;
    const char *synopsis;
    const char *summary;
};

// The synopses and summaries are shown through Text::tr. In the synopses the command and option
// names stay as they are; the words in capitals name what the user writes in their place.
const QList<Command> &commands()
{
    static const QList<Command> list{
        //: keep the command and option names as they are
        {u"status"_s, QT_TRANSLATE_NOOP("CommandLine", "status [--json]"),
         QT_TRANSLATE_NOOP("CommandLine", "Show whether, and why, the computer is kept awake.")},
        //: keep the command and option names as they are
        {u"list"_s, QT_TRANSLATE_NOOP("CommandLine", "list [--json]"),
         //: "stop" is the command's name: keep it as it is
         QT_TRANSLATE_NOOP("CommandLine", "List what keeps the computer awake, with the ids stop takes.")},
        //: keep the command and option names as they are
        {u"start"_s, QT_TRANSLATE_NOOP("CommandLine", "start [--display]"),
         QT_TRANSLATE_NOOP("CommandLine", "Keep the computer awake until you stop it.")},
        //: keep the command and option names as they are
        {u"for"_s, QT_TRANSLATE_NOOP("CommandLine", "for DURATION [--display]"),
         //: keep the durations as they are: they are what the command accepts
         QT_TRANSLATE_NOOP("CommandLine",
                           "Keep the computer awake for a while: 90 (seconds), 90s, 45m, 1h30m, 2h.")},
        //: keep the command and option names as they are
        {u"until"_s, QT_TRANSLATE_NOOP("CommandLine", "until HH:MM [--display]"),
         QT_TRANSLATE_NOOP("CommandLine", "Keep the computer awake until a time of day (24-hour clock).")},
        //: keep the command and option names as they are
        {u"extend"_s, QT_TRANSLATE_NOOP("CommandLine", "extend [DURATION]"),
         //: keep 30m as it is: it is what the command takes
         QT_TRANSLATE_NOOP("CommandLine", "Add time to the running timed or until session (default 30m).")},
        //: keep the command and option names as they are
        {u"stop"_s, QT_TRANSLATE_NOOP("CommandLine", "stop ID | --all"),
         //: keep the command name "vigila list" as it is
         QT_TRANSLATE_NOOP("CommandLine",
                           "Stop one reason (its id from \u201Cvigila list\u201D), or all of them.")},
        //: keep the command and option names as they are
        {u"run"_s, QT_TRANSLATE_NOOP("CommandLine", "run [--display] [--label TEXT] -- COMMAND [ARG\u2026]"),
         QT_TRANSLATE_NOOP("CommandLine", "Run a command here and keep the computer awake while it runs.")},
        //: keep the command and option names as they are
        {u"triggers"_s, QT_TRANSLATE_NOOP("CommandLine", "triggers [--json]"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "List the triggers that keep the computer awake while a condition holds.")},
        //: keep the command and option names, and add, remove, enable, disable, as they are
        {u"trigger"_s,
         QT_TRANSLATE_NOOP("CommandLine", "trigger add KIND [OPTIONS] | remove|enable|disable NAME-OR-ID"),
         //: keep the trigger kinds (ac, display, remote-session, unit, schedule) as they are
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "Add, remove, enable or disable a trigger: ac, display, remote-session, unit, schedule.")},
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
    //: %1 is the command's name, %2 what is wrong; keep "vigila %1 --help" as it is
    std::fputs(
        qUtf8Printable(
            Text::tr("vigila %1: %2\nRun \"vigila %1 --help\" for how to use it.\n").arg(command, message)),
        stderr);
    return ExitStatus::usage;
}

QString generalHelp()
{
    QString commandList;
    for (const Command &command : commands())
        commandList += u"  %1\n      %2\n"_s.arg(Text::tr(command.synopsis), Text::tr(command.summary));
    //: keep the command and option names as they are; %1 is the list of commands
    return Text::tr(
               "Usage: vigila [COMMAND [OPTIONS]]\n\n"
               "Keeps the computer awake while real work runs. Without a command, starts Vigila in the\n"
               "system tray; the commands below control the running Vigila from scripts and terminals.\n\n"
               "Commands:\n"
               "%1\n"
               "Run \u201Cvigila COMMAND --help\u201D for a command's options.\n\n"
               "Exit status: 0 done, 1 failed, 2 usage error, 3 Vigila is not running.\n"
               "\u201Cvigila run\u201D exits with its command's status instead.\n")
        .arg(commandList);
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
    //: %1 is the value of the TZ environment variable, %2 the name of the time zone used instead
    std::fprintf(stderr, "%s\n",
                 qUtf8Printable(Text::tr("vigila: the time zone \u201C%1\u201D (TZ) is unknown; "
                                         "using the system's time zone, %2.")
                                    .arg(oneLine(QString::fromLocal8Bit(qgetenv("TZ"))),
                                         QString::fromUtf8(system.id()))));
    return system;
}

int busSilent()
{
    std::fprintf(
        stderr, "%s\n",
        qUtf8Printable(Text::tr("vigila: the session bus does not answer, so Vigila cannot be reached; "
                                "the session's D-Bus daemon may be hung.")));
    return ExitStatus::failed;
}

QString durationProblem(const QString &text)
{
    //: %1 is what the user wrote; keep the durations as they are: they are what the command accepts
    return Text::tr(
               "\u201C%1\u201D is not a duration; write 90 (seconds), 90s, 45m, 1h30m or 2h, up to 366 days.")
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
    QCommandLineOption help{{u"h"_s, u"help"_s}, Text::tr("Show this help.")};
    QCommandLineOption json{u"json"_s, Text::tr("Print JSON (the D-Bus interface's keys) instead of text.")};
    QCommandLineOption display{u"display"_s, Text::tr("Keep the display on as well, not only the system.")};
    QCommandLineOption all{u"all"_s, Text::tr("Stop every reason.")};
    QCommandLineOption label{
        u"label"_s,
        //: "Terminal: TEXT" is how the tray labels the command; TEXT is the --label option's value
        Text::tr("What the tray shows for the command (\u201CTerminal: TEXT\u201D)."),
        //: the value of the --label option, as the help shows it
        Text::tr("TEXT")};
};

void configure(Parsed &parsed, const Command &command)
{
    QCommandLineParser &parser = parsed.parser;
    parser.setApplicationDescription(Text::tr(command.summary));
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
    // The arguments' names as the synopses write them.
    if (name == u"for" || name == u"extend")
        parser.addPositionalArgument(
            Text::tr("DURATION"),
            //: keep the durations as they are: they are what the command accepts
            Text::tr("90 (seconds), 90s, 45m, 1h30m or 2h; whole numbers, hours first."),
            name == u"extend" ? Text::tr("[DURATION]") : Text::tr("DURATION"));
    if (name == u"until")
        parser.addPositionalArgument(
            Text::tr("HH:MM"), Text::tr("A time of day on the 24-hour clock; tomorrow if already past."));
    if (name == u"stop")
        parser.addPositionalArgument(Text::tr("ID"),
                                     //: keep the command name "vigila list" as it is
                                     Text::tr("A reason's id, as \u201Cvigila list\u201D shows it."),
                                     Text::tr("[ID]"));
    if (name == u"run")
        parser.addPositionalArgument(Text::tr("COMMAND"),
                                     Text::tr("The program to run (found in PATH) and its arguments."),
                                     Text::tr("-- COMMAND [ARG\u2026]"));
}

QString commandHelp(Parsed &parsed, const Command &command)
{
    QString text = parsed.parser.helpText();
    // Qt writes "Usage: vigila [options] …"; the command's own synopsis says it better.
    const qsizetype endOfLine = text.indexOf(u'\n');
    //: %1 is the command's synopsis, such as "status [--json]"
    return Text::tr("Usage: vigila %1").arg(Text::tr(command.synopsis)) + text.mid(endOfLine);
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
int actOnSession(QDBusPendingReply<QVariantMap> reply, const std::function<QString(bool display)> &done)
{
    reply.waitForFinished();
    if (reply.isError())
        return ControlClient::report(reply.error());
    const QVariantMap outcome = reply.value();
    print(done(outcome.value(u"mode"_s).toString() == u"display") + u'\n');
    // At most one timed (or until-time) session runs: a new one takes the old one's place.
    if (outcome.value(u"outcome"_s).toString() == u"replaced")
        print(Text::tr("Replaced the session \u201C%1\u201D.")
                  .arg(oneLine(outcome.value(u"replaced"_s).toString())) +
              u'\n');
    const QString lock = outcome.value(u"lock"_s).toString();
    if (lock == u"failed") {
        std::fprintf(stderr, "vigila: %s\n", qUtf8Printable(outcome.value(u"lockError"_s).toString()));
        return ExitStatus::failed;
    }
    if (lock == u"taking")
        //: keep the command name "vigila status" as it is
        std::fputs(
            qUtf8Printable(Text::tr("vigila: the keep-awake lock is still being taken; \"vigila status\" "
                                    "shows when it is held.\n")),
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
        //: %1 is an argument the command does not take
        return usageError(name, Text::tr("unexpected \u201C%1\u201D.").arg(positional.at(allowed)));
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
            return usageError(name, Text::tr("name the command to run after \u201C--\u201D."));
        return TerminalRun::run({display, parser.value(parsed.label), runCommand});
    }

    if (!SessionBusProbe::answers())
        return busSilent();
    ControlClient client;
    ControlProxy &vigila = client.proxy();
    if (name == u"start")
        return actOnSession(vigila.StartManual(modeArgument(display, QString())), [](bool keptDisplay) {
            return keptDisplay ? Text::tr("Keeping the display awake until you stop it.")
                               : Text::tr("Keeping the computer awake until you stop it.");
        });
    if (name == u"for") {
        if (positional.isEmpty())
            //: keep 45m and 1h30m as they are: they are what the command accepts
            return usageError(name, Text::tr("say for how long, such as 45m or 1h30m."));
        const auto seconds = DurationText::parse(positional.constFirst());
        if (!seconds)
            return usageError(name, durationProblem(positional.constFirst()));
        return actOnSession(vigila.StartTimed(*seconds, modeArgument(display, QString())),
                            [&](bool keptDisplay) {
                                const QString time = DateFormatting::remaining(*seconds);
                                //: %1 is a duration, such as "1h 30m"
                                return keptDisplay ? Text::tr("Keeping the display awake for %1.").arg(time)
                                                   //: %1 is a duration, such as "1h 30m"
                                                   : Text::tr("Keeping the computer awake for %1.").arg(time);
                            });
    }
    if (name == u"until") {
        if (positional.isEmpty())
            return usageError(name, Text::tr("say until when, such as 18:30."));
        const auto time = parseClockTime(positional.constFirst());
        if (!time)
            //: %1 is what the user wrote
            return usageError(name,
                              Text::tr("\u201C%1\u201D is not a time of day; write HH:MM, such as 18:30.")
                                  .arg(positional.constFirst()));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QTimeZone zone = localZone();
        const QDateTime end = SessionTimerManager::nextOccurrence(time->hour(), time->minute(), now, zone);
        const bool tomorrow = end.toTimeZone(zone).date() != now.toTimeZone(zone).date();
        return actOnSession(
            vigila.StartUntil(end.toSecsSinceEpoch(), modeArgument(display, QString())),
            [&](bool keptDisplay) {
                const QString clock = DateFormatting::clock(end, zone);
                //: %1 is a time of day, such as 18:30
                const char *text = QT_TRANSLATE_NOOP("CommandLine", "Keeping the computer awake until %1.");
                if (keptDisplay && tomorrow)
                    //: %1 is a time of day, such as 18:30
                    text = QT_TRANSLATE_NOOP("CommandLine", "Keeping the display awake until %1 tomorrow.");
                else if (keptDisplay)
                    //: %1 is a time of day, such as 18:30
                    text = QT_TRANSLATE_NOOP("CommandLine", "Keeping the display awake until %1.");
                else if (tomorrow)
                    //: %1 is a time of day, such as 18:30
                    text = QT_TRANSLATE_NOOP("CommandLine", "Keeping the computer awake until %1 tomorrow.");
                return Text::tr(text).arg(clock);
            });
    }
    if (name == u"extend") {
        const QString text = positional.isEmpty() ? u"30m"_s : positional.constFirst();
        const auto seconds = DurationText::parse(text);
        if (!seconds)
            return usageError(name, durationProblem(text));
        return actOnSession(vigila.Extend(*seconds), [&](bool) {
            //: %1 is a duration, such as "30m"
            return Text::tr("Added %1 to the running session.").arg(DateFormatting::remaining(*seconds));
        });
    }
    // stop
    const bool all = set.contains(u"all"_s);
    if (all == !positional.isEmpty())
        //: keep "vigila list" and --all as they are
        return usageError(name,
                          Text::tr("give either a reason's id (see \u201Cvigila list\u201D) or --all."));
    if (all)
        return act(vigila.StopAll(), Text::tr("Stopped everything that kept the computer awake."));
    return act(vigila.StopReason(positional.constFirst()), Text::tr("Stopped.", "one reason was stopped"));
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
        // The word goes out as it came, byte for byte, even when it is not UTF-8.
        //: %1 is the word given as a command; keep "vigila --help" as it is
        QByteArray line =
            Text::tr("vigila: there is no command \"%1\"; run \"vigila --help\" for the list.\n").toUtf8();
        line.replace("%1", first);
        std::fputs(line.constData(), stderr);
        return ExitStatus::usage;
    }

    QList<QByteArray> options = arguments;
    QList<QByteArray> runCommand;
    // `trigger` has words of its own (add, remove, …) and options that depend on them.
    if (command->name == u"trigger") {
        QStringList words;
        for (const QByteArray &argument : std::as_const(arguments)) {
            if (!isValidUtf8(argument))
                return usageError(command->name, Text::tr("arguments must be UTF-8 text."));
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
            return usageError(command->name, Text::tr("arguments must be UTF-8 text."));
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
