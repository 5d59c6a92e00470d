#pragma once

#include <QWidget>

class AppCoordinator;
class LoginItemService;
class QTabWidget;
class TriggerPrefs;

// The content of the window "Vigila Preferences": seven tabs, each editing the settings it names.
// Every control writes to the preferences store the moment it changes and follows the store when
// the setting changes elsewhere.
class PreferencesView final : public QWidget {
    Q_OBJECT
public:
    PreferencesView(AppCoordinator &coordinator, LoginItemService &loginItems, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    // Brings the Triggers tab to the front.
    void showTriggers();

protected:
    void changeEvent(QEvent *event) override;

private:
    void drawTabSymbols();

    QTabWidget *m_tabs;
    TriggerPrefs *m_triggers = nullptr;
};
