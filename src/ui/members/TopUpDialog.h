#pragma once

#include <QDialog>
#include <QList>

struct AppState;
class QLineEdit;
class QPushButton;

// The top-up of one member: the card and name as the list stood on them,
// the amount for the card and the amount paid. Accepted once the top-up is
// written; closed without a change otherwise.
class TopUpDialog : public QDialog
{
    Q_OBJECT

public:
    TopUpDialog(AppState& state, const QString& card, const QString& name, QWidget* parent = nullptr);

private:
    void confirm();

    AppState& m_state;
    QLineEdit* m_cardEdit;
    QLineEdit* m_nameEdit;
    QLineEdit* m_creditedEdit;
    QLineEdit* m_paidEdit;
};
