#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>
#include <QVariantMap>

// What `vigila status` and `vigila list` print, from the maps Status() and ListReasons() return:
// lines for people, or JSON with the same keys for scripts.
namespace ReasonOutput {

// The tray's headline, then one line for each of error, battery message and last stop, then the
// other programs keeping the computer awake.
QString statusText(const QVariantMap &status);
// A table of id, type, mode, end and label; a sentence when nothing keeps the computer awake.
QString listText(const QList<QVariantMap> &reasons, const QDateTime &now, const QTimeZone &zone);

QByteArray json(const QVariantMap &status);
QByteArray json(const QList<QVariantMap> &reasons);

} // namespace ReasonOutput
