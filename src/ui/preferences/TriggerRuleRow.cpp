#include "TriggerRuleRow.h"

#include "SymbolIcons.h"
#include "ViewStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString anyUserKey = u"anyUser"_s;
const QString unitKey = u"unit"_s;
const QString userUnitKey = u"userUnit"_s;
const QString scheduleKey = u"schedule"_s;

// A whole number with its unit, "30 s" or "500 KB/s", spelled as the translation has it: the
// format is a translated text with %1 for the number.
class UnitBox final : public QSpinBox {
public:
    UnitBox(const QString &format, int minimum, int maximum, QWidget *parent)
        : QSpinBox(parent)
        , m_format(format)
    {
        setRange(minimum, maximum);
        // One change when the typing is done, not one per digit.
        setKeyboardTracking(false);
        setAlignment(Qt::AlignRight);
    }

protected:
    QString textFromValue(int value) const override { return m_format.arg(value); }

    int valueFromText(const QString &text) const override { return digits(text).toInt(); }

    QValidator::State validate(QString &text, int &) const override
    {
        const QString number = digits(text);
        QString rest = text;
        rest.remove(number);
        const QString unit = m_format.arg(QString()).trimmed();
        if (!rest.trimmed().isEmpty() && !unit.startsWith(rest.trimmed()))
            return QValidator::Invalid;
        bool ok = false;
        const int value = number.toInt(&ok);
        if (!ok)
            return number.isEmpty() ? QValidator::Intermediate : QValidator::Invalid;
        if (value > maximum())
            return QValidator::Invalid;
        return value >= minimum() ? QValidator::Acceptable : QValidator::Intermediate;
    }

private:
    static QString digits(const QString &text)
    {
        QString number;
        for (const QChar c : text) {
            if (c.isDigit())
                number.append(c);
        }
        return number;
    }

    QString m_format;
};

UnitBox *secondsBox(int minimum, int maximum, QWidget *parent)
{
    //: A number of seconds in its box; %1 is the number
    return new UnitBox(TriggerRuleRow::tr("%1 s"), minimum, maximum, parent);
}

// "Firefox, mpv" and back; folders may also be separated by semicolons.
QStringList splitList(const QString &text, bool semicolons)
{
    static const QRegularExpression commas(u"\\s*,\\s*"_s);
    static const QRegularExpression separators(u"\\s*[,;]\\s*"_s);
    return text.trimmed().split(semicolons ? separators : commas, Qt::SkipEmptyParts);
}

QString joinList(const QStringList &list)
{
    return list.join(u", "_s);
}

// A number from its box; a stored fraction the box cannot show is kept while the box shows it
// rounded.
void putNumber(QJsonObject &parameters, const QString &key, int value)
{
    const QJsonValue stored = parameters.value(key);
    if (!stored.isDouble() || qRound(stored.toDouble()) != value)
        parameters.insert(key, value);
}

