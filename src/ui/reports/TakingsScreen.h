#pragma once

#include <QDialog>

struct AppState;
class KeyToolbar;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QTableView;

// What the shift, day and period takings screens share: the book picture
// and the title, a row for the screen's own choices, the grid of what was
// taken, the clerk and the three totals (table fees, other takings and their
// sum), and a toolbar to which each screen adds its
// keys. The screens own the rows; this frame only shows them.
class TakingsScreen : public QDialog
{
    Q_OBJECT

protected:
    TakingsScreen(AppState& state, const QString& caption, const QString& title, QWidget* parent);

    KeyToolbar* toolbar() const { return m_toolbar; }
    // Where a screen puts its date pickers, options and check boxes, above
    // the grid.
    QBoxLayout* choices() const { return m_choices; }
    // Puts a widget (a chart) beside the grid, sharing the width with it;
    // without one the grid takes the whole width.
    void putBeside(QWidget* widget);
    QTableView* grid() const { return m_grid; }
    // The totals as the boxes show them; an empty text stands for no rows.
    void showTotals(const QString& tableFees, const QString& other, const QString& total);
    QString clerk() const;
    // The "Calc" key: the desktop calculator, or a message when there is none.
    void startCalculator();

    AppState& m_state;

private:
    QLineEdit* m_clerkEdit = nullptr;
    QLineEdit* m_tableFeesEdit = nullptr;
    QLineEdit* m_otherEdit = nullptr;
    QLineEdit* m_totalEdit = nullptr;
    KeyToolbar* m_toolbar = nullptr;
    QBoxLayout* m_choices = nullptr;
    QBoxLayout* m_middle = nullptr;
    QTableView* m_grid = nullptr;
};
