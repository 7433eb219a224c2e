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
            charge.setStrkh(table.visit->khao);
            charge.setStrZh(QString::number(table.zhao));
            if (!charge.GETJe(*rates, table.visit->ksrc))
                return std::nullopt;
            return double(charge.intzje());
        };
    };
}