QLabel *smallLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFont(ViewStyle::font(ViewStyle::Text::Caption));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TriggerRuleRow::TriggerRuleRow(QWidget *parent)
    : QWidget(parent)
    , m_enabled(new QCheckBox(this))
    , m_name(new QLineEdit(this))
    , m_kind(new QLabel(this))
    , m_delete(new QToolButton(this))
    , m_parameterLine(new QWidget(this))
    , m_anyUser(new QCheckBox(tr("Anyone's sessions"), m_parameterLine))
    , m_unit(new QLineEdit(m_parameterLine))
    , m_userUnit(new QCheckBox(tr("User unit"), m_parameterLine))
    , m_schedule(new QLineEdit(m_parameterLine))
    , m_ignore(new QLineEdit(m_parameterLine))
    , m_only(new QLineEdit(m_parameterLine))
    , m_folders(new QLineEdit(m_parameterLine))
    , m_patterns(new QLineEdit(m_parameterLine))
    , m_interface(new QLineEdit(m_parameterLine))
    //: A traffic rate in its box; %1 is the number of kilobytes per second
    , m_kilobytesPerSecond(new UnitBox(tr("%1 KB/s"), 1, 10'000'000, m_parameterLine))
    , m_process(new QLineEdit(m_parameterLine))
    , m_matchCommandLine(new QCheckBox(tr("Match in command line"), m_parameterLine))
    //: A share of one CPU core in its box; %1 is the number
    , m_cpuPercent(new UnitBox(tr("%1 %"), 1, 6400, m_parameterLine))
    , m_window(
          secondsBox(TriggerRule::minimumWindowSeconds, TriggerRule::maximumWindowSeconds, m_parameterLine))
    , m_machine(new QLineEdit(m_parameterLine))
    , m_onlyOnAC(new QCheckBox(tr("Only on AC power"), m_parameterLine))
    , m_parameterError(smallLabel(this))
    , m_timingLine(new QWidget(this))
    , m_mode(new QComboBox(m_timingLine))
    , m_delay(secondsBox(0, TriggerRule::maximumSeconds, m_timingLine))
    , m_grace(secondsBox(0, TriggerRule::maximumSeconds, m_timingLine))
    , m_statusLine(new QLabel(this))
    , m_note(smallLabel(this))
{
    m_enabled->setObjectName(u"enabled"_s);
    m_enabled->setToolTip(tr("Enabled", "the trigger is on"));
    m_name->setObjectName(u"name"_s);
    m_name->setPlaceholderText(tr("Name", "the trigger's name"));
    m_name->setMaxLength(int(TriggerRule::maximumNameLength));
    m_kind->setObjectName(u"kind"_s);
    m_kind->setFont(ViewStyle::font(ViewStyle::Text::Callout));
    ViewStyle::setTextColor(m_kind, ViewStyle::secondary());
    m_kind->setTextFormat(Qt::PlainText);
    m_delete->setObjectName(u"delete"_s);
    m_delete->setIcon(SymbolIcons::icon(SymbolIcons::Symbol::Trash));
    m_delete->setAutoRaise(true);
    m_delete->setToolTip(tr("Delete", "delete the trigger"));

    m_anyUser->setObjectName(u"anyUser"_s);
    m_anyUser->setToolTip(tr("Count remote sessions of every user, not only your own."));
    m_unit->setObjectName(u"unit"_s);
    //: An example systemd unit name
    m_unit->setPlaceholderText(tr("backup.service"));
    m_unit->setToolTip(tr("The systemd unit that keeps the computer awake while it runs."));
    m_userUnit->setObjectName(u"userUnit"_s);
    m_userUnit->setToolTip(tr("A unit of your own user's systemd, rather than the system's."));
    m_schedule->setObjectName(u"schedule"_s);
    //: An example schedule: the day names stay in English, as schedules are written with them
    m_schedule->setPlaceholderText(tr("Mon-Fri 09:00-17:30"));
    m_schedule->setMaxLength(int(Schedule::maximumTextLength));
    m_schedule->setToolTip(
        //: The day names in the examples stay in English, as schedules are written with them
        tr("Days and times, several separated by commas, such as "
           "\u201CMon-Fri 09:00-12:00, Sat 10:00-12:00\u201D or \u201C" "Daily 22:00-06:00\u201D."));
    m_onlyOnAC->setObjectName(u"onlyOnAC"_s);
    m_onlyOnAC->setToolTip(tr("The condition counts only while the computer is on AC power."));
    m_parameterError->setObjectName(u"parameterError"_s);
    ViewStyle::setTextColor(m_parameterError, ViewStyle::red());
    m_parameterError->hide();

    m_mode->setObjectName(u"mode"_s);
    m_mode->addItem(tr("Default", "the default keep-awake mode"));
    for (const AwakeMode mode : allAwakeModes)
        m_mode->addItem(displayName(mode), rawValue(mode));
    m_mode->setToolTip(tr("What stays awake; Default follows the General tab."));
    m_delay->setObjectName(u"delay"_s);
    m_delay->setToolTip(tr("How long the condition must hold before Vigila keeps the computer awake."));
    m_grace->setObjectName(u"grace"_s);
    m_grace->setToolTip(tr("How long Vigila keeps the computer awake after the condition ends."));
    m_statusLine->setObjectName(u"status"_s);
    m_statusLine->setWordWrap(true);
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setFont(ViewStyle::font(ViewStyle::Text::Callout));
    m_note->setObjectName(u"note"_s);

    m_ignore->setObjectName(u"ignore"_s);
    m_ignore->setPlaceholderText(tr("none", "no applications are ignored"));
    m_ignore->setToolTip(tr("Applications whose sound does not count, separated by commas, such as "
                            "\u201C" "Firefox, Slack\u201D. Their names or their programs both match."));
    m_only->setObjectName(u"only"_s);
    m_only->setPlaceholderText(tr("every application"));
    m_only->setToolTip(tr("Only sound from these applications counts, separated by commas; empty for "
                          "every application."));
    m_folders->setObjectName(u"folders"_s);
    m_folders->setPlaceholderText(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    m_folders->setToolTip(tr("The folders to watch, as full paths separated by commas or semicolons; "
                             "empty for your Downloads folder."));
    m_patterns->setObjectName(u"patterns"_s);
    m_patterns->setPlaceholderText(joinList(TriggerRule::defaultDownloadPatterns()));
    //: %1 lists the usual names, such as "*.part, *.crdownload"
    m_patterns->setToolTip(tr("The names of files still being downloaded, separated by commas; * stands "
                              "for any text. Empty for the usual ones: %1.")
                               .arg(joinList(TriggerRule::defaultDownloadPatterns())));
    m_interface->setObjectName(u"interface"_s);
    m_interface->setPlaceholderText(tr("all physical interfaces"));
    m_interface->setToolTip(tr("The network interface to measure, such as eth0 or wlan0."));
    m_kilobytesPerSecond->setObjectName(u"kilobytesPerSecond"_s);
    m_kilobytesPerSecond->setToolTip(
        tr("The condition holds while traffic, received and sent together, is above this rate."));
    m_process->setObjectName(u"process"_s);
    //: An example process name
    m_process->setPlaceholderText(tr("ffmpeg"));
    m_process->setToolTip(tr("The name of the process to watch."));
    m_matchCommandLine->setObjectName(u"matchMode"_s);
    m_matchCommandLine->setToolTip(
        tr("Match every process whose command line contains the text, not only a process of exactly "
           "that name."));
    m_cpuPercent->setObjectName(u"cpuPercent"_s);
    m_cpuPercent->setToolTip(tr("The condition holds while the matching processes together use more "
                                "than this share of one CPU core (100 % is a whole core)."));
    m_window->setObjectName(u"windowSeconds"_s);
    m_window->setToolTip(tr("How long the traffic or the CPU use is averaged over."));
    m_machine->setObjectName(u"machine"_s);
    m_machine->setPlaceholderText(tr("any", "any virtual machine or container"));
    m_machine->setToolTip(tr("The name of a virtual machine or container, as systemd-machined knows it; "
                             "empty for any."));

    auto *top = new QHBoxLayout;
    top->addWidget(m_enabled);
    top->addWidget(m_name, 1);
    top->addWidget(m_kind);
    top->addWidget(m_delete);

    m_firstLine = new QHBoxLayout;
    m_secondLine = new QHBoxLayout;
    // The first label on a line, in one column for all kinds.
    QList<QLabel *> leading;
    const auto label = [&](const QString &text, QWidget *buddy, bool first, QList<TriggerKind> kinds) {
        auto *shown = new QLabel(text, m_parameterLine);
        shown->setBuddy(buddy);
        if (first)
            leading.append(shown);
        m_kindWidgets.append({shown, kinds});
        return shown;
    };
    const auto field = [&](QHBoxLayout *line, QWidget *widget, int stretch, QList<TriggerKind> kinds) {
        line->addWidget(widget, stretch);
        m_kindWidgets.append({widget, kinds});
    };
    using K = TriggerKind;
    field(m_firstLine, m_anyUser, 0, {K::RemoteSession});
    field(m_firstLine, m_unit, 1, {K::Unit});
    field(m_firstLine, m_userUnit, 0, {K::Unit});
    field(m_firstLine, m_schedule, 1, {K::Schedule});

    m_firstLine->addWidget(label(tr("Ignore:"), m_ignore, true, {K::Audio}));
    field(m_firstLine, m_ignore, 1, {K::Audio});
    m_secondLine->addWidget(label(tr("Only:"), m_only, true, {K::Audio}));
    field(m_secondLine, m_only, 1, {K::Audio});

    m_firstLine->addWidget(label(tr("Folders:"), m_folders, true, {K::Download}));
    field(m_firstLine, m_folders, 1, {K::Download});
    m_secondLine->addWidget(label(tr("Names:"), m_patterns, true, {K::Download}));
    field(m_secondLine, m_patterns, 1, {K::Download});

    m_firstLine->addWidget(label(tr("Interface:"), m_interface, true, {K::Network}));
    field(m_firstLine, m_interface, 1, {K::Network});
    m_secondLine->addWidget(label(tr("Above:"), m_kilobytesPerSecond, true, {K::Network}));
    field(m_secondLine, m_kilobytesPerSecond, 0, {K::Network});

    m_firstLine->addWidget(label(tr("Process:"), m_process, true, {K::Busy}));
    field(m_firstLine, m_process, 1, {K::Busy});
    field(m_firstLine, m_matchCommandLine, 0, {K::Busy});
    m_secondLine->addWidget(label(tr("Above:"), m_cpuPercent, true, {K::Busy}));
    field(m_secondLine, m_cpuPercent, 0, {K::Busy});

    QLabel *windowLabel =
        label(tr("Window:", "the time the rate is averaged over"), m_window, false, {K::Network, K::Busy});
    windowLabel->setContentsMargins(6, 0, 0, 0);
    m_secondLine->addWidget(windowLabel);
    field(m_secondLine, m_window, 0, {K::Network, K::Busy});

    m_firstLine->addWidget(label(tr("Machine:"), m_machine, true, {K::Machine}));
    field(m_firstLine, m_machine, 1, {K::Machine});

    int leadingWidth = 0;
    for (QLabel *shown : std::as_const(leading))
        leadingWidth = std::max(leadingWidth, shown->sizeHint().width());
    for (QLabel *shown : std::as_const(leading))
        shown->setMinimumWidth(leadingWidth);

    m_firstLine->addStretch(0);
    m_secondLine->addStretch(0);
    m_firstLine->addWidget(m_onlyOnAC);
    // A line with nothing shown takes no room.
    auto *parameters = new QVBoxLayout(m_parameterLine);
    parameters->setContentsMargins(0, 0, 0, 0);
    parameters->setSpacing(4);
    parameters->addLayout(m_firstLine);
    parameters->addLayout(m_secondLine);

    auto *delayLabel = new QLabel(tr("Delay:"), m_timingLine);
    delayLabel->setBuddy(m_delay);
    auto *graceLabel = new QLabel(tr("Grace:"), m_timingLine);
    graceLabel->setBuddy(m_grace);
    auto *timing = new QHBoxLayout(m_timingLine);
    timing->setContentsMargins(0, 0, 0, 0);
    timing->addWidget(m_mode);
    timing->addSpacing(6);
    timing->addWidget(delayLabel);
    timing->addWidget(m_delay);
    timing->addSpacing(6);
    timing->addWidget(graceLabel);
    timing->addWidget(m_grace);
    timing->addStretch();

    // The details line up with the name, under it.
    auto *details = new QVBoxLayout;
    details->setSpacing(4);
    details->addWidget(m_parameterLine);
    details->addWidget(m_parameterError);
    details->addWidget(m_timingLine);
    details->addWidget(m_statusLine);
    details->addWidget(m_note);
    auto *indented = new QHBoxLayout;
    indented->addSpacing(m_enabled->sizeHint().width() + top->spacing());
    indented->addLayout(details, 1);
    // Room for the delete button on the right, so that long texts do not run under it.
    indented->addSpacing(4);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(indented);
    layout->addSpacing(2);
    layout->addWidget(ViewStyle::divider(this));

    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) {
        m_rule.enabled = on;
        updateStatus();
        edited();
    });
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_rule.name = text;
        edited();
    });
    connect(m_anyUser, &QCheckBox::toggled, this, &TriggerRuleRow::parametersEdited);
    connect(m_unit, &QLineEdit::textEdited, this, &TriggerRuleRow::parametersEdited);
    connect(m_userUnit, &QCheckBox::toggled, this, &TriggerRuleRow::parametersEdited);
    connect(m_schedule, &QLineEdit::textEdited, this, &TriggerRuleRow::parametersEdited);
    for (QLineEdit *edit : {m_ignore, m_only, m_folders, m_patterns, m_interface, m_process, m_machine})
        connect(edit, &QLineEdit::textEdited, this, &TriggerRuleRow::parametersEdited);
    for (QSpinBox *box : {m_kilobytesPerSecond, m_cpuPercent, m_window})
        connect(box, &QSpinBox::valueChanged, this, &TriggerRuleRow::parametersEdited);
    connect(m_matchCommandLine, &QCheckBox::toggled, this, &TriggerRuleRow::parametersEdited);
    connect(m_onlyOnAC, &QCheckBox::toggled, this, [this](bool on) {
        m_rule.onlyOnAC = on;
        edited();
    });
    connect(m_mode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_rule.mode = index == 0 ? std::nullopt : std::optional(allAwakeModes[std::size_t(index - 1)]);
        edited();
    });
    connect(m_delay, &QSpinBox::valueChanged, this, [this](int seconds) {
        m_rule.delaySeconds = seconds;
        edited();
    });
    connect(m_grace, &QSpinBox::valueChanged, this, [this](int seconds) {
        m_rule.graceSeconds = seconds;
        edited();
    });
    connect(m_delete, &QToolButton::clicked, this, [this] {
        if (onDelete)
            onDelete(m_rule.id);
    });
}

