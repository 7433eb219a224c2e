#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// The takings of a period summed by day, by table or by goods: the income
// statistics sum the table fees of waimxd, the goods statistics the paid
// goods of ckv_zc. Both also give the period's table-fee total.
namespace IncomeAnalysis {

enum class Subject
{
    TableFees, // 营业收入统计
    Goods      // 商品销售统计
};

enum class Grouping
{
    ByDay,
    ByItem // by table for the table fees, by goods for the goods
};

struct Question
{
    Subject subject = Subject::TableFees;
    Grouping grouping = Grouping::ByDay;
    // "报表是否使用结帐标记": count only rows reconciled by a shift or day
    // report ("2" or "3"). The goods are always counted so; the table fees
    // otherwise count every settled visit.
    bool useMark = false;
    QDate start; // both days included
    QDate end;
};

struct Row
{
    QString label; // the day ("yyyy-MM-dd"), the table number or the goods name
    double amount = 0;
};

struct Analysis
{
    // The table fees of the period; null when no visit counts.
    QVariant tableFees;
    // In the order of days, tables or goods names.
    QList<Row> rows;

    double amount() const;
};

// The analysis the question asks for. Nothing is written.
ResultOf<Analysis> run(const QSqlDatabase& db, const Question& question);

// Money as the statistics show it: two decimals; empty for a null.
QString money(const QVariant& value);

} // namespace IncomeAnalysis
