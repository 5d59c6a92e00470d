#include "OtherInhibitor.h"

#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace {

bool breaksTheLine(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        // Explicit embeddings, overrides and isolates would reorder the rest of the entry.
        return (c.unicode() >= 0x202A && c.unicode() <= 0x202E) ||
               (c.unicode() >= 0x2066 && c.unicode() <= 0x2069);
    }
}

QString oneLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (breaksTheLine(c))
            c = u' ';
    }
    line = line.simplified();
    if (line.size() <= OtherInhibitor::maxPartLength)
        return line;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    finder.setPosition(OtherInhibitor::maxPartLength - 1);
    if (!finder.isAtBoundary())
        finder.toPreviousBoundary();
    return line.left(finder.position()) + u'\u2026';
}

} // namespace

QString OtherInhibitor::summary() const
{
    QString name = oneLine(who);
    if (name.isEmpty())
        name = u"Unknown program"_s;
    const QString reason = oneLine(why);
    return reason.isEmpty() ? name : name + u" \u2014 "_s + reason;
}
