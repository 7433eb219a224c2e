#include "app/HelpKey.h"

#include "ui/program/HelpWindow.h"

#include <QKeyEvent>

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        HelpWindow::open();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
