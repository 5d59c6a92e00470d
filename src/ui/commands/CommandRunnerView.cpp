#include "CommandRunnerView.h"

#include "CommandOutputView.h"
#include "CommandSidebar.h"
#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "app/AppCoordinator.h"
#include "commands/CommandHistory.h"
#include "preferences/PreferencesStore.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int editorMinimumWidth = 360;
constexpr int editorIdealWidth = 420;
constexpr int sidebarMinimumWidth = 200;
constexpr int sidebarIdealWidth = 240;

// Only spaces and tabs count as blank: a command of line breaks is still handed to the shell.
bool isBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

} // namespace

CommandRunnerView::CommandRunnerView(AppCoordinator &coordinator, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_runner(coordinator.runner())
    , m_command(new QLineEdit(this))
    , m_workingDirectory(new QLineEdit(this))
    , m_choose(new QPushButton(tr("Choose\u2026", "choose the working directory"), this))
    , m_shell(new QLineEdit(this))
    , m_run(new QPushButton(SymbolIcons::icon(SymbolIcons::Symbol::Play), tr("Run", "run the command"), this))
    , m_cancel(new QPushButton(SymbolIcons::icon(SymbolIcons::Symbol::Stop),
                               tr("Cancel", "stop the running command"), this))
    , m_progress(new QProgressBar(this))
    , m_status(new QLabel(this))
    , m_favoriteName(new QLineEdit(this))
    , m_saveFavorite(new QPushButton(tr("Save Favorite"), this))
    , m_output(new CommandOutputView(coordinator.runner(), this))
    , m_sidebar(new CommandSidebar(coordinator.history(), this))
    , m_splitter(new QSplitter(Qt::Horizontal, this))
{
    m_command->setObjectName(u"command"_s);
    m_command->setPlaceholderText(tr("Command, e.g. pnpm test"));
    m_command->setFont(ViewStyle::monospace());
    // A line edit keeps 32767 characters by default: a longer saved command would be cut short
    // when loaded, and run or saved again that way.
    m_command->setMaxLength(std::numeric_limits<int>::max());
    m_workingDirectory->setObjectName(u"workingDirectory"_s);
    m_workingDirectory->setPlaceholderText(tr("Working directory (optional)"));
    m_choose->setObjectName(u"choose"_s);
    m_shell->setObjectName(u"shell"_s);
    m_shell->setPlaceholderText(tr("Shell", "the program that runs the command"));
    m_shell->setFont(ViewStyle::monospace(ViewStyle::Text::Caption));
    m_shell->setText(SavedCommand::defaultShell());
    m_run->setObjectName(u"run"_s);
    m_run->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    //: The Run button's tool tip; %1 is its keyboard shortcut
    m_run->setToolTip(
        tr("Run (%1)", "run the command").arg(m_run->shortcut().toString(QKeySequence::NativeText)));
    m_cancel->setObjectName(u"cancel"_s);
    m_progress->setObjectName(u"progress"_s);
    m_progress->setRange(0, 0); // indeterminate
    m_progress->setTextVisible(false);
    m_progress->setFixedSize(60, 10);
    m_status->setObjectName(u"status"_s);
    m_status->setFont(ViewStyle::font(ViewStyle::Text::Caption));
    m_favoriteName->setObjectName(u"favoriteName"_s);
    m_favoriteName->setPlaceholderText(tr("Name to save as favorite"));
    m_saveFavorite->setObjectName(u"saveFavorite"_s);

    connect(m_command, &QLineEdit::textChanged, this, &CommandRunnerView::updateControls);
    connect(m_run, &QPushButton::clicked, this, &CommandRunnerView::run);
    connect(m_command, &QLineEdit::returnPressed, this, &CommandRunnerView::run);
    connect(m_cancel, &QPushButton::clicked, &m_runner, &CommandRunner::cancel);
    connect(m_choose, &QPushButton::clicked, this, &CommandRunnerView::chooseDirectory);
    connect(m_saveFavorite, &QPushButton::clicked, this, &CommandRunnerView::saveFavorite);
    connect(&m_runner, &CommandRunner::stateChanged, this, [this] {
        updateControls();
        updateStatus();
    });
    m_sidebar->onLoad = [this](const SavedCommand &command) { load(command); };
    m_sidebar->onRun = [this](const SavedCommand &command) { m_coordinator.runCommand(command); };

    QWidget *editor = makeEditorPane();
    editor->setMinimumWidth(editorMinimumWidth);
    m_sidebar->setMinimumWidth(sidebarMinimumWidth);
    m_splitter->addWidget(editor);
    m_splitter->addWidget(m_sidebar);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({editorIdealWidth, sidebarIdealWidth});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    setMinimumSize(640, 420);

    updateControls();
    updateStatus();
}

QWidget *CommandRunnerView::makeEditorPane()
{
    auto *pane = new QWidget(this);
    pane->setObjectName(u"editorPane"_s);

    auto *directoryRow = new QHBoxLayout;
    directoryRow->addWidget(m_workingDirectory, 1);
    directoryRow->addWidget(m_choose);

    auto *actionRow = new QHBoxLayout;
    actionRow->addWidget(m_run);
    actionRow->addWidget(m_cancel);
    actionRow->addWidget(m_progress);
    actionRow->addStretch();
    actionRow->addWidget(m_status);

    auto *favoriteRow = new QHBoxLayout;
    favoriteRow->addWidget(m_favoriteName, 1);
    favoriteRow->addWidget(m_saveFavorite);

    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(ViewStyle::label(tr("Run Command With Vigila"), ViewStyle::Text::Headline));
    layout->addWidget(ViewStyle::label(
        tr("Vigila starts keep-awake before the command runs and releases it when the command exits."),
        ViewStyle::Text::Caption, true));
    layout->addWidget(m_command);
    layout->addLayout(directoryRow);
    layout->addWidget(m_shell);
    layout->addLayout(actionRow);
    layout->addLayout(favoriteRow);
    layout->addWidget(m_output, 1);
    return pane;
}

QSize CommandRunnerView::sizeHint() const
{
    return {editorIdealWidth + sidebarIdealWidth + m_splitter->handleWidth(), 480};
}

void CommandRunnerView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Not when the window is merely restored from the dock or taskbar.
    if (event->spontaneous())
        return;
    m_shell->setText(m_coordinator.prefs().defaultShell());
    m_workingDirectory->setText(m_coordinator.prefs().defaultWorkingDirectory());
}

