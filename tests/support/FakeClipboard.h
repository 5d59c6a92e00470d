#pragma once

#include "app/Clipboard.h"

#include <QStringList>

// Keeps what was put on the clipboard.
class FakeClipboard final : public Clipboard {
public:
    void setText(const QString &text) override { texts.append(text); }
    QStringList texts;
};