void TriggerRuleRow::setRule(const TriggerRule &rule)
{
    // Parameters still being typed stay in their fields until the rule shown is another one or its
    // stored parameters change.
    const bool freshParameters = rule.id != m_rule.id || rule.parameters != m_rule.parameters;
    m_rule = rule;
    const QSignalBlocker enabledBlocker(m_enabled);
    const QSignalBlocker acBlocker(m_onlyOnAC);
    const QSignalBlocker modeBlocker(m_mode);
    const QSignalBlocker delayBlocker(m_delay);
    const QSignalBlocker graceBlocker(m_grace);
    m_enabled->setChecked(rule.enabled);
    // Only when it differs: setting the same text would move the cursor of someone typing.
    if (m_name->text() != rule.name) {
        m_name->setText(rule.name);
        // A long name shows its start, not its end.
        if (!m_name->hasFocus())
            m_name->setCursorPosition(0);
    }
    const auto kind = rule.knownKind();
    //: %1 is the kind as stored by another version of Vigila, such as "bluetooth"
    m_kind->setText(kind ? displayName(*kind) : tr("Unknown kind \u201C%1\u201D").arg(rule.kind));
    m_onlyOnAC->setChecked(rule.onlyOnAC);
    m_mode->setCurrentIndex(rule.mode ? m_mode->findData(rawValue(*rule.mode)) : 0);
    m_delay->setValue(rule.delaySeconds);
    m_grace->setValue(rule.graceSeconds);
    if (freshParameters) {
        const QSignalBlocker anyUserBlocker(m_anyUser);
        const QSignalBlocker userUnitBlocker(m_userUnit);
        m_anyUser->setChecked(rule.anyUser());
        const UnitRef unit = rule.unit();
        if (m_unit->text() != unit.name)
            m_unit->setText(unit.name);
        m_userUnit->setChecked(unit.user);
        const QString schedule = rule.parameters.value(scheduleKey).toString();
        if (m_schedule->text() != schedule)
            m_schedule->setText(schedule);
        const auto showText = [](QLineEdit *edit, const QString &text) {
            if (edit->text() != text)
                edit->setText(text);
        };
        showText(m_ignore, joinList(rule.stringList("ignore"_L1)));
        showText(m_only, joinList(rule.stringList("only"_L1)));
        showText(m_folders, joinList(rule.stringList("folders"_L1)));
        showText(m_patterns, joinList(rule.stringList("patterns"_L1)));
        showText(m_interface, rule.text("interface"_L1));
        showText(m_process, rule.text("process"_L1));
        showText(m_machine, rule.text("machine"_L1));
        const QSignalBlocker matchBlocker(m_matchCommandLine);
        m_matchCommandLine->setChecked(rule.text("matchMode"_L1) == "contains"_L1);
        const QSignalBlocker rateBlocker(m_kilobytesPerSecond);
        const QSignalBlocker cpuBlocker(m_cpuPercent);
        const QSignalBlocker windowBlocker(m_window);
        m_kilobytesPerSecond->setValue(qRound(rule.number("kilobytesPerSecond"_L1, 0)));
        m_cpuPercent->setValue(qRound(rule.number("cpuPercent"_L1, 10)));
        m_window->setValue(
            qRound(rule.number("windowSeconds"_L1, rule.knownKind() == TriggerKind::Busy ? 60 : 30)));
        m_typedProblem.clear();
    }
    // A rule this version cannot read is kept as it is: only its deletion is offered.
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_enabled, m_name, m_parameterLine, m_timingLine})
        control->setEnabled(kind.has_value());
    showParameters();
    updateStatus();
}

