#pragma once

#include "commands/CommandRunner.h"
#include "commands/SavedCommand.h"

#include <QWidget>

class AppCoordinator;
class CommandOutputView;
class CommandSidebar;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSplitter;

// The content of the window "Run Command With Vigila": an editor for one shell command with its
// shell and working directory, the run's status and output, and the favourite and recent commands
// beside it. The view keeps only its four text fields; everything else comes from the runner and
// the history.
class CommandRunnerView final : public QWidget {
    Q_OBJECT
public:
    explicit CommandRunnerView(AppCoordinator &coordinator, QWidget *parent = nullptr);

    // A new command (with a new identity) from the fields.
    SavedCommand currentCommand() const;
    void load(const SavedCommand &command);
    // Saves the fields as a favourite, named after the command when the name is blank.
    void saveFavorite();

    static QString statusText(const CommandRunner::State &state);
    static QColor statusColor(const CommandRunner::State &state);

    QSize sizeHint() const override;

protected:
    // Each time the window comes up, the shell and directory start again from the preferences.
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makeEditorPane();
    void run();
    void chooseDirectory();
    void updateControls();
    void updateStatus();

    AppCoordinator &m_coordinator;
    CommandRunner &m_runner;
    QLineEdit *m_command;
    QLineEdit *m_workingDirectory;
    QPushButton *m_choose;
    QLineEdit *m_shell;
    QPushButton *m_run;
    QPushButton *m_cancel;
    QProgressBar *m_progress;
    QLabel *m_status;
    QLineEdit *m_favoriteName;
    QPushButton *m_saveFavorite;
    CommandOutputView *m_output;
    CommandSidebar *m_sidebar;
    QSplitter *m_splitter;
};
