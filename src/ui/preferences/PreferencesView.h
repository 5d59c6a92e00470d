#pragma once

#include <QWidget>

class AppCoordinator;
class LoginItemService;
class QTabWidget;

// The content of the window "Vigila Preferences": six tabs, each editing the settings it names.
// Every control writes to the preferences store the moment it changes and follows the store when
// the setting changes elsewhere.
class PreferencesView final : public QWidget {
    Q_OBJECT
public:
    PreferencesView(AppCoordinator &coordinator, LoginItemService &loginItems, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void drawTabSymbols();

    QTabWidget *m_tabs;
};
