#pragma once

#include "power/InhibitorSurveying.h"

#include <QList>
#include <QTimer>

#include <optional>
#include <utility>

// A survey the test answers by hand, as late as it likes, or that gives a standing answer.
class FakeInhibitorSurvey final : public InhibitorSurveying {
public:
    void survey(Answer answer) override
    {
        ++requests;
        if (standingAnswer)
            QTimer::singleShot(0, [answer = std::move(answer), others = *standingAnswer] { answer(others); });
        else
            waiting << std::move(answer);
    }

    // Answers every request still waiting.
    void answer(const QList<OtherInhibitor> &others)
    {
        for (const Answer &waiter : std::exchange(waiting, {}))
            waiter(others);
    }

    // When set, each request is answered with it on the next turn of the event loop.
    std::optional<QList<OtherInhibitor>> standingAnswer;
    int requests = 0;
    QList<Answer> waiting;
};
