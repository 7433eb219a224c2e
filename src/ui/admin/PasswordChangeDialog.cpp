#include "ui/admin/PasswordChangeDialog.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/Notation.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The screen's name in the operator log, which stays Chinese whatever the language.
const QString LogName = QStringLiteral("操作员口令变更");

} // namespace

PasswordChangeDialog::PasswordChangeDialog(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
{
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    const Result loaded = m_change.load(m_state.DbConn, m_state.OperatorName);
    if (!loaded)
        showError(loaded);
    else if (!m_change.found())
        Messages::exclamation(tr("找不到操作员'%1'，无法变更口令!").arg(Notation::Trim(m_state.OperatorName)),
                              tr("口令变更"));
    if (!m_change.found()) {
        for (QLineEdit* box : m_passwordEdits)
            box->setEnabled(false);
    }
}

void PasswordChangeDialog::buildScreen()
{
    setObjectName(QStringLiteral("PasswordChangeDialog"));
    setWindowTitle(tr("操作员口令变更"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(10);
    const QString labels[3] = {tr("原 口 令:"), tr("新 口 令:"), tr("验证口令:")};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("passwordEdit_") + QString::number(i));
        box->setEchoMode(QLineEdit::Password);
        box->setMinimumWidth(200);
        connect(box, &QLineEdit::returnPressed, this, [this, i] { onReturn(i); });
        auto* label = new QLabel(labels[i], this);
        label->setObjectName(QStringLiteral("passwordLabel_") + QString::number(i));
        label->setBuddy(box);
        form->addRow(label, box);
        m_passwordEdits[i] = box;
    }
    // The confirm button waits for the repeat; a mouse user typing it enables it too.
    connect(m_passwordEdits[2], &QLineEdit::textEdited, this, [this] { m_confirm->setEnabled(true); });

    m_confirm = new QPushButton(tr("变更口令确认(&Y)"), this);
    m_confirm->setObjectName(QStringLiteral("confirmButton"));
    m_confirm->setAutoDefault(false);
    m_confirm->setEnabled(false);
    auto* cancel = new QPushButton(tr("变更口令取消(&N)"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(m_confirm, &QPushButton::clicked, this, &PasswordChangeDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PasswordChangeDialog::done(int result)
{
    const Result closed = m_log.close();
    if (!closed)
        showError(closed);
    QDialog::done(result);
}

void PasswordChangeDialog::onReturn(int element)
{
    if (element == 0) {
        if (oldPasswordAccepted())
            m_passwordEdits[1]->setFocus();
    } else if (element == 1) {
        m_passwordEdits[2]->setFocus();
    } else {
        m_confirm->setEnabled(true);
        m_confirm->setFocus();
    }
}

bool PasswordChangeDialog::oldPasswordAccepted()
{
    const QString typed = m_passwordEdits[0]->text();
    if (m_oldAccepted && typed == m_acceptedOld)
        return true;
    m_oldAccepted = false;
    switch (m_change.checkOld(typed)) {
    case PasswordChange::OldPassword::Accepted:
        m_oldAccepted = true;
        m_acceptedOld = typed;
        return true;
    case PasswordChange::OldPassword::Wrong:
        Messages::exclamation(tr("输入原口令不正确,请重新输入!"), tr("口令变更"));
        m_passwordEdits[0]->setFocus();
        m_passwordEdits[0]->selectAll();
        return false;
    case PasswordChange::OldPassword::Refused:
        Messages::critical(tr("对不起,您无权变更操作员'%1'的口令!").arg(Notation::Trim(m_state.OperatorName)),
                           tr("口令变更"));
        reject();
        return false;
    }
    return false;
}

void PasswordChangeDialog::confirm()
{
    if (!oldPasswordAccepted())
        return;
    if (!PasswordChange::repeatMatches(m_passwordEdits[1]->text(), m_passwordEdits[2]->text())) {
        Messages::exclamation(tr("新口令两次不一致,请重新输入!"), tr("口令变更"));
        m_confirm->setEnabled(false);
        m_passwordEdits[1]->setFocus();
        m_passwordEdits[1]->selectAll();
        return;
    }
    const Result stored = m_change.store(m_state.DbConn, m_passwordEdits[1]->text());
    if (!stored) {
        showError(stored);
        return;
    }
    Messages::information(tr("变更口令成功，按任意键返回！"), tr("口令变更"));
    accept();
}
