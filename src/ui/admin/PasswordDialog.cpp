#include "ui/admin/PasswordDialog.h"

#include "core/base/AppState.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

PasswordDialog::PasswordDialog(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_text1(new QLineEdit(this))
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(tr("口令"));

    auto* label1 = new QLabel(tr("请输入口令："), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(m_text1);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setEchoMode(QLineEdit::Password);
    m_text1->setMinimumWidth(180);

    auto* confirm = new QPushButton(tr("确认"), this);
    confirm->setObjectName(QStringLiteral("Command1"));
    confirm->setDefault(true);
    auto* quit = new QPushButton(tr("退出"), this);
    quit->setObjectName(QStringLiteral("Command2"));
    quit->setAutoDefault(false);
    connect(confirm, &QPushButton::clicked, this, &PasswordDialog::Command1_Click);
    connect(quit, &QPushButton::clicked, this, &PasswordDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(14);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(m_text1, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(quit);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    m_text1->setFocus();
}

void PasswordDialog::Command1_Click()
{
    m_state.EnteredPassword = m_text1->text();
    accept();
}
