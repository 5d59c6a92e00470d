#include "ReasonOutput.h"

#include "power/OtherInhibitor.h"
#include "utilities/DateFormatting.h"
#include "utilities/OneLine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace ReasonOutput {

QString statusText(const QVariantMap &status)
{
    // Every text from the tray is printed as one line: a label never drives the terminal.
    QString text = oneLine(status.value(u"headline"_s).toString()) + u'\n';
    const std::array<std::pair<QString, QString>, 5> extras{{
        {u"lastError"_s, u"Error: "_s},
        {u"lockDetail"_s, QString()},
        {u"lockNote"_s, u"Note: "_s},
        {u"batteryMessage"_s, u"Battery: "_s},
        {u"lastStopReason"_s, u"Last stopped: "_s},
    }};
    for (const auto &[key, title] : extras) {
        if (status.contains(key))
            text += title + oneLine(status.value(key).toString()) + u'\n';
    }
    const QVariantList others = status.value(u"otherInhibitors"_s).toList();
    if (!others.isEmpty())
        text += u"Also keeping awake:\n"_s;
    for (const QVariant &other : others) {
        const QVariantMap fields = other.toMap();
        // Flattened to one line: another program's text never drives the terminal.
        OtherInhibitor lock;
        lock.who = fields.value(u"who"_s).toString();
        lock.why = fields.value(u"why"_s).toString();
        text += u"  "_s + lock.summary();
        if (fields.contains(u"pid"_s))
            text += u" (process %1)"_s.arg(fields.value(u"pid"_s).toUInt());
        text += u'\n';
    }
    return text;
}

QString listText(const QList<QVariantMap> &reasons, const QDateTime &now, const QTimeZone &zone)
{
    if (reasons.isEmpty())
        return u"Nothing keeps the computer awake.\n"_s;
    QList<QStringList> rows{{u"ID"_s, u"TYPE"_s, u"MODE"_s, u"ENDS"_s, u"LABEL"_s}};
    for (const QVariantMap &reason : reasons) {
        const QString ends =
            reason.contains(u"endsAt"_s)
                ? DateFormatting::endTime(
                      QDateTime::fromSecsSinceEpoch(reason.value(u"endsAt"_s).toLongLong()), now, zone)
                : u"\u2014"_s;
        rows << QStringList{
            oneLine(reason.value(u"id"_s).toString()), oneLine(reason.value(u"type"_s).toString()),
            oneLine(reason.value(u"mode"_s).toString()), ends, oneLine(reason.value(u"label"_s).toString())};
    }
    // Every column but the last is padded to its widest cell.
    QList<qsizetype> widths(rows.constFirst().size() - 1, 0);
    for (const QStringList &row : rows) {
        for (qsizetype column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        for (qsizetype column = 0; column < widths.size(); ++column)
            text += row[column].leftJustified(widths[column]) + u"  "_s;
        text += row.constLast() + u'\n';
    }
    return text;
}

QByteArray json(const QVariantMap &status)
{
    return QJsonDocument(QJsonObject::fromVariantMap(status)).toJson(QJsonDocument::Indented);
}

QByteArray json(const QList<QVariantMap> &reasons)
{
    QJsonArray array;
    for (const QVariantMap &reason : reasons)
        array.append(QJsonObject::fromVariantMap(reason));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace ReasonOutput
