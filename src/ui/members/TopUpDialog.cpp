#include "ui/members/TopUpDialog.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/members/MemberTopUp.h"
#include "ui/base/WindowPlacement.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* box(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(200);
    return edit;
}

} // namespace

TopUpDialog::TopUpDialog(AppState& state, const QString& card, const QString& name, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_cardEdit(box("cardEdit", this))
    , m_nameEdit(box("nameEdit", this))
    , m_creditedEdit(box("creditedEdit", this))
    , m_paidEdit(box("paidEdit", this))
{
    setObjectName(QStringLiteral("TopUpDialog"));
    setWindowTitle(tr("会员增加款"));
    m_cardEdit->setText(card);
    m_cardEdit->setReadOnly(true);
    m_nameEdit->setText(name);
    m_nameEdit->setReadOnly(true);

    auto* form = new QFormLayout;
    form->setVerticalSpacing(12);
    form->addRow(tr("卡  号"), m_cardEdit);
    form->addRow(tr("姓  名"), m_nameEdit);
    form->addRow(tr("存入卡中金额"), m_creditedEdit);
    form->addRow(tr("实付金额"), m_paidEdit);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* confirmButton = new QPushButton(tr("确定(&Y)"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    confirmButton->setAutoDefault(false);
    connect(confirmButton, &QPushButton::clicked, this, &TopUpDialog::confirm);
    buttons->addWidget(confirmButton);
    auto* exitButton = new QPushButton(tr("退出(&C)"), this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    exitButton->setAutoDefault(false);
    connect(exitButton, &QPushButton::clicked, this, &TopUpDialog::reject);
    buttons->addWidget(exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centerOnScreen(this);
    m_creditedEdit->setFocus();
}

void TopUpDialog::confirm()
{
    if (m_creditedEdit->text().trimmed().isEmpty())
        return;
    const MemberTopUp::Outcome outcome =
        MemberTopUp::topUp(m_state, {m_cardEdit->text(), m_creditedEdit->text(), m_paidEdit->text()});
    if (showStopped(outcome.result, outcome.refusal))
        return;
    accept();
}
