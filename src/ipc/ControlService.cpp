#include "ControlService.h"

#include "ControlBus.h"
#include "HoldRegistry.h"
#include "TriggerMaps.h"
#include "control_adaptor.h"

#include "app/AppCoordinator.h"
#include "menubar/MenuModel.h"
#include "menubar/StatusIconState.h"
#include "power/AssertionManager.h"
#include "power/InhibitorSurveying.h"
#include "preferences/PreferencesStore.h"
#include "triggers/TriggerRuleEditor.h"
#include "triggers/TriggerWatcher.h"
#include "utilities/Clock.h"
#include "utilities/DurationText.h"
#include "utilities/Log.h"
#include "utilities/OneLine.h"

#include <QDBusMetaType>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString invalidArgs = ControlBus::Error::invalidArgs();
const QString unknownReason = ControlBus::Error::unknownReason();
const QString unknownHold = ControlBus::Error::unknownHold();
const QString nothingToExtend = ControlBus::Error::nothingToExtend();
const QString limitReached = ControlBus::Error::limitReached();
const QString unknownTrigger = ControlBus::Error::unknownTrigger();

QString idText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

QList<QVariantMap> otherInhibitorMaps(const QList<OtherInhibitor> &others)
{
    QList<QVariantMap> maps;
    for (const OtherInhibitor &other : others) {
        QVariantMap map{{u"source"_s, other.source},
                        {u"who"_s, other.who},
                        {u"why"_s, other.why},
                        {u"what"_s, other.what},
                        {u"mode"_s, other.mode}};
        if (other.uid)
            map.insert(u"uid"_s, *other.uid);
        if (other.pid)
            map.insert(u"pid"_s, *other.pid);
        maps << map;
    }
    return maps;
}

} // namespace

ControlService::ControlService(AppCoordinator &coordinator, QObject *parent)
    : QObject(parent)
    , m_coordinator(coordinator)
    , m_published(coordinator.assertions().reasons())
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
    new ControlAdaptor(this);
    // Queued like the coordinator's own refresh, and after it: a client that reacts to the signal
    // finds the tray's state already updated.
    connect(&coordinator.assertions(), &AssertionManager::reasonsChanged, this,
            &ControlService::schedulePublish);
}

ControlService::~ControlService() = default;

bool ControlService::registerOn(const QDBusConnection &connection)
{
    m_holds = std::make_unique<HoldRegistry>(m_coordinator.assertions(), m_coordinator.clock(), connection);
    QDBusConnection bus = connection;
    if (!bus.registerObject(ControlBus::objectPath(), this)) {
        Log::error(u"Terminal control unavailable: could not export %1"_s.arg(ControlBus::objectPath()));
        return false;
    }
    if (!bus.registerService(ControlBus::serviceName())) {
        Log::error(u"Terminal control unavailable: %1 is already taken on the session bus (%2)"_s.arg(
            ControlBus::serviceName(), bus.lastError().message()));
        bus.unregisterObject(ControlBus::objectPath());
        return false;
    }
    return true;
}

// --- Reading ---

QVariantMap ControlService::Status()
{
    InhibitorSurveying *survey = m_coordinator.inhibitorSurvey();
    if (!survey || !calledFromDBus())
        return statusMap({});
    // Answered later, so that a slow or hung inhibitor service never holds up the tray.
    setDelayedReply(true);
    const QDBusMessage request = message();
    const QPointer<ControlService> self = this;
    survey->survey([self, request, bus = connection()](const QList<OtherInhibitor> &others) {
        if (self)
            bus.send(request.createReply(QVariant(self->statusMap(others))));
    });
    return {};
}

