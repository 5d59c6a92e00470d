#pragma once

#include "app/LoginItemService.h"

#include <QString>

// The login item as an XDG autostart entry, $XDG_CONFIG_HOME/autostart/com.quillmere.vigila.desktop
// (~/.config/autostart by default). The location is looked up anew on every call.
class XdgAutostartLoginItem final : public LoginItemService {
public:
    // executablePath is what the entry starts: the running program's absolute path.
    explicit XdgAutostartLoginItem(QString executablePath);

    static QString entryPath();
    // The Exec= value that runs program without arguments, quoted and escaped for a desktop entry.
    static QString execValue(const QString &program);

    // Supported when the program's path is known and absolute.
    bool isSupported() const override;
    // The entry exists and neither Hidden=true nor X-GNOME-Autostart-enabled=false switches it off.
    bool isEnabled() const override;
    // Writes the entry atomically, replacing a switched-off one.
    std::optional<QString> registerItem() override;
    // Deletes the entry.
    std::optional<QString> unregisterItem() override;

private:
    QString m_executablePath;
};
