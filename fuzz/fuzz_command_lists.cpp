// The recent and favourite command lists as the history loads them: arbitrary bytes under either key.
#include "FuzzCheck.h"
#include "InMemoryUserDefaults.h"
#include "commands/CommandHistory.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// All or nothing: every element decodes, or the list is empty.
QList<SavedCommand> expectedList(const QByteArray &bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    QList<SavedCommand> list;
    for (const QJsonValue &value : document.array()) {
        const auto command = SavedCommand::fromJson(value);
        if (!command)
            return {};
        list << *command;
    }
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the list; the rest is what is stored under it.
    const bool favorites = data[0] & 1;
    const QByteArray bytes = Fuzz::bytes(data + 1, size - 1);
    auto defaults = std::make_shared<InMemoryUserDefaults>();
    defaults->values.insert(favorites ? CommandHistory::favoritesKey() : CommandHistory::recentKey(), bytes);

    CommandHistory history(defaults);
    FUZZ_CHECK(defaults->writes.isEmpty());
    const QList<SavedCommand> &loaded = favorites ? history.favorites() : history.recent();
    FUZZ_CHECK(loaded == expectedList(bytes));
    FUZZ_CHECK((favorites ? history.recent() : history.favorites()).isEmpty());

    // Written back by a change that alters neither list, both load again unchanged.
    const QUuid absent = QUuid::fromString(u"F0F0F0F0-0000-4000-8000-00000000F0F0");
    if (!history.favorite(absent)) {
        history.removeFavorite(absent);
        CommandHistory reloaded(defaults);
        FUZZ_CHECK(reloaded.recent() == history.recent());
        FUZZ_CHECK(reloaded.favorites() == history.favorites());
    }

    // A new run goes to the top; the list never exceeds its cap afterwards.
    if (!history.recent().isEmpty()) {
        const SavedCommand run = history.recent().last();
        history.record(run);
        FUZZ_CHECK(history.recent().first() == run);
        FUZZ_CHECK(history.recent().size() <= CommandHistory::maxRecent);
    }
    return 0;
}
