#pragma once

#include <QString>

struct AppState;
class QSqlQueryModel;
class QWidget;

// The printed form of any listing of the report dictionary ("报表打印"):
// shown on screen, from where it can also be printed or saved as PDF,
// printed at once on the system printer, or saved for a spreadsheet.
// Failures are told to the operator.
namespace ListingPrint {

enum class Mode
{
    Preview,
    Print,
    Spreadsheet // saved for a spreadsheet
};

void report(const AppState& state, const QString& code, QSqlQueryModel& rows, Mode mode, QWidget* parent);

} // namespace ListingPrint
