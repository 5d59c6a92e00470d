#pragma once

#include "app/Clipboard.h"

// The desktop's clipboard (on X11 the CLIPBOARD selection, which Ctrl+V pastes).
class SystemClipboard final : public Clipboard {
public:
    void setText(const QString &text) override;
};
