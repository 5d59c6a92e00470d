#include "CommandHistory.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

CommandHistory::CommandHistory(std::shared_ptr<UserDefaults> defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(std::move(defaults))
{
    m_recent = decode(recentKey());
    m_favorites = decode(favoritesKey());
}

QString CommandHistory::recentKey()
{
    return u"vigila.commands.recent"_s;
}

QString CommandHistory::favoritesKey()
{
    return u"vigila.commands.favorites"_s;
}

void CommandHistory::setKeepHistory(bool value)
{
    m_keepHistory = value;
    emit keepHistoryChanged();
}

void CommandHistory::record(const SavedCommand &command)
{
    if (!m_keepHistory)
        return;
    QList<SavedCommand> recent = m_recent;
    recent.removeIf([&](const SavedCommand &entry) {
        return entry.command == command.command && entry.workingDirectory == command.workingDirectory;
    });
    setRecent(recent);
    recent.prepend(command);
    setRecent(recent);
    if (recent.size() > maxRecent) {
        recent.resize(maxRecent);
        setRecent(recent);
    }
    save();
}

void CommandHistory::clearRecent()
{
    setRecent({});
    save();
}

void CommandHistory::addFavorite(const SavedCommand &command)
{
    SavedCommand favorite = command;
    favorite.isFavorite = true;
    QList<SavedCommand> favorites = m_favorites;
    favorites.removeIf([&](const SavedCommand &entry) { return entry.id == favorite.id; });
    setFavorites(favorites);
    favorites.append(favorite);
    setFavorites(favorites);
    save();
}

void CommandHistory::updateFavorite(const SavedCommand &command)
{
    const auto it = std::find_if(m_favorites.cbegin(), m_favorites.cend(),
                                 [&](const SavedCommand &entry) { return entry.id == command.id; });
    if (it == m_favorites.cend()) {
        addFavorite(command);
        return;
    }
    QList<SavedCommand> favorites = m_favorites;
    favorites[it - m_favorites.cbegin()] = command;
    setFavorites(favorites);
    save();
}

void CommandHistory::removeFavorite(const QUuid &id)
{
    QList<SavedCommand> favorites = m_favorites;
    favorites.removeIf([&](const SavedCommand &entry) { return entry.id == id; });
    setFavorites(favorites);
    save();
}

std::optional<SavedCommand> CommandHistory::favorite(const QUuid &id) const
{
    for (const SavedCommand &entry : m_favorites) {
        if (entry.id == id)
            return entry;
    }
    return std::nullopt;
}

void CommandHistory::setRecent(QList<SavedCommand> value)
{
    m_recent = std::move(value);
    emit recentChanged();
}

void CommandHistory::setFavorites(QList<SavedCommand> value)
{
    m_favorites = std::move(value);
    emit favoritesChanged();
}

QList<SavedCommand> CommandHistory::decode(const QString &key) const
{
    // All or nothing: one malformed element empties the list, and the next write stores that.
    const std::optional<QByteArray> bytes = m_defaults->data(key);
    if (!bytes)
        return {};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return {};
    QList<SavedCommand> list;
    for (const QJsonValue &value : document.array()) {
        const auto command = SavedCommand::fromJson(value);
        if (!command)
            return {};
        list.append(*command);
    }
    return list;
}

void CommandHistory::encode(const QList<SavedCommand> &list, const QString &key)
{
    QJsonArray array;
    for (const SavedCommand &command : list)
        array.append(command.toJson());
    m_defaults->setData(key, QJsonDocument(array).toJson(QJsonDocument::Compact));
}

void CommandHistory::save()
{
    encode(m_recent, recentKey());
    encode(m_favorites, favoritesKey());
}
