#pragma once

#include <QWidget>

class LoginItemService;
class PreferencesStore;
class QCheckBox;
class QComboBox;

// The "General" tab: start at login, notifications, the menu bar's time, and the defaults for new
// sessions.
class GeneralPrefs final : public QWidget {
    Q_OBJECT
public:
    GeneralPrefs(PreferencesStore &prefs, LoginItemService &loginItems, QWidget *parent = nullptr);

private:
    void setLaunchAtLogin(bool wanted);
    void syncDefaultMode();
    void syncDefaultDuration();

    PreferencesStore &m_prefs;
    LoginItemService &m_loginItems;
    QCheckBox *m_launchAtLogin;
    QComboBox *m_defaultMode;
    QComboBox *m_defaultDuration;
};