void TriggerRuleRow::setStatus(const TriggerWatcher::Status &status)
{
    m_status = status;
    updateStatus();
}

void TriggerRuleRow::edited()
{
    if (onEdited)
        onEdited(m_rule);
}

// The parameters as typed, over the stored ones (members of another version's are kept).
QJsonObject TriggerRuleRow::typedParameters() const
{
    QJsonObject parameters = m_rule.parameters;
    switch (m_rule.knownKind().value_or(TriggerKind::PowerAdapter)) {
    case TriggerKind::PowerAdapter:
    case TriggerKind::ExternalDisplay:
        break;
    case TriggerKind::RemoteSession:
        parameters.insert(anyUserKey, m_anyUser->isChecked());
        break;
    case TriggerKind::Unit:
        parameters.insert(unitKey, m_unit->text().trimmed());
        parameters.insert(userUnitKey, m_userUnit->isChecked());
        break;
    case TriggerKind::Schedule: {
        // In its canonical spelling, as new rules keep it; the field keeps the user's.
        const QString text = m_schedule->text().trimmed();
        const auto schedule = Schedule::parse(text);
        parameters.insert(scheduleKey, schedule ? schedule->text() : text);
        break;
    }
    case TriggerKind::Audio:
        parameters.insert(u"ignore"_s, QJsonArray::fromStringList(splitList(m_ignore->text(), false)));
        parameters.insert(u"only"_s, QJsonArray::fromStringList(splitList(m_only->text(), false)));
        break;
    case TriggerKind::Download:
        parameters.insert(u"folders"_s, QJsonArray::fromStringList(splitList(m_folders->text(), true)));
        parameters.insert(u"patterns"_s, QJsonArray::fromStringList(splitList(m_patterns->text(), true)));
        break;
    case TriggerKind::Network:
        putNumber(parameters, u"kilobytesPerSecond"_s, m_kilobytesPerSecond->value());
        putNumber(parameters, u"windowSeconds"_s, m_window->value());
        parameters.insert(u"interface"_s, m_interface->text().trimmed());
        break;
    case TriggerKind::Busy:
        parameters.insert(u"process"_s, m_process->text().trimmed());
        parameters.insert(u"matchMode"_s, m_matchCommandLine->isChecked() ? u"contains"_s : u"exact"_s);
        putNumber(parameters, u"cpuPercent"_s, m_cpuPercent->value());
        putNumber(parameters, u"windowSeconds"_s, m_window->value());
        break;
    case TriggerKind::Machine:
        parameters.insert(u"machine"_s, m_machine->text().trimmed());
        break;
    }
    return parameters;
}

