#pragma once

#include "preferences/UserDefaults.h"

#include <QString>

// The production store: one QSettings file in native format, each key holding the JSON bytes of
// one record. On Linux the file is $XDG_CONFIG_HOME/Quillmere/Vigila.conf (~/.config by default).
// Every write is synced to disk at once and checked; the file is kept readable by its owner only.
//
// A file larger than maxFileBytes (damaged, or made to hurt) is neither read nor written: reading
// it would take Qt long enough to freeze the launch. Its values count as absent; the log says why.
class SettingsUserDefaults final : public UserDefaults {
public:
    static constexpr qint64 maxFileBytes = 8 * 1024 * 1024;

    // The per-user file of organisation "Quillmere", application "Vigila".
    SettingsUserDefaults();
    // A file at an explicit path (tests).
    explicit SettingsUserDefaults(QString fileName);

    const QString &fileName() const { return m_fileName; }

    std::optional<QByteArray> data(const QString &key) const override;
    bool setData(const QString &key, const QByteArray &bytes) override;

private:
    QString m_fileName;
};
