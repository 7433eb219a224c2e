#pragma once

#include "core/reports/DayTakings.h"
#include "core/reports/ShiftHandOver.h"
#include "ui/reports/TakingsScreen.h"

#include <QSqlQueryModel>
#include <QThreadPool>

class HandOverBlock;
class QCheckBox;
struct TakingsSlip;

// What the shift report and the day report share: the totals and the list
// of what they choose, the grid over printbiao, printing on the system
// printer (takingsReport) or, with "使用专用打印机", on the receipt printer, and
// the settle of the "Add" key. The shift report shows, prints and slips its
// hand-over with them.
class DailyTakingsScreen : public TakingsScreen
{
    Q_OBJECT

public:
    enum class Kind
    {
        Shift,
        Day
    };

    // Waits for a slip being printed, at most the printer's timeout.
    ~DailyTakingsScreen() override;

protected:
    DailyTakingsScreen(AppState& state, Kind kind, QWidget* parent);

    // The rows the screen lists; a screen asks for them again with query().
    virtual DayTakings::Filter filter() const = 0;
    void query();

private:
    void preview();
    void exportReport();
    void print();
    void settle();
    TakingsSlip slip() const;

    Kind m_kind;
    QCheckBox* m_slipPrinterCheck = nullptr;
    QSqlQueryModel m_rows;
    // The three totals as last shown, for printing.
    QString m_tableFees;
    QString m_other;
    QString m_total;
    // The shift's only; empty on the day report.
    HandOverBlock* m_handOverBlock = nullptr;
    ShiftHandOver::Lines m_handOver;
    QThreadPool m_slipPrinter;
};
