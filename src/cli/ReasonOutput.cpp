#include "ReasonOutput.h"

#include "power/OtherInhibitor.h"
#include "utilities/DateFormatting.h"
#include "utilities/OneLine.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace ReasonOutput {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReasonOutput)
};

} // namespace

QString statusText(const QVariantMap &status)
{
    // Every text from the tray is printed as one line: a label never drives the terminal.
    QString text = oneLine(status.value(u"headline"_s).toString()) + u'\n';
    // Each line with its title; the lock's detail stands on its own.
    const std::array<std::pair<QString, const char *>, 5> extras{{
        //: %1 is what went wrong with the keep-awake lock
        {u"lastError"_s, QT_TRANSLATE_NOOP("ReasonOutput", "Error: %1")},
        {u"lockDetail"_s, nullptr},
        //: %1 is a note on the keep-awake lock
        {u"lockNote"_s, QT_TRANSLATE_NOOP("ReasonOutput", "Note: %1")},
        //: %1 is what the battery guard says
        {u"batteryMessage"_s, QT_TRANSLATE_NOOP("ReasonOutput", "Battery: %1")},
        //: %1 is what stopped the last session and why
        {u"lastStopReason"_s, QT_TRANSLATE_NOOP("ReasonOutput", "Last stopped: %1")},
    }};
    for (const auto &[key, title] : extras) {
        if (!status.contains(key))
            continue;
        const QString value = oneLine(status.value(key).toString());
        text += (title ? Text::tr(title).arg(value) : value) + u'\n';
    }
    const QVariantList others = status.value(u"otherInhibitors"_s).toList();
    if (!others.isEmpty())
        text += Text::tr("Also keeping awake:") + u'\n';
    for (const QVariant &other : others) {
        const QVariantMap fields = other.toMap();
        // Flattened to one line: another program's text never drives the terminal.
        OtherInhibitor lock;
        lock.who = fields.value(u"who"_s).toString();
        lock.why = fields.value(u"why"_s).toString();
        //: %1 is another program and why it keeps the computer awake, %2 its process id
        text += u"  "_s +
                (fields.contains(u"pid"_s)
                     ? Text::tr("%1 (process %2)")
                           .arg(lock.summary(), QString::number(fields.value(u"pid"_s).toUInt()))
                     : lock.summary()) +
                u'\n';
    }
    return text;
}

QString listText(const QList<QVariantMap> &reasons, const QDateTime &now, const QTimeZone &zone)
{
    if (reasons.isEmpty())
        return Text::tr("Nothing keeps the computer awake.") + u'\n';
    // The column titles are for people; the rows' type and mode are the D-Bus interface's values.
    QList<QStringList> rows{{
        //: a column title: a reason's id
        Text::tr("ID"),
        //: a column title: a reason's type
        Text::tr("TYPE"),
        //: a column title: the mode kept awake, system or display
        Text::tr("MODE"),
        //: a column title: when a reason ends
        Text::tr("ENDS"),
        //: a column title: a reason's label
        Text::tr("LABEL"),
    }};
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
