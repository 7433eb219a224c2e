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
    Txtyjd = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
    Txtyjd->setObjectName(QStringLiteral("Txtyjd"));
    Txtyjd->setReadOnly(true);
    Txtyjd->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont big = Txtyjd->font();
    big.setPointSize(12);
    Txtyjd->setFont(big);
    Cmdprint = new QPushButton(tr("打印"), this);
    Cmdprint->setObjectName(QStringLiteral("Cmdprint"));
    Cmdclose = new QPushButton(tr("关闭"), this);
    Cmdclose->setObjectName(QStringLiteral("Cmdclose"));
    Cmdclose->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Txtyjd);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmdprint);
    buttons->addWidget(Cmdclose);
    layout->addLayout(buttons);
    resize(420, 560);

    connect(Cmdprint, &QPushButton::clicked, this, &ProvisionalBillScreen::printRequested);
    connect(Cmdclose, &QPushButton::clicked, this, &QDialog::reject);
}
