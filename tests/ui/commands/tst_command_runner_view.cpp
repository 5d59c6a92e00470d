#include "ViewHarness.h"
#include "ViewStyle.h"
#include "commands/CommandOutputView.h"
#include "commands/CommandRunnerView.h"
#include "commands/CommandSidebar.h"
#include "commands/OutputBuffer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The rows of the sidebar as shown: section headings, placeholders, indented command titles with
// their last exit, and "[button]".
QStringList sidebarLines(const CommandRunnerView &view)
{
    auto *list = child<QListWidget>(view, u"commandList"_s);
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        if (QWidget *widget = list->itemWidget(item)) {
            lines.append(u"["_s + child<QPushButton>(*widget, u"clearHistory"_s)->text() + u"]"_s);
        } else if (item->data(CommandSidebar::entryRole).isValid()) {
            QString line = u"  "_s + item->text();
            if (const QVariant exit = item->data(CommandSidebar::lastExitRole); exit.isValid())
                line += u" / last exit %1"_s.arg(exit.toInt());
            lines.append(line);
        } else {
            lines.append(item->text());
        }
    }
    return lines;
}

QListWidgetItem *sidebarItem(const CommandRunnerView &view, const QString &title)
{
    auto *list = child<QListWidget>(view, u"commandList"_s);
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        if (item->data(CommandSidebar::entryRole).isValid() && item->text() == title)
            return item;
    }
    qFatal("no sidebar row %s", qPrintable(title));
}

void type(QLineEdit *field, const QString &text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

} // namespace

