#pragma once

#include "core/admin/ScreenLog.h"
#include "core/goods/StockBalance.h"

#include <QDate>
#include <QDialog>
#include <QList>

#include <utility>

struct AppState;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QTableWidget;

// The stock balance "收发结存": for the chosen period (the business date's
// month when it opens) each goods item's opening, receipts, sales and
// closing stock, with their totals, shown and printed as "收发结存表".
class StockBalanceScreen : public QDialog
{
    Q_OBJECT

public:
    explicit StockBalanceScreen(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildScreen();
    QWidget* buildChoices();
    QWidget* buildTotals();
    void showBalance();
    void setGridHeaders();
    void clearTotals();
    void printBalance(bool preview);
    void exportBalance();
    // The period of the balance shown, or the chosen one before any was shown.
    std::pair<QDate, QDate> shownPeriod() const;
    void startCalculator();

    AppState& m_state;
    ScreenLog m_log;
    QDateEdit* m_start = nullptr;
    QDateEdit* m_end = nullptr;
    QRadioButton* m_byStore = nullptr;
    QCheckBox* m_includeZero = nullptr;
    QTableWidget* m_grid = nullptr;
    QList<QLineEdit*> m_totals;
    // The last balance computed and its period, kept for printing.
    StockBalance::Balance m_balance;
    QDate m_shownStart;
    QDate m_shownEnd;
};