void TriggerRuleRow::parametersEdited()
{
    if (!m_rule.knownKind())
        return;
    TriggerRule typed = m_rule;
    typed.parameters = typedParameters();
    m_typedProblem = typed.problem();
    // A name that only says what the condition was follows the condition.
    if (m_rule.name == m_rule.conditionText() || m_rule.name == displayName(*m_rule.knownKind()))
        typed.name = typed.conditionText().left(TriggerRule::maximumNameLength);
    showParameters();
    if (m_typedProblem.isEmpty() && typed.parameters != m_rule.parameters) {
        m_rule = typed;
        updateStatus();
        edited();
    }
}

void TriggerRuleRow::showParameters()
{
    const auto kind = m_rule.knownKind();
    for (const auto &[widget, kinds] : std::as_const(m_kindWidgets))
        widget->setVisible(kind && kinds.contains(*kind));
    const bool twoLines = kind == TriggerKind::Audio || kind == TriggerKind::Download ||
                          kind == TriggerKind::Network || kind == TriggerKind::Busy;
    QHBoxLayout *acLine = twoLines ? m_secondLine : m_firstLine;
    if (acLine->indexOf(m_onlyOnAC) < 0) {
        (twoLines ? m_firstLine : m_secondLine)->removeWidget(m_onlyOnAC);
        acLine->addWidget(m_onlyOnAC);
    }
    // The power adapter is its own AC condition.
    m_onlyOnAC->setVisible(kind && kind != TriggerKind::PowerAdapter);
    m_parameterLine->setVisible(kind && kind != TriggerKind::PowerAdapter);

    //: %1 says what is wrong with the parameters typed
    m_parameterError->setText(tr("Not saved: %1").arg(m_typedProblem));
    m_parameterError->setVisible(!m_typedProblem.isEmpty());
    // The field whose text can make a rule that cannot run.
    QLineEdit *field = kind == TriggerKind::Unit       ? m_unit
                       : kind == TriggerKind::Schedule ? m_schedule
                       : kind == TriggerKind::Download ? m_folders
                       : kind == TriggerKind::Busy     ? m_process
                                                       : nullptr;
    for (QLineEdit *edit : {m_unit, m_schedule, m_folders, m_process}) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, edit == field && !m_typedProblem.isEmpty()
                                             ? ViewStyle::red()
                                             : QApplication::palette().color(QPalette::Text));
        edit->setPalette(palette);
    }
}

