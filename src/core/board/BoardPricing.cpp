#include "core/board/BoardPricing.h"

#include "core/base/AppState.h"
#include "core/billing/RunningCharge.h"

#include <memory>

BoardModel::Pricing boardPricing(const AppState& state)
{
    return [&state](const QDateTime& now) -> BoardModel::PriceRow {
        auto rates = std::make_shared<HallRates>();
        if (!rates->load(state.DbConn, now))
            return [](const BoardRow&) {
                return std::optional<double>();
            };
        return [&state, rates](const BoardRow& table) -> std::optional<double> {
            RunningCharge charge(state);
            charge.setCard(table.visit->card);
            charge.setTable(QString::number(table.number));
            if (!charge.compute(*rates, table.visit->start))
                return std::nullopt;
            return double(charge.total());
        };
    };
}

ResultOf<float> runningCharge(const AppState& state, const BoardRow& table)
{
    RunningCharge running(state);
    running.setCard(table.visit->card);
    running.setTable(QString::number(table.number));
    if (const Result priced = running.compute(); !priced)
        return priced;
    return running.total();
}
