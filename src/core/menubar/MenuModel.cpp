#include "MenuModel.h"

#include "timers/DurationPreset.h"
#include "utilities/DateFormatting.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <limits>

using namespace Qt::StringLiterals;

namespace MenuModel {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(MenuModel)
};

using Kind = MenuAction::Kind;

MenuItem label(const QString &title, MenuItem::Symbol symbol = MenuItem::Symbol::None)
{
    MenuItem item;
    item.title = title;
    item.enabled = false;
    item.symbol = symbol;
    return item;
}

MenuItem action(const QString &title, MenuAction act, const QString &key = {})
{
    MenuItem item;
    item.title = title;
    item.keyEquivalent = key;
    item.action = act;
    return item;
}

MenuItem submenu(const QString &title, QList<MenuItem> items)
{
    MenuItem item;
    item.title = title;
    item.submenu = std::move(items);
    return item;
}

// The power of ten of the leading digit of a well-formed decimal number ("1e400" → 400,
// "0.001e-400" → -403). Only consulted for numbers a double cannot hold.
long long decimalMagnitude(const QString &number)
{
    const qsizetype e = number.indexOf(QRegularExpression(u"[eE]"_s));
    const QString mantissa = e < 0 ? number : number.left(e);
    long long exponent = 0;
    if (e >= 0) {
        bool ok = false;
        exponent = number.mid(e + 1).toLongLong(&ok);
        if (!ok) // more exponent digits than fit: only its sign matters
            exponent = number.at(e + 1) == u'-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
        // Far beyond any double either way; kept small enough that adding the position cannot overflow.
        exponent = std::clamp<long long>(exponent, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    }
    const qsizetype point = mantissa.indexOf(u'.');
    const qsizetype integerEnd = point < 0 ? mantissa.size() : point;
    long long position = 0; // digits counted from the decimal point: 0 = units, -1 = tenths
    for (qsizetype i = 0; i < mantissa.size(); ++i) {
        const QChar c = mantissa.at(i);
        if (!c.isDigit())
            continue;
        if (c != u'0') {
            position = i < integerEnd ? integerEnd - i - 1 : -(i - integerEnd);
            break;
        }
    }
    return position + exponent;
}

QString leftText(const AwakeReason &reason, const QDateTime &now)
{
    return DateFormatting::remaining(reason.remaining(now).value_or(0));
}

QList<MenuItem> statusSection(const MenuState &state)
{
    QList<MenuItem> items{label(statusHeadline(state))};
    // The warning, information and no-entry signs that lead these lines are drawn as their icons.
    if (state.batteryMessage)
        items << label(*state.batteryMessage, MenuItem::Symbol::Warning);
    if (state.lastStopReason)
        items << label(*state.lastStopReason, MenuItem::Symbol::Info);
    if (state.lastError)
        items << label(*state.lastError, MenuItem::Symbol::NoEntry);
    if (state.lastError && !state.lockDetail.isEmpty())
        items << label(state.lockDetail);
    if (const auto note = gnomeSuspendNote(state))
        items << label(*note, MenuItem::Symbol::Info);
    return items;
}

QList<MenuItem> durationSubmenu()
{
    QList<MenuItem> items;
    for (const DurationPreset &preset : DurationPreset::all())
        items << action(preset.label, {.kind = Kind::StartTimed, .seconds = preset.seconds});
    items << MenuItem::makeSeparator()
          << action(Text::tr("Custom\u2026", "a duration of one's own"), {.kind = Kind::PromptCustomDuration});
    return items;
}

QList<MenuItem> untilSubmenu()
{
    return {
        //: The clock time 18:00, written as the locale writes times
        action(Text::tr("6:00 PM"), {.kind = Kind::StartUntil, .hour = 18, .minute = 0}),
        action(Text::tr("Midnight"), {.kind = Kind::StartUntil, .hour = 0, .minute = 0}),
        //: The clock time 08:00 on the next day, written as the locale writes times
        action(Text::tr("Tomorrow 8:00 AM"), {.kind = Kind::StartUntil, .hour = 8, .minute = 0}),
        MenuItem::makeSeparator(),
        action(Text::tr("Custom time\u2026"), {.kind = Kind::PromptCustomTime}),
    };
}

QList<MenuItem> processSubmenu(const MenuState &state)
{
    QList<MenuItem> items;
    // A long list is managed in the preferences; the menu stays short and quick to build.
    for (const ProcessRule &rule :
         state.processRules.first(std::min(state.processRules.size(), maxMenuRules))) {
        QString title = rule.name;
        const auto count = state.matchCounts.constFind(rule.id);
        if (count != state.matchCounts.constEnd() && rule.enabled && *count > 0) {
            //: %1 is the process name; %n how many processes of that name run
            title = Text::tr("%1  (%n running)", nullptr, int(*count)).arg(rule.name);
        }
        MenuItem item = action(title, {.kind = Kind::ToggleRule, .id = rule.id});
        item.checked = rule.enabled;
        items << item;
    }
    if (state.processRules.isEmpty())
        items << label(Text::tr("No process rules yet"));
    else if (state.processRules.size() > maxMenuRules)
        items << label(Text::tr("%1 more in Preferences").arg(state.processRules.size() - maxMenuRules));
    items << MenuItem::makeSeparator() << action(Text::tr("Add Process\u2026"), {.kind = Kind::PromptAddProcess})
          << action(Text::tr("Manage in Preferences\u2026"), {.kind = Kind::OpenPreferences});
    return items;
}

QList<MenuItem> triggerSubmenu(const MenuState &state)
{
    QList<MenuItem> items;
    const QList<TriggerRule> &rules = state.triggerRules;
    for (const TriggerRule &rule : rules.first(std::min(rules.size(), maxMenuRules))) {
        const TriggerWatcher::Status status = state.triggerStatus.value(rule.id);
        // The mark: what holds now keeps the computer awake, or is about to.
        QString title = oneLine(rule.name);
        if (status.active)
            title = Text::tr("%1  (keeping awake now)").arg(title);
        else if (status.pending)
            title = Text::tr("%1  (holds, waiting out its delay)").arg(title);
        MenuItem item = action(title, {.kind = Kind::ToggleTrigger, .id = rule.id});
        item.checked = rule.enabled && rule.problem().isEmpty();
        const QString problem = rule.problem();
        item.enabled = problem.isEmpty();
        item.toolTip = problem.isEmpty() ? (status.note.isEmpty() ? rule.conditionText() : status.note) : problem;
        items << item;
    }
    if (rules.isEmpty())
        items << label(Text::tr("No triggers yet"));
    else if (rules.size() > maxMenuRules)
        items << label(Text::tr("%1 more in Preferences").arg(rules.size() - maxMenuRules));
    items << MenuItem::makeSeparator() << action(Text::tr("Manage Triggers\u2026"), {.kind = Kind::OpenTriggers});
    return items;
}

QList<MenuItem> controlsSection(const MenuState &state)
{
    std::optional<AwakeMode> manualMode;
    for (const AwakeReason &reason : state.reasons) {
        if (reason.type == ReasonType::Manual) {
            manualMode = reason.mode;
            break;
        }
    }
    const bool manualExists = manualMode.has_value();

    MenuItem manual = action(manualExists ? Text::tr("Stop Keep Awake") : Text::tr("Start Keep Awake"),
                             {.kind = Kind::ToggleManual, .manualExisted = manualExists});
    manual.checked = manualExists;
    MenuItem display = action(Text::tr("Keep Display Awake"), {.kind = Kind::ToggleDisplay,
                                                              .manualExisted = manualExists,
                                                              .manualMode = manualMode});
    display.checked = manualMode == AwakeMode::Display;

    return {
        manual,
        display,
        MenuItem::makeSeparator(),
        submenu(Text::tr("Keep Awake For\u2026"), durationSubmenu()),
        submenu(Text::tr("Keep Awake Until\u2026"), untilSubmenu()),
        submenu(Text::tr("Keep Awake While Process Runs\u2026"), processSubmenu(state)),
        submenu(Text::tr("Keep Awake When\u2026"), triggerSubmenu(state)),
        action(Text::tr("Run Command With Vigila\u2026"), {.kind = Kind::OpenCommandRunner}),
    };
}

QList<MenuItem> reasonsSection(const MenuState &state, const QDateTime &now)
{
    QList<MenuItem> items{label(Text::tr("Active Reasons"))};
    // Holds from other programs can be many: the menu lists the first ones, the command line all.
    const QList<AwakeReason> &reasons = state.reasons;
    for (const AwakeReason &reason : reasons.first(std::min(reasons.size(), maxMenuReasons))) {
        //: A line of the list of what keeps the computer awake: %1 is its label
        QString title = Text::tr("   \u2022 %1").arg(oneLine(reason.label));
        if (reason.endsAt) {
            //: %1 is the reason's label, %2 the time left (e.g. 1h 30m)
            title = Text::tr("   \u2022 %1  \u2014  %2 left")
                        .arg(oneLine(reason.label), leftText(reason, now));
        }
        MenuItem item = action(title, {.kind = Kind::StopReason, .id = reason.id});
        item.toolTip = Text::tr("Click to stop this reason");
        items << item;
    }
    if (reasons.size() > maxMenuReasons)
        items << label(
            Text::tr("   %n more \u2014 `vigila list`", nullptr, int(reasons.size() - maxMenuReasons)));
    if (reasons.isEmpty()) {
        items << label(Text::tr("   None", "no reason keeps the computer awake"));
        return items;
    }
    if (activeTimedReason(state.reasons))
        items << action(Text::tr("   \u21BB Extend session by 30 min"),
                        {.kind = Kind::ExtendSession, .seconds = 1800});
    items << action(Text::tr("Stop Current Session"), {.kind = Kind::StopAll}, u"s"_s);
    return items;
}

// Only disabled lines: what another program holds is for it to stop.
QList<MenuItem> othersSection(const MenuState &state)
{
    const QList<OtherInhibitor> &others = state.otherInhibitors;
    QList<MenuItem> items{label(Text::tr("Also Keeping Awake"))};
    for (const OtherInhibitor &other : others.first(std::min(others.size(), maxMenuInhibitors)))
        items << label(Text::tr("   \u2022 %1").arg(other.summary()));
    if (others.size() > maxMenuInhibitors)
        items << label(Text::tr("   and %1 more").arg(others.size() - maxMenuInhibitors));
    return items;
}

QList<MenuItem> footerSection()
{
    return {
        action(Text::tr("Copy Honest Status Message"), {.kind = Kind::CopyHonestStatus}),
        action(Text::tr("Preferences\u2026"), {.kind = Kind::OpenPreferences}, u","_s),
        MenuItem::makeSeparator(),
        action(Text::tr("Quit Vigila"), {.kind = Kind::Quit}, u"q"_s),
    };
}

} // namespace