QVariantMap ControlService::statusMap(const QList<OtherInhibitor> &others) const
{
    const AssertionManager &assertions = m_coordinator.assertions();
    const MenuState state = m_coordinator.status(others);
    QVariantMap status{
        {u"iconState"_s, rawValue(m_coordinator.iconState())},
        {u"headline"_s, MenuModel::statusHeadline(state)},
        {u"reasonCount"_s, int(state.reasons.size())},
    };
    if (state.effectiveMode)
        status.insert(u"effectiveMode"_s, rawValue(*state.effectiveMode));
    if (const QString lock = lockText(); !lock.isEmpty())
        status.insert(u"lock"_s, lock);
    if (assertions.lastError())
        status.insert(u"lastError"_s, *assertions.lastError());
    if (const QString detail = assertions.failureDetail(); !detail.isEmpty())
        status.insert(u"lockDetail"_s, detail);
    if (m_coordinator.batteryMessage())
        status.insert(u"batteryMessage"_s, *m_coordinator.batteryMessage());
    if (m_coordinator.lastStopReason())
        status.insert(u"lastStopReason"_s, *m_coordinator.lastStopReason());
    if (const auto note = MenuModel::gnomeSuspendNote(state))
        status.insert(u"lockNote"_s, *note);
    if (!others.isEmpty())
        status.insert(u"otherInhibitors"_s, QVariant::fromValue(otherInhibitorMaps(others)));
    return status;
}

QList<QVariantMap> ControlService::ListReasons() const
{
    QList<QVariantMap> list;
    for (const AwakeReason &reason : m_coordinator.assertions().reasons()) {
        QVariantMap entry{
            {u"id"_s, idText(reason.id)},       {u"type"_s, rawValue(reason.type)},
            {u"label"_s, reason.label},         {u"startedAt"_s, reason.startedAt.toSecsSinceEpoch()},
            {u"mode"_s, rawValue(reason.mode)},
        };
        if (reason.endsAt)
            entry.insert(u"endsAt"_s, reason.endsAt->toSecsSinceEpoch());
        list << entry;
    }
    return list;
}

// --- Sessions, exactly as the menu starts and stops them ---

QVariantMap ControlService::StartManual(const QString &mode)
{
    std::optional<AwakeMode> chosen;
    if (!acceptMode(mode, chosen))
        return {};
    return answer(m_coordinator.startManual(chosen.value_or(m_coordinator.prefs().defaultMode())));
}

QVariantMap ControlService::StartTimed(double seconds, const QString &mode)
{
    std::optional<AwakeMode> chosen;
    if (!acceptSeconds(seconds) || !acceptMode(mode, chosen))
        return {};
    return answer(m_coordinator.startTimed(seconds, chosen));
}

QVariantMap ControlService::StartUntil(qlonglong unixSeconds, const QString &mode)
{
    const qint64 now = m_coordinator.clock().now().toSecsSinceEpoch();
    if (unixSeconds <= now) {
        //: %1 is the end time asked for, in seconds since 1970
        reject(invalidArgs, tr("The end time %1 is not in the future.").arg(unixSeconds));
        return {};
    }
    if (double(unixSeconds - now) > DurationText::maximumSeconds) {
        //: %1 is the end time asked for, in seconds since 1970
        reject(invalidArgs, tr("The end time %1 is more than 366 days away.").arg(unixSeconds));
        return {};
    }
    std::optional<AwakeMode> chosen;
    if (!acceptMode(mode, chosen))
        return {};
    return answer(m_coordinator.startUntil(QDateTime::fromSecsSinceEpoch(unixSeconds, QTimeZone::utc()), chosen));
}

QVariantMap ControlService::Extend(double seconds)
{
    if (!acceptSeconds(seconds))
        return {};
    return answer(m_coordinator.extendActiveSession(seconds));
}

void ControlService::StopReason(const QString &id)
{
    QUuid uuid;
    if (acceptId(id, uuid) && m_coordinator.stopReason(uuid).outcome == SessionResult::Outcome::UnknownId)
        reject(unknownReason, tr("No active reason has the id %1.").arg(id));
}

QString ControlService::lockText() const
{
    const AssertionManager &assertions = m_coordinator.assertions();
    if (assertions.isAssertionActive())
        return u"held"_s;
    if (assertions.isTakingLock())
        return u"taking"_s;
    return assertions.lastError() ? u"failed"_s : QString();
}

