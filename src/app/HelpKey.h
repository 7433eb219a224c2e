#pragma once

#include <QObject>

// F1 opens the manual from any window of the program, whichever control has
// the focus. Installed on the application.
class HelpKey : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
