#include "ui/board/ProvisionalBillScreen.h"

#include "core/base/Clock.h"
#include "core/printing/ReceiptLines.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ProvisionalBillScreen::ProvisionalBillScreen(const Receipt& receipt, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ProvisionalBillScreen"));
    setWindowTitle(receipt.heading);
    QStringList lines = receiptLines(printableReceipt(receipt), Clock::now());
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    m_bill = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
    m_bill->setObjectName(QStringLiteral("bill"));
    m_bill->setReadOnly(true);
    m_bill->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont big = m_bill->font();
    big.setPointSize(12);
    m_bill->setFont(big);
    m_printButton = new QPushButton(tr("打印"), this);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    m_closeButton = new QPushButton(tr("关闭"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bill);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_closeButton);
    layout->addLayout(buttons);
    resize(420, 560);

    connect(m_printButton, &QPushButton::clicked, this, &ProvisionalBillScreen::printRequested);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}
