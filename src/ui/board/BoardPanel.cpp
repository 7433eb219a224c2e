#include "ui/board/BoardPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* box(const char* name, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLineEdit* shown(const char* name, QWidget* parent)
{
    QLineEdit* edit = box(name, QString(), parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QFont sized(QFont font, int pointSize, bool bold)
{
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFrame* rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

BoardPanel::BoardPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("boardPanel"));
    setFrameShape(QFrame::StyledPanel);
    setFont(sized(font(), 12, false));

    tableChoice = new QComboBox(this);
    tableChoice->setObjectName(QStringLiteral("tableChoice"));
    tableChoice->setFont(sized(font(), 18, true));
    tableChoice->setMinimumContentsLength(4);
    rowNumber = box("rowNumber", QStringLiteral("1"), this);
    rowNumber->hide();

    card = box("card", QString(), this);
    password = box("password", QString(), this);
    password->setEchoMode(QLineEdit::Password);
    discount = box("discount", QStringLiteral("0"), this);
    discount->setToolTip(tr("0 为不打折 ，请输入大于 0 小于10的数字。"));
    reminder = box("reminder", QStringLiteral("0"), this);
    reminder->setToolTip(tr("0不提醒  如顾客要求1小时提醒 则数如 1 即可"));
    deposit = box("deposit", QStringLiteral("50"), this);
    deposit->setToolTip(tr("客人所付押金,请输入整数。如 5元输入 5即可。"));

    timeCharge = shown("timeCharge", this);
    goodsTotal = shown("goodsTotal", this);
    grandTotal = shown("grandTotal", this);
    const QFont money = sized(font(), 16, true);
    for (QLineEdit* amount : {timeCharge, goodsTotal, grandTotal}) {
        amount->setFont(money);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    operatorName = shown("operatorName", this);
    clock = shown("clock", this);

    allLights = new QPushButton(tr("全部台位灯光"), this);
    allLights->setObjectName(QStringLiteral("allLights"));
    allLights->hide();

    auto* entry = new QFormLayout;
    entry->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    entry->addRow(tr("台位号"), tableChoice);
    entry->addRow(tr("会员卡号"), card);
    entry->addRow(tr("密 码"), password);
    entry->addRow(tr("折扣率"), discount);
    entry->addRow(tr("提醒时长/分钟"), reminder);
    entry->addRow(tr("客户所付押金"), deposit);

    auto* amounts = new QFormLayout;
    amounts->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amounts->addRow(tr("计时消费金额"), timeCharge);
    amounts->addRow(tr("商品消费金额"), goodsTotal);
    amounts->addRow(tr("消费总金额合计:"), grandTotal);

    auto* footer = new QHBoxLayout;
    footer->addWidget(operatorName, 1);
    footer->addWidget(clock, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(rule(this));
    layout->addLayout(amounts);
    layout->addWidget(allLights);
    layout->addStretch();
    layout->addWidget(rowNumber);
    layout->addLayout(footer);
}
