#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCalendarWidget;

// The date dialog: shows the day it is given (today when that is not a
// date) and hands the chosen day back only when accepted.
class DateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DateDialog(const QDate& shown, QWidget* parent = nullptr);

    // The accepted day, after the dialog has closed; nothing when cancelled.
    const std::optional<QDate>& answer() const { return m_answer; }

private:
    void confirm();

    QCalendarWidget* m_calendar;
    std::optional<QDate> m_answer;
};