QList<MenuItem> build(const MenuState &state, const QDateTime &now)
{
    QList<MenuItem> menu = statusSection(state);
    menu << MenuItem::makeSeparator() << controlsSection(state);
    menu << MenuItem::makeSeparator() << reasonsSection(state, now);
    if (!state.otherInhibitors.isEmpty())
        menu << MenuItem::makeSeparator() << othersSection(state);
    menu << MenuItem::makeSeparator() << footerSection();
    return menu;
}

QString statusHeadline(const MenuState &state)
{
    if (state.reasons.isEmpty())
        return Text::tr("Inactive \u2014 your computer can sleep normally");
    const int count = int(state.reasons.size());
    // Never a claim the lock does not back.
    if (state.takingLock)
        return Text::tr("Starting \u2014 asking for the keep-awake lock (%n reason(s))", nullptr, count);
    if (state.lastError)
        return Text::tr("Waiting \u2014 the keep-awake lock could not be taken (%n reason(s))", nullptr, count);
    if (state.effectiveMode == AwakeMode::Display)
        return Text::tr("Active \u2014 keeping display awake (%n reason(s))", nullptr, count);
    return Text::tr("Active \u2014 keeping system awake (%n reason(s))", nullptr, count);
}

std::optional<QString> gnomeSuspendNote(const MenuState &state)
{
    if (state.lockProvider != u"gnome-session" || state.effectiveMode != AwakeMode::System || state.lastError)
        return std::nullopt;
    const bool blocksSuspend = std::any_of(state.otherInhibitors.cbegin(), state.otherInhibitors.cend(),
                                           [](const OtherInhibitor &other) {
                                               return other.source == u"logind" && other.mode == u"block" &&
                                                      other.why == u"user session inhibited" &&
                                                      other.what.split(u':').contains(u"sleep"_s);
                                           });
    if (!blocksSuspend)
        return std::nullopt;
    return Text::tr("GNOME also holds off suspend while this runs (a terminal\u2019s `systemctl suspend` needs -i)");
}

