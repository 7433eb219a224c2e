#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

struct AppState;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

// The login screen, shown at start and again for a change of shift. A
// successful login fills the operator part of the state and emits loggedIn();
// giving up, the third wrong password or an unusable date format emit
// endProgram(). Each wrong password pauses the next attempt (LoginPause).
// The screen hides itself in every case; whoever showed it decides whether
// it is deleted.
class LoginScreen : public QDialog
{
    Q_OBJECT

public:
    explicit LoginScreen(AppState& state, QWidget* splash = nullptr, QWidget* parent = nullptr);

    // Closing the window or pressing Escape gives up, as the give-up button does.
    void reject() override;

    // Asked as each attempt begins, before the attempt touches the database;
    // false drops the attempt (the program is ending).
    void setBeforeAttempt(std::function<bool()> mayGoOn) { m_beforeAttempt = std::move(mayGoOn); }

Q_SIGNALS:
    void loggedIn();
    void endProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    void showHint();
    void loadShifts();
    void loadOperators();
    void onTimer();
    void logIn();
    void endWith();

    AppState& m_state;
    QPointer<QWidget> m_splash;
    QComboBox* m_operatorCombo;
    QLineEdit* m_passwordEdit;
    QComboBox* m_shiftCombo;
    QLineEdit* m_dateEdit;
    QLabel* m_hint;
    QTimer* m_timer;
    qint16 m_failures = 0;
    std::function<bool()> m_beforeAttempt;
};
