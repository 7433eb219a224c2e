#pragma once

#include "core/reports/IncomeAnalysis.h"
#include "ui/reports/TakingsScreen.h"

class QChartView;
class QComboBox;
class QDateEdit;
class QRadioButton;
class QStandardItemModel;

// What the income and the goods statistics share: the period choice
// "CmdKind" with its dates "pstar" and "Pfinish", the grouping "Frame1" (by
// day, or by the screen's item), the grid of the grouped amounts beside
// their bar chart, the table-fee total, and the printed "营业报告" of what
// the last query found.
class StatisticsScreen : public TakingsScreen
{
    Q_OBJECT

protected:
    StatisticsScreen(AppState& state, IncomeAnalysis::Subject subject, const QString& title,
                     const QString& byItemCaption, QWidget* parent);

private:
    void chooseKind(int index);
    void query();
    void showRows();
    void showReport(bool preview);
    void exportReport();

    IncomeAnalysis::Subject m_subject;
    QString m_title;
    QComboBox* m_kind = nullptr;
    QDateEdit* m_start = nullptr;
    QDateEdit* m_end = nullptr;
    QRadioButton* m_byDay = nullptr;
    QStandardItemModel* m_rows = nullptr;
    QChartView* m_chart = nullptr;
    // What the last query asked and found: the grid, the chart and the
    // printed report all show it.
    IncomeAnalysis::Question m_question;
    IncomeAnalysis::Analysis m_analysis;
};