QVariantMap ControlService::outcomeMap(const SessionResult &result) const
{
    QVariantMap map{{u"outcome"_s, rawValue(result.outcome)}, {u"id"_s, idText(result.id)}};
    if (result.mode)
        map.insert(u"mode"_s, rawValue(*result.mode));
    if (result.endsAt)
        map.insert(u"endsAt"_s, result.endsAt->toSecsSinceEpoch());
    if (!result.replaced.isEmpty())
        map.insert(u"replaced"_s, result.replaced);
    if (const QString lock = lockText(); !lock.isEmpty())
        map.insert(u"lock"_s, lock);
    if (const auto &error = m_coordinator.assertions().lastError()) {
        const QString detail = m_coordinator.assertions().failureDetail();
        map.insert(u"lockError"_s, detail.isEmpty() ? *error : *error + u' ' + detail);
    }
    return map;
}

QVariantMap ControlService::answer(const SessionResult &result)
{
    switch (result.outcome) {
    case SessionResult::Outcome::NothingToExtend:
        reject(nothingToExtend,
               tr("No timed or until-time session is running, so there is nothing to extend."));
        return {};
    case SessionResult::Outcome::NotInFuture:
        reject(invalidArgs, tr("The end time is not in the future."));
        return {};
    default:
        break;
    }
    if (!m_coordinator.assertions().isTakingLock() || !calledFromDBus())
        return outcomeMap(result);

    // The caller hears what became of the lock: answered once its services have, or after
    // settleWait while they are still being asked. The tray never waits for it.
    setDelayedReply(true);
    auto *pending = new QObject(this);
    const auto send = [this, pending, result, request = message(), bus = connection()] {
        if (pending->property("sent").toBool())
            return;
        pending->setProperty("sent", true);
        bus.send(request.createReply(QVariant(outcomeMap(result))));
        pending->deleteLater();
    };
    connect(&m_coordinator.assertions(), &AssertionManager::isTakingLockChanged, pending, [this, send] {
        if (!m_coordinator.assertions().isTakingLock())
            send();
    });
    QTimer::singleShot(settleWait, pending, send);
    return {};
}

void ControlService::StopAll()
{
    m_coordinator.stopAll();
}

// --- Holds ---

QString ControlService::Hold(const QString &label, const QString &mode)
{
    std::optional<AwakeMode> chosen;
    if (!acceptLabel(label) || !acceptMode(mode, chosen))
        return {};
    const QString owner = message().service();
    if (m_holds->countOf(owner) >= HoldRegistry::maximumPerOwner) {
        //: a hold keeps the computer awake for a client, such as "vigila run"
        reject(limitReached, tr("This connection already holds %n hold(s), as many as one connection may; "
                                "release one first.",
                                nullptr, int(HoldRegistry::maximumPerOwner)));
        return {};
    }
    const std::optional<QUuid> id =
        //: the tray's label for a command run with "vigila run"; %1 is the command or its --label
        m_holds->hold(owner, tr("Terminal: %1").arg(label),
                      chosen.value_or(m_coordinator.prefs().defaultMode()));
    if (!id) {
        //: a hold keeps the computer awake for a client, such as "vigila run"
        reject(limitReached, tr("Vigila already holds %n hold(s) for its clients, as many as it keeps; "
                                "release one first.",
                                nullptr, int(HoldRegistry::maximumTotal)));
        return {};
    }
    return idText(*id);
}

void ControlService::Release(const QString &id)
{
    QUuid uuid;
    if (acceptId(id, uuid) && !m_holds->release(message().service(), uuid))
        reject(unknownHold, tr("This connection holds no hold with the id %1.").arg(id));
}

// --- Triggers ---

QList<QVariantMap> ControlService::ListTriggers() const
{
    QList<QVariantMap> list;
    const TriggerWatcher &watcher = m_coordinator.triggers();
    for (const TriggerRule &rule : m_coordinator.prefs().triggerRules())
        list << TriggerMaps::toMap(rule, watcher.status(rule.id));
    return list;
}

bool ControlService::acceptEdit(const TriggerRuleEditor::Result &result) const
{
    using Outcome = TriggerRuleEditor::Outcome;
    switch (result.outcome) {
    case Outcome::Done:
        return true;
    case Outcome::NotFound:
    case Outcome::Ambiguous:
        return reject(unknownTrigger, result.message);
    case Outcome::Invalid:
        return reject(invalidArgs, result.message);
    case Outcome::LimitReached:
        return reject(limitReached, result.message);
    }
    return false;
}

