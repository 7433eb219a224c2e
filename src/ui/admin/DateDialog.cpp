#include "ui/admin/DateDialog.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DateDialog::DateDialog(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_monthdate(new QCalendarWidget(this))
{
    setObjectName(QStringLiteral("DateDialog"));
    setWindowTitle(tr("日期"));

    m_monthdate->setObjectName(QStringLiteral("monthdate"));
    m_monthdate->setGridVisible(true);
    m_monthdate->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_monthdate->setSelectedDate(m_state.PickedDate.isValid() ? m_state.PickedDate : Clock::today());

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("Cmddate_0"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("Cmddate_1"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &DateDialog::Cmddate_0_Click);
    connect(cancel, &QPushButton::clicked, this, &DateDialog::reject);
    connect(m_monthdate, &QCalendarWidget::clicked, ok, [ok] { ok->setFocus(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_monthdate);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DateDialog::Cmddate_0_Click()
{
    m_state.PickedDate = m_monthdate->selectedDate();
    accept();
}
