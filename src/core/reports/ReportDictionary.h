#pragma once

#include "core/base/Result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// The report dictionary pr_codedict names, for each listing (its code), the
// fields it shows: caption, width, type, alignment and whether the listing
// totals them. Grids and printed reports are laid out from it, so that a
// hall can change a listing without a new program.
struct DictionaryColumn
{
    QString code;    // the field's name in the listing's rows
    QString caption; // colm_name
    QString type;    // colm_type, upper case: CHAR, DATE, NUME, INT, MON, BFL, DATETIME
    int width = 0;   // colm_cd, in characters
    QString align;   // colm_dq: "C", "L" or "R"
    bool summed = false;
};

struct ReportDictionary
{
    QString title; // the listing's table_name
    QList<DictionaryColumn> columns;

    // The dictionary of the code: every column in xh order; with shownOnly,
    // those marked to be shown in reports.
    static ResultOf<ReportDictionary> read(const QSqlDatabase& db, const QString& code, bool shownOnly);
};
