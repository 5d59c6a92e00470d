#include "BatteryPrefs.h"

#include "ViewStyle.h"
#include "preferences/PreferencesStore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A spin box whose values stay on its step grid. A plain QSpinBox stores a typed 12 as it is, and
// refuses the last digit of 100 (over the maximum), storing the 10 left in the field: here a typed
// value is brought into the range and to the nearest step when it is committed.
class GridSpinBox final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &input, int &) const override
    {
        const QString text = numberText(input);
        if (text.isEmpty() || text == u"-"_s)
            return QValidator::Intermediate;
        bool ok = false;
        const int value = locale().toInt(text, &ok);
        if (!ok)
            return QValidator::Invalid;
        return value == onGrid(value) ? QValidator::Acceptable : QValidator::Intermediate;
    }

    void fixup(QString &input) const override
    {
        bool ok = false;
        const int value = locale().toInt(numberText(input), &ok);
        if (ok)
            input = prefix() + textFromValue(onGrid(value)) + suffix();
    }

    void stepBy(int steps) override
    {
        const int offset = value() % singleStep();
        if (offset == 0)
            return QSpinBox::stepBy(steps);
        // Stored off the grid (earlier versions kept typed values): the first step lands on it.
        setValue(value() - offset + singleStep() * (steps > 0 ? steps : steps + 1));
    }

private:
    QString numberText(QString text) const
    {
        if (text.startsWith(prefix()))
            text.remove(0, prefix().size());
        if (text.endsWith(suffix()))
            text.chop(suffix().size());
        return text.trimmed();
    }

    int onGrid(int value) const
    {
        const int step = singleStep();
        const int nearest = (std::clamp(value, minimum(), maximum()) + step / 2) / step * step;
        return std::clamp(nearest, minimum(), maximum());
    }
};

QSpinBox *stepper(int minimum, int maximum, QWidget *parent)
{
    auto *box = new GridSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setSingleStep(5);
    //: Shown after the battery percentage in its box, as in "20%"
    box->setSuffix(BatteryPrefs::tr("%", "percent sign"));
    // Typing "90" must not store 9 on the way.
    box->setKeyboardTracking(false);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

} // namespace

BatteryPrefs::BatteryPrefs(PreferencesStore &prefs, QWidget *parent)
    : QWidget(parent)
    , m_prefs(prefs)
    , m_warnOnBattery(new QCheckBox(tr("Warn when active on battery"), this))
    , m_onlyWhilePluggedIn(new QCheckBox(tr("Only keep awake while plugged in"), this))
    , m_warningLabel(new QLabel(this))
    , m_warningThreshold(stepper(5, 95, this))
    , m_autoStopEnabled(new QCheckBox(tr("Auto-stop below a battery percentage"), this))
    , m_autoStopLabel(new QLabel(this))
    , m_autoStopThreshold(stepper(5, 90, this))
{
    m_warnOnBattery->setObjectName(u"warnOnBattery"_s);
    m_onlyWhilePluggedIn->setObjectName(u"onlyWhilePluggedIn"_s);
    m_warningLabel->setObjectName(u"warningThresholdLabel"_s);
    m_warningThreshold->setObjectName(u"warningThreshold"_s);
    m_autoStopEnabled->setObjectName(u"autoStopEnabled"_s);
    m_autoStopLabel->setObjectName(u"autoStopThresholdLabel"_s);
    m_autoStopThreshold->setObjectName(u"autoStopThreshold"_s);

    sync();
    connect(&prefs, &PreferencesStore::batteryChanged, this, &BatteryPrefs::sync);
    connect(m_warnOnBattery, &QCheckBox::toggled, this,
            [this](bool on) { change([on](BatterySettings &b) { b.warnOnBattery = on; }); });
    connect(m_onlyWhilePluggedIn, &QCheckBox::toggled, this,
            [this](bool on) { change([on](BatterySettings &b) { b.onlyWhilePluggedIn = on; }); });
    connect(m_warningThreshold, &QSpinBox::valueChanged, this,
            [this](int value) { change([value](BatterySettings &b) { b.warningThreshold = value; }); });
    connect(m_autoStopEnabled, &QCheckBox::toggled, this,
            [this](bool on) { change([on](BatterySettings &b) { b.autoStopEnabled = on; }); });
    connect(m_autoStopThreshold, &QSpinBox::valueChanged, this,
            [this](int value) { change([value](BatterySettings &b) { b.autoStopThreshold = value; }); });

    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(m_warnOnBattery);
    form->addRow(m_onlyWhilePluggedIn);
    form->addRow(m_warningLabel, m_warningThreshold);
    form->addRow(ViewStyle::divider(this));
    form->addRow(m_autoStopEnabled);
    form->addRow(m_autoStopLabel, m_autoStopThreshold);
    form->addRow(ViewStyle::label(
        tr("Vigila can warn or stop automatically to protect your battery. Stops are explained in the menu."),
        ViewStyle::Text::Caption, true, this));
}

void BatteryPrefs::sync()
{
    const BatterySettings &battery = m_prefs.battery();
    const QSignalBlocker blockers[] = {QSignalBlocker(m_warnOnBattery), QSignalBlocker(m_onlyWhilePluggedIn),
                                       QSignalBlocker(m_warningThreshold), QSignalBlocker(m_autoStopEnabled),
                                       QSignalBlocker(m_autoStopThreshold)};
    m_warnOnBattery->setChecked(battery.warnOnBattery);
    m_onlyWhilePluggedIn->setChecked(battery.onlyWhilePluggedIn);
    m_warningThreshold->setValue(battery.warningThreshold);
    //: %1 is a battery percentage
    m_warningLabel->setText(tr("Warning threshold: %1%").arg(battery.warningThreshold));
    m_autoStopEnabled->setChecked(battery.autoStopEnabled);
    m_autoStopThreshold->setValue(battery.autoStopThreshold);
    //: %1 is a battery percentage
    m_autoStopLabel->setText(tr("Auto-stop threshold: %1%").arg(battery.autoStopThreshold));
    // Off keeps the threshold as it was, ready for when auto-stop comes back on.
    m_autoStopThreshold->setEnabled(battery.autoStopEnabled);
    m_autoStopLabel->setEnabled(battery.autoStopEnabled);
}

void BatteryPrefs::change(const std::function<void(BatterySettings &)> &edit)
{
    BatterySettings battery = m_prefs.battery();
    edit(battery);
    m_prefs.setBattery(battery);
}
