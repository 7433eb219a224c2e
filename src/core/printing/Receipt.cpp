#include "core/printing/Receipt.h"

#include "core/base/AppState.h"

#include <QCoreApplication>

QString printableText(const QString& text)
{
    QString kept;
    for (const char32_t codePoint : text.toUcs4()) {
        const QChar::Category category = QChar::category(codePoint);
        if (category != QChar::Other_Control && category != QChar::Other_Format)
            kept += QString::fromUcs4(&codePoint, 1);
    }
    return kept;
}

QString Receipt::endPrompt() const
{
    return provisional() ? QCoreApplication::translate("Receipt", "预结时间")
                         : QCoreApplication::translate("Receipt", "结束时间");
}

QString receiptSegmentText(const ReceiptSegment& segment)
{
    const QString hhmm = QStringLiteral("HH:mm");
    return QCoreApplication::translate("Receipt", "%1-%2 %3元/小时 %4分 %5元")
        .arg(segment.start.toString(hhmm), segment.end.toString(hhmm), receiptNumber(segment.rate),
             QString::number(segment.minutes), receiptNumber(segment.amount));
}

Receipt newReceipt(const AppState& state)
{
    Receipt receipt;
    receipt.companyName = state.params.companyName;
    receipt.address = state.params.address;
    receipt.telephone = state.params.telephone;
    receipt.operatorName = state.OperatorName;
    return receipt;
}

Receipt printableReceipt(Receipt receipt)
{
    for (QString* text : {&receipt.heading, &receipt.companyName, &receipt.address, &receipt.telephone,
                          &receipt.operatorName, &receipt.cardNumber, &receipt.timeUsed})
        *text = printableText(*text);
    for (ReceiptGoods& line : receipt.goods)
        line.name = printableText(line.name);
    return receipt;
}

QString receiptNumber(double value)
{
    QString text = QString::number(value, 'f', 2);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString receiptDay(const QDateTime& moment)
{
    return moment.isValid() ? moment.toString(QStringLiteral("dd")) : QString();
}

QString receiptTime(const QDateTime& moment)
{
    return moment.isValid() ? moment.toString(QStringLiteral("HH:mm:ss")) : QString();
}
