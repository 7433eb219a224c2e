#pragma once

#include "NightTally.h"
#include "core/base/Result.h"
#include "core/board/BoardModel.h"

#include <QList>

#include <random>

struct AppState;

// A busy hall's counter, one simulated second at a time: what the operator
// does is drawn from a seeded generator, so every run does the same, and
// is done through the same core commands the screens call, on the tables as
// the board last showed them.
class NightRun
{
public:
    NightRun(AppState& state, BoardModel& board, NightTally& tally, unsigned seed);

    // At most one thing happens in a second, as at one counter.
    Result act();
    // The shift ends: its settle, and the next operator takes the counter.
    Result changeShift(const QString& nextOperator);
    // Every table still open is settled, one a second (`step` moves the clock
    // on and refreshes the board), then the shift and the day.
    template <typename Step>
    Result close(Step&& step);

private:
    Result endDay();
    QList<int> rows(bool inUse) const;
    int pick(const QList<int>& rows);

    Result open();
    Result checkout(int row);
    Result checkoutAny();
    Result sellToTable();
    Result sellAtCounter();
    Result topUp(const QString& card, const QString& amount);
    Result transfer();
    Result swap();

    AppState& m_state;
    BoardModel& m_board;
    NightTally& m_tally;
    std::mt19937 m_random;
};

template <typename Step>
Result NightRun::close(Step&& step)
{
    // The board must first show what the night's last second opened.
    Result result = step();
    const QList<int> open = result ? rows(true) : QList<int>();
    for (qsizetype i = 0; result && i < open.size(); ++i) {
        result = checkout(open.at(i));
        if (result)
            result = step();
    }
    return result ? endDay() : result;
}
