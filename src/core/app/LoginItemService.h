#pragma once

#include <QString>

#include <optional>

// The operating system's registry of programs started at login, for this application only.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;

    // False where the system has no login items we can manage.
    virtual bool isSupported() const = 0;
    // Whether the system will start the application at the next login.
    virtual bool isEnabled() const = 0;
    // Each returns nothing on success, otherwise the reason it failed, fit for the log.
    virtual std::optional<QString> registerItem() = 0;
    virtual std::optional<QString> unregisterItem() = 0;

protected:
    LoginItemService() = default;
    LoginItemService(const LoginItemService &) = default;
    LoginItemService &operator=(const LoginItemService &) = default;
};