class TestCommandRunnerView : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir.emplace(); }

    void runAndSaveNeedAVisibleCommand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("spaces and tabs") << u" \t  "_s << false;
        QTest::newRow("line break") << u"\n"_s << true;
        QTest::newRow("command") << u"  make  "_s << true;
    }

    void runAndSaveNeedAVisibleCommand()
    {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        ViewHarness h;
        CommandRunnerView view(*h.coordinator);
        child<QLineEdit>(view, u"command"_s)->setText(text);
        QCOMPARE(child<QPushButton>(view, u"run"_s)->isEnabled(), enabled);
        QCOMPARE(child<QPushButton>(view, u"saveFavorite"_s)->isEnabled(), enabled);
    }

    void whileRunningOnlyTheFavoriteRowWorks()
    {
        ViewHarness h;
        CommandRunnerView view(*h.coordinator);
        view.load(ViewHarness::command(waitForFlag(u"echo done"_s)));
        auto *run = child<QPushButton>(view, u"run"_s);
        auto *cancel = child<QPushButton>(view, u"cancel"_s);
        auto *progress = child<QProgressBar>(view, u"progress"_s);
        QVERIFY(!run->isHidden() && cancel->isHidden() && progress->isHidden());
        run->click();
        QVERIFY(h.runner().isRunning());
        QCOMPARE(statusOf(view), (Status{u"Running\u2026"_s, ViewStyle::secondary()}));
        QVERIFY(run->isHidden() && !cancel->isHidden() && !progress->isHidden());
        QCOMPARE(progress->minimum(), progress->maximum()); // indeterminate
        for (const QString &name : {u"command"_s, u"workingDirectory"_s, u"shell"_s})
            QVERIFY(!child<QLineEdit>(view, name)->isEnabled());
        QVERIFY(!child<QPushButton>(view, u"choose"_s)->isEnabled());
        QVERIFY(child<QLineEdit>(view, u"favoriteName"_s)->isEnabled());
        QVERIFY(child<QPushButton>(view, u"saveFavorite"_s)->isEnabled());
        view.saveFavorite();
        QCOMPARE(h.history().favorites().size(), 1);

        cancel->click();
        QTRY_COMPARE(h.runner().state(), CommandRunner::State::cancelled());
        QCOMPARE(statusOf(view), (Status{u"Cancelled"_s, ViewStyle::orange()}));
        QVERIFY(!run->isHidden() && cancel->isHidden() && progress->isHidden());
        QVERIFY(child<QLineEdit>(view, u"command"_s)->isEnabled());
    }

    void statusShowsHowTheRunEnded_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QColor>("color");
        QTest::newRow("success") << u"/bin/sh"_s << u"true"_s << u"Finished (exit 0)"_s << ViewStyle::green();
        QTest::newRow("failure") << u"/bin/sh"_s << u"exit 2"_s << u"Failed (exit 2)"_s << ViewStyle::red();
        QTest::newRow("no shell") << u"/nonexistent/shell"_s << u"true"_s
                                  << u"Could not start: Shell not found: /nonexistent/shell"_s
                                  << ViewStyle::red();
    }

    void statusShowsHowTheRunEnded()
    {
        QFETCH(QString, shell);
        QFETCH(QString, command);
        QFETCH(QString, status);
        QFETCH(QColor, color);
        ViewHarness h;
        CommandRunnerView view(*h.coordinator);
        QCOMPARE(statusOf(view), (Status{u"Ready"_s, ViewStyle::secondary()}));
        type(child<QLineEdit>(view, u"shell"_s), shell);
        type(child<QLineEdit>(view, u"command"_s), command);
        child<QPushButton>(view, u"run"_s)->click();
        QTRY_VERIFY(!h.runner().isRunning());
        QCOMPARE(statusOf(view), (Status{status, color}));
    }

    // Ctrl+Return runs the command exactly as typed, surrounding spaces included.
    void shortcutRunsTheFieldsAsTyped()
    {
        ViewHarness h;
        h.prefs().setDefaultShell(u"/bin/sh"_s);
        h.prefs().setDefaultWorkingDirectory(m_dir->path());
        CommandRunnerView view(*h.coordinator);
        view.show();
        QApplication::setActiveWindow(&view);
        QVERIFY(QTest::qWaitForWindowActive(&view));
        auto *command = child<QLineEdit>(view, u"command"_s);
        type(command, u" pwd > out.txt "_s);
        QSignalSpy started(&h.runner(), &CommandRunner::runningCommandChanged);
        QTest::keyClick(command, Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE(h.runner().state(), CommandRunner::State::finished(0));
        QCOMPARE(h.history().recent().size(), 1);
        const SavedCommand ran = h.history().recent().at(0);
        QCOMPARE(ran.command, u" pwd > out.txt "_s);
        QCOMPARE(ran.shell, u"/bin/sh"_s);
        QCOMPARE(ran.workingDirectory, std::optional(m_dir->path()));
        QVERIFY(QFile::exists(m_dir->filePath(u"out.txt"_s)));
    }

    // Return in the one-line field runs, as it does in any single-line form; Ctrl+Return (the Run
    // button's shortcut) still does, and does not reach the field as a second Return.
    void returnRunsOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("fieldReturns");
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 1;
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                     << 0;
    }

    void returnRunsOnce()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, fieldReturns);
        ViewHarness h;
        // A run that cannot start ends at once, so a second start would be seen, not ignored.
        h.prefs().setDefaultWorkingDirectory(m_dir->filePath(u"missing"_s));
        CommandRunnerView view(*h.coordinator);
        view.show();
        QApplication::setActiveWindow(&view);
        QVERIFY(QTest::qWaitForWindowActive(&view));
        auto *command = child<QLineEdit>(view, u"command"_s);
        QSignalSpy attempts(&h.runner(), &CommandRunner::runningCommandChanged);
        QTest::keyClick(command, Qt::Key_Return); // blank: nothing to run
        type(command, u"true"_s);
        QSignalSpy returns(command, &QLineEdit::returnPressed);
        QTest::keyClick(command, Qt::Key(key), modifiers);
        QTRY_COMPARE(h.runner().state().kind, CommandRunner::State::Kind::FailedToStart);
        QCOMPARE(returns.count(), fieldReturns);
        QCOMPARE(attempts.count(), 2); // set for the attempt, then cleared
    }

    void currentCommandFallsBackForEmptyFields()
    {
        ViewHarness h;
        CommandRunnerView view(*h.coordinator);
        view.load(ViewHarness::command(u"make"_s));
        child<QLineEdit>(view, u"shell"_s)->clear();
        const QByteArray savedShell = qgetenv("SHELL");
        qputenv("SHELL", "/bin/dash");
        SavedCommand command = view.currentCommand();
        QCOMPARE(command.shell, u"/bin/dash"_s);
        QCOMPARE(command.workingDirectory, std::nullopt);
        QVERIFY(!command.isFavorite);
        QVERIFY(command.id != view.currentCommand().id);
        qunsetenv("SHELL");
        QCOMPARE(view.currentCommand().shell, SavedCommand::defaultShell());
        qputenv("SHELL", savedShell);

        // A long saved command comes back whole.
        const QString longCommand = u"echo "_s + QString(40000, u'x');
        view.load(ViewHarness::command(longCommand));
        QCOMPARE(view.currentCommand().command, longCommand);
    }

    void savingTwiceMakesTwoFavorites()
    {
        ViewHarness h;
        CommandRunnerView view(*h.coordinator);
        auto *name = child<QLineEdit>(view, u"favoriteName"_s);
        type(child<QLineEdit>(view, u"command"_s), u"pnpm test"_s);
        type(name, u" \t"_s);
        child<QPushButton>(view, u"saveFavorite"_s)->click();
        QCOMPARE(name->text(), QString());
        child<QPushButton>(view, u"saveFavorite"_s)->click();
        type(name, u"Tests"_s);
        child<QPushButton>(view, u"saveFavorite"_s)->click();
        QCOMPARE(name->text(), QString());

        const QList<SavedCommand> favorites = h.history().favorites();
        QCOMPARE(favorites.size(), 3);
        QCOMPARE(favorites.at(0).name, u"pnpm test"_s);
        QCOMPARE(favorites.at(1).name, u"pnpm test"_s);
        QCOMPARE(favorites.at(2).name, u"Tests"_s);
        QVERIFY(favorites.at(0).id != favorites.at(1).id);
        for (const SavedCommand &favorite : favorites)
            QVERIFY(favorite.isFavorite);
        QCOMPARE(sidebarLines(view), (QStringList{u"Favorites"_s, u"  pnpm test"_s, u"  pnpm test"_s,
                                                  u"  Tests"_s, u"Recent"_s, u"No recent commands"_s}));
    }

    void sidebarSectionsAndLoading()
    {
        ViewHarness h;
        SavedCommand recent = ViewHarness::command(u"make all"_s, u"Build"_s);
        recent.workingDirectory = u"/src"_s;
        recent.lastExitCode = 2;
        h.history().record(recent);
        SavedCommand favorite = ViewHarness::command(u"pnpm test"_s, u"Tests"_s, true);
        favorite.shell = u"/bin/bash"_s;
        h.history().addFavorite(favorite);

        CommandRunnerView view(*h.coordinator);
        view.resize(view.sizeHint());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(sidebarLines(view), (QStringList{u"Favorites"_s, u"  Tests"_s, u"Recent"_s,
                                                  u"  Build / last exit 2"_s, u"[Clear History]"_s}));

        auto *list = child<QListWidget>(view, u"commandList"_s);
        const auto click = [&](const QString &title) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(sidebarItem(view, title)).center());
        };
        auto *name = child<QLineEdit>(view, u"favoriteName"_s);
        click(u"Tests"_s);
        QCOMPARE(child<QLineEdit>(view, u"command"_s)->text(), u"pnpm test"_s);
        QCOMPARE(child<QLineEdit>(view, u"shell"_s)->text(), u"/bin/bash"_s);
        QCOMPARE(child<QLineEdit>(view, u"workingDirectory"_s)->text(), QString());
        QCOMPARE(name->text(), u"Tests"_s);

        click(u"Build"_s); // a recent run: its name is not offered for saving
        QCOMPARE(child<QLineEdit>(view, u"command"_s)->text(), u"make all"_s);
        QCOMPARE(child<QLineEdit>(view, u"workingDirectory"_s)->text(), u"/src"_s);
        QCOMPARE(child<QLineEdit>(view, u"shell"_s)->text(), u"/bin/sh"_s);
        QCOMPARE(name->text(), QString());
    }

    void contextMenus()
    {
        ViewHarness h;
        h.history().record(ViewHarness::command(u"exit 4"_s, u"Four"_s));
        h.history().addFavorite(ViewHarness::command(u"exit 5"_s, u"Five"_s));
        CommandRunnerView view(*h.coordinator);
        auto *sidebar = view.findChild<CommandSidebar *>();
        const auto actions = [&](const QString &title) {
            std::unique_ptr<QMenu> menu(sidebar->contextMenu(sidebarItem(view, title), &view));
            QStringList texts;
            for (QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts.append(action->text());
            }
            return std::pair(texts, menu->actions());
        };
        QCOMPARE(actions(u"Four"_s).first, (QStringList{u"Load"_s, u"Run"_s}));
        QCOMPARE(actions(u"Five"_s).first, (QStringList{u"Load"_s, u"Run"_s, u"Delete"_s}));
        QCOMPARE(sidebar->contextMenu(child<QListWidget>(view, u"commandList"_s)->item(0), &view), nullptr);

        std::unique_ptr<QMenu> menu(sidebar->contextMenu(sidebarItem(view, u"Five"_s), &view));
        menu->actions().at(0)->trigger(); // Load
        QCOMPARE(child<QLineEdit>(view, u"favoriteName"_s)->text(), u"Five"_s);
        menu->actions().at(1)->trigger(); // Run, the saved command itself
        QTRY_COMPARE(h.runner().state(), CommandRunner::State::finished(5));
        QCOMPARE(h.history().recent().at(0).name, u"Five"_s);
        menu->actions().last()->trigger(); // Delete
        QVERIFY(h.history().favorites().isEmpty());
        QCOMPARE(sidebarLines(view).mid(0, 2), (QStringList{u"Favorites"_s, u"No favorites yet"_s}));
    }

    void clearHistoryOnlyWhileThereIsOne()
    {
        ViewHarness h;
        h.history().addFavorite(ViewHarness::command(u"make"_s));
        CommandRunnerView view(*h.coordinator);
        QVERIFY(!sidebarLines(view).contains(u"[Clear History]"_s));
        h.history().record(ViewHarness::command(u"ls"_s));
        QVERIFY(sidebarLines(view).contains(u"[Clear History]"_s));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        child<QPushButton>(view, u"clearHistory"_s)->click();
        QTRY_VERIFY(h.history().recent().isEmpty());
        QCOMPARE(h.history().favorites().size(), 1);
        QCOMPARE(sidebarLines(view),
                 (QStringList{u"Favorites"_s, u"  make"_s, u"Recent"_s, u"No recent commands"_s}));
    }

    void showingResetsShellAndDirectoryFromPreferences()
    {
        ViewHarness h;
        h.prefs().setDefaultShell(u"/bin/bash"_s);
        h.prefs().setDefaultWorkingDirectory(u"/srv"_s);
        CommandRunnerView view(*h.coordinator);
        auto *shell = child<QLineEdit>(view, u"shell"_s);
        auto *directory = child<QLineEdit>(view, u"workingDirectory"_s);
        QCOMPARE(shell->text(), SavedCommand::defaultShell()); // until shown
        view.show();
        QCOMPARE(shell->text(), u"/bin/bash"_s);
        QCOMPARE(directory->text(), u"/srv"_s);
        view.load(ViewHarness::command(u"make"_s, u"Make"_s, true));
        directory->setText(u"/elsewhere"_s);
        h.prefs().setDefaultShell(u"/bin/dash"_s);
        view.hide();
        view.show();
        QCOMPARE(shell->text(), u"/bin/dash"_s);
        QCOMPARE(directory->text(), u"/srv"_s);
        QCOMPARE(child<QLineEdit>(view, u"command"_s)->text(), u"make"_s);
        QCOMPARE(child<QLineEdit>(view, u"favoriteName"_s)->text(), u"Make"_s);
    }

    // A command printing a line every few milliseconds: the box is updated a few times a second,
    // not once per chunk, and ends up with exactly the runner's text. A new run replaces it.
    void outputIsRefreshedAtMostAFewTimesASecond()
    {
        ViewHarness h;
        CommandRunnerView view(*h.coordinator);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto *box = child<QPlainTextEdit>(view, u"output"_s);
        view.load(ViewHarness::command(
            u"i=0; while [ $i -lt 150 ]; do echo \"line $i\"; sleep 0.01; i=$((i+1)); done"_s));
        QSignalSpy chunks(&h.runner(), &CommandRunner::outputChanged);
        QSignalSpy updates(box, &QPlainTextEdit::textChanged);
        QElapsedTimer elapsed;
        elapsed.start();
        child<QPushButton>(view, u"run"_s)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!h.runner().isRunning(), 30000);
        QTRY_COMPARE(box->toPlainText(), h.runner().output());
        const qint64 ms = elapsed.elapsed();
        QVERIFY(h.runner().output().endsWith(u"line 149\n"_s));
        qInfo("%lld chunks, %lld box updates in %lld ms", qlonglong(chunks.count()),
              qlonglong(updates.count()), ms);
        QVERIFY2(chunks.count() >= 20, "the command should arrive in many chunks");
        QVERIFY(updates.count() <= ms / CommandOutputView::refreshInterval.count() + 2);
        QVERIFY(updates.count() * 3 < chunks.count());

        // A run past the cap (the front is cut off), then a short one: the box always matches.
        view.load(
            ViewHarness::command(u"i=0; while [ $i -lt 12000 ]; do echo \"row $i\"; i=$((i+1)); done"_s));
        child<QPushButton>(view, u"run"_s)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!h.runner().isRunning(), 30000);
        QVERIFY(h.runner().output().startsWith(OutputBuffer::truncationMarker()));
        QTRY_COMPARE(box->toPlainText(), h.runner().output());
        view.load(ViewHarness::command(u"echo short"_s));
        child<QPushButton>(view, u"run"_s)->click();
        QTRY_VERIFY(!h.runner().isRunning());
        QTRY_COMPARE(box->toPlainText(), u"short\n"_s);
        // Longer than the text it replaces: still a new text, not a continuation.
        view.load(ViewHarness::command(u"echo a longer line than before"_s));
        child<QPushButton>(view, u"run"_s)->click();
        QTRY_VERIFY(!h.runner().isRunning());
        QTRY_COMPARE(box->toPlainText(), u"a longer line than before\n"_s);
    }

    void outputDoesNotScrollByItself_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("growing") << 200;
        QTest::newRow("past the cap") << 12000; // the front is cut off at every chunk
    }

    void outputDoesNotScrollByItself()
    {
        QFETCH(int, lines);
        ViewHarness h;
        CommandRunnerView view(*h.coordinator);
        view.resize(view.sizeHint());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto *box = child<QPlainTextEdit>(view, u"output"_s);
        QScrollBar *bar = box->verticalScrollBar();
        const QString last = u"first %1"_s.arg(lines - 1);
        view.load(ViewHarness::command(
            u"i=0; while [ $i -lt %1 ]; do echo \"first $i\"; i=$((i+1)); done; "_s.arg(lines) +
            waitForFlag(u"i=0; while [ $i -lt 200 ]; do echo \"second $i\"; i=$((i+1)); done"_s)));
        child<QPushButton>(view, u"run"_s)->click();
        QTRY_VERIFY(box->toPlainText().contains(last));
        QCOMPARE(bar->value(), 0);
        QVERIFY(bar->maximum() > 100);
        bar->setValue(60);
        QFile flag(m_dir->filePath(u"go"_s));
        QVERIFY(flag.open(QIODevice::WriteOnly));
        flag.close();
        QTRY_VERIFY(!h.runner().isRunning());
        QTRY_VERIFY(box->toPlainText().contains(u"second 199"_s));
        QCOMPARE(bar->value(), 60);
    }

private:
    struct Status {
        QString text;
        QColor color;
        bool operator==(const Status &) const = default;
    };

    static Status statusOf(const CommandRunnerView &view)
    {
        auto *label = child<QLabel>(view, u"status"_s);
        return {label->text(), label->palette().color(QPalette::WindowText)};
    }

    // A shell command that waits until the test creates the file "go", then runs `then`.
    QString waitForFlag(const QString &then) const
    {
        return u"while [ ! -e '%1' ]; do sleep 0.02; done; %2"_s.arg(m_dir->filePath(u"go"_s), then);
    }

    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestCommandRunnerView)
#include "tst_command_runner_view.moc"
