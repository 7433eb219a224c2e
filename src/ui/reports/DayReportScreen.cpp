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
    m_drc = picker(QStringLiteral("drc"), state.BusinessDate, this);
    m_drc1 = picker(QStringLiteral("Drc1"), state.BusinessDate, this);
    m_chckTime = new QCheckBox(tr("营业日日报使用时间条件"), this);
    m_chckTime->setObjectName(QStringLiteral("ChckTime"));
    connect(m_chckTime, &QCheckBox::toggled, this, &DayReportScreen::useTimeRange);

    auto* from = new QLabel(tr("日期从"), this);
    from->setBuddy(m_drc);
    auto* to = new QLabel(tr("到"), this);
    to->setBuddy(m_drc1);
    QBoxLayout* row = choices();
    row->insertWidget(0, from);
    row->insertWidget(1, m_drc);
    row->insertWidget(2, to);
    row->insertWidget(3, m_drc1);
    row->insertWidget(4, m_chckTime);
    query();
}

void DayReportScreen::useTimeRange(bool on)
{
    const QString format = on ? QStringLiteral("yyyy-MM-dd HH:mm") : DateText::DateFormat;
    m_drc->setDisplayFormat(format);
    m_drc1->setDisplayFormat(format);
}

DayTakings::Filter DayReportScreen::filter() const
{
    DayTakings::Filter chosen{m_drc->date(), QString(), std::nullopt};
    if (m_chckTime->isChecked())
        chosen.visitRange = std::make_pair(m_drc->dateTime(), m_drc1->dateTime());
    return chosen;
}
