#pragma once

#include <QGroupBox>

struct AppState;
class LightController;
class QComboBox;
class QLineEdit;
class QPushButton;

// FZt, the board's transfer panel. A transfer has two steps: the transfer-out
// puts the source's lamp out (and a cancel puts it on again), then the
// transfer-in moves the visit to the table chosen in Combozt. Only the
// transfer-in writes, and it tells why when the tables are no longer as the
// panel showed them.
class TransferPanel : public QGroupBox
{
    Q_OBJECT

public:
    TransferPanel(AppState& state, LightController* light, QWidget* parent = nullptr);

    // Shows the panel for the table when it is marked in use and some table
    // is free; otherwise stays hidden without a word.
    void prepare(qint16 table);

    QLineEdit* TextBox1;
    QLineEdit* TextBox2;
    QComboBox* Combozt;
    QPushButton* CommandButton1;
    QPushButton* CommandButton2;
    QPushButton* CommandButton3;

Q_SIGNALS:
    // A visit changed tables; the board shows it.
    void moved();

private:
    bool fillFreeTables();
    void toggleTransferOut();
    void transferIn();
    void light(int command, const QString& table);

    AppState& m_state;
    LightController* m_light;
};
