#pragma once

#include "InhibitorProvider.h"
#include "gnome_session_proxy.h"

#include <optional>

// The GNOME session manager: the lock is a cookie handed back to Uninhibit.
class GnomeSessionInhibitor final : public InhibitorProvider {
public:
    GnomeSessionInhibitor();

    QString name() const override;
    QString inhibit(AwakeMode mode, const QString &reason) override;
    void uninhibit() override;
    void forget() override;

private:
    GnomeSessionProxy m_proxy;
    std::optional<uint> m_cookie;
};
