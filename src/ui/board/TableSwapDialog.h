#pragma once

#include <QDialog>

struct AppState;
class QComboBox;
class QLineEdit;
class QPushButton;

// 台位互换: the open visits of the current table and another table in use
// trade places. Accepted when the board should show the tables again.
class TableSwapDialog : public QDialog
{
    Q_OBJECT

public:
    TableSwapDialog(AppState& state, const QString& table, QWidget* parent = nullptr);

private:
    void swap();

    AppState& m_state;
    QLineEdit* m_heldTable;
    QLineEdit* m_currentTable;
    QComboBox* m_otherTable;
    QPushButton* m_swapButton;
    QPushButton* m_cancelButton;
};
