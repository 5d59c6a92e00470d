#pragma once

#include "preferences/UserDefaults.h"

#include <QHash>
#include <QList>

// A user-defaults store in memory that records every write and can be told to refuse them.
class InMemoryUserDefaults final : public UserDefaults {
public:
    struct Write {
        QString key;
        QByteArray bytes;

        bool operator==(const Write &) const = default;
    };

    std::optional<QByteArray> data(const QString &key) const override;
    bool setData(const QString &key, const QByteArray &bytes) override;

    // Refused writes store nothing and are not recorded.
    bool failWrites = false;
    QHash<QString, QByteArray> values;
    QList<Write> writes;

    qsizetype writeCount(const QString &key) const;
};
