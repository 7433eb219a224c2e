#pragma once

#include "core/admin/PasswordChange.h"
#include "core/admin/ScreenLog.h"

#include <QDialog>

struct AppState;
class QLineEdit;
class QPushButton;

// The logged-in operator changes their own password: the old one, then the
// new one twice. The attempt counter and the stored password, hidden boxes
// elsewhere, are kept in the PasswordChange member. Enter moves from box to
// box; Enter in the last box enables the confirm button.
class PasswordChangeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PasswordChangeDialog(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildScreen();
    void onReturn(int element);
    bool oldPasswordAccepted();
    void confirm();

    AppState& m_state;
    ScreenLog m_log;
    PasswordChange m_change;
    QLineEdit* m_passwordEdits[3];
    QPushButton* m_confirm;
    // The old password as last accepted, so that it is not checked twice.
    QString m_acceptedOld;
    bool m_oldAccepted = false;
};
