#pragma once

#include "core/admin/UnlockCode.h"

#include <QDialog>
#include <QPixmap>

struct AppState;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The lock screen: covers the whole screen, stays on top and takes the focus
// back while locked. Enter opens five seconds in which to type the unlock
// code (see UnlockCode); when they pass without it the screen locks again.
// Only the unlock button, enabled by the right code, closes it (accepted).
class LockScreen : public QDialog
{
    Q_OBJECT

public:
    explicit LockScreen(AppState& state, QWidget* parent = nullptr);

    // Escape and the window's close button do nothing while locked.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildScreen(const QString& hint);
    void keepInFront();
    void countDown();
    void unlock();
    void lock();
    bool isUnlocked() const;

    UnlockCode m_code;
    QPixmap m_background;
    QLabel* m_countdownLabel;
    QLineEdit* m_passwordEdit;
    QPushButton* m_unlockButton;
    QTimer* m_frontTimer;
    QTimer* m_countdownTimer;
    QString m_lastTried;
    int m_secondsLeft = 5;
};
