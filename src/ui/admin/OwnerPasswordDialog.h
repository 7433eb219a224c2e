#pragma once

#include "core/admin/ScreenLog.h"

#include <QDialog>

struct AppState;
class QLabel;
class QLineEdit;

// The system operator sets the password of the owner's view, tavoro-web,
// twice typed; an empty one turns the view off. Each change is a row of the
// operator log.
class OwnerPasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OwnerPasswordDialog(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildScreen();
    void showState();
    void confirm();

    AppState& m_state;
    ScreenLog m_log;
    QLabel* m_stateLabel;
    QLineEdit* m_passwordEdits[2];
};
