#pragma once

#include "power/BatterySettings.h"

#include <QWidget>

#include <functional>

class PreferencesStore;
class QCheckBox;
class QLabel;
class QSpinBox;

// The "Battery" tab. Every change stores the whole battery record at once.
class BatteryPrefs final : public QWidget {
    Q_OBJECT
public:
    explicit BatteryPrefs(PreferencesStore &prefs, QWidget *parent = nullptr);

private:
    void sync();
    void change(const std::function<void(BatterySettings &)> &edit);

    PreferencesStore &m_prefs;
    QCheckBox *m_warnOnBattery;
    QCheckBox *m_onlyWhilePluggedIn;
    QLabel *m_warningLabel;
    QSpinBox *m_warningThreshold;
    QCheckBox *m_autoStopEnabled;
    QLabel *m_autoStopLabel;
    QSpinBox *m_autoStopThreshold;
};
