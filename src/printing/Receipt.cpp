#include "printing/Receipt.h"

#include "base/AppState.h"

Receipt newReceipt(const AppState& state)
{
    Receipt receipt;
    receipt.companyName = state.params.companyName;
    receipt.address = state.params.address;
    receipt.telephone = state.params.telephone;
    receipt.operatorName = state.OperatorName;
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
