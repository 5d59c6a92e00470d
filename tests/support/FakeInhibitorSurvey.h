#pragma once

#include "power/InhibitorSurveying.h"

#include <QList>

#include <utility>

// A survey the test answers by hand, as late as it likes.
class FakeInhibitorSurvey final : public InhibitorSurveying {
public:
    void survey(Answer answer) override { waiting << std::move(answer); }

    // Answers every request still waiting.
    void answer(const QList<OtherInhibitor> &others)
    {
        for (const Answer &waiter : std::exchange(waiting, {}))
            waiter(others);
    }

    QList<Answer> waiting;
};
