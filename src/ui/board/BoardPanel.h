#pragma once

#include <QFrame>

class QComboBox;
class QLineEdit;
class QPushButton;

// Picture1, the board's working panel: the current table, the card and its
// password, discount, reminder and deposit for the next command, the amounts
// of the current table, the operator and the clock. The boxes carry the
// names the board's commands and the tests know them by.
class BoardPanel : public QFrame
{
    Q_OBJECT

public:
    explicit BoardPanel(QWidget* parent = nullptr);

    QComboBox* DataCombo1;
    QLineEdit* TxtHs;
    QLineEdit* Txtkhao;
    QLineEdit* Txtpassword;
    QLineEdit* Txtzk;
    QLineEdit* Txttx;
    QLineEdit* Txtyj;
    QLineEdit* Txtmony;
    QLineEdit* TxtCkv_zc;
    QLineEdit* TxtHj;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QPushButton* Command3;
};
