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

TopUpDialog::TopUpDialog(AppState& state, const QString& khao, const QString& yhm, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_txtkhao(box("Txtkhao", this))
    , m_txtyhm(box("Txtyhm", this))
    , m_txtje(box("Txtje", this))
    , m_txtSFje(box("TxtSFje", this))
{
    setObjectName(QStringLiteral("TopUpDialog"));
    setWindowTitle(tr("会员增加款"));
    m_txtkhao->setText(khao);
    m_txtkhao->setReadOnly(true);
    m_txtyhm->setText(yhm);
    m_txtyhm->setReadOnly(true);

    auto* form = new QFormLayout;
    form->setVerticalSpacing(12);
    form->addRow(tr("卡  号"), m_txtkhao);
    form->addRow(tr("姓  名"), m_txtyhm);
    form->addRow(tr("存入卡中金额"), m_txtje);
    form->addRow(tr("实付金额"), m_txtSFje);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QString captions[] = {tr("确定(&Y)"), tr("退出(&C)")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(QStringLiteral("Com_key_") + QString::number(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { Com_key_Click(i); });
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centerOnScreen(this);
    m_txtje->setFocus();
}

void TopUpDialog::Com_key_Click(int index)
{
    if (index == 1) {
        reject();
        return;
    }
    if (m_txtje->text().trimmed().isEmpty())
        return;
    const MemberTopUp::Outcome outcome =
        MemberTopUp::topUp(m_state, {m_txtkhao->text(), m_txtje->text(), m_txtSFje->text()});
    if (showStopped(outcome.result, outcome.refusal))
        return;
    accept();
}
