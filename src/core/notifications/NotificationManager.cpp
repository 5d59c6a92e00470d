#include "NotificationManager.h"

#include "utilities/Clock.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

bool ask(const std::function<bool()> &question)
{
    return !question || question();
}

} // namespace

QString NotificationManager::productionApplicationId()
{
    return u"com.quillmere.vigila"_s;
}

NotificationManager::NotificationManager(std::shared_ptr<NotificationSink> sink, QString applicationId,
                                         std::shared_ptr<const Clock> clock, QObject *parent)
    : QObject(parent)
    , m_sink(std::move(sink))
    , m_applicationId(std::move(applicationId))
    , m_clock(clock ? std::move(clock) : std::make_shared<SystemClock>())
{
    m_startTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, &NotificationManager::postDueStarts);
}

void NotificationManager::requestAuthorizationIfNeeded()
{
    if (m_didRequest)
        return;
    m_didRequest = true;
    if (m_applicationId.isEmpty() || !m_sink)
        return;
    QPointer<NotificationManager> self(this);
    m_sink->requestAuthorization([self](bool granted) {
        // The answer may come from another thread: record it on the main thread, if we still exist.
        if (QCoreApplication *app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [self, granted] {
                    if (self)
                        self->m_authorized = granted;
                },
                Qt::QueuedConnection);
        }
    });
}

void NotificationManager::sessionStarted(ReasonType type, const QString &label)
{
    const QDateTime now = m_clock->now();
    const auto last = m_lastStart.constFind(type);
    // A clock set back counts as a window ended.
    if (last == m_lastStart.cend() || now < *last || last->msecsTo(now) >= startWindowMs) {
        m_waitingStarts.remove(type);
        m_lastStart.insert(type, now);
        post(tr("Keep-awake started"), label);
    } else {
        m_waitingStarts.insert(type, label);
    }
    scheduleWaitingStarts();
}

void NotificationManager::postDueStarts()
{
    const QDateTime now = m_clock->now();
    for (auto it = m_waitingStarts.begin(); it != m_waitingStarts.end();) {
        const QDateTime last = m_lastStart.value(it.key());
        if (now < last || last.msecsTo(now) >= startWindowMs) {
            m_lastStart.insert(it.key(), now);
            const QString label = *it;
            it = m_waitingStarts.erase(it);
            post(tr("Keep-awake started"), label);
        } else {
            ++it;
        }
    }
    scheduleWaitingStarts();
}

void NotificationManager::scheduleWaitingStarts()
{
    if (m_waitingStarts.isEmpty()) {
        m_startTimer.stop();
        return;
    }
    const QDateTime now = m_clock->now();
    qint64 wait = std::numeric_limits<qint64>::max();
    for (auto it = m_waitingStarts.cbegin(); it != m_waitingStarts.cend(); ++it)
        wait = std::min(wait, startWindowMs - m_lastStart.value(it.key()).msecsTo(now));
    m_startTimer.start(int(std::clamp<qint64>(wait, 0, startWindowMs)));
}

void NotificationManager::sessionEnded(const QString &label)
{
    post(tr("Keep-awake ended"), label);
}

void NotificationManager::batteryWarning(const QString &reason)
{
    post(tr("Battery warning"), reason);
}

void NotificationManager::assertionFailed()
{
    post(tr("Vigila error"), tr("Could not create keep-awake assertion."));
}

void NotificationManager::processWatchActivated(const QString &ruleName)
{
    if (ask(quietProcessWatch))
        return;
    post(tr("Process watch active"), tr("Keeping awake while \u201C%1\u201D runs.").arg(ruleName));
}

void NotificationManager::processWatchReleased(const QString &ruleName)
{
    if (ask(quietProcessWatch))
        return;
    post(tr("Process watch released"), tr("\u201C%1\u201D is no longer running.").arg(ruleName));
}

void NotificationManager::triggerStarted(const QString &ruleName, const QString &label)
{
    if (!ask(announceTriggers))
        return;
    post(tr("Trigger \u201C%1\u201D started").arg(ruleName), tr("Keeping awake: %1.").arg(label));
}

void NotificationManager::triggerEnded(const QString &ruleName)
{
    if (!ask(announceTriggers))
        return;
    post(tr("Trigger \u201C%1\u201D ended").arg(ruleName), tr("Its condition no longer holds."));
}

void NotificationManager::commandFinished(const QString &text, std::optional<int> exitCode)
{
    if (!exitCode) {
        post(tr("Command cancelled"), text);
        return;
    }
    //: %1 is the command line, %2 its exit status
    const QString body = tr("%1\nExit code %2").arg(text, QString::number(*exitCode));
    post(*exitCode == 0 ? tr("Command finished") : tr("Command failed"), body);
}

void NotificationManager::commandFailedToStart(const QString &text, const QString &reason)
{
    // Two lines: the command as typed, then why it did not start.
    post(tr("Command failed to start"), text + u'\n' + reason);
}

void NotificationManager::noSystemTray(const QString &message)
{
    send(tr("Vigila has no icon"), message);
}

void NotificationManager::post(const QString &title, const QString &body)
{
    if (!ask(isEnabled))
        return;
    send(title, body);
}

void NotificationManager::send(const QString &title, const QString &body)
{
    if (m_applicationId.isEmpty() || !m_sink)
        return;
    requestAuthorizationIfNeeded();
    m_sink->post(title, body);
}
