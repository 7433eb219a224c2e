#include "ui/admin/OwnerPasswordDialog.h"

#include "core/admin/OwnerPassword.h"
#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/OperatorLog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The screen's name in the operator log, which stays Chinese whatever the language.
const QString LogName = QStringLiteral("店主网页口令");

} // namespace

OwnerPasswordDialog::OwnerPasswordDialog(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
{
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    showState();
}

void OwnerPasswordDialog::buildScreen()
{
    setObjectName(QStringLiteral("OwnerPasswordDialog"));
    setWindowTitle(tr("店主网页口令"));

    auto* explanation = new QLabel(tr("设有口令时，店主可以启动只读的店主网页 tavoro-web，在手机上查看营业情况。\n"
                                      "两栏都留空并确定，口令即清除，店主网页关闭。"),
                                   this);
    explanation->setObjectName(QStringLiteral("explanationLabel"));
    m_stateLabel = new QLabel(this);
    m_stateLabel->setObjectName(QStringLiteral("stateLabel"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(10);
    const QString labels[2] = {tr("新 口 令:"), tr("验证口令:")};
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("passwordEdit_") + QString::number(i));
        box->setEchoMode(QLineEdit::Password);
        box->setMinimumWidth(200);
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(box);
        form->addRow(label, box);
        m_passwordEdits[i] = box;
    }
    connect(m_passwordEdits[0], &QLineEdit::returnPressed, this, [this] { m_passwordEdits[1]->setFocus(); });
    connect(m_passwordEdits[1], &QLineEdit::returnPressed, this, &OwnerPasswordDialog::confirm);

    auto* confirmButton = new QPushButton(tr("确定"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    confirmButton->setAutoDefault(false);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(confirmButton, &QPushButton::clicked, this, &OwnerPasswordDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addWidget(explanation);
    layout->addWidget(m_stateLabel);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void OwnerPasswordDialog::showState()
{
    const ResultOf<QString> stored = OwnerPassword::storedHash(m_state.DbConn);
    if (!stored) {
        showError(stored.result());
        m_stateLabel->clear();
        return;
    }
    m_stateLabel->setText(stored->isEmpty() ? tr("现在：没有口令，店主网页关闭。")
                                            : tr("现在：已设口令，店主网页可以启动。"));
}

void OwnerPasswordDialog::done(int result)
{
    const Result closed = m_log.close();
    if (!closed)
        showError(closed);
    QDialog::done(result);
}

void OwnerPasswordDialog::confirm()
{
    // The menu offers it to the system operator only; a lock and another login may have come between.
    if (!m_state.IsSystemOperator) {
        Messages::critical(tr("只有系统操作员可以设置店主网页口令！"), windowTitle());
        reject();
        return;
    }
    const QString password = m_passwordEdits[0]->text();
    // Kept as typed, as the owner's view checks it: the repeat must match to the last blank.
    if (password != m_passwordEdits[1]->text()) {
        Messages::exclamation(tr("两次输入的口令不一致，请重新输入！"), windowTitle());
        m_passwordEdits[0]->setFocus();
        m_passwordEdits[0]->selectAll();
        return;
    }
    const bool off = password.trimmed().isEmpty();
    Result result = OwnerPassword::set(m_state.DbConn, password);
    if (result)
        result = logEvent(m_state, off ? QStringLiteral("店主网页口令清除") : QStringLiteral("店主网页口令设置"));
    for (QLineEdit* box : m_passwordEdits)
        box->clear();
    if (!result) {
        showError(result);
        showState();
        return;
    }
    Messages::information(off ? tr("店主网页口令已清除，店主网页已关闭。") : tr("店主网页口令已设置。"), windowTitle());
    accept();
}
