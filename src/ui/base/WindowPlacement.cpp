#include "ui/base/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centerInMainWindow(QWidget* screen, const QWidget* mainWindow)
{
    const int top = (mainWindow->height() - screen->height()) / 2;
    const int left = (mainWindow->width() - screen->width()) / 2;
    screen->move(left, top);
}

void centerOnScreen(QWidget* screen)
{
    const QScreen* display = screen->screen() ? screen->screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    QRect frame = screen->frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    screen->move(frame.topLeft());
}

void showFillingScreen(QWidget* window)
{
    if (const QScreen* display = window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        window->setGeometry(display->availableGeometry());
    window->showMaximized();
}
