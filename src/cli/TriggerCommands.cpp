#include "TriggerCommands.h"

#include "ControlClient.h"
#include "ExitStatus.h"
#include "ReasonOutput.h"
#include "SessionBusProbe.h"
#include "control_proxy.h"

#include "utilities/DateFormatting.h"
#include "utilities/DurationText.h"
#include "utilities/OneLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace TriggerCommands {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TriggerCommands)
};

void print(const QString &text)
{
    std::fputs(qUtf8Printable(text), stdout);
}

int usageError(const QString &message)
{
    //: %1 is what is wrong; keep "vigila trigger --help" as it is
    std::fputs(
        qUtf8Printable(
            Text::tr("vigila trigger: %1\nRun \"vigila trigger --help\" for how to use it.\n").arg(message)),
        stderr);
    return ExitStatus::usage;
}

int busSilent()
{
    std::fprintf(
        stderr, "%s\n",
        qUtf8Printable(Text::tr("vigila: the session bus does not answer, so Vigila cannot be reached; "
                                "the session's D-Bus daemon may be hung.")));
    return ExitStatus::failed;
}

QString help()
{
    //: keep the command and option names, the kinds and the schedule's example as they are
    return Text::tr(
        "Usage: vigila trigger add KIND [OPTIONS]\n"
        "       vigila trigger remove|enable|disable NAME-OR-ID\n\n"
        "Adds a trigger that keeps the computer awake while its condition holds, or removes,\n"
        "enables or disables one (by its name or its id from \"vigila triggers\").\n\n"
        "Kinds:\n"
        "  ac                          while the power adapter is connected\n"
        "  display                     while an external display is connected (or docked)\n"
        "  remote-session [--any-user] while you (or anyone) are logged in remotely, as over SSH\n"
        "  unit NAME [--user|--system] while a systemd unit runs (the system's by default)\n"
        "  schedule \"Mon-Fri 09:00-17:30\"  during weekly windows of local time\n"
        "  audio [--ignore APP]... [--only APP]...\n"
        "                              while sound plays (not paused, muted or silent)\n"
        "  download [--folder DIR]... [--pattern GLOB]...\n"
        "                              while a partial download grows (Downloads by default)\n"
        "  network --above KB/S [--window DURATION] [--interface NAME]\n"
        "                              while traffic stays above a rate (30 s average)\n"
        "  busy PROCESS [--contains] [--above PERCENT] [--window DURATION]\n"
        "                              while a process uses more CPU (10 % of a core, 60 s)\n"
        "  machine [NAME]              while a virtual machine or container runs\n\n"
        "Options of add:\n"
        "  --name TEXT      what the menu shows (the condition by default)\n"
        "  --display        keep the display on as well (else the preferences' default mode)\n"
        "  --system-only    keep only the system awake\n"
        "  --delay DURATION the condition must hold this long first (90, 90s, 5m; default 0)\n"
        "  --grace DURATION stay awake this long after it ends (default 0)\n"
        "  --only-on-ac     only while on AC power\n"
        "  --disabled       add it turned off\n\n"
        "Prints the new trigger's id.\n");
}

// "0" as well as what DurationText takes, up to a day.
std::optional<uint> seconds(const QString &text)
{
    if (text == u"0")
        return 0;
    const auto parsed = DurationText::parse(text);
    if (!parsed || *parsed > 86400)
        return std::nullopt;
    return uint(*parsed);
}

QString stateText(const QVariantMap &trigger)
{
    if (trigger.contains(u"problem"_s))
        //: a trigger's state, after its name
        return Text::tr("cannot run");
    if (!trigger.value(u"enabled"_s).toBool())
        //: a trigger's state: turned off
        return Text::tr("off");
    if (trigger.value(u"active"_s).toBool())
        //: a trigger's state
        return Text::tr("on, keeping awake now");
    if (trigger.value(u"pending"_s).toBool())
        //: a trigger's state: its condition holds, and it waits for its delay to pass
        return Text::tr("on, holds, waiting out its delay");
    if (trigger.value(u"holds"_s).toBool())
        //: a trigger's state: its condition holds, but the user stopped it from the menu
        return Text::tr("on, holds (stopped from the menu until it ends)");
    //: a trigger's state: turned on, its condition does not hold
    return Text::tr("on, waiting");
}

} // namespace

