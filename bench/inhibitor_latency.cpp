// How long it takes to hold a lock from each provider, against the mocked services (activate()
// returns at once; the answer comes through the event loop), and how long the UI thread stays
// blocked per reconciliation while the service holding the lock hangs (frozen with SIGSTOP;
// logind is the fallback): that is how long the tray menu stops answering.
// Run it on private buses: tests/dbus/with-buses.sh build/bench/inhibitor_latency [cycles] [hung cycles]
#include "DBusMockService.h"
#include "Percentile.h"
#include "linux/InhibitorPowerAssertion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;
using Bus = DBusMockService::Bus;

namespace {

// Runs the event loop until the chain has settled; true when a lock is held.
bool settle(InhibitorPowerAssertion &assertion)
{
    if (assertion.isTaking()) {
        QEventLoop loop;
        assertion.onLockChanged = [&] {
            if (!assertion.isTaking())
                loop.quit();
        };
        loop.exec();
        assertion.onLockChanged = nullptr;
    }
    return assertion.isActive();
}

struct Mocked {
    QString provider;
    QString mockTemplate;
    Bus bus;
    QString busName;
    AwakeMode mode;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    const int hungCycles = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;
    const QString dir = DBusMockService::templateDirectory() + u'/';
    const std::vector<Mocked> mocked{
        {u"portal"_s, dir + u"portal_inhibit.py"_s, Bus::Session, u"org.freedesktop.portal.Desktop"_s,
         AwakeMode::System},
        {u"gnome-session"_s, dir + u"gnome_session.py"_s, Bus::Session, u"org.gnome.SessionManager"_s,
         AwakeMode::System},
        {u"power-management"_s, dir + u"power_management.py"_s, Bus::Session,
         u"org.freedesktop.PowerManagement"_s, AwakeMode::System},
        {u"screensaver"_s, dir + u"screen_saver.py"_s, Bus::Session, u"org.freedesktop.ScreenSaver"_s,
         AwakeMode::Display},
        {u"logind"_s, u"logind"_s, Bus::System, u"org.freedesktop.login1"_s, AwakeMode::System},
    };

    QTextStream out(stdout);
    out << "activate() until the lock is held, " << cycles << " activate/release cycles per provider (ms)\n";
    InhibitorPowerAssertion assertion;
    for (const Mocked &m : mocked) {
        QString error;
        const auto mock = DBusMockService::start(m.mockTemplate, m.bus, m.busName, {}, &error);
        if (!mock) {
            out << m.provider << ": " << error << Qt::endl;
            return 1;
        }
        std::vector<qint64> samples;
        for (int i = 0; i < cycles; ++i) {
            QElapsedTimer timer;
            timer.start();
            assertion.activate(m.mode, u"Vigila: keep system awake"_s);
            const bool held = settle(assertion);
            samples.push_back(timer.nsecsElapsed() / 1000);
            if (!held || assertion.providerName() != m.provider) {
                out << m.provider << ": lock not held by it (" << assertion.providerName() << ")" << Qt::endl;
                return 1;
            }
            assertion.release();
            QCoreApplication::processEvents();
        }
        out << qSetFieldWidth(18) << Qt::left << m.provider << qSetFieldWidth(0) << "median "
            << QString::number(percentile(samples, 0.5), 'f', 2) << "  p90 "
            << QString::number(percentile(samples, 0.9), 'f', 2) << "  max "
            << QString::number(percentile(samples, 1.0), 'f', 2) << Qt::endl;
    }

    // A reconciliation that gives up the lock and takes one again, as a watched process that ends
    // and starts does, with the holder frozen.
    QString error;
    const auto hung = DBusMockService::start(dir + u"power_management.py"_s, Bus::Session,
                                             u"org.freedesktop.PowerManagement"_s, {}, &error);
    const auto logind =
        hung ? DBusMockService::start(u"logind"_s, Bus::System, u"org.freedesktop.login1"_s, {}, &error)
             : nullptr;
    if (!hung || !logind) {
        out << "hung service: " << error << Qt::endl;
        return 1;
    }
    InhibitorPowerAssertion held;
    held.activate(AwakeMode::System, u"Vigila: keep system awake"_s);
    if (!settle(held) || held.providerName() != "power-management"_L1) {
        out << "hung service: the lock is not held by power-management" << Qt::endl;
        return 1;
    }
    hung->pause();
    std::vector<qint64> blocked;
    for (int i = 0; i < hungCycles; ++i) {
        QElapsedTimer timer;
        timer.start();
        held.release();
        held.activate(AwakeMode::System, u"Vigila: keep system awake"_s);
        blocked.push_back(timer.nsecsElapsed() / 1000);
        if (!settle(held)) {
            out << "hung service: no lock taken" << Qt::endl;
            return 1;
        }
        QCoreApplication::processEvents();
    }
    out << "\nholder frozen, " << hungCycles << " release+activate reconciliations, UI thread blocked (ms)\n"
        << qSetFieldWidth(18) << Qt::left << "first" << qSetFieldWidth(0)
        << QString::number(blocked.front() / 1000.0, 'f', 3) << Qt::endl;
    blocked.erase(blocked.begin());
    if (!blocked.empty())
        out << qSetFieldWidth(18) << Qt::left << "the others" << qSetFieldWidth(0) << "median "
            << QString::number(percentile(blocked, 0.5), 'f', 3) << "  max "
            << QString::number(percentile(blocked, 1.0), 'f', 3) << Qt::endl;
    hung->resume();
    return 0;
}
