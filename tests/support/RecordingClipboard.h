#pragma once

#include "app/Clipboard.h"

#include <QStringList>

// Keeps every text put on the clipboard, in order.
class RecordingClipboard final : public Clipboard {
public:
    void setText(const QString &text) override { texts << text; }

    QStringList texts;
};
