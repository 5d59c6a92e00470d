#pragma once

#include <QWidget>

class AppCoordinator;
class CommandHistory;
class PreferencesStore;
class QLabel;
class QLineEdit;
class QVBoxLayout;

// The "Commands" tab: the defaults of the command window, history keeping, and the saved commands
// with Run and delete.
class CommandPrefs final : public QWidget {
    Q_OBJECT
public:
    explicit CommandPrefs(AppCoordinator &coordinator, QWidget *parent = nullptr);

private:
    void rebuildFavorites();

    AppCoordinator &m_coordinator;
    PreferencesStore &m_prefs;
    CommandHistory &m_history;
    QLabel *m_noFavorites;
    QVBoxLayout *m_favoritesLayout;
};
