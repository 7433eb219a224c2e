#include "ui/admin/DateDialog.h"

#include "core/base/Clock.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DateDialog::DateDialog(const QDate& shown, QWidget* parent)
    : QDialog(parent)
    , m_calendar(new QCalendarWidget(this))
{
    setObjectName(QStringLiteral("DateDialog"));
    setWindowTitle(tr("日期"));

    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setSelectedDate(shown.isValid() ? shown : Clock::today());

    auto* okButton = new QPushButton(tr("确定"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(tr("取消"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &DateDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &DateDialog::reject);
    connect(m_calendar, &QCalendarWidget::clicked, okButton, [okButton] { okButton->setFocus(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DateDialog::confirm()
{
    m_answer = m_calendar->selectedDate();
    accept();
}
