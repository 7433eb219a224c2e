#pragma once

class QWidget;

// Places a child screen in the middle of the main window.
void centerInMainWindow(QWidget* screen, const QWidget* mainWindow);

// Places a top-level screen in the middle of the screen it is on.
void centerOnScreen(QWidget* screen);

// Shows a top-level window maximized. Maximizing is the window manager's
// work, and a counter may run without one: the window is first given the
// whole of its screen, so that it fills it either way.
void showFillingScreen(QWidget* window);
