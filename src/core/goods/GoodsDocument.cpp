#include "core/goods/GoodsDocument.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TableNews.h"
#include "core/base/TypedNumber.h"
#include "core/base/VisitCondition.h"
#include "core/goods/DocumentNumber.h"
#include "core/goods/GoodsLookup.h"
#include "core/members/RechargeRecord.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace GoodsDocument {

namespace {

constexpr int CountDecimals = 3;
constexpr int PriceDecimals = 4;
constexpr int AmountDecimals = 2;

const QString CounterItem = QStringLiteral("商品现金");
const QString CounterCard = QStringLiteral("0000");

// The checked values of a row, ready to be bound.
struct Row
{
    QString date;
    QVariant count, price, amount;
    // zhao, hyid and dzbj: the table, its visit and the reconciliation mark.
    QVariant table, visit, reconcileMark;
    // fkfs and jzbj: the payment way, and whether the sale is settled.
    QString payment;
    bool settled = false;
};

// An empty box is stored as null; anything else must be a number.
bool readNumber(const QString& text, int decimals, QVariant* value)
{
    if (text.trimmed().isEmpty()) {
        *value = QVariant(QMetaType(QMetaType::Double));
        return true;
    }
    const std::optional<double> number = typedNumber(text, decimals);
    if (number)
        *value = Notation::roundHalfEven(*number, decimals);
    return number.has_value();
}

Saved refused(const QString& text, int box = -1)
{
    Saved saved;
    saved.refusal = Notice::critical(text);
    saved.box = box;
    return saved;
}

Saved aboveLargest(const QString& what, int box)
{
    return refused(QCoreApplication::translate("GoodsDocument", "%1 不能超过 %2，请重新输入，再保存")
                       .arg(what, QString::number(LargestAmount, 'f', 0)),
                   box);
}

// The checks of "Save" in order; the first that fails is the refusal.
Saved check(const Typed& typed, const Booking& booking, Row* row)
{
    if (typed.goods.trimmed().isEmpty())
        return refused(QCoreApplication::translate("GoodsDocument", "商品不能为空，请输入，再保存"), Goods);
    // A document without a date would fall out of every stock period.
    const std::optional<QDate> date = DateText::parseDate(typed.date.trimmed());
    if (!date)
        return refused(QCoreApplication::translate("GoodsDocument", "日期格式错误，请重新输入，再保存"), Date);
    row->date = DateText::date(*date);
    if (!readNumber(typed.count, CountDecimals, &row->count))
        return refused(QCoreApplication::translate("GoodsDocument", "数量 请输入数字，请重新输入，再保存"), Count);
    // Nothing moves in or out with a quantity of 0, yet its amount would.
    if (row->count.isNull() || row->count.toDouble() <= 0)
        return refused(QCoreApplication::translate("GoodsDocument", "数量 请输入大于 0 的数字，请重新输入，再保存"),
                       Count);
    if (!readNumber(typed.price, PriceDecimals, &row->price))
        return refused(QCoreApplication::translate("GoodsDocument", "单价 请输入数字，请重新输入，再保存"), Price);
    if (row->price.toDouble() > LargestAmount)
        return aboveLargest(QCoreApplication::translate("GoodsDocument", "单价"), Price);
    if (!readNumber(typed.amount, AmountDecimals, &row->amount))
        return refused(QCoreApplication::translate("GoodsDocument", "金额 请输入数字，请重新输入，再保存"), Amount);
    if (row->amount.toDouble() > LargestAmount)
        return aboveLargest(QCoreApplication::translate("GoodsDocument", "金额"), Amount);
    if (!booking.farDateConfirmed && isFarDate(*date, booking.businessDate)) {
        Saved ask;
        ask.dateQuestion =
            QCoreApplication::translate("GoodsDocument", "单据日期 %1 与营业日期 %2 相差较远，确实按这个日期保存吗？")
                .arg(row->date, DateText::date(booking.businessDate));
        ask.box = Date;
        return ask;
    }
    return {};
}

// The sale's table and settlement, decided inside the transaction: the
// table's visit may have been settled since the screen listed it.
Saved bookSale(const QSqlDatabase& db, const Typed& typed, const Booking& booking, Row* row)
{
    const QString table = typed.table.trimmed();
    if (table.isEmpty()) {
        row->payment = typed.payment.isEmpty() ? QStringLiteral("现金") : typed.payment;
        row->settled = true;
        row->reconcileMark = QStringLiteral("1");
        Saved saved;
        saved.result = RechargeRecord::write(
            db, {booking.businessDate, booking.operatorName, row->amount.toDouble(), 0, CounterItem, CounterCard});
        return saved;
    }
    Saved saved;
    bool isNumber = false;
    const int number = table.toInt(&isNumber);
    // A checkout of the table at another counter waits for the sale, or the
    // sale for it: the goods are on the bill or refused, never left behind.
    if (isNumber) {
        if (const ResultOf<bool> held = Sql::holdRow(db, QStringLiteral("zhdy"), QStringLiteral("zhao"), number);
            !held) {
            saved.result = held.result();
            return saved;
        }
    }
    const ResultOf<QVariant> visit =
        isNumber ? Sql::scalar(db,
                               QStringLiteral("select id from waimxd where zhao=? and %1 order by id limit 1")
                                   .arg(VisitCondition::open()),
                               {number})
                 : ResultOf<QVariant>(QVariant());
    if (!visit) {
        saved.result = visit.result();
        return saved;
    }
    if (visit->isNull())
        return refused(
            QCoreApplication::translate("GoodsDocument", "%1 号台已结账或未开台，不能记入该台！").arg(table));
    row->table = QString::number(number);
    row->visit = visit->toString();
    row->payment = QStringLiteral("刷卡");
    saved.result = TableNews::tell(db, qint16(number));
    return saved;
}

// Writes the checked row: the id of the row written.
ResultOf<qint64> write(const QSqlDatabase& db, Kind kind, const Typed& typed, const Row& row, qint64 editedId)
{
    const QString table = tableOf(kind);
    QVariantList values = {row.date,      typed.goods,
                           row.count,     row.price,
                           row.amount,    typed.preparer,
                           typed.handler, kind == Kind::Sale ? QVariant(row.payment) : QVariant(typed.payment),
                           typed.remark};
    QString columns = QStringLiteral("rc=?, wlcode=?, count=?, price=?, amount=?, czyname=?, jsr=?, fkfs=?, abs=?");
    if (kind == Kind::Sale) {
        // The list price of the moment: the catalogue's may change later,
        // and a sale below it is a reduction the hall gave.
        const ResultOf<std::optional<GoodsLookup::Goods>> listed = GoodsLookup::find(db, typed.goods);
        if (!listed)
            return listed.result();
        const bool named = *listed && (*listed)->name == typed.goods;
        values << row.table << row.visit << int(row.settled) << row.reconcileMark
               << (named ? QVariant((*listed)->price) : QVariant(QMetaType(QMetaType::Double)));
        columns += QStringLiteral(", zhao=?, hyid=?, jzbj=?, dzbj=?, spdj=?");
    }
    if (editedId != 0) {
        const Result updated = Sql::exec(
            db, QStringLiteral("update ") + table + QStringLiteral(" set ") + columns + QStringLiteral(" where id=?"),
            values << editedId);
        if (!updated)
            return updated;
        return editedId;
    }
    const ResultOf<qint64> number = DocumentNumber::next(db, table);
    if (!number)
        return number.result();
    QSqlQuery insert(db);
    const QString names = QString(columns).remove(QStringLiteral("=?"));
    QString marks = QStringLiteral("?");
    for (qsizetype i = 0; i < values.size(); ++i)
        marks += QStringLiteral(", ?");
    const Result result = Sql::exec(insert,
                                    QStringLiteral("insert into ") + table + QStringLiteral(" (dj_id, ") + names +
                                        QStringLiteral(") values (") + marks + QStringLiteral(")"),
                                    QVariantList{*number} + values);
    if (!result)
        return result;
    return insert.lastInsertId().toLongLong();
}

} // namespace

