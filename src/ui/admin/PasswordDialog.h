#pragma once

#include <QDialog>

struct AppState;
class QLineEdit;

// The password prompt. Confirming stores the typed text in EnteredPassword
// (accepted); leaving with the exit button keeps the earlier value (rejected).
// The caller compares EnteredPassword with the password it expects.
class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PasswordDialog(AppState& state, QWidget* parent = nullptr);

private:
    void Command1_Click();

    AppState& m_state;
    QLineEdit* m_text1;
};
