#include "ui/board/TableMarkScreen.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/billing/TableNumber.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TableMarkScreen::TableMarkScreen(const Kind& kind, AppState& state, const QString& table, const QString& value,
                                 QWidget* parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_state(state)
{
    setObjectName(QLatin1String(kind.name));
    setWindowTitle(kind.caption);
    TextBox2 = new QLineEdit(table, this);
    TextBox2->setObjectName(QStringLiteral("TextBox2"));
    TextBox2->setReadOnly(true);
    Txttx = new QLineEdit(value, this);
    Txttx->setObjectName(QStringLiteral("Txttx"));
    CommandButton1 = new QPushButton(tr("保存"), this);
    CommandButton1->setObjectName(QStringLiteral("CommandButton1"));
    CommandButton1->setDefault(true);
    CommandButton2 = new QPushButton(tr("取消"), this);
    CommandButton2->setObjectName(QStringLiteral("CommandButton2"));

    auto* hint = new QLabel(kind.hint, this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    auto* form = new QFormLayout;
    form->addRow(tr("桌 台 号："), TextBox2);
    form->addRow(kind.label, Txttx);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandButton1);
    buttons->addWidget(CommandButton2);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    Txttx->setFocus();

    connect(CommandButton1, &QPushButton::clicked, this, &TableMarkScreen::save);
    connect(CommandButton2, &QPushButton::clicked, this, &QDialog::reject);
}

void TableMarkScreen::save()
{
    if (Txttx->text().isEmpty())
        return;
    const std::optional<qint16> zhao = tableNumber(TextBox2->text());
    if (!zhao)
        return;
    const std::optional<double> value = m_kind.read(Txttx->text());
    if (!value) {
        Messages::exclamation(m_kind.refused());
        Txttx->setFocus();
        return;
    }
    const Result saved = m_kind.save(m_state.DbConn, *zhao, *value);
    if (!saved) {
        showError(saved);
        return;
    }
    Messages::information(m_kind.saved.arg(TextBox2->text(), Txttx->text().trimmed()));
    accept();
}