QString ControlService::AddTrigger(const QVariantMap &trigger)
{
    QString error;
    const std::optional<TriggerRule> rule = TriggerMaps::fromMap(trigger, &error);
    if (!rule) {
        reject(invalidArgs, error);
        return {};
    }
    const QString name = trigger.value(u"name"_s).toString();
    if (name != oneLine(name) || name.size() > ControlBus::maximumLabelLength) {
        reject(invalidArgs, tr("A trigger's name is one line of at most %1 characters.").arg(ControlBus::maximumLabelLength));
        return {};
    }
    const TriggerRuleEditor::Result result = TriggerRuleEditor(m_coordinator.prefs()).add(*rule);
    return acceptEdit(result) ? idText(result.id) : QString();
}

void ControlService::RemoveTrigger(const QString &idOrName)
{
    acceptEdit(TriggerRuleEditor(m_coordinator.prefs()).remove(idOrName));
}

void ControlService::SetTriggerEnabled(const QString &idOrName, bool enabled)
{
    acceptEdit(TriggerRuleEditor(m_coordinator.prefs()).setEnabled(idOrName, enabled));
}

QSet<uint> ControlService::holderPids() const
{
    return m_holds ? m_holds->ownerPids() : QSet<uint>();
}

// --- Checks ---

bool ControlService::reject(const QString &errorName, const QString &message) const
{
    sendErrorReply(errorName, message);
    return false;
}

bool ControlService::acceptMode(const QString &text, std::optional<AwakeMode> &mode) const
{
    if (text.isEmpty())
        return true;
    mode = fromRawValue<AwakeMode>(text);
    return mode ||
           //: %1 is the mode asked for; keep system and display as they are
           reject(invalidArgs, tr("Unknown mode \u201C%1\u201D: use system, display, or an empty string "
                                  "for the preferences' default.")
                                   .arg(text));
}

bool ControlService::acceptSeconds(double seconds) const
{
    // Written so that NaN fails too.
    if (seconds > 0 && seconds <= DurationText::maximumSeconds)
        return true;
    //: %1 is the number of seconds asked for
    return reject(invalidArgs, tr("The duration must be more than 0 seconds and at most 366 days; %1 is not.")
                                   .arg(std::isnan(seconds) ? u"NaN"_s : QString::number(seconds)));
}

bool ControlService::acceptLabel(const QString &label) const
{
    if (label.trimmed().isEmpty())
        return reject(invalidArgs, tr("The label is empty."));
    const QList<uint> characters = label.toUcs4();
    if (characters.size() > ControlBus::maximumLabelLength)
        //: %1 is the most characters a label may have
        return reject(invalidArgs,
                      tr("The label has %n character(s); at most %1 fit.", nullptr, int(characters.size()))
                          .arg(ControlBus::maximumLabelLength));
    if (oneLine(label) != label)
        return reject(invalidArgs, tr("The label contains a line break or another control character."));
    return true;
}

bool ControlService::acceptId(const QString &text, QUuid &id) const
{
    id = QUuid::fromString(text);
    return !id.isNull() ||
           //: %1 is the id given; keep "vigila list" and ListReasons as they are
           reject(invalidArgs,
                  tr("\u201C%1\u201D is not a reason id; \u201Cvigila list\u201D (ListReasons) shows them.")
                      .arg(text));
}

// --- Signals ---

void ControlService::schedulePublish()
{
    if (m_publishPending)
        return;
    m_publishPending = true;
    QMetaObject::invokeMethod(this, &ControlService::publish, Qt::QueuedConnection);
}

void ControlService::publish()
{
    m_publishPending = false;
    if (m_holds) {
        for (const QUuid &id : m_holds->takeStopped())
            emit HoldEnded(idText(id));
    }
    const QList<AwakeReason> &reasons = m_coordinator.assertions().reasons();
    if (reasons != m_published) {
        m_published = reasons;
        emit ReasonsChanged();
    }
}