QString listText(const QList<QVariantMap> &triggers)
{
    if (triggers.isEmpty())
        //: keep "vigila trigger add" as it is
        return Text::tr("No triggers. Add one with \"vigila trigger add\" or in Preferences.\n");
    QString text;
    for (const QVariantMap &trigger : triggers) {
        //: %1 is the trigger's name, %2 its state
        text +=
            Text::tr("%1 \u2014 %2\n").arg(oneLine(trigger.value(u"name"_s).toString()), stateText(trigger));
        QString when = oneLine(trigger.value(u"condition"_s).toString());
        if (trigger.value(u"onlyOnAC"_s).toBool())
            //: %1 is the trigger's condition
            when = Text::tr("%1, only on AC power").arg(when);
        if (const uint delay = trigger.value(u"delay"_s).toUInt())
            //: %1 is the trigger's condition, %2 how long it must hold first
            when = Text::tr("%1, after %2").arg(when, DateFormatting::remaining(delay));
        if (const uint grace = trigger.value(u"grace"_s).toUInt())
            //: %1 is the trigger's condition, %2 how long the computer stays awake after it ends
            when = Text::tr("%1, staying %2 after").arg(when, DateFormatting::remaining(grace));
        //: %1 is the trigger's condition
        text += Text::tr("    when: %1\n").arg(when);
        if (trigger.value(u"active"_s).toBool())
            //: %1 is what the trigger keeps the computer awake for now
            text += Text::tr("    now: %1\n").arg(oneLine(trigger.value(u"label"_s).toString()));
        for (const QString &key : {u"problem"_s, u"note"_s}) {
            if (trigger.contains(key))
                text += u"    %1\n"_s.arg(oneLine(trigger.value(key).toString()));
        }
        //: %1 is the trigger's id
        text += Text::tr("    id: %1\n").arg(trigger.value(u"id"_s).toString());
    }
    return text;
}

int list(bool json)
{
    if (!SessionBusProbe::answers())
        return busSilent();
    ControlClient client;
    QDBusPendingReply<QList<QVariantMap>> reply = client.proxy().ListTriggers();
    if (const int failure = client.wait(reply))
        return failure;
    if (json)
        std::fputs(ReasonOutput::json(reply.value()).constData(), stdout);
    else
        print(listText(reply.value()));
    return ExitStatus::done;
}

