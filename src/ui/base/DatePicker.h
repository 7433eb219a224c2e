#pragma once

#include <QDate>
#include <QString>

class QDateEdit;
class QWidget;

// A date box in the program's date format with its calendar to pick from.
QDateEdit* datePicker(const QString& name, const QDate& date, QWidget* parent);
