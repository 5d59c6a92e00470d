#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A key-to-bytes store for the application's persisted records. Each key holds one whole JSON
// document, replaced on every write.
class UserDefaults {
public:
    virtual ~UserDefaults() = default;

    // The bytes stored under key; nothing when the key was never written. A value that exists but
    // cannot be read as bytes comes back as empty bytes, which no record decodes from.
    virtual std::optional<QByteArray> data(const QString &key) const = 0;

    // Replaces what is stored under key. False when the bytes could not be stored; what was stored
    // before is then left as it was. Never throws.
    virtual bool setData(const QString &key, const QByteArray &bytes) = 0;

protected:
    UserDefaults() = default;
    UserDefaults(const UserDefaults &) = default;
    UserDefaults &operator=(const UserDefaults &) = default;
};
