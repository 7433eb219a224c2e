#pragma once

#include "core/base/Result.h"
#include "core/reports/ShiftHandOver.h"

#include <QDate>
#include <QStringList>
#include <QTime>

class RawReceiptPrinter;

// The shift or day takings as the receipt printer prints them.
struct TakingsSlip
{
    QString companyName;
    QDate businessDate;
    QTime printedAt;
    // Set on the shift report only, which names the operator.
    QString operatorName;
    // Each listed row from its table (or goods) on: table, hours or count,
    // rate or price, amount.
    QList<QStringList> rows;
    QString tableFees;
    QString other;
    QString total;
    // The shift's hand-over under the total; empty on the day slip.
    ShiftHandOver::Lines handOver;

    bool isShift() const { return !operatorName.isEmpty(); }
    // The lines in the order they are printed, the paper feed included; the
    // column header only when there are rows.
    QStringList lines() const;
};

// Prints the slip on the receipt printer at LPT1 in large type. A failure
// says why the port could not be opened or written; it takes as long as the
// printer's timeout at most.
Result printTakingsSlip(const TakingsSlip& slip, RawReceiptPrinter& printer);
