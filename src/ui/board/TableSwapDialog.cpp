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
    m_heldTable = new QLineEdit(this);
    m_heldTable->setObjectName(QStringLiteral("heldTable"));
    m_heldTable->hide();
    m_currentTable = new QLineEdit(this);
    m_currentTable->setObjectName(QStringLiteral("currentTable"));
    m_currentTable->setReadOnly(true);
    m_otherTable = new QComboBox(this);
    m_otherTable->setObjectName(QStringLiteral("otherTable"));
    m_swapButton = new QPushButton(tr("互换"), this);
    m_swapButton->setObjectName(QStringLiteral("swapButton"));
    m_cancelButton = new QPushButton(tr("取消"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* form = new QFormLayout(this);
    form->addRow(tr("现 桌 台："), m_currentTable);
    form->addRow(tr("换入桌台："), m_otherTable);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_swapButton);
    buttons->addWidget(m_cancelButton);
    form->addRow(buttons);

    setMinimumWidth(300);
    connect(m_swapButton, &QPushButton::clicked, this, &TableSwapDialog::swap);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    const std::optional<qint16> current = tableNumber(table);
    if (!current)
        return;
    const ResultOf<QList<qint16>> others = TableMove::tablesInUseExcept(m_state.DbConn, *current);
    if (!others) {
        showError(others.result());
        return;
    }
    if (others->isEmpty())
        return;
    m_heldTable->setText(QString::number(*current));
    m_currentTable->setText(m_heldTable->text());
    for (const qint16 number : *others)
        m_otherTable->addItem(QString::number(number));
}

// A table in the list that has no open visit any more swaps nothing, and
// then nothing is reported.
void TableSwapDialog::swap()
{
    const std::optional<qint16> first = tableNumber(m_heldTable->text());
    const std::optional<qint16> second = tableNumber(m_otherTable->currentText());
    if (!first || !second)
        return;
    const ResultOf<bool> swapped = TableMove::swap(m_state.DbConn, *first, *second);
    if (!swapped) {
        showError(swapped.result());
        return;
    }
    if (*swapped)
        Messages::information(
            tr("%1 号桌的客人的账单已改为  %2  号台。").arg(m_currentTable->text(), m_otherTable->currentText()));
    accept();
}
