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
    setObjectName(QStringLiteral("Picture1"));
    setFrameShape(QFrame::StyledPanel);
    setFont(sized(font(), 12, false));

    DataCombo1 = new QComboBox(this);
    DataCombo1->setObjectName(QStringLiteral("DataCombo1"));
    DataCombo1->setFont(sized(font(), 18, true));
    DataCombo1->setMinimumContentsLength(4);
    TxtHs = box("TxtHs", QStringLiteral("1"), this);
    TxtHs->hide();

    Txtkhao = box("Txtkhao", QString(), this);
    Txtpassword = box("Txtpassword", QString(), this);
    Txtpassword->setEchoMode(QLineEdit::Password);
    Txtzk = box("Txtzk", QStringLiteral("0"), this);
    Txtzk->setToolTip(tr("0 为不打折 ，请输入大于 0 小于10的数字。"));
    Txttx = box("Txttx", QStringLiteral("0"), this);
    Txttx->setToolTip(tr("0不提醒  如顾客要求1小时提醒 则数如 1 即可"));
    Txtyj = box("Txtyj", QStringLiteral("50"), this);
    Txtyj->setToolTip(tr("客人所付押金,请输入整数。如 5元输入 5即可。"));

    Txtmony = shown("Txtmony", this);
    TxtCkv_zc = shown("TxtCkv_zc", this);
    TxtHj = shown("TxtHj", this);
    const QFont money = sized(font(), 16, true);
    for (QLineEdit* amount : {Txtmony, TxtCkv_zc, TxtHj}) {
        amount->setFont(money);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Text2 = shown("Text2", this);
    Text3 = shown("Text3", this);

    Command3 = new QPushButton(tr("全部台位灯光"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->hide();

    auto* entry = new QFormLayout;
    entry->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    entry->addRow(tr("台位号"), DataCombo1);
    entry->addRow(tr("会员卡号"), Txtkhao);
    entry->addRow(tr("密 码"), Txtpassword);
    entry->addRow(tr("折扣率"), Txtzk);
    entry->addRow(tr("提醒时长/分钟"), Txttx);
    entry->addRow(tr("客户所付押金"), Txtyj);

    auto* amounts = new QFormLayout;
    amounts->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amounts->addRow(tr("计时消费金额"), Txtmony);
    amounts->addRow(tr("商品消费金额"), TxtCkv_zc);
    amounts->addRow(tr("消费总金额合计:"), TxtHj);

    auto* footer = new QHBoxLayout;
    footer->addWidget(Text2, 1);
    footer->addWidget(Text3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(rule(this));
    layout->addLayout(amounts);
    layout->addWidget(Command3);
    layout->addStretch();
    layout->addWidget(TxtHs);
    layout->addLayout(footer);
}
