#pragma once

#include <QGroupBox>

struct AppState;
class LightController;
class QComboBox;
class QLineEdit;
class QPushButton;

// The board's transfer panel. A transfer has two steps: the transfer-out
// puts the source's lamp out (and a cancel puts it on again), then the
// transfer-in moves the visit to the table chosen in m_target. Only the
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

Q_SIGNALS:
    // A visit changed tables; the board shows it.
    void moved();

private:
    bool fillFreeTables();
    void toggleTransferOut();
    void transferIn();
    void switchLamp(int command, const QString& table);

    AppState& m_state;
    LightController* m_light;
    QLineEdit* m_heldSource;
    QLineEdit* m_source;
    QComboBox* m_target;
    QPushButton* m_transferOutButton;
    QPushButton* m_closeButton;
    QPushButton* m_transferInButton;
};
