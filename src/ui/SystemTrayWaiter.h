#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

// Waits for a system tray to appear: at login the panel often starts after us. Checks at a short
// interval for a while, says once that it gave up, then keeps checking at a slow pace (with a zero
// late interval, only when told to: checkNow) so that a panel started much later still gets the icon.
class SystemTrayWaiter final : public QObject {
    Q_OBJECT
public:
    SystemTrayWaiter(std::function<bool()> isAvailable, std::chrono::milliseconds interval,
                     std::chrono::milliseconds patience, std::chrono::milliseconds lateInterval,
                     QObject *parent = nullptr);

    // Checks on the next timer tick; does nothing while already waiting.
    void start();
    // Checks at once, as when something says a tray may have appeared; does nothing unless waiting.
    void checkNow();
    bool isWaiting() const { return m_waiting; }
    int attempts() const { return m_attempts; }

signals:
    void available();
    // Once per wait, when patience ran out; checking goes on at the slow pace.
    void gaveUp();

private:
    void check();

    std::function<bool()> m_isAvailable;
    std::chrono::milliseconds m_interval;
    std::chrono::milliseconds m_patience;
    std::chrono::milliseconds m_lateInterval;
    QTimer m_timer;
    int m_attempts = 0;
    bool m_gaveUp = false;
    bool m_waiting = false;
};
