#include "ui/admin/PasswordDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

PasswordDialog::PasswordDialog(QWidget* parent, const QString& purpose)
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
    int row = 0;
    if (!purpose.isEmpty()) {
        auto* purposeLabel = new QLabel(purpose, this);
        purposeLabel->setObjectName(QStringLiteral("purposeLabel"));
        layout->addWidget(purposeLabel, row++, 0, 1, 2);
    }
    layout->addWidget(label, row, 0);
    layout->addWidget(m_passwordEdit, row++, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons, row, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    m_passwordEdit->setFocus();
}

std::optional<QString> PasswordDialog::ask(QWidget* parent, const QString& purpose)
{
    PasswordDialog prompt(parent, purpose);
    prompt.exec();
    return prompt.answer();
}

void PasswordDialog::confirm()
{
    m_answer = m_passwordEdit->text();
    accept();
}