void TriggerRuleRow::updateStatus()
{
    const QString problem = m_rule.problem();
    QString text;
    QColor color = ViewStyle::secondary();
    QString note = m_status.note;
    QColor noteColor = ViewStyle::secondary();
    if (!problem.isEmpty()) {
        //: %1 says what keeps the rule from running
        text = m_rule.knownKind() ? tr("Cannot run: %1").arg(problem) : problem;
        color = ViewStyle::orange();
        note.clear();
    } else if (!m_rule.enabled) {
        text = tr("Turned off.");
        // Said when a stored setting could not be read and the rule was turned off for it.
        note = m_rule.loadProblem;
        noteColor = ViewStyle::orange();
    } else if (m_status.active && m_status.holds) {
        //: %1 is the condition that holds now
        text = tr("Keeping awake now: %1")
                   .arg(m_status.label.isEmpty() ? m_rule.conditionText() : m_status.label);
        color = ViewStyle::green();
    } else if (m_status.active) {
        text = tr("The condition has ended; keeping awake for its grace time.");
        color = ViewStyle::green();
    } else if (m_status.pending) {
        text = tr("Holds \u2014 waiting out its delay.");
    } else if (m_status.holds) {
        text = tr("Holds, but was stopped by hand; it starts again the next time the condition holds.");
    } else {
        text = tr("Not holding.");
    }
    m_statusLine->setText(text);
    ViewStyle::setTextColor(m_statusLine, color);
    m_note->setText(note);
    ViewStyle::setTextColor(m_note, noteColor);
    m_note->setVisible(!note.isEmpty() && note != problem);
}
