#pragma once

#include <QFrame>

class QComboBox;
class QLineEdit;
class QPushButton;

// The board's working panel: the current table, the card and its
// password, discount, reminder and deposit for the next command, the amounts
// of the current table, the operator and the clock. The boxes carry the
// names the board's commands and the tests know them by.
class BoardPanel : public QFrame
{
    Q_OBJECT

public:
    explicit BoardPanel(QWidget* parent = nullptr);

    QComboBox* tableChoice;
    QLineEdit* rowNumber;
    QLineEdit* card;
    QLineEdit* password;
    QLineEdit* discount;
    QLineEdit* reminder;
    QLineEdit* deposit;
    QLineEdit* timeCharge;
    QLineEdit* goodsTotal;
    QLineEdit* grandTotal;
    QLineEdit* operatorName;
    QLineEdit* clock;
    QPushButton* allLights;
};
