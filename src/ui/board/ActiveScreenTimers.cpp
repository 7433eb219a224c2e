#include "ui/board/ActiveScreenTimers.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

ActiveScreenTimers::ActiveScreenTimers(QWidget* screen)
    : QObject(screen)
    , m_screen(screen)
{
    screen->installEventFilter(this);
}

QTimer* ActiveScreenTimers::add(const QString& name, int interval, std::function<void()> tick)
{
    auto* timer = new QTimer(m_screen);
    timer->setObjectName(name);
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, this, std::move(tick));
    m_timers.append(timer);
    return timer;
}

bool ActiveScreenTimers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_screen && event->type() == QEvent::Show)
        follow();
    // A screen inside another window hears of activation only through that window.
    if ((watched == m_screen || watched == m_window) && event->type() == QEvent::ActivationChange)
        update();
    return QObject::eventFilter(watched, event);
}

void ActiveScreenTimers::follow()
{
    if (m_screen->window() != m_window) {
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = m_screen->window();
        if (m_window != m_screen)
            m_window->installEventFilter(this);
    }
    const auto* frame = qobject_cast<QMdiSubWindow*>(m_screen->parentWidget());
    QMdiArea* area = frame ? frame->mdiArea() : nullptr;
    if (area != m_area) {
        if (m_area)
            disconnect(m_area, nullptr, this, nullptr);
        m_area = area;
        if (area)
            connect(area, &QMdiArea::subWindowActivated, this, &ActiveScreenTimers::update);
    }
    update();
}

void ActiveScreenTimers::update()
{
    if (!QApplication::activeWindow())
        return;
    bool active = m_screen->isActiveWindow();
    if (const auto* frame = qobject_cast<QMdiSubWindow*>(m_screen->parentWidget()); frame && m_area)
        active = active && m_area->currentSubWindow() == frame;
    if (!active) {
        for (QTimer* timer : m_timers)
            timer->stop();
        return;
    }
    bool resuming = false;
    for (QTimer* timer : m_timers) {
        if (!timer->isActive()) {
            timer->start();
            resuming = true;
        }
    }
    if (resuming)
        Q_EMIT resumed();
}
