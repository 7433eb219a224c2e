#include "admin/FrmClearData.h"

#include "admin/HistoryClearing.h"
#include "base/AppState.h"
#include "base/Clock.h"
#include "base/DateText.h"
#include "base/Messages.h"
#include "base/ModCWCl.h"
#include "base/ProgramFolder.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

FrmClearData::FrmClearData(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dJzrc(new QDateEdit(Clock::today(), this))
    , m_background(programPicture(QStringLiteral("bOOK.wmf")))
{
    setObjectName(QStringLiteral("FrmClearData"));
    setWindowTitle(QStringLiteral("清除历史数据"));

    auto* label1 = new QLabel(QStringLiteral("清除此日期以前的数据:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(m_dJzrc);
    m_dJzrc->setObjectName(QStringLiteral("dJzrc"));
    m_dJzrc->setDisplayFormat(DateText::DateFormat);
    m_dJzrc->setCalendarPopup(true);

    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
    ok->setObjectName(QStringLiteral("Cmddate_0"));
    auto* quit = new QPushButton(QStringLiteral("退出"), this);
    quit->setObjectName(QStringLiteral("Cmddate_1"));
    quit->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &FrmClearData::Cmddate_0_Click);
    connect(quit, &QPushButton::clicked, this, &FrmClearData::close);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 24, 24, 18);
    layout->setVerticalSpacing(18);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(m_dJzrc, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(quit);
    layout->addLayout(buttons, 1, 0, 1, 2);
}

void FrmClearData::Cmddate_0_Click()
{
    const Messages::Answer answer = Messages::show(
        {QStringLiteral("确认删除数据吗?"), Messages::Icon::Exclamation, Messages::AppTitle, Messages::Buttons::YesNo});
    if (answer != Messages::Answer::Yes)
        return;
    const Result cleared = HistoryClearing::clearBefore(m_state.DbConn, m_dJzrc->date());
    if (!cleared) {
        ShowErr(cleared);
        return;
    }
    Messages::information(QStringLiteral("数据清除完成"));
}

void FrmClearData::paintEvent(QPaintEvent* event)
{
    if (m_background.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}
