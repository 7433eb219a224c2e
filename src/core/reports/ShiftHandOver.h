#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <utility>

// What an operator hands over at the end of a shift, money by where it went:
// the figures under the shift report, on its screen, its page and its slip.
namespace ShiftHandOver {

// Every amount in cents.
struct Figures
{
    double cashTableFees = 0;
    double cardTableFees = 0;
    double counterGoods = 0;
    double tableGoods = 0;
    double topUpsPaid = 0;
    double topUpsCredited = 0;
    double depositsHeld = 0;

    // The money that came over the counter in cash and is still in the
    // drawer: cash table fees, both kinds of goods, top-ups as paid and the
    // deposits held. Card table fees and top-ups as credited are no cash.
    double cashDue() const;
};

// The figures of the operator's shift on the business date.
ResultOf<Figures> figures(const QSqlDatabase& db, const QDate& businessDate, const QString& operatorName);

// Caption and amount of each figure, 应有现金 last, as every place that shows
// the hand-over writes them.
using Lines = QList<std::pair<QString, QString>>;
Lines lines(const Figures& figures);

// The hand-over's title where it is shown or printed.
QString heading();

} // namespace ShiftHandOver
