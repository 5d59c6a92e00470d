#include "OneLine.h"

#include <QTextBoundaryFinder>

namespace {

bool breaksTheLine(char16_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control: // C0, DEL and C1
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        // Marks, embeddings, overrides and isolates that change the order text displays in.
        return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
               c == 0x061C;
    }
}

} // namespace

QString oneLine(QStringView text, qsizetype maximumLength)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the '\n' becomes the one space
        line += breaksTheLine(c) ? QChar(u' ') : text[i];
    }
    if (maximumLength <= 0 || line.size() <= maximumLength)
        return line;
    // Room for the ellipsis, at a boundary no later than that: never half an emoji or a letter
    // without its accent.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    finder.setPosition(maximumLength - 1);
    if (!finder.isAtBoundary())
        finder.toPreviousBoundary();
    return line.left(qMax(finder.position(), qsizetype(0))) + u'\u2026';
}
