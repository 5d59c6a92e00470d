#include "CommandPrefs.h"

#include "ElidedLabel.h"
#include "RowScrollArea.h"
#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "app/AppCoordinator.h"
#include "commands/CommandHistory.h"
#include "commands/LaunchCheck.h"
#include "preferences/PrefsBinding.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A text field bound both ways to one string preference. The field is only written when the text
// differs, so a stored keystroke coming back does not move the cursor.
QLineEdit *boundField(PreferencesStore &prefs, const QString &(PreferencesStore::*get)() const,
                      void (PreferencesStore::*set)(const QString &), void (PreferencesStore::*changed)(),
                      QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setFont(ViewStyle::monospace());
    const auto sync = [field, &prefs, get] {
        if (field->text() != (prefs.*get)())
            field->setText((prefs.*get)());
    };
    sync();
    QObject::connect(&prefs, changed, field, sync);
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [&prefs, set](const QString &text) { (prefs.*set)(text); });
    return field;
}

} // namespace

CommandPrefs::CommandPrefs(AppCoordinator &coordinator, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_prefs(coordinator.prefs())
    , m_history(coordinator.history())
    , m_noFavorites(ViewStyle::label(tr("No saved commands yet"), ViewStyle::Text::Caption, true))
    , m_favoritesLayout(nullptr)
{
    using PS = PreferencesStore;
    QLineEdit *shell =
        boundField(m_prefs, &PS::defaultShell, &PS::setDefaultShell, &PS::defaultShellChanged, this);
    shell->setObjectName(u"defaultShell"_s);
    // Not validated, but a shell that is not there fails every run: say so where it is set.
    auto *shellProblem = ViewStyle::label(QString(), ViewStyle::Text::Caption, false, this);
    shellProblem->setObjectName(u"defaultShellProblem"_s);
    ViewStyle::setTextColor(shellProblem, ViewStyle::red());
    const auto checkShell = [this, shellProblem] {
        const auto problem = LaunchCheck::shellProblem(m_prefs.defaultShell());
        shellProblem->setText(problem.value_or(QString()));
        shellProblem->setVisible(problem.has_value());
    };
    checkShell();
    connect(&m_prefs, &PS::defaultShellChanged, shellProblem, checkShell);
    QLineEdit *directory = boundField(m_prefs, &PS::defaultWorkingDirectory, &PS::setDefaultWorkingDirectory,
                                      &PS::defaultWorkingDirectoryChanged, this);
    directory->setObjectName(u"defaultWorkingDirectory"_s);
    auto *keepHistory = new QCheckBox(tr("Keep command history"), this);
    keepHistory->setObjectName(u"keepCommandHistory"_s);
    PrefsBinding::bindSwitch(keepHistory, m_prefs, &PS::keepCommandHistory, &PS::setKeepCommandHistory,
                             &PS::keepCommandHistoryChanged, [this] { m_coordinator.applyPreferences(); });

    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    auto *shellColumn = new QVBoxLayout;
    shellColumn->setSpacing(2);
    shellColumn->addWidget(shell);
    shellColumn->addWidget(shellProblem);
    form->addRow(tr("Default shell"), shellColumn);
    form->addRow(tr("Default working directory"), directory);
    form->addRow(keepHistory);

    m_noFavorites->setObjectName(u"noFavorites"_s);
    auto *favorites = new QWidget;
    m_favoritesLayout = new QVBoxLayout(favorites);
    m_favoritesLayout->setContentsMargins(0, 0, 0, 0);
    m_favoritesLayout->addWidget(m_noFavorites);
    m_favoritesLayout->addStretch();
    auto *scroll = new RowScrollArea(this);
    scroll->setObjectName(u"favorites"_s);
    scroll->setWidget(favorites);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The rows sit on the tab's own background.
    scroll->viewport()->setAutoFillBackground(false);
    favorites->setAutoFillBackground(false);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *clear = new QPushButton(tr("Clear command history"), this);
    clear->setObjectName(u"clearHistory"_s);
    connect(clear, &QPushButton::clicked, this, [this] { m_history.clearRecent(); });
    auto *clearRow = new QHBoxLayout;
    clearRow->addWidget(clear);
    clearRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ViewStyle::divider(this));
    layout->addWidget(ViewStyle::label(tr("Saved commands"), ViewStyle::Text::Headline, false, this));
    layout->addWidget(scroll, 1);
    layout->addWidget(ViewStyle::divider(this));
    layout->addLayout(clearRow);
    layout->addWidget(
        ViewStyle::label(tr("Command output is kept local only and is not inspected for secrets."),
                         ViewStyle::Text::Caption, true, this));

    rebuildFavorites();
    connect(&m_history, &CommandHistory::favoritesChanged, this, &CommandPrefs::rebuildFavorites);
}

// Rows hold no editable state, so they are simply made anew.
void CommandPrefs::rebuildFavorites()
{
    while (m_favoritesLayout->count() > 2) {
        QLayoutItem *item = m_favoritesLayout->takeAt(1);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater(); // may be the row whose button is being handled
        }
        delete item;
    }
    const QList<SavedCommand> &favorites = m_history.favorites();
    m_noFavorites->setVisible(favorites.isEmpty());
    for (qsizetype i = 0; i < favorites.size(); ++i) {
        const SavedCommand &favorite = favorites.at(i);
        auto *row = new QWidget;
        row->setObjectName(u"favorite"_s);
        auto *title = new ElidedLabel(favorite.displayTitle());
        title->setObjectName(u"title"_s);
        title->setFont(ViewStyle::font(ViewStyle::Text::Callout));
        // One line: what does not fit is elided; the full text is in the tooltip.
        auto *command = new ElidedLabel(favorite.command);
        command->setObjectName(u"command"_s);
        command->setFont(ViewStyle::font(ViewStyle::Text::Caption));
        ViewStyle::setTextColor(command, ViewStyle::secondary());
        command->setToolTip(favorite.command);
        auto *text = new QVBoxLayout;
        text->setSpacing(0);
        text->addWidget(title);
        text->addWidget(command);

        auto *run = new QPushButton(tr("Run", "run the saved command"), row);
        run->setObjectName(u"run"_s);
        const QUuid id = favorite.id;
        connect(run, &QPushButton::clicked, this,
                [this, saved = favorite] { m_coordinator.runCommand(saved); });
        auto *remove = new QToolButton(row);
        remove->setObjectName(u"delete"_s);
        remove->setIcon(SymbolIcons::icon(SymbolIcons::Symbol::Trash));
        remove->setAutoRaise(true);
        remove->setToolTip(tr("Delete", "delete the saved command"));
        connect(remove, &QToolButton::clicked, this, [this, id] { m_history.removeFavorite(id); });

        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 2, 0, 2);
        layout->addLayout(text, 1);
        layout->addWidget(run);
        layout->addWidget(remove);
        m_favoritesLayout->insertWidget(int(i) + 1, row);
    }
}
