#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"
#include "core/base/ShownText.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// A goods document row: a purchase in ckv_sr or a sale in ckv_zc. A sale is
// sold over the counter, booked in srmx and settled at once, or sold to a
// table with an open visit and left for that table's checkout to settle.
// A settled sale is never changed or deleted here: its money has moved.
namespace GoodsDocument {

enum class Kind
{
    Purchase,
    Sale
};

QString tableOf(Kind kind);

// The boxes of a document in the order they stand, each with its column:
// the number dj_id, rc, wlcode, count, price, amount, the handler jsr, the
// preparer czyname, the remark abs and the payment way fkfs.
enum Box
{
    Number,
    Date,
    Goods,
    Count,
    Price,
    Amount,
    Handler,
    Preparer,
    Remark,
    Payment
};

// The boxes as typed, in the order of Box from the date on; and the chosen
// table, empty for a counter sale.
struct Typed
{
    QString date, goods, count, price, amount, handler, preparer, remark, payment, table;
};

// Who books a counter sale's money, and on which business day.
struct Booking
{
    QDate businessDate;
    QString operatorName;
    // The operator answered Yes to the question on a date far from the
    // business day.
    bool farDateConfirmed = false;
};

// How far before the business day a document's date may lie without a
// question; any day after it asks.
inline constexpr int DaysBackWithoutQuestion = 30;

// Whether a document dated `date` is to be confirmed first: a slip of the
// year or month would put it into a stock period nobody looks at.
bool isFarDate(const QDate& date, const QDate& businessDate);

struct Saved
{
    Result result = Result::success();
    // A refusal and the box to correct (-1: none); nothing has been written.
    Notice refusal;
    int box = -1;
    // The date is far from the business day and not confirmed: nothing has
    // been written; the question to ask before saving again with
    // Booking::farDateConfirmed.
    QString dateQuestion;
    qint64 id = 0; // the row written

    bool done() const { return result && refusal.isEmpty() && dateQuestion.isEmpty(); }
};

// The rows the documents screen browses, oldest first.
QString listing(Kind kind);

// The tables with an open visit, in table order, that a sale may go to.
ResultOf<QStringList> openTables(const QSqlDatabase& db);

// Quantity × price rounded to cents, when both boxes hold numbers.
std::optional<double> amountOf(const QString& count, const QString& price);

// The amount as the amount box shows it: a plain decimal number.
QString amountText(double amount);

// Checks the typed row and writes it, as a new document (editedId 0, numbered
// when written) or over the row editedId, in one transaction. Quantities and
// prices are plain unsigned numbers: a return is not a negative sale; the
// quantity is above 0, the price and the amount at most LargestAmount. A sale
// to a table takes that table's open visit, checked in the transaction; a
// counter sale writes its srmx row and its settled row together. A sale that
// became settled since it was read is refused.
Saved save(QSqlDatabase& db, Kind kind, const Typed& typed, qint64 editedId, const Booking& booking);

// Whether the row is a settled sale, which can be neither edited nor deleted.
ResultOf<bool> isSettled(const QSqlDatabase& db, Kind kind, qint64 id);

// The refusals on a settled sale.
inline constexpr ShownText SettledNoEdit = {"GoodsDocument",
                                            QT_TRANSLATE_NOOP("GoodsDocument", "当前数据已结帐不能修改！")};
inline constexpr ShownText SettledNoDelete = {"GoodsDocument",
                                              QT_TRANSLATE_NOOP("GoodsDocument", "当前数据已结帐不能删除！")};

// Deletes the row unless it is a settled sale: whether it was refused as one.
ResultOf<bool> remove(const QSqlDatabase& db, Kind kind, qint64 id);

} // namespace GoodsDocument