int edit(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption helpOption{{u"h"_s, u"help"_s}, Text::tr("Show this help.")};
    const QCommandLineOption name{u"name"_s, Text::tr("What the menu shows."), u"TEXT"_s};
    const QCommandLineOption display{u"display"_s, Text::tr("Keep the display on as well.")};
    const QCommandLineOption systemOnly{u"system-only"_s, Text::tr("Keep only the system awake.")};
    const QCommandLineOption delay{u"delay"_s, Text::tr("How long the condition must hold first."),
                                   u"DURATION"_s};
    const QCommandLineOption grace{u"grace"_s, Text::tr("How long to stay awake after it ends."),
                                   u"DURATION"_s};
    const QCommandLineOption onlyOnAC{u"only-on-ac"_s, Text::tr("Only while on AC power.")};
    const QCommandLineOption disabled{u"disabled"_s, Text::tr("Add it turned off.")};
    const QCommandLineOption anyUser{u"any-user"_s,
                                     Text::tr("Anyone's remote session counts, not only yours.")};
    const QCommandLineOption user{u"user"_s, Text::tr("The unit is one of your own systemd user units.")};
    const QCommandLineOption system{u"system"_s, Text::tr("The unit is a system unit (the default).")};
    const QCommandLineOption ignore{u"ignore"_s, Text::tr("An application whose sound does not count."),
                                    u"APP"_s};
    const QCommandLineOption only{u"only"_s, Text::tr("Only this application's sound counts."), u"APP"_s};
    const QCommandLineOption folder{u"folder"_s, Text::tr("A folder to watch for downloads."), u"DIR"_s};
    const QCommandLineOption pattern{u"pattern"_s, Text::tr("A partial download's name, such as *.part."),
                                     u"GLOB"_s};
    const QCommandLineOption above{
        u"above"_s, Text::tr("The rate (KB/s) or CPU use (% of a core) to stay above."), u"VALUE"_s};
    const QCommandLineOption window{u"window"_s, Text::tr("How long to average over (10s to 10m)."),
                                    u"DURATION"_s};
    const QCommandLineOption interface{u"interface"_s, Text::tr("Only this network interface."), u"NAME"_s};
    const QCommandLineOption contains{u"contains"_s,
                                      Text::tr("Match the process anywhere in its command line.")};
    parser.addOptions({helpOption, name, display, systemOnly, delay, grace, onlyOnAC, disabled, anyUser, user, system,
                       ignore, only, folder, pattern, above, window, interface, contains});
    if (!parser.parse(QStringList{u"vigila"_s} + arguments))
        return usageError(parser.errorText());
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(helpOption) || words.isEmpty()) {
        print(help());
        return words.isEmpty() && !parser.isSet(helpOption) ? ExitStatus::usage : ExitStatus::done;
    }
    const QString action = words.first();
    const QStringList set = parser.optionNames();
    const auto onlyWith = [&](const QStringList &allowed) -> std::optional<QString> {
        for (const QString &option : set) {
            if (!allowed.contains(option))
                return option;
        }
        return std::nullopt;
    };

    if (action == u"remove" || action == u"enable" || action == u"disable") {
        if (words.size() != 2)
            //: %1 is remove, enable or disable, as the user wrote it
            return usageError(Text::tr("%1 takes one trigger: its name or id.").arg(action));
        if (const auto stray = onlyWith({}))
            //: %1 is an option's name; keep "trigger add" as it is
            return usageError(Text::tr("--%1 is an option of \"trigger add\".").arg(*stray));
        if (!SessionBusProbe::answers())
            return busSilent();
        ControlClient client;
        QDBusPendingReply<> reply = action == u"remove" ? client.proxy().RemoveTrigger(words[1])
                                                          : client.proxy().SetTriggerEnabled(words[1], action == u"enable");
        if (const int failure = client.wait(reply))
            return failure;
        print((action == u"remove"   ? Text::tr("Removed the trigger \u201C%1\u201D.")
               : action == u"enable" ? Text::tr("Enabled the trigger \u201C%1\u201D.")
                                     : Text::tr("Disabled the trigger \u201C%1\u201D."))
                  .arg(oneLine(words[1])) +
              u'\n');
        return ExitStatus::done;
    }
    if (action != u"add")
        //: %1 is what the user wrote; keep add, remove, enable and disable as they are
        return usageError(
            Text::tr("\u201C%1\u201D is not add, remove, enable or disable.").arg(oneLine(action)));
    if (words.size() < 2)
        //: keep the kinds as they are
        return usageError(
            Text::tr("say which kind: ac, display, remote-session, unit, schedule, audio, download, network, "
                     "busy or machine."));

    const QString kind = words[1];
    QVariantMap trigger{{u"kind"_s, kind}};
    QStringList allowed{u"name"_s, u"display"_s, u"system-only"_s, u"delay"_s, u"grace"_s, u"only-on-ac"_s, u"disabled"_s};
    qsizetype expected = 2;
    if (kind == u"remote-session") {
        allowed << u"any-user"_s;
        trigger.insert(u"anyUser"_s, set.contains(u"any-user"_s));
    } else if (kind == u"unit") {
        allowed << u"user"_s << u"system"_s;
        if (set.contains(u"user"_s) && set.contains(u"system"_s))
            return usageError(Text::tr("a unit is either --user or --system."));
        if (words.size() < 3)
            return usageError(Text::tr("name the unit, such as backup.service."));
        trigger.insert(u"unit"_s, words[2]);
        trigger.insert(u"userUnit"_s, set.contains(u"user"_s));
        expected = 3;
    } else if (kind == u"schedule") {
        if (words.size() < 3)
            return usageError(Text::tr("give the schedule, such as \"Mon-Fri 09:00-17:30\"."));
        trigger.insert(u"schedule"_s, words[2]);
        expected = 3;
    } else if (kind == u"audio") {
        allowed << u"ignore"_s << u"only"_s;
        trigger.insert(u"ignore"_s, parser.values(ignore));
        trigger.insert(u"only"_s, parser.values(only));
    } else if (kind == u"download") {
        allowed << u"folder"_s << u"pattern"_s;
        QStringList folders;
        for (const QString &path : parser.values(folder))
            folders << QFileInfo(path).absoluteFilePath();
        trigger.insert(u"folders"_s, folders);
        trigger.insert(u"patterns"_s, parser.values(pattern));
    } else if (kind == u"network") {
        allowed << u"above"_s << u"window"_s << u"interface"_s;
        bool ok = false;
        const double rate = parser.value(above).toDouble(&ok);
        if (!parser.isSet(above) || !ok)
            return usageError(Text::tr("say above which rate, in KB/s: --above 500."));
        trigger.insert(u"kilobytesPerSecond"_s, rate);
        if (parser.isSet(interface))
            trigger.insert(u"interface"_s, parser.value(interface));
    } else if (kind == u"busy") {
        allowed << u"above"_s << u"window"_s << u"contains"_s;
        if (words.size() < 3)
            return usageError(Text::tr("name the process, such as ffmpeg."));
        trigger.insert(u"process"_s, words[2]);
        trigger.insert(u"matchMode"_s, set.contains(u"contains"_s) ? u"contains"_s : u"exact"_s);
        if (parser.isSet(above)) {
            bool ok = false;
            const double percent = parser.value(above).toDouble(&ok);
            if (!ok)
                return usageError(Text::tr("say above which CPU use, in percent of a core: --above 25."));
            trigger.insert(u"cpuPercent"_s, percent);
        }
        expected = 3;
    } else if (kind == u"machine") {
        if (words.size() >= 3) {
            trigger.insert(u"machine"_s, words[2]);
            expected = 3;
        }
    } else if (kind != u"ac" && kind != u"display") {
        //: %1 is what the user wrote; keep the kinds as they are
        return usageError(
            Text::tr("\u201C%1\u201D is not a kind; use ac, display, remote-session, unit, schedule, audio, "
                     "download, network, busy or machine.")
                .arg(oneLine(kind)));
    }
    if (parser.isSet(window)) {
        const auto seconds = DurationText::parse(parser.value(window));
        if (!seconds)
            //: %1 is what the user wrote; keep 30s, 1m and 10m as they are
            return usageError(Text::tr("\u201C%1\u201D is not a duration; write 30s, 1m or 10m.")
                                  .arg(oneLine(parser.value(window))));
        trigger.insert(u"windowSeconds"_s, uint(*seconds));
    }
    if (words.size() > expected)
        return usageError(Text::tr("unexpected \u201C%1\u201D.").arg(oneLine(words[expected])));
    if (const auto stray = onlyWith(allowed))
        //: %1 is an option's name, %2 the trigger's kind, such as ac
        return usageError(Text::tr("--%1 does not go with %2.").arg(*stray, kind));
    if (set.contains(u"display"_s) && set.contains(u"system-only"_s))
        return usageError(Text::tr("choose --display or --system-only, not both."));
    if (set.contains(u"name"_s))
        trigger.insert(u"name"_s, parser.value(name));
    if (set.contains(u"display"_s))
        trigger.insert(u"mode"_s, u"display"_s);
    if (set.contains(u"system-only"_s))
        trigger.insert(u"mode"_s, u"system"_s);
    for (const auto &[option, key] : {std::pair{&delay, u"delay"_s}, std::pair{&grace, u"grace"_s}}) {
        if (!parser.isSet(*option))
            continue;
        const auto value = seconds(parser.value(*option));
        if (!value)
            //: %1 is what the user wrote; keep the durations as they are
            return usageError(Text::tr("\u201C%1\u201D is not a duration of at most a day; write 0, 90 "
                                       "(seconds), 90s, 45m or 2h.")
                                  .arg(oneLine(parser.value(*option))));
        trigger.insert(key, *value);
    }
    if (set.contains(u"only-on-ac"_s))
        trigger.insert(u"onlyOnAC"_s, true);
    if (set.contains(u"disabled"_s))
        trigger.insert(u"enabled"_s, false);

    if (!SessionBusProbe::answers())
        return busSilent();
    ControlClient client;
    QDBusPendingReply<QString> reply = client.proxy().AddTrigger(trigger);
    if (const int failure = client.wait(reply))
        return failure;
    print(reply.value() + u'\n');
    return ExitStatus::done;
}

} // namespace TriggerCommands
