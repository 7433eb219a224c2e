#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

struct AppState;

// One goods row settled with the table, with its amount after the discount.
struct ReceiptGoods
{
    QString name; // wlcode
    double count = 0;
    double amount = 0;
};

// One priced segment of a visit, for a bill that shows how the time was
// charged.
struct ReceiptSegment
{
    QDateTime start;
    QDateTime end;
    double rate = 0; // per hour
    int minutes = 0; // billed, after the minimum rules
    double amount = 0;
};

// The bill of one checkout, as the board shows it once the table is settled:
// what every receipt layout prints.
struct Receipt
{
    // Above everything on a bill that settles nothing; empty on a checkout's.
    QString heading;
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
    QList<ReceiptSegment> segments; // empty on a checkout's bill: its layouts leave them out

    // A provisional bill (it has a heading): its end is the moment it was
    // priced, and the deposit is shown on every layout.
    bool provisional() const { return !heading.isEmpty(); }
    // The prompt of the end moment: "结束时间", or "预结时间" for a
    // provisional bill.
    QString endPrompt() const;

    // What the deposit leaves after the goods and the time.
    double change() const { return deposit - goodsTotal - timeCharge; }
};

// A segment as every layout prints it: "18:00-18:50 15元/小时 50分 12.5元".
QString receiptSegmentText(const ReceiptSegment& segment);

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
