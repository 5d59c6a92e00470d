#pragma once

#include "InhibitorProvider.h"
#include "screen_saver_proxy.h"

#include <optional>

// The freedesktop screen-saver inhibitor: keeps the display on, so it serves display mode alone.
class ScreenSaverInhibitor final : public InhibitorProvider {
public:
    ScreenSaverInhibitor();

    QString name() const override;
    bool supports(AwakeMode mode) const override;
    QString inhibit(AwakeMode mode, const QString &reason) override;
    void uninhibit() override;
    void forget() override;

private:
    ScreenSaverProxy m_proxy;
    std::optional<uint> m_cookie;
};
