#pragma once

#include <QString>

// The desktop clipboard, for plain text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
};
