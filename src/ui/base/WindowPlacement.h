#pragma once

class QWidget;

// Places a child screen in the middle of the main window.
void centerInMainWindow(QWidget* screen, const QWidget* mainWindow);

// Places a top-level screen in the middle of the screen it is on.
void centerOnScreen(QWidget* screen);
