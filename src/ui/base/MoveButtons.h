#pragma once

#include <QList>

class QBoxLayout;
class QPushButton;
class QWidget;

// The four record moves of a record screen, first, previous, next and last,
// named CmdMove_0 to CmdMove_3 and added to the row in that order. The
// caller connects them to its own positioning.
QList<QPushButton*> addMoveButtons(QBoxLayout* row, QWidget* parent);
