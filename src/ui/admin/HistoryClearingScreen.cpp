#include "ui/admin/HistoryClearingScreen.h"

#include "core/admin/HistoryClearing.h"
#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "ui/base/ProgramFolder.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

HistoryClearingScreen::HistoryClearingScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_beforeDateEdit(new QDateEdit(Clock::today(), this))
    , m_background(programPicture(QStringLiteral("bOOK.wmf")))
{
    setObjectName(QStringLiteral("HistoryClearingScreen"));
    setWindowTitle(tr("清除历史数据"));

    auto* label = new QLabel(tr("清除此日期以前的数据:"), this);
    label->setObjectName(QStringLiteral("beforeDateLabel"));
    label->setBuddy(m_beforeDateEdit);
    m_beforeDateEdit->setObjectName(QStringLiteral("beforeDateEdit"));
    m_beforeDateEdit->setDisplayFormat(DateText::DateFormat);
    m_beforeDateEdit->setCalendarPopup(true);

    auto* ok = new QPushButton(tr("确定(&Y)"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* quit = new QPushButton(tr("退出"), this);
    quit->setObjectName(QStringLiteral("exitButton"));
    quit->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &HistoryClearingScreen::clearHistory);
    connect(quit, &QPushButton::clicked, this, &HistoryClearingScreen::close);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 24, 24, 18);
    layout->setVerticalSpacing(18);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_beforeDateEdit, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(quit);
    layout->addLayout(buttons, 1, 0, 1, 2);
}

void HistoryClearingScreen::clearHistory()
{
    const QDate before = m_beforeDateEdit->date();
    const HistoryClearing::Outcome planned = HistoryClearing::count(m_state, before);
    if (!told(planned))
        return;
    const QString question = tr("将删除 %1 以前已结账的 %2 条台位记录和 %3 条商品记录，删除前先备份数据库。"
                                "\n确认删除吗?")
                                 .arg(DateText::date(before))
                                 .arg(planned.counts.visits)
                                 .arg(planned.counts.goods);
    const Messages::Answer answer = Messages::show(
        {question, Messages::Icon::Exclamation, Messages::AppTitle, Messages::Buttons::YesNo, Messages::Answer::No});
    if (answer != Messages::Answer::Yes)
        return;
    const HistoryClearing::Outcome cleared = HistoryClearing::clearBefore(m_state, before);
    if (!told(cleared))
        return;
    Messages::information(tr("数据清除完成，删除了 %1 条台位记录和 %2 条商品记录。\n备份文件：%3")
                              .arg(cleared.counts.visits)
                              .arg(cleared.counts.goods)
                              .arg(cleared.backup));
}

bool HistoryClearingScreen::told(const HistoryClearing::Outcome& outcome)
{
    switch (outcome.refusal) {
    case HistoryClearing::Refusal::AfterBusinessDate:
        Messages::exclamation(
            tr("清除日期不能晚于业务日期 %1，没有删除任何数据！").arg(DateText::date(m_state.BusinessDate)));
        return false;
    case HistoryClearing::Refusal::BackupFailed:
        Messages::critical(tr("数据库备份失败，没有删除任何数据！\n备份文件：%1\n原因：%2")
                               .arg(outcome.backup, outcome.result.message()));
        return false;
    case HistoryClearing::Refusal::None:
        break;
    }
    if (!outcome.result) {
        showError(outcome.result);
        return false;
    }
    return true;
}

void HistoryClearingScreen::paintEvent(QPaintEvent* event)
{
    if (m_background.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}
