// The preferences record as the store reads it at launch: arbitrary bytes under its key.
#include "FuzzCheck.h"
#include "InMemoryUserDefaults.h"
#include "preferences/PreferencesStore.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const auto stored =
        document.isObject() ? PreferencesStore::Stored::fromJson(document.object()) : std::nullopt;

    auto defaults = std::make_shared<InMemoryUserDefaults>();
    defaults->values.insert(PreferencesStore::key(), bytes);
    PreferencesStore store(defaults);
    FUZZ_CHECK(defaults->writes.isEmpty()); // reading never writes
    if (!stored)
        return 0;
    // A record that decodes is the one the store uses.
    FUZZ_CHECK(store.battery() == stored->battery);
    FUZZ_CHECK(store.processRules() == stored->processRules);
    FUZZ_CHECK(store.defaultShell() == stored->defaultShell);
    FUZZ_CHECK(store.defaultMode() == stored->defaultMode);

    // Any change writes the whole record back; the next launch must read the same record.
    store.setLaunchAtLogin(store.launchAtLogin());
    FUZZ_CHECK(defaults->writes.size() == 1);
    const QJsonDocument written = QJsonDocument::fromJson(defaults->values.value(PreferencesStore::key()));
    const auto reread = PreferencesStore::Stored::fromJson(written.object());
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(*reread == *stored);
    return 0;
}
