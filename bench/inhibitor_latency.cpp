// How long activate() takes to hold a lock from each provider, against the mocked services.
// Run it on private buses: tests/dbus/with-buses.sh build/bench/inhibitor_latency [cycles]
#include "DBusMockService.h"
#include "linux/InhibitorPowerAssertion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;
using Bus = DBusMockService::Bus;

namespace {

struct Mocked {
    QString provider;
    QString mockTemplate;
    Bus bus;
    QString busName;
    AwakeMode mode;
};

double percentile(std::vector<qint64> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<size_t>(p * static_cast<double>(samples.size() - 1))] / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
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
            const bool held = assertion.activate(m.mode, u"Vigila: keep system awake"_s);
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
    return 0;
}
