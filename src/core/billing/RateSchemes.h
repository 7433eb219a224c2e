#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// Named rate schemes (the rows of jfbzfa sharing a name) and their
// assignment to tables.
namespace RateSchemes {

inline const QString FirstScheme = QStringLiteral("标准方案1");

struct Table
{
    int tableNumber = 0;
    QString name; // mc
};

// Brings an older file up to the schemes: a file without jfbzfa gets it, a
// hall without any scheme gets table 1's bands as the first scheme, and rows
// without a name or kind get the first scheme's. All of it or nothing is
// written.
Result upgrade(QSqlDatabase& db);

// The schemes' names, in the order they were made.
ResultOf<QStringList> names(const QSqlDatabase& db);

// A new scheme starts with one band, 00:01 to 23:59, at 10 for everyone.
// A name already in use is not added again: the value is whether it existed.
ResultOf<bool> add(const QSqlDatabase& db, const QString& name);

// Every table, in table order.
ResultOf<QList<Table>> tables(const QSqlDatabase& db);

// Replaces the bands of every given table by the scheme's bands, one hour
// units, in one transaction: a failure leaves every table's bands as they
// were. A scheme without bands is refused, since tables without bands play
// for nothing: the value is the refusal, empty when the scheme was assigned.
ResultOf<QString> assign(QSqlDatabase& db, const QString& name, const QList<int>& tables);

// The same replacement for work that holds its own transaction, of a scheme
// known to have bands.
Result replaceBands(const QSqlDatabase& db, const QString& name, const QList<int>& tables);

} // namespace RateSchemes
