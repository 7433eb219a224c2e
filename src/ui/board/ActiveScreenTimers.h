#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QMdiArea;
class QTimer;
class QWidget;

// Timers that run only while a screen is the active screen of the program:
// another window of the program taking over (a dialog, another sub-window of
// the main window's area) stops them, and coming back starts them again.
// Leaving the program for another one changes nothing.
class ActiveScreenTimers : public QObject
{
    Q_OBJECT

public:
    explicit ActiveScreenTimers(QWidget* screen);

    // A stopped timer under that object name, for this set to run.
    QTimer* add(const QString& name, int interval, std::function<void()> tick);

Q_SIGNALS:
    // The timers have started again after a pause.
    void resumed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void update();

    QWidget* m_screen;
    QList<QTimer*> m_timers;
    QPointer<QWidget> m_window;
    QPointer<QMdiArea> m_area;
};
