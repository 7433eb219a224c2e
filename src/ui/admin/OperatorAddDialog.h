#pragma once

#include <QDialog>

struct AppState;
class QLineEdit;

// Adds an operator: refuses an empty or an existing name and stays open for
// another try; on success emits operatorAdded() with the stored name and
// closes.
class OperatorAddDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OperatorAddDialog(AppState& state, QWidget* parent = nullptr);

Q_SIGNALS:
    void operatorAdded(const QString& name);

private:
    void addOperator();

    AppState& m_state;
    QLineEdit* m_text;
};
