#include "core/base/ServerCopy.h"

#include "core/base/Notation.h"
#include "core/base/Schema.h"
#include "core/base/Sql.h"

#include <QCoreApplication>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ServerCopy {

namespace {

// The server's tables of the hall; its own rowid column is not the file's.
QStringList columnsOf(const QSqlDatabase& db, const QString& table)
{
    const QSqlRecord record = db.record(table);
    QStringList columns;
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i) != QLatin1String("rowid"))
            columns.append(record.fieldName(i));
    }
    return columns;
}

Result copyRows(const QSqlDatabase& file, const QSqlDatabase& server, const QString& table, const QStringList& columns)
{
    // Rows held in memory at a time: a long history is read in parts.
    constexpr qsizetype RowsAtATime = 10000;
    QSqlQuery source(file);
    source.setForwardOnly(true);
    // The server numbers its rowid in the order rows arrive, so the lists
    // ordered by it keep the file's order.
    if (Result read = Sql::exec(
            source, QStringLiteral("select %1 from %2 order by rowid").arg(columns.join(QStringLiteral(", ")), table));
        !read)
        return read;
    qint64 written = 0;
    QList<QVariantList> rows;
    const auto writeRows = [&]() -> Result {
        if (Result inserted = Sql::insertRows(server, table, columns, rows); !inserted)
            return Result::failure(
                QCoreApplication::translate("ServerCopy", "表 %1 的第 %2 至 %3 行中有无法写入服务器的行：%4")
                    .arg(table)
                    .arg(written + 1)
                    .arg(written + rows.size())
                    .arg(inserted.message()));
        written += rows.size();
        rows.clear();
        return Result::success();
    };
    while (source.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row.append(source.value(i));
        rows.append(row);
        if (rows.size() == RowsAtATime) {
            if (Result part = writeRows(); !part)
                return part;
        }
    }
    if (source.lastError().isValid())
        return Result::fromSqlError(source.lastError());
    return writeRows();
}

// The file's AUTOINCREMENT never gives a key twice, even one whose row was
// deleted; the server's identity continues after the same number.
Result moveIdentities(const QSqlDatabase& file, const QSqlDatabase& server)
{
    QSqlQuery keys(server);
    if (Result read = Sql::exec(keys, QStringLiteral("select table_name, column_name from information_schema.columns "
                                                     "where table_schema = current_schema() and is_identity = 'YES' "
                                                     "and column_name <> 'rowid'"));
        !read)
        return read;
    while (keys.next()) {
        const QString table = keys.value(0).toString();
        const QString column = keys.value(1).toString();
        const ResultOf<QVariant> highest =
            Sql::scalar(server, QStringLiteral("select max(%1) from %2").arg(column, table));
        if (!highest)
            return highest.result();
        qint64 last = highest->toLongLong();
        if (file.tables().contains(QStringLiteral("sqlite_sequence"))) {
            const ResultOf<QVariant> given =
                Sql::scalar(file, QStringLiteral("select seq from sqlite_sequence where name = ?"), {table});
            if (!given)
                return given.result();
            last = std::max(last, given->toLongLong());
        }
        if (last <= 0)
            continue;
        if (Result moved = Sql::exec(server, QStringLiteral("select setval(pg_get_serial_sequence(?, ?), ?)"),
                                     {table, column, last});
            !moved)
            return moved;
    }
    return Result::success();
}

ResultOf<QVariant> figure(const QSqlDatabase& db, const QString& expression, const QString& table)
{
    return Sql::scalar(db, QStringLiteral("select %1 from %2").arg(expression, table));
}

// Each table's rows and the sum of each number column, to the cent, as the
// file and the server each count them.
Result compare(const QSqlDatabase& file, const QSqlDatabase& server, const QString& table, qint64* rows)
{
    const ResultOf<QVariant> here = figure(file, QStringLiteral("count(*)"), table);
    const ResultOf<QVariant> there = figure(server, QStringLiteral("count(*)"), table);
    if (!here || !there)
        return !here ? here.result() : there.result();
    if (here->toLongLong() != there->toLongLong())
        return Result::failure(
            QCoreApplication::translate("ServerCopy", "表 %1 的行数不一致：文件中 %2 行，服务器上 %3 行")
                .arg(table)
                .arg(here->toLongLong())
                .arg(there->toLongLong()));
    *rows = there->toLongLong();
    const QSqlRecord record = server.record(table);
    for (int i = 0; i < record.count(); ++i) {
        if (record.field(i).metaType().id() != QMetaType::Double)
            continue;
        const QString sum = QStringLiteral("sum(%1)").arg(record.fieldName(i));
        const ResultOf<QVariant> fileSum = figure(file, sum, table);
        const ResultOf<QVariant> serverSum = figure(server, sum, table);
        if (!fileSum || !serverSum)
            return !fileSum ? fileSum.result() : serverSum.result();
        const double a = Notation::roundHalfEven(fileSum->toDouble(), 2);
        const double b = Notation::roundHalfEven(serverSum->toDouble(), 2);
        if (a != b)
            return Result::failure(
                QCoreApplication::translate("ServerCopy", "表 %1 的 %2 合计不一致：文件中 %3，服务器上 %4")
                    .arg(table, record.fieldName(i))
                    .arg(a, 0, 'f', 2)
                    .arg(b, 0, 'f', 2));
    }
    return Result::success();
}

} // namespace

ResultOf<Copy> copy(const QSqlDatabase& file, QSqlDatabase& server)
{
    Copy done;
    const Result result = Sql::transaction(server, [&] {
        if (Result made = Schema::createOnServer(server); !made)
            return made;
        QStringList fileTables = file.tables(QSql::Tables);
        fileTables.removeIf([](const QString& table) { return table.startsWith(QLatin1String("sqlite_")); });
        const QStringList serverTables = server.tables(QSql::Tables);
        for (const QString& table : std::as_const(fileTables)) {
            if (!serverTables.contains(table, Qt::CaseInsensitive)) {
                done.leftBehind.append(table);
                continue;
            }
            const QStringList known = columnsOf(server, table);
            const QSqlRecord record = file.record(table);
            QStringList columns;
            for (int i = 0; i < record.count(); ++i) {
                if (!known.contains(record.fieldName(i), Qt::CaseInsensitive))
                    return Result::failure(
                        QCoreApplication::translate("ServerCopy", "文件中表 %1 的列 %2 在服务器上没有")
                            .arg(table, record.fieldName(i)));
                columns.append(record.fieldName(i));
            }
            if (Result copied = copyRows(file, server, table, columns); !copied)
                return copied;
        }
        if (Result moved = moveIdentities(file, server); !moved)
            return moved;
        // The planner knows nothing of rows loaded in bulk until the server
        // gets round to counting them: the first nights on the server would
        // read the history as if it were empty. Only the hall's own tables:
        // the hall's owner may not count the server's, and is warned for each.
        if (Result counted =
                Sql::execDefinition(server, QStringLiteral("analyze ") + serverTables.join(QStringLiteral(", ")));
            !counted)
            return counted;
        QStringList tables = serverTables;
        tables.sort();
        for (const QString& table : std::as_const(tables)) {
            CopiedTable copied{table, 0};
            if (fileTables.contains(table, Qt::CaseInsensitive)) {
                if (Result same = compare(file, server, table, &copied.rows); !same)
                    return same;
            }
            done.tables.append(copied);
        }
        return Result::success();
    });
    if (!result)
        return result;
    return done;
}

} // namespace ServerCopy
