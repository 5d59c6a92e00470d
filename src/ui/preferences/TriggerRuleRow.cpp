#include "TriggerRuleRow.h"

#include "SymbolIcons.h"
#include "ViewStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString anyUserKey = u"anyUser"_s;
const QString unitKey = u"unit"_s;
const QString userUnitKey = u"userUnit"_s;
const QString scheduleKey = u"schedule"_s;

// A number of seconds shown as "30 s", the unit spelled as the translation has it.
class SecondsBox final : public QSpinBox {
public:
    explicit SecondsBox(QWidget *parent)
        : QSpinBox(parent)
    {
        setRange(0, TriggerRule::maximumSeconds);
        // One change when the typing is done, not one per digit.
        setKeyboardTracking(false);
        setAlignment(Qt::AlignRight);
    }

protected:
    QString textFromValue(int value) const override { return TriggerRuleRow::tr("%1 s").arg(value); }

    int valueFromText(const QString &text) const override { return digits(text).toInt(); }

    QValidator::State validate(QString &text, int &) const override
    {
        const QString number = digits(text);
        QString rest = text;
        rest.remove(number);
        const QString unit = TriggerRuleRow::tr("%1 s").arg(QString()).trimmed();
        if (!rest.trimmed().isEmpty() && !unit.startsWith(rest.trimmed()))
            return QValidator::Invalid;
        bool ok = false;
        const int value = number.toInt(&ok);
        if (!ok)
            return number.isEmpty() ? QValidator::Intermediate : QValidator::Invalid;
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
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
};

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
    , m_onlyOnAC(new QCheckBox(tr("Only on AC power"), m_parameterLine))
    , m_parameterError(smallLabel(this))
    , m_timingLine(new QWidget(this))
    , m_mode(new QComboBox(m_timingLine))
    , m_delay(new SecondsBox(m_timingLine))
    , m_grace(new SecondsBox(m_timingLine))
    , m_statusLine(new QLabel(this))
    , m_note(smallLabel(this))
{
    m_enabled->setObjectName(u"enabled"_s);
    m_enabled->setToolTip(tr("Enabled"));
    m_name->setObjectName(u"name"_s);
    m_name->setPlaceholderText(tr("Name"));
    m_name->setMaxLength(int(TriggerRule::maximumNameLength));
    m_kind->setObjectName(u"kind"_s);
    m_kind->setFont(ViewStyle::font(ViewStyle::Text::Callout));
    ViewStyle::setTextColor(m_kind, ViewStyle::secondary());
    m_kind->setTextFormat(Qt::PlainText);
    m_delete->setObjectName(u"delete"_s);
    m_delete->setIcon(SymbolIcons::icon(SymbolIcons::Symbol::Trash));
    m_delete->setAutoRaise(true);
    m_delete->setToolTip(tr("Delete"));

    m_anyUser->setObjectName(u"anyUser"_s);
    m_anyUser->setToolTip(tr("Count remote sessions of every user, not only your own."));
    m_unit->setObjectName(u"unit"_s);
    m_unit->setPlaceholderText(tr("backup.service"));
    m_unit->setToolTip(tr("The systemd unit that keeps the computer awake while it runs."));
    m_userUnit->setObjectName(u"userUnit"_s);
    m_userUnit->setToolTip(tr("A unit of your own user's systemd, rather than the system's."));
    m_schedule->setObjectName(u"schedule"_s);
    m_schedule->setPlaceholderText(tr("Mon-Fri 09:00-17:30"));
    m_schedule->setMaxLength(int(Schedule::maximumTextLength));
    m_schedule->setToolTip(
        tr("Days and times, several separated by commas, such as "
           "\u201CMon-Fri 09:00-12:00, Sat 10:00-12:00\u201D or \u201CDaily 22:00-06:00\u201D."));
    m_onlyOnAC->setObjectName(u"onlyOnAC"_s);
    m_onlyOnAC->setToolTip(tr("The condition counts only while the computer is on AC power."));
    m_parameterError->setObjectName(u"parameterError"_s);
    ViewStyle::setTextColor(m_parameterError, ViewStyle::red());
    m_parameterError->hide();

    m_mode->setObjectName(u"mode"_s);
    m_mode->addItem(tr("Default"));
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

    auto *top = new QHBoxLayout;
    top->addWidget(m_enabled);
    top->addWidget(m_name, 1);
    top->addWidget(m_kind);
    top->addWidget(m_delete);

    auto *parameters = new QHBoxLayout(m_parameterLine);
    parameters->setContentsMargins(0, 0, 0, 0);
    parameters->addWidget(m_anyUser);
    parameters->addWidget(m_unit, 1);
    parameters->addWidget(m_userUnit);
    parameters->addWidget(m_schedule, 1);
    parameters->addStretch(0);
    parameters->addWidget(m_onlyOnAC);

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
    if (m_name->text() != rule.name)
        m_name->setText(rule.name);
    const auto kind = rule.knownKind();
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
    m_anyUser->setVisible(kind == TriggerKind::RemoteSession);
    m_unit->setVisible(kind == TriggerKind::Unit);
    m_userUnit->setVisible(kind == TriggerKind::Unit);
    m_schedule->setVisible(kind == TriggerKind::Schedule);
    // The power adapter is its own AC condition.
    m_onlyOnAC->setVisible(kind && kind != TriggerKind::PowerAdapter);
    m_parameterLine->setVisible(kind && kind != TriggerKind::PowerAdapter);

    m_parameterError->setText(tr("Not saved: %1").arg(m_typedProblem));
    m_parameterError->setVisible(!m_typedProblem.isEmpty());
    QLineEdit *field = kind == TriggerKind::Unit       ? m_unit
                       : kind == TriggerKind::Schedule ? m_schedule
                                                       : nullptr;
    for (QLineEdit *edit : {m_unit, m_schedule}) {
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
        text = m_rule.knownKind() ? tr("Cannot run: %1").arg(problem) : problem;
        color = ViewStyle::orange();
        note.clear();
    } else if (!m_rule.enabled) {
        text = tr("Turned off.");
        // Said when a stored setting could not be read and the rule was turned off for it.
        note = m_rule.loadProblem;
        noteColor = ViewStyle::orange();
    } else if (m_status.active && m_status.holds) {
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
