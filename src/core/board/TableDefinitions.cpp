#include "core/board/TableDefinitions.h"

#include "core/base/CardKey.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"
#include "core/base/VisitCondition.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlRecord>

namespace TableDefinitions {

namespace {

// Table numbers are held as 16-bit numbers by the board and card entry.
constexpr int LargestNumber = 32767;
constexpr int MinutesPerDay = 1440;

enum Box
{
    Number,
    Name,
    InUse,
    Deposit,
    BillingUnit,
    Minimum,
    PositioningCard
};

struct AddedColumn
{
    const char* name;
    const char* type;
    QVariant initial;
};

Checked refuse(int box, const QString& text)
{
    Checked checked;
    checked.refusal = Notice::critical(text);
    checked.box = box;
    return checked;
}

Checked failed(const Result& result)
{
    Checked checked;
    checked.result = result;
    return checked;
}

std::optional<int> wholeMinutes(const QString& text)
{
    const std::optional<double> value = typedNumber(text, 0);
    if (!value || *value > MinutesPerDay)
        return std::nullopt;
    return int(*value);
}

} // namespace

ResultOf<bool> upgrade(QSqlDatabase& db)
{
    const QSqlRecord present = db.record(QStringLiteral("zhdy"));
    if (present.isEmpty())
        return Result::failure(QCoreApplication::translate("TableDefinitions", "数据库中没有台位表 zhdy。"));
    const QList<AddedColumn> columns = {
        {"ktkh", "varchar(20)", QVariant()}, {"zxjffz", "smallint", 15}, {"zdxffz", "smallint", 60}};
    QList<AddedColumn> missing;
    for (const AddedColumn& column : columns) {
        if (!present.contains(QLatin1String(column.name)))
            missing.append(column);
    }
    if (missing.isEmpty())
        return false;
    const Result result = Sql::transaction(db, [&db, &missing] {
        for (const AddedColumn& column : missing) {
            const QString name = QLatin1String(column.name);
            Result step = Sql::execDefinition(db, QStringLiteral("alter table zhdy add column ") + name +
                                                      QLatin1Char(' ') + QLatin1String(column.type));
            // Tables defined before the positioning card existed have none,
            // rather than all sharing one card.
            if (step && !column.initial.isNull())
                step =
                    Sql::exec(db, QStringLiteral("update zhdy set ") + name + QStringLiteral("=?"), {column.initial});
            if (!step)
                return step;
        }
        return Result::success();
    });
    if (!result)
        return result;
    return true;
}

QString proposedNumber(const QString& current, bool listEmpty)
{
    if (listEmpty)
        return QStringLiteral("1");
    const int length = Notation::Len(current);
    if (length <= 1)
        return current;
    const double last = Notation::Val(Notation::Mid(current, length, 1));
    return Notation::Trim(Notation::Left(current, length - 1)) + Notation::Trim(Notation::Str(last + 1));
}

Checked check(const QSqlDatabase& db, const Typed& typed, std::optional<int> original)
{
    const QString numberText = Notation::Trim(typed[Number]);
    if (numberText.isEmpty())
        return refuse(Number, QCoreApplication::translate("TableDefinitions", "位号不能为空"));
    const std::optional<double> number = typedNumber(numberText, 0);
    if (!number || *number < 1 || *number > LargestNumber)
        return refuse(Number,
                      QCoreApplication::translate("TableDefinitions", "位号必须是 1 到 %1 之间的整数，“%2”不是。")
                          .arg(QString::number(LargestNumber), numberText));
    const int tableNumber = int(*number);
    const QString name = Notation::Trim(typed[Name]);
    if (name.isEmpty())
        return refuse(Name, QCoreApplication::translate("TableDefinitions", "名称不能为空"));
    const std::optional<double> inUse = typedNumber(typed[InUse], 0);
    if (!inUse || *inUse > 1)
        return refuse(InUse,
                      QCoreApplication::translate("TableDefinitions", "使用标记只能是 0（空闲）或 1（使用中）。"));
    const std::optional<double> deposit = typedNumber(typed[Deposit], 2);
    if (!deposit)
        return refuse(Deposit,
                      QCoreApplication::translate("TableDefinitions", "服务费率必须是不小于 0 的数，最多两位小数。"));
    const std::optional<int> unit = wholeMinutes(typed[BillingUnit]);
    if (!unit)
        return refuse(BillingUnit,
                      QCoreApplication::translate("TableDefinitions", "最小计费分钟必须是 0 到 %1 之间的整数。")
                          .arg(MinutesPerDay));
    const std::optional<int> minimum = wholeMinutes(typed[Minimum]);
    if (!minimum)
        return refuse(Minimum,
                      QCoreApplication::translate("TableDefinitions", "最低消费分钟必须是 0 到 %1 之间的整数。")
                          .arg(MinutesPerDay));
    const QString card = CardKey::trimmed(typed[PositioningCard]);

    // A row being renumbered is itself no duplicate: compare with the others.
    const int self = original.value_or(0);
    if (!original || *original != tableNumber) {
        const ResultOf<QVariant> taken =
            Sql::scalar(db, QStringLiteral("select mc from zhdy where zhao=?"), {tableNumber});
        if (!taken)
            return failed(taken.result());
        if (taken->isValid())
            return refuse(Number, QCoreApplication::translate("TableDefinitions", "位号 %1 已经是台位“%2”，不能重复。")
                                      .arg(QString::number(tableNumber), Notation::Trim(taken->toString())));
    }
    const int held = original.value_or(tableNumber);
    const ResultOf<QVariant> openCount = Sql::scalar(
        db, QStringLiteral("select count(*) from waimxd where zhao=? and ") + VisitCondition::open(), {held});
    if (!openCount)
        return failed(openCount.result());
    const bool open = openCount->toInt() > 0;
    if (open && held != tableNumber)
        return refuse(
            Number,
            QCoreApplication::translate("TableDefinitions", "%1 号台正在使用，不能改位号，请结帐后再改。").arg(held));
    // The board, the transfer panel and the hand-over's deposits all trust
    // the mark, so it may only say what the visits say.
    if (open != (*inUse == 1))
        return refuse(InUse, open ? QCoreApplication::translate("TableDefinitions",
                                                                "%1 号台有未结账的开台，使用标记只能是 1（使用中）。")
                                        .arg(held)
                                  : QCoreApplication::translate("TableDefinitions",
                                                                "%1 号台没有未结账的开台，使用标记只能是 0（空闲）。")
                                        .arg(held));
    if (!card.isEmpty()) {
        const ResultOf<QVariant> member = Sql::scalar(
            db, QStringLiteral("select khao from user_lb where ") + CardKey::matches(QStringLiteral("khao")), {card});
        if (!member)
            return failed(member.result());
        if (member->isValid())
            return refuse(PositioningCard,
                          QCoreApplication::translate("TableDefinitions", "开台结帐卡号 %1 是会员卡号，不能作开台卡。")
                              .arg(member->toString()));
        const ResultOf<QVariant> other = Sql::scalar(
            db, QStringLiteral("select zhao from zhdy where ktkh=? and zhao<>? order by zhao"), {card, self});
        if (!other)
            return failed(other.result());
        if (other->isValid())
            return refuse(PositioningCard,
                          QCoreApplication::translate("TableDefinitions", "开台结帐卡号 %1 已用于 %2 号台。")
                              .arg(card, QString::number(other->toInt())));
    }

    Checked checked;
    checked.values = {tableNumber,
                      name,
                      int(*inUse),
                      *deposit,
                      *unit,
                      *minimum,
                      card.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(card)};
    return checked;
}

Removal remove(QSqlDatabase& db, int tableNumber)
{
    Removal removal;
    removal.result = Sql::transaction(db, [&db, &removal, tableNumber] {
        const ResultOf<QVariant> open =
            Sql::scalar(db, QStringLiteral("select count(*) from waimxd where zhao=? and ") + VisitCondition::open(),
                        {tableNumber});
        if (!open)
            return open.result();
        if (open->toInt() > 0) {
            removal.refusal = Notice::exclamation(
                QCoreApplication::translate("TableDefinitions", "%1 号台正在使用，不能删除，请先结帐。")
                    .arg(tableNumber));
            return Result::success();
        }
        return Sql::exec(db, QStringLiteral("delete from zhdy where zhao=?"), {tableNumber});
    });
    return removal;
}

} // namespace TableDefinitions

