// How long a survey of other programs' locks takes to answer, against mocked logind and
// gnome-session each holding a few foreign locks, and how long the caller (the tray's UI thread)
// is held inside the call: with both services answering, and with gnome-session hung (SIGSTOP).
// Run it on private buses: tests/dbus/with-buses.sh build/bench/survey_latency [cycles] [hung cycles]
#include "DBusMockService.h"
#include "Percentile.h"
#include "linux/InhibitorSurvey.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;
using Bus = DBusMockService::Bus;

namespace {

struct Sample {
    qint64 inCallUs;
    qint64 answerUs;
    qsizetype found;
};

Sample measure(InhibitorSurvey &survey)
{
    // An event loop of its own: QTest::qWaitFor would add its 10 ms naps to the time measured.
    QEventLoop loop;
    bool answered = false;
    qsizetype found = 0;
    QElapsedTimer timer;
    timer.start();
    survey.survey([&](const QList<OtherInhibitor> &others) {
        answered = true;
        found = others.size();
        loop.quit();
    });
    const qint64 inCall = timer.nsecsElapsed() / 1000;
    if (!answered)
        loop.exec(); // the survey's deadline ends it
    return {inCall, timer.nsecsElapsed() / 1000, found};
}

QString report(const std::vector<Sample> &samples)
{
    std::vector<qint64> inCall, answer;
    for (const Sample &s : samples) {
        inCall.push_back(s.inCallUs);
        answer.push_back(s.answerUs);
    }
    return u"answer median %1 p90 %2 max %3  |  inside survey() median %4 max %5  |  %6 locks"_s
        .arg(percentile(answer, 0.5), 0, 'f', 2)
        .arg(percentile(answer, 0.9), 0, 'f', 2)
        .arg(percentile(answer, 1.0), 0, 'f', 2)
        .arg(percentile(inCall, 0.5), 0, 'f', 3)
        .arg(percentile(inCall, 1.0), 0, 'f', 3)
        .arg(samples.back().found);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    const int hungCycles = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5;
    QTextStream out(stdout);

    QString error;
    const auto logind =
        DBusMockService::start(u"logind"_s, Bus::System, u"org.freedesktop.login1"_s, {}, &error);
    const auto gnome =
        logind ? DBusMockService::start(DBusMockService::templateDirectory() + u"/gnome_session.py"_s,
                                        Bus::Session, u"org.gnome.SessionManager"_s, {}, &error)
               : nullptr;
    if (!logind || !gnome) {
        out << error << Qt::endl;
        return 1;
    }
    // Three locks in each service, held by another connection.
    const QDBusConnection system =
        QDBusConnection::connectToBus(QDBusConnection::SystemBus, u"other (system)"_s);
    const QDBusConnection session =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"other (session)"_s);
    std::vector<QDBusUnixFileDescriptor> held;
    for (int i = 0; i < 3; ++i) {
        QDBusMessage inhibit =
            QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                           u"org.freedesktop.login1.Manager"_s, u"Inhibit"_s);
        inhibit.setArguments({u"sleep"_s, u"program %1"_s.arg(i), u"busy"_s, u"block"_s});
        held.push_back(qvariant_cast<QDBusUnixFileDescriptor>(system.call(inhibit).arguments().value(0)));
        QDBusMessage gnomeInhibit =
            QDBusMessage::createMethodCall(u"org.gnome.SessionManager"_s, u"/org/gnome/SessionManager"_s,
                                           u"org.gnome.SessionManager"_s, u"Inhibit"_s);
        gnomeInhibit.setArguments({u"org.example.App%1"_s.arg(i), 0u, u"busy"_s, 8u});
        session.call(gnomeInhibit);
    }

    InhibitorSurvey survey;
    measure(survey); // connections and first owner lookups out of the way
    std::vector<Sample> samples;
    for (int i = 0; i < cycles; ++i)
        samples.push_back(measure(survey));
    out << "both answering, " << cycles << " surveys (ms): " << report(samples) << Qt::endl;

    gnome->pause();
    std::vector<Sample> hung;
    for (int i = 0; i < hungCycles; ++i)
        hung.push_back(measure(survey));
    out << "gnome-session hung, " << hungCycles << " surveys (ms): " << report(hung) << Qt::endl;
    gnome->resume();
    return 0;
}