std::optional<AwakeReason> activeTimedReason(const QList<AwakeReason> &reasons)
{
    for (const ReasonType type : {ReasonType::Timed, ReasonType::UntilTime}) {
        for (const AwakeReason &reason : reasons) {
            if (reason.type == type)
                return reason;
        }
    }
    return std::nullopt;
}

QString buttonTitle(const MenuState &state, const QDateTime &now)
{
    if (!state.showRemainingTime)
        return {};
    const auto timed = activeTimedReason(state.reasons);
    if (!timed || !timed->endsAt)
        return {};
    return u" "_s + leftText(*timed, now);
}

QString iconBadge(const MenuState &state, const QDateTime &now)
{
    if (!state.showRemainingTime)
        return {};
    const auto timed = activeTimedReason(state.reasons);
    if (!timed || !timed->endsAt)
        return {};
    return DateFormatting::remainingBadge(timed->remaining(now).value_or(0));
}

QString trimmedSpacesAndTabs(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto horizontal = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && horizontal(text.at(begin)))
        ++begin;
    while (end > begin && horizontal(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

std::optional<double> parseCustomMinutes(const QString &text)
{
    static const QRegularExpression number(u"^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"_s);
    const QString trimmed = trimmedSpacesAndTabs(text);
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    const QByteArray latin = trimmed.toLatin1();
    const char *begin = latin.constData();
    if (*begin == '+') // from_chars takes no leading plus
        ++begin;
    double minutes = 0;
    const char *stop = latin.constData() + latin.size();
    const auto [end, error] = std::from_chars(begin, stop, minutes);
    // Anything after the number (the pattern's "$" lets a final line feed through) rejects it,
    // also when the number is out of range.
    if (end != stop)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large becomes infinity (saturated later); too small to represent is not positive.
        if (decimalMagnitude(trimmed) < 0)
            return std::nullopt;
        minutes = *begin == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    if (!(minutes > 0))
        return std::nullopt;
    return minutes * 60;
}

} // namespace MenuModel
