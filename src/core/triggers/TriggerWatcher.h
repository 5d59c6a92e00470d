#pragma once

#include "power/AwakeReason.h"
#include "triggers/TriggerRule.h"
#include "triggers/TriggerSources.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <optional>

class AssertionManager;
class Clock;

// Keeps one trigger reason in the assertion manager for every live rule whose condition holds.
//
// A condition must hold for the rule's delay before its reason starts, and the reason stays for the
// rule's grace time after the condition ends; a condition that ends during the delay starts the
// wait over. Like process watches, the watcher finds its reasons only through the ids it created:
// a reason stopped elsewhere (from the menu) is not added back until the condition has been false
// once. A rule that is disabled or removed loses its reason at once, without a notification.
//
// The sources report changes as they happen; the only timer is one single shot to the next
// moment something is due (a delay or grace ending, a schedule window opening or closing), and
// it runs only while something is.
class TriggerWatcher final : public QObject {
    Q_OBJECT
public:
    // What a rule's condition is now, for the menu, the preferences and the command line.
    struct Status {
        bool live = false;    // enabled and able to run
        bool holds = false;   // the condition holds now (AC gating included)
        bool active = false;  // its reason is in the manager
        bool pending = false; // holds, and waits out its delay
        QString label;        // the reason's label while it holds: "While backup.service runs"
        QString note;         // what the user should know: a problem, "no battery", "unit not found"

        bool operator==(const Status &) const = default;
    };

    TriggerWatcher(AssertionManager *manager, TriggerSources sources, const Clock &clock, QObject *parent = nullptr);
    ~TriggerWatcher() override;

    const QList<TriggerRule> &rules() const { return m_rules; }
    // Re-evaluates when started.
    void setRules(QList<TriggerRule> rules);
    // The mode of rules that have none of their own.
    void setDefaultMode(AwakeMode mode);
    Status status(const QUuid &ruleId) const { return m_status.value(ruleId); }
    const QHash<QUuid, Status> &statuses() const { return m_status; }
    // The timer to the next due moment; inactive while nothing is due.
    const QTimer &timer() const { return m_timer; }

    // A rule got its reason; the label says what holds.
    std::function<void(const TriggerRule &, const QString &label)> onActivated;
    // A rule lost its reason because its condition ended (not when it was disabled or removed).
    std::function<void(const TriggerRule &)> onReleased;

    // Follows the sources the live rules need and evaluates at once.
    void start();
    // Lets go of every source; the reasons already added stay.
    void stop();
    bool isStarted() const { return m_started; }
    // Reads every source and the clock and brings the reasons in line.
    void evaluate();

signals:
    void statusChanged();

private:
    struct Condition {
        bool holds = false;
        QString label;
        QString note;
        // When the condition ends by itself unless something changes (a download that stops
        // growing).
        std::optional<QDateTime> until;
    };
    struct Track {
        std::optional<QDateTime> holdsSince;
        std::optional<QDateTime> endedAt; // while the reason waits out its grace
        std::optional<QUuid> reason;
    };

    Condition condition(const TriggerRule &rule) const;
    Condition kindCondition(const TriggerRule &rule, TriggerKind kind) const;
    Condition audioCondition(const TriggerRule &rule) const;
    Condition downloadCondition(const TriggerRule &rule) const;
    Condition networkCondition(const TriggerRule &rule) const;
    Condition busyCondition(const TriggerRule &rule) const;
    Condition machineCondition(const TriggerRule &rule) const;
    std::optional<bool> onAC(QString *note) const;
    AwakeMode modeFor(const TriggerRule &rule) const;
    void follow();
    void scheduleNext(const std::optional<QDateTime> &due);
    void queueEvaluation();

    QPointer<AssertionManager> m_manager;
    TriggerSources m_sources;
    const Clock &m_clock;
    QList<TriggerRule> m_rules;
    AwakeMode m_defaultMode = AwakeMode::System;
    QHash<QUuid, Track> m_tracks;
    QHash<QUuid, Status> m_status;
    QTimer m_timer;
    bool m_started = false;
    bool m_evaluationQueued = false;
};
