#pragma once

#include <QDialog>

struct AppState;
class QCalendarWidget;

// The date dialog: shows PickedDate (today when it is not set); accepting
// stores the chosen day in PickedDate, cancelling leaves it as it was.
class DateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DateDialog(AppState& state, QWidget* parent = nullptr);

private:
    void Cmddate_0_Click();

    AppState& m_state;
    QCalendarWidget* m_monthdate;
};