TableDefinitionsModel::TableDefinitionsModel(QObject* parent, const QSqlDatabase& db)
    : QSqlTableModel(parent, db)
{
    setTable(QStringLiteral("zhdy"));
    QSqlIndex key(QString(), QStringLiteral("zhao"));
    key.append(record().field(QStringLiteral("zhao")));
    setPrimaryKey(key);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    setSort(fieldIndex(QStringLiteral("zhao")), Qt::AscendingOrder);
}

QString TableDefinitionsModel::numberAt(int row) const
{
    return data(index(row, column("zhao"))).toString();
}

int TableDefinitionsModel::rowOfNumber(const QString& number) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (numberAt(row) == number)
            return row;
    }
    return -1;
}

std::optional<TableDefinitions::Typed> TableDefinitionsModel::appendRow(int current)
{
    const bool empty = rowCount() == 0;
    const QString number = empty ? QString() : numberAt(current);
    const QString proposal = TableDefinitions::proposedNumber(number, empty);
    const QString unit = empty ? QStringLiteral("0") : data(index(current, column("zxjffz"))).toString();
    const QString minimum = empty ? QStringLiteral("0") : data(index(current, column("zdxffz"))).toString();
    if (!insertRow(rowCount()))
        return std::nullopt;
    return TableDefinitions::Typed{proposal, QString(), QStringLiteral("0"), QStringLiteral("0"), unit,
                                   minimum,  QString()};
}

TableDefinitions::Checked TableDefinitionsModel::save(int row, const TableDefinitions::Typed& typed,
                                                      std::optional<int> original)
{
    TableDefinitions::Checked checked = TableDefinitions::check(database(), typed, original);
    if (!checked.accepted())
        return checked;
    for (int i = 0; i < checked.values.size(); ++i)
        setData(index(row, column(TableDefinitions::Columns[std::size_t(i)])), checked.values.at(i));
    if (!submitAll())
        checked.result = Result::fromSqlError(lastError());
    return checked;
}