SavedCommand CommandRunnerView::currentCommand() const
{
    SavedCommand command;
    command.id = QUuid::createUuid();
    command.name = m_favoriteName->text();
    command.command = m_command->text();
    if (!m_workingDirectory->text().isEmpty())
        command.workingDirectory = m_workingDirectory->text();
    command.shell = m_shell->text().isEmpty() ? SavedCommand::defaultShell() : m_shell->text();
    command.isFavorite = false;
    return command;
}

void CommandRunnerView::load(const SavedCommand &command)
{
    m_command->setText(command.command);
    m_workingDirectory->setText(command.workingDirectory.value_or(QString()));
    m_shell->setText(command.shell);
    m_favoriteName->setText(command.isFavorite ? command.name : QString());
    // Show where a long command starts, not where it ends.
    for (QLineEdit *field : {m_command, m_workingDirectory, m_shell, m_favoriteName})
        field->setCursorPosition(0);
}

void CommandRunnerView::saveFavorite()
{
    SavedCommand favorite = currentCommand();
    if (isBlank(favorite.name))
        favorite.name = m_command->text();
    favorite.isFavorite = true;
    m_coordinator.history().addFavorite(favorite);
    m_favoriteName->clear();
}

void CommandRunnerView::run()
{
    if (isBlank(m_command->text()))
        return;
    m_coordinator.runCommand(currentCommand());
}

void CommandRunnerView::chooseDirectory()
{
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("Choose Working Directory"), m_workingDirectory->text(), QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        m_workingDirectory->setText(chosen);
}

void CommandRunnerView::updateControls()
{
    const bool running = m_runner.isRunning();
    const bool blank = isBlank(m_command->text());
    for (QWidget *field : {static_cast<QWidget *>(m_command), static_cast<QWidget *>(m_workingDirectory),
                           static_cast<QWidget *>(m_choose), static_cast<QWidget *>(m_shell)})
        field->setEnabled(!running);
    m_run->setVisible(!running);
    m_run->setEnabled(!blank);
    m_cancel->setVisible(running);
    m_progress->setVisible(running);
    m_saveFavorite->setEnabled(!blank);
}

void CommandRunnerView::updateStatus()
{
    const CommandRunner::State &state = m_runner.state();
    m_status->setText(statusText(state));
    ViewStyle::setTextColor(m_status, statusColor(state));
}

QString CommandRunnerView::statusText(const CommandRunner::State &state)
{
    using Kind = CommandRunner::State::Kind;
    switch (state.kind) {
    case Kind::Idle:
        return tr("Ready", "no command running");
    case Kind::Running:
        return tr("Running\u2026", "the command is running");
    case Kind::Finished:
        if (state.exitCode == 0)
            return tr("Finished (exit 0)");
        //: %1 is the command's exit code
        return tr("Failed (exit %1)").arg(state.exitCode);
    case Kind::FailedToStart:
        //: %1 says why, e.g. "No such file or directory"
        return tr("Could not start: %1").arg(state.message);
    case Kind::Cancelled:
        return tr("Cancelled", "the command was stopped");
    }
    return {};
}

QColor CommandRunnerView::statusColor(const CommandRunner::State &state)
{
    using Kind = CommandRunner::State::Kind;
    switch (state.kind) {
    case Kind::Idle:
    case Kind::Running:
        return ViewStyle::secondary();
    case Kind::Finished:
        return state.exitCode == 0 ? ViewStyle::green() : ViewStyle::red();
    case Kind::FailedToStart:
        return ViewStyle::red();
    case Kind::Cancelled:
        return ViewStyle::orange();
    }
    return ViewStyle::secondary();
}