bool isFarDate(const QDate& date, const QDate& businessDate)
{
    return date > businessDate || date < businessDate.addDays(-DaysBackWithoutQuestion);
}

QString tableOf(Kind kind)
{
    return kind == Kind::Sale ? QStringLiteral("ckv_zc") : QStringLiteral("ckv_sr");
}

QString listing(Kind kind)
{
    return QStringLiteral("select * from ") + tableOf(kind) + QStringLiteral(" order by id");
}

ResultOf<QStringList> openTables(const QSqlDatabase& db)
{
    return Sql::texts(
        db, QStringLiteral("select distinct zhao from waimxd where %1 order by zhao").arg(VisitCondition::open()));
}

std::optional<double> amountOf(const QString& count, const QString& price)
{
    const std::optional<double> quantity = typedNumber(count, CountDecimals);
    const std::optional<double> unitPrice = typedNumber(price, PriceDecimals);
    if (!quantity || !unitPrice)
        return std::nullopt;
    return Notation::roundHalfEven(*quantity * *unitPrice, AmountDecimals);
}

QString amountText(double amount)
{
    return QString::number(amount, 'f', AmountDecimals).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

Saved save(QSqlDatabase& db, Kind kind, const Typed& typed, qint64 editedId, const Booking& booking)
{
    Row row;
    Saved saved = check(typed, booking, &row);
    if (!saved.done())
        return saved;
    // Two counters numbering a document at once must not both take the
    // same number.
    const auto saveRow = [&]() -> Result {
        if (kind == Kind::Sale) {
            bool settled = false;
            if (editedId != 0) {
                const ResultOf<bool> read = isSettled(db, kind, editedId);
                if (!read)
                    return read.result();
                settled = *read;
            }
            if (settled) {
                saved.refusal = Notice::critical(SettledNoEdit);
                return Result::failure(saved.refusal.text);
            }
            const Saved booked = bookSale(db, typed, booking, &row);
            if (!booked.done()) {
                saved.refusal = booked.refusal;
                return booked.result ? Result::failure(booked.refusal.text) : booked.result;
            }
        }
        const ResultOf<qint64> written = write(db, kind, typed, row, editedId);
        if (!written)
            return written.result();
        saved.id = *written;
        return Result::success();
    };
    saved.result = Sql::transaction(db, saveRow, Sql::Isolation::Serializable);
    // A refusal rolled the transaction back; it is told, not an error.
    if (!saved.refusal.isEmpty())
        saved.result = Result::success();
    return saved;
}

ResultOf<bool> isSettled(const QSqlDatabase& db, Kind kind, qint64 id)
{
    if (kind != Kind::Sale)
        return false;
    const ResultOf<QVariant> settled = Sql::scalar(db, QStringLiteral("select jzbj from ckv_zc where id=?"), {id});
    if (!settled)
        return settled.result();
    return settled->toInt() != 0;
}

ResultOf<bool> remove(const QSqlDatabase& db, Kind kind, qint64 id)
{
    QSqlQuery query(db);
    // The condition keeps a sale settled by another counter meanwhile.
    const Result result = kind == Kind::Sale
                              ? Sql::exec(query, QStringLiteral("delete from ckv_zc where id=? and jzbj=0"), {id})
                              : Sql::exec(query, QStringLiteral("delete from ckv_sr where id=?"), {id});
    if (!result)
        return result;
    if (kind == Kind::Sale && query.numRowsAffected() == 0)
        return isSettled(db, kind, id);
    return false;
}

} // namespace GoodsDocument
