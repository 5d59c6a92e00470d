#pragma once

#include "FakeLoginItemService.h"
#include "FakePowerAssertion.h"
#include "FakePowerSources.h"
#include "FakeProcessSnapshotProvider.h"
#include "InMemoryUserDefaults.h"
#include "ManualClock.h"
#include "RecordingNotificationSink.h"
#include "app/AppCoordinator.h"
#include "app/Clipboard.h"
#include "commands/CommandHistory.h"
#include "commands/CommandRunner.h"
#include "preferences/PreferencesStore.h"

#include <QUuid>
#include <QWidget>

#include <algorithm>

#include <memory>

// A coordinator on in-memory backends, for the windows to work against.
struct ViewHarness {
    struct NoClipboard final : Clipboard {
        void setText(const QString &) override {}
    };

    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    FakeProcessSnapshotProvider *processes = nullptr; // owned by the coordinator
    FakeLoginItemService loginItems;
    std::unique_ptr<AppCoordinator> coordinator;

    ViewHarness()
    {
        auto provider = std::make_unique<FakeProcessSnapshotProvider>();
        processes = provider.get();
        coordinator = std::make_unique<AppCoordinator>(AppCoordinator::Backends{
            defaults,
            std::make_shared<FakePowerAssertion>(),
            std::make_shared<FakePowerSources>(),
            std::move(provider),
            std::make_shared<RecordingNotificationSink>(),
            QString(),
            std::make_shared<NoClipboard>(),
            std::make_shared<ManualClock>(),
        });
        // Quick grace period: a cancelled test command is gone at once.
        coordinator->runner().setTerminationGracePeriod(std::chrono::milliseconds(200));
    }

    PreferencesStore &prefs() const { return coordinator->prefs(); }
    CommandHistory &history() const { return coordinator->history(); }
    CommandRunner &runner() const { return coordinator->runner(); }

    static SavedCommand command(const QString &text, const QString &name = {}, bool favorite = false)
    {
        SavedCommand saved;
        saved.id = QUuid::createUuid();
        saved.name = name;
        saved.command = text;
        saved.shell = QStringLiteral("/bin/sh");
        saved.isFavorite = favorite;
        return saved;
    }
};

// The widget of this type and object name under parent; the test stops when there is none.
template <typename T> T *child(const QWidget &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

// The rows of this type shown under view, top to bottom (as the list orders them).
template <typename Row> QList<Row *> shownRows(const QWidget &view)
{
    QList<Row *> shown;
    for (Row *row : view.findChildren<Row *>()) {
        if (!row->isHidden())
            shown.append(row);
    }
    std::sort(shown.begin(), shown.end(), [](auto *a, auto *b) { return a->y() < b->y(); });
    return shown;
}
