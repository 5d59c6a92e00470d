#include "GeneralPrefs.h"

#include "app/LaunchAtLogin.h"
#include "preferences/PrefsBinding.h"
#include "timers/DurationPreset.h"

#include <QComboBox>
#include <QFormLayout>

using namespace Qt::StringLiterals;

GeneralPrefs::GeneralPrefs(PreferencesStore &prefs, LoginItemService &loginItems, QWidget *parent)
    : QWidget(parent)
    , m_prefs(prefs)
    , m_loginItems(loginItems)
    , m_launchAtLogin(new QCheckBox(tr("Launch at login"), this))
    , m_defaultMode(new QComboBox(this))
    , m_defaultDuration(new QComboBox(this))
{
    auto *notifications = new QCheckBox(tr("Show notifications"), this);
    auto *remainingTime = new QCheckBox(tr("Show remaining time in menu bar"), this);
    auto *confirm = new QCheckBox(tr("Confirm before starting indefinite sessions"), this);
    m_launchAtLogin->setObjectName(u"launchAtLogin"_s);
    notifications->setObjectName(u"showNotifications"_s);
    remainingTime->setObjectName(u"showRemainingTime"_s);
    confirm->setObjectName(u"confirmIndefinite"_s);
    m_defaultMode->setObjectName(u"defaultMode"_s);
    m_defaultDuration->setObjectName(u"defaultDuration"_s);

    using PS = PreferencesStore;
    PrefsBinding::bindSwitch(m_launchAtLogin, prefs, &PS::launchAtLogin, &PS::setLaunchAtLogin,
                             &PS::launchAtLoginChanged,
                             [this] { setLaunchAtLogin(m_prefs.launchAtLogin()); });
    PrefsBinding::bindSwitch(notifications, prefs, &PS::showNotifications, &PS::setShowNotifications,
                             &PS::showNotificationsChanged);
    PrefsBinding::bindSwitch(remainingTime, prefs, &PS::showRemainingTime, &PS::setShowRemainingTime,
                             &PS::showRemainingTimeChanged);
    PrefsBinding::bindSwitch(confirm, prefs, &PS::confirmIndefinite, &PS::setConfirmIndefinite,
                             &PS::confirmIndefiniteChanged);

    for (const AwakeMode mode : allAwakeModes)
        m_defaultMode->addItem(displayName(mode), rawValue(mode));
    syncDefaultMode();
    connect(&prefs, &PS::defaultModeChanged, this, &GeneralPrefs::syncDefaultMode);
    connect(m_defaultMode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < int(allAwakeModes.size()))
            m_prefs.setDefaultMode(allAwakeModes[std::size_t(index)]);
    });

    for (const DurationPreset &preset : DurationPreset::all())
        m_defaultDuration->addItem(preset.label, preset.seconds);
    syncDefaultDuration();
    connect(&prefs, &PS::defaultDurationSecondsChanged, this, &GeneralPrefs::syncDefaultDuration);
    connect(m_defaultDuration, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_prefs.setDefaultDurationSeconds(DurationPreset::all().at(index).seconds);
    });

    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(m_launchAtLogin);
    form->addRow(notifications);
    form->addRow(remainingTime);
    form->addRow(confirm);
    form->addRow(tr("Default keep-awake mode"), m_defaultMode);
    form->addRow(tr("Default duration"), m_defaultDuration);
}

// The switch shows the wish at once; what the system really did is written back, so a refused
// registration flips it back.
void GeneralPrefs::setLaunchAtLogin(bool wanted)
{
    const bool inForce = LaunchAtLogin::set(m_loginItems, wanted);
    if (inForce != wanted)
        m_prefs.setLaunchAtLogin(inForce);
}

void GeneralPrefs::syncDefaultMode()
{
    const QSignalBlocker blocker(m_defaultMode);
    m_defaultMode->setCurrentIndex(m_defaultMode->findData(rawValue(m_prefs.defaultMode())));
}

void GeneralPrefs::syncDefaultDuration()
{
    const QSignalBlocker blocker(m_defaultDuration);
    int selected = -1;
    const auto &presets = DurationPreset::all();
    for (int i = 0; i < presets.size(); ++i) {
        if (presets.at(i).seconds == m_prefs.defaultDurationSeconds())
            selected = i;
    }
    m_defaultDuration->setCurrentIndex(selected);
}
