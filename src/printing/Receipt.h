#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

struct AppState;

// One goods row settled with the table, with its amount after the discount.
struct ReceiptGoods
{
    QString wlcode;
    double count = 0;
    double amount = 0;
};

// The bill of one checkout, as the board shows it once the table is settled:
// what every receipt layout prints.
struct Receipt
{
    QString companyName; // 公司名称
    QString address;     // 地址
    QString telephone;   // 电话
    QString operatorName;

    qint16 table = 0;
    QString cardNumber; // empty for a cash customer
    QDateTime start;
    QDateTime end;
    QString timeUsed; // the board's duration, such as "1:47"

    double discount = 0; // in tenths, as typed: 8 is 80 %; 0 for none
    double timeCharge = 0;
    double goodsTotal = 0;
    double grandTotal = 0;
    double deposit = 0; // paid at opening; 0 for none
    QList<ReceiptGoods> goods;

    // What the deposit leaves after the goods and the time.
    double change() const { return deposit - goodsTotal - timeCharge; }
};

// A receipt headed with the hall's name, address and telephone and the
// operator on duty; checkout fills in the rest.
Receipt newReceipt(const AppState& state);

// The text without its control and format characters (Unicode Cc and Cf,
// such as an ESC or BEL typed into a name): the receipt printer would take
// them as commands.
QString printableText(const QString& text);

// The receipt with printableText of each of its texts.
Receipt printableReceipt(Receipt receipt);

// An amount or a count as receipts print it: at most two decimals, no
// trailing zeros ("22", "15.3", "1.25").
QString receiptNumber(double value);

// The day of the month ("06") and the time of day ("20:30:00") of a moment;
// empty texts for a moment that is not set.
QString receiptDay(const QDateTime& moment);
QString receiptTime(const QDateTime& moment);
