#pragma once

#include "InhibitorProvider.h"
#include "power_management_proxy.h"
#include "screen_saver_proxy.h"

#include <QCoreApplication>
#include <QVariant>

#include <memory>
#include <optional>
#include <utility>

// A freedesktop inhibitor of the cookie kind: Inhibit(application, reason) hands back a cookie
// that UnInhibit(cookie) gives back. Each one serves a single mode.
template <typename Proxy> class CookieInhibitor final : public InhibitorProvider {
public:
    CookieInhibitor(QString name, QString title, const QString &service, const QString &path, AwakeMode mode)
        : InhibitorProvider(QDBusConnection::sessionBus(), service)
        , m_name(std::move(name))
        , m_title(std::move(title))
        , m_mode(mode)
        , m_proxy(service, path, connection())
    {
        m_proxy.setTimeout(noCallTimeout);
    }

    QString name() const override { return m_name; }
    QString title() const override { return m_title; }
    bool supports(AwakeMode mode) const override { return mode == m_mode; }

    void uninhibit() override
    {
        if (m_cookie)
            watchRelease(m_proxy.UnInhibit(*std::exchange(m_cookie, std::nullopt)));
    }

    void forget() override { m_cookie.reset(); }

protected:
    QDBusPendingCall requestInhibit(AwakeMode, const QString &reason) override
    {
        return m_proxy.Inhibit(applicationId(), reason);
    }

    bool take(const QDBusMessage &reply) override
    {
        const QVariant cookie = reply.arguments().value(0);
        if (cookie.typeId() != QMetaType::UInt)
            return false;
        m_cookie = cookie.toUInt();
        return true;
    }

private:
    QString m_name;
    QString m_title;
    AwakeMode m_mode;
    Proxy m_proxy;
    std::optional<uint> m_cookie;
};

// The power-management inhibitor (KDE, Xfce) only keeps the system from suspending.
inline std::unique_ptr<InhibitorProvider> makePowerManagementInhibitor()
{
    using namespace Qt::StringLiterals;
    return std::make_unique<CookieInhibitor<PowerManagementProxy>>(
        u"power-management"_s,
        //: a keep-awake service's name, as in "Tried %1: none available."; keep the interface's name
        QCoreApplication::translate("InhibitorProvider", "PowerManagement"),
        u"org.freedesktop.PowerManagement"_s, u"/org/freedesktop/PowerManagement/Inhibit"_s,
        AwakeMode::System);
}

// The screen-saver inhibitor keeps the display on.
inline std::unique_ptr<InhibitorProvider> makeScreenSaverInhibitor()
{
    using namespace Qt::StringLiterals;
    return std::make_unique<CookieInhibitor<ScreenSaverProxy>>(
        u"screensaver"_s,
        //: a keep-awake service's name, as in "Tried %1: none available."; keep the interface's name
        QCoreApplication::translate("InhibitorProvider", "ScreenSaver"), u"org.freedesktop.ScreenSaver"_s,
        u"/org/freedesktop/ScreenSaver"_s, AwakeMode::Display);
}
