#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;

// The password prompt. It hands the typed text back to its caller only when
// confirmed; leaving with the exit button is no answer. The caller compares
// the answer with the password it expects.
class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    // `purpose`, when given, is shown above the box: whose password is asked.
    explicit PasswordDialog(QWidget* parent = nullptr, const QString& purpose = {});

    // Shows the prompt and returns what was typed, or nothing when left.
    static std::optional<QString> ask(QWidget* parent, const QString& purpose = {});

    // The confirmed text, after the dialog has closed.
    const std::optional<QString>& answer() const { return m_answer; }

private:
    void confirm();

    QLineEdit* m_passwordEdit;
    std::optional<QString> m_answer;
};
