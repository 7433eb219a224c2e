#include "ui/admin/PasswordDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

PasswordDialog::PasswordDialog(QWidget* parent)
    : QDialog(parent)
    , m_passwordEdit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(tr("口令"));

    auto* label = new QLabel(tr("请输入口令："), this);
    label->setObjectName(QStringLiteral("passwordLabel"));
    label->setBuddy(m_passwordEdit);
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setMinimumWidth(180);

    auto* confirmButton = new QPushButton(tr("确认"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    confirmButton->setDefault(true);
    auto* exitButton = new QPushButton(tr("退出"), this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    exitButton->setAutoDefault(false);
    connect(confirmButton, &QPushButton::clicked, this, &PasswordDialog::confirm);
    connect(exitButton, &QPushButton::clicked, this, &PasswordDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(14);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_passwordEdit, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    m_passwordEdit->setFocus();
}

std::optional<QString> PasswordDialog::ask(QWidget* parent)
{
    PasswordDialog prompt(parent);
    prompt.exec();
    return prompt.answer();
}

void PasswordDialog::confirm()
{
    m_answer = m_passwordEdit->text();
    accept();
}
