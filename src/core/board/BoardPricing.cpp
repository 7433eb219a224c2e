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
            charge.setStrkh(table.visit->card);
            charge.setStrZh(QString::number(table.number));
            if (!charge.GETJe(*rates, table.visit->start))
                return std::nullopt;
            return double(charge.intzje());
        };
    };
}

Result runningCharge(const AppState& state, const BoardRow& table, float* charge)
{
    RunningCharge running(state);
    running.setStrkh(table.visit->card);
    running.setStrZh(QString::number(table.number));
    const Result priced = running.GETJe();
    if (priced)
        *charge = running.intzje();
    return priced;
}
