#pragma once

#include "core/base/Parameters.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The run-time state of one run of the program, under the names the rest of
// the code knows it by. Start-up fills the database part and the parameters,
// a login fills the operator part; screens are handed the state they work on.
struct AppState
{
    QSqlDatabase DbConn;
    QString DbFolder;
    QString DbFileName;
    QString DbFullName;
    // This counter among those sharing the hall, written with each
    // operator-log row and each visit it opens.
    QString CounterName;

    QString OperatorName;
    QString ShiftName;
    QDate BusinessDate;
    bool IsSystemOperator = false;

    Parameters params;
};
