#include "ui/admin/OperatorAddDialog.h"

#include "core/admin/OperatorStore.h"
#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OperatorAddDialog::OperatorAddDialog(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("OperatorAddDialog"));
    setWindowTitle(tr("增加操作员"));

    auto* label = new QLabel(tr("操作员姓名:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setMinimumWidth(200);
    label->setBuddy(m_text);

    auto* ok = new QPushButton(tr("确定(&Y)"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消(&C)"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &OperatorAddDialog::addOperator);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->setSpacing(14);
    layout->addLayout(field);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void OperatorAddDialog::addOperator()
{
    OperatorStore store(m_state.DbConn);
    QString added;
    const OperatorStore::Outcome outcome = store.add(m_text->text(), &added);
    if (!outcome.result) {
        showError(outcome.result);
        return;
    }
    if (outcome.refusal == OperatorStore::Refusal::EmptyName) {
        Messages::exclamation(tr("操作员姓名不可以为空！"), tr("权限设置"));
    } else if (outcome.refusal == OperatorStore::Refusal::NameTooLong) {
        Messages::exclamation(tr("操作员姓名不可以超过 %1 个字！").arg(OperatorStore::MaxNameLength), tr("权限设置"));
    } else if (outcome.refusal == OperatorStore::Refusal::NameHasControlCharacters) {
        Messages::exclamation(tr("操作员姓名不可以含有换行、制表等控制字符或不可见的格式字符！"), tr("权限设置"));
    } else if (outcome.refusal == OperatorStore::Refusal::DuplicateName) {
        Messages::exclamation(tr("操作员姓名不可以重复！"), tr("权限设置"));
    } else {
        Q_EMIT operatorAdded(added);
        accept();
        return;
    }
    m_text->setFocus();
    m_text->selectAll();
}
