#pragma once

#include <QString>
#include <QStringView>

// Text from outside (labels, other programs' names and reasons, command lines) as one safe line
// for a terminal, a D-Bus reply or a menu entry: control characters (C0, C1, DEL), line breaks
// (a CRLF pair counts as one) and the characters that reorder text (bidi embeddings, overrides,
// isolates and marks) become spaces, so the text can neither move the cursor, rewrite the
// terminal nor display in a different order than it reads. With a maximum length (in UTF-16
// units, > 0) a longer text is cut between user-perceived characters and ends in an ellipsis.
QString oneLine(QStringView text, qsizetype maximumLength = 0);
