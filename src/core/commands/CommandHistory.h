#pragma once

#include "commands/SavedCommand.h"
#include "preferences/UserDefaults.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

#include <memory>
#include <optional>

// The recent runs (newest first, at most maxRecent) and the favourites (in the order they were
// saved), each persisted as one JSON array under its own key. Every change writes both lists.
class CommandHistory final : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype maxRecent = 20;

    // Loads both lists; a list that does not decode in full loads as empty. Never writes.
    explicit CommandHistory(std::shared_ptr<UserDefaults> defaults, QObject *parent = nullptr);

    static QString recentKey();
    static QString favoritesKey();

    const QList<SavedCommand> &recent() const { return m_recent; }
    const QList<SavedCommand> &favorites() const { return m_favorites; }
    bool keepHistory() const { return m_keepHistory; }
    // Neither clears nor writes anything.
    void setKeepHistory(bool value);

    // Puts a finished run at the top of recent, replacing an earlier run of the same command text
    // in the same working directory. Does nothing while keepHistory is false.
    void record(const SavedCommand &command);
    void clearRecent();
    // Stores a copy marked as favourite at the end, replacing any favourite with the same id.
    void addFavorite(const SavedCommand &command);
    // Replaces the favourite with the same id in place, unchanged; adds it when there is none.
    void updateFavorite(const SavedCommand &command);
    void removeFavorite(const QUuid &id);
    std::optional<SavedCommand> favorite(const QUuid &id) const;

signals:
    // Emitted once per change of the list (a removal and an insertion are two changes).
    void recentChanged();
    void favoritesChanged();
    void keepHistoryChanged();

private:
    void setRecent(QList<SavedCommand> value);
    void setFavorites(QList<SavedCommand> value);
    QList<SavedCommand> decode(const QString &key) const;
    void encode(const QList<SavedCommand> &list, const QString &key);
    void save();

    std::shared_ptr<UserDefaults> m_defaults;
    QList<SavedCommand> m_recent;
    QList<SavedCommand> m_favorites;
    bool m_keepHistory = true;
};
