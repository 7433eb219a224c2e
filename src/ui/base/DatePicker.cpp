#include "ui/base/DatePicker.h"

#include "core/base/DateText.h"

#include <QDateEdit>

QDateEdit* datePicker(const QString& name, const QDate& date, QWidget* parent)
{
    auto* box = new QDateEdit(date, parent);
    box->setObjectName(name);
    box->setDisplayFormat(DateText::DateFormat);
    box->setCalendarPopup(true);
    return box;
}
