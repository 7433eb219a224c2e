#include "ui/reports/DayReportScreen.h"

#include "core/base/AppState.h"
#include "core/base/DateText.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>

namespace {

QDateTimeEdit* picker(const QString& name, const QDate& date, QWidget* parent)
{
    auto* box = new QDateTimeEdit(QDateTime(date, QTime(0, 0)), parent);
    box->setObjectName(name);
    box->setDisplayFormat(DateText::DateFormat);
    box->setCalendarPopup(true);
    return box;
}

} // namespace

DayReportScreen::DayReportScreen(AppState& state, QWidget* parent)
    : DailyTakingsScreen(state, Kind::Day, parent)
{
    setObjectName(QStringLiteral("DayReportScreen"));
    m_fromEdit = picker(QStringLiteral("fromEdit"), state.BusinessDate, this);
    m_toEdit = picker(QStringLiteral("toEdit"), state.BusinessDate, this);
    m_timeRangeCheck = new QCheckBox(tr("营业日日报使用时间条件"), this);
    m_timeRangeCheck->setObjectName(QStringLiteral("timeRangeCheck"));
    connect(m_timeRangeCheck, &QCheckBox::toggled, this, &DayReportScreen::useTimeRange);

    auto* from = new QLabel(tr("日期从"), this);
    from->setBuddy(m_fromEdit);
    auto* to = new QLabel(tr("到"), this);
    to->setBuddy(m_toEdit);
    QBoxLayout* row = choices();
    row->insertWidget(0, from);
    row->insertWidget(1, m_fromEdit);
    row->insertWidget(2, to);
    row->insertWidget(3, m_toEdit);
    row->insertWidget(4, m_timeRangeCheck);
    query();
}

void DayReportScreen::useTimeRange(bool on)
{
    const QString format = on ? QStringLiteral("yyyy-MM-dd HH:mm") : DateText::DateFormat;
    m_fromEdit->setDisplayFormat(format);
    m_toEdit->setDisplayFormat(format);
}

DayTakings::Filter DayReportScreen::filter() const
{
    DayTakings::Filter chosen{m_fromEdit->date(), QString(), std::nullopt};
    if (m_timeRangeCheck->isChecked())
        chosen.visitRange = std::make_pair(m_fromEdit->dateTime(), m_toEdit->dateTime());
    return chosen;
}
