#include "support/TestHall.h"

#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "core/data/ShippedRows.h"

#include <QAtomicInt>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
QAtomicInt serial;
}

TestHall::TestHall()
    : m_connection(QStringLiteral("test-") + QString::number(serial.fetchAndAddRelaxed(1)))
{
    state.DbFolder = m_dir.path();
    state.DbFileName = QStringLiteral("jssfserver.mdb");
    state.DbFullName = m_dir.filePath(state.DbFileName);
    const Result result = Database::create(state.DbFullName, m_connection, &state.DbConn);
    m_valid = result.ok();
    m_error = result.message();
}

TestHall::~TestHall()
{
    state.DbConn = QSqlDatabase();
    Database::close(m_connection);
}

bool TestHall::addShippedRows()
{
    const Result result = ShippedRows::write(state.DbConn);
    m_error = result.message();
    return result.ok();
}

void TestHall::loginAs(const QString& operatorName, const QString& shiftName, const QDate& businessDate,
                       bool isSystemOperator)
{
    state.OperatorName = operatorName;
    state.ShiftName = shiftName;
    state.BusinessDate = businessDate;
    state.IsSystemOperator = isSystemOperator;
}

bool TestHall::exec(const QString& sql, const QVariantList& values)
{
    const Result result = Sql::exec(state.DbConn, sql, values);
    m_error = result.message();
    return result.ok();
}

QStringList everyRow(const QSqlDatabase& db, const QStringList& except)
{
    QStringList rows;
    const QStringList tables = db.tables();
    for (const QString& table : tables) {
        if (except.contains(table))
            continue;
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("select rowid, * from ") + table + QStringLiteral(" order by rowid")))
            return {QStringLiteral("query failed: ") + table};
        while (query.next()) {
            QStringList fields{table};
            for (int i = 0; i < query.record().count(); ++i)
                fields.append(query.value(i).toString());
            rows.append(fields.join(QLatin1Char('|')));
        }
    }
    return rows;
}
