#include "ui/board/TableSwapDialog.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/billing/TableNumber.h"
#include "core/board/TableMove.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

TableSwapDialog::TableSwapDialog(AppState& state, const QString& table, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("TableSwapDialog"));
    setWindowTitle(tr("台位互换"));
    TextBox1 = new QLineEdit(this);
    TextBox1->setObjectName(QStringLiteral("TextBox1"));
    TextBox1->hide();
    TextBox2 = new QLineEdit(this);
    TextBox2->setObjectName(QStringLiteral("TextBox2"));
    TextBox2->setReadOnly(true);
    Combozt = new QComboBox(this);
    Combozt->setObjectName(QStringLiteral("Combozt"));
    CommandButton1 = new QPushButton(tr("互换"), this);
    CommandButton1->setObjectName(QStringLiteral("CommandButton1"));
    CommandButton2 = new QPushButton(tr("取消"), this);
    CommandButton2->setObjectName(QStringLiteral("CommandButton2"));

    auto* form = new QFormLayout(this);
    form->addRow(tr("现 桌 台："), TextBox2);
    form->addRow(tr("换入桌台："), Combozt);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandButton1);
    buttons->addWidget(CommandButton2);
    form->addRow(buttons);

    setMinimumWidth(300);
    connect(CommandButton1, &QPushButton::clicked, this, &TableSwapDialog::swap);
    connect(CommandButton2, &QPushButton::clicked, this, &QDialog::reject);

    const std::optional<qint16> current = tableNumber(table);
    QList<qint16> others;
    const Result found = current ? TableMove::tablesInUseExcept(m_state.DbConn, *current, &others) : Result::success();
    if (!found)
        showError(found);
    if (others.isEmpty())
        return;
    TextBox1->setText(QString::number(*current));
    TextBox2->setText(TextBox1->text());
    for (const qint16 zhao : others)
        Combozt->addItem(QString::number(zhao));
}

// A table in the list that has no open visit any more swaps nothing, and
// then nothing is reported.
void TableSwapDialog::swap()
{
    const std::optional<qint16> first = tableNumber(TextBox1->text());
    const std::optional<qint16> second = tableNumber(Combozt->currentText());
    if (!first || !second)
        return;
    bool swapped = false;
    const Result result = TableMove::swap(m_state.DbConn, *first, *second, &swapped);
    if (!result) {
        showError(result);
        return;
    }
    if (swapped)
        Messages::information(
            tr("%1 号桌的客人的账单已改为  %2  号台。").arg(TextBox2->text(), Combozt->currentText()));
    accept();
}
