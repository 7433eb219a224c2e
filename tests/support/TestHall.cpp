#include "support/TestHall.h"

#include "core/base/Database.h"
#include "core/base/Schema.h"
#include "core/base/Sql.h"
#include "core/base/SqlDialect.h"
#include "core/data/ShippedRows.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdio>
#include <cstdlib>

namespace {

QAtomicInt serial;

// The code CTest reads as a skipped test.
constexpr int SkippedWithoutServer = 77;

// A test run meant for the server, where none was started, is skipped
// rather than run on a file a second time.
bool serverWanted()
{
    if (qEnvironmentVariable("TAVORO_TEST_STORE") != QLatin1String("server"))
        return false;
    if (qEnvironmentVariableIsEmpty("TAVORO_TEST_PGHOST")) {
        std::fputs("No test server: TAVORO_TEST_PGHOST is not set (scripts/test starts one).\n", stderr);
        std::exit(SkippedWithoutServer);
    }
    return true;
}

QSqlDatabase serverConnection(const QString& name, const QString& database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(qEnvironmentVariable("TAVORO_TEST_PGHOST"));
    db.setUserName(QStringLiteral("tavoro"));
    db.setDatabaseName(database);
    db.open();
    return db;
}

Result onAdmin(const QString& statement)
{
    const QString name = QStringLiteral("test-admin");
    Result result = Result::success();
    {
        const QSqlDatabase admin = serverConnection(name, QStringLiteral("postgres"));
        result = admin.isOpen() ? Sql::execDefinition(admin, statement) : Result::fromSqlError(admin.lastError());
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// A field as rows() writes it.
QString fieldText(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() != QMetaType::Double)
        return value.toString();
    // SQLite's own "%!.15g": a whole number keeps its ".0".
    QString text = QString::number(value.toDouble(), 'g', 15);
    const qsizetype exponent = text.indexOf(QLatin1Char('e'));
    const QString mantissa = exponent < 0 ? text : text.left(exponent);
    if (!mantissa.contains(QLatin1Char('.')) && !mantissa.contains(QLatin1String("inf")) &&
        !mantissa.contains(QLatin1String("nan")))
        text.insert(exponent < 0 ? text.size() : exponent, QStringLiteral(".0"));
    return text;
}

} // namespace

TestHall::TestHall(Store store)
    : m_connection(QStringLiteral("test-") + QString::number(serial.fetchAndAddRelaxed(1)))
{
    state.DbFolder = m_dir.path();
    state.DbFileName = QStringLiteral("jssfserver.mdb");
    state.DbFullName = m_dir.filePath(state.DbFileName);
    Result result = Result::success();
    if (store == Store::Server || serverWanted()) {
        m_serverDatabase = QStringLiteral("hall_%1_%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(m_connection.section(QLatin1Char('-'), 1));
        result = onAdmin(QStringLiteral("create database %1 template template0 encoding 'UTF8' lc_collate 'C' "
                                        "lc_ctype 'C'")
                             .arg(m_serverDatabase));
        if (result) {
            state.DbConn = serverConnection(m_connection, m_serverDatabase);
            result =
                state.DbConn.isOpen() ? Schema::create(state.DbConn) : Result::fromSqlError(state.DbConn.lastError());
        }
    } else {
        result = Database::create(state.DbFullName, m_connection, &state.DbConn);
    }
    m_valid = result.ok();
    m_error = result.message();
}

TestHall::~TestHall()
{
    state.DbConn = QSqlDatabase();
    Database::close(m_connection);
    if (!m_serverDatabase.isEmpty())
        (void)onAdmin(QStringLiteral("drop database if exists %1 with (force)").arg(m_serverDatabase));
}

QString TestHall::place() const
{
    if (m_serverDatabase.isEmpty())
        return state.DbFullName;
    return QStringLiteral("postgresql:///%1?host=%2&user=tavoro")
        .arg(m_serverDatabase, qEnvironmentVariable("TAVORO_TEST_PGHOST"));
}

bool TestHall::onServer()
{
    return serverWanted();
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

bool TestHall::attachLights(const QString& device)
{
    state.params.lightControl = true;
    return exec(QStringLiteral("update stcs set valuenr=? where lx='dk' and sm='串口号设置'"), {device});
}

bool TestHall::exec(const QString& sql, const QVariantList& values)
{
    // A server prepares only statements that read or write rows; one
    // without values runs as it stands on either store.
    Result result = values.isEmpty() ? Sql::execDefinition(state.DbConn, sql) : Sql::exec(state.DbConn, sql, values);
    // A server's identity does not move past a key a test wrote itself, as
    // SQLite's does; move it, or the program's next row would take that key.
    static const QRegularExpression keyedInsert(QStringLiteral("^insert into (\\w+)\\s*\\(id\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch keyed = keyedInsert.match(sql.trimmed());
    if (result && !m_serverDatabase.isEmpty() && keyed.hasMatch()) {
        const QString table = keyed.captured(1);
        result =
            Sql::exec(state.DbConn,
                      QStringLiteral("select setval(pg_get_serial_sequence('%1', 'id'), max(id)) from %1").arg(table));
    }
    m_error = result.message();
    return result.ok();
}

QStringList TestHall::rows(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(state.DbConn);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, sql, values);
    m_error = result.message();
    if (!result)
        return {QStringLiteral("query failed: ") + result.message()};
    QStringList found;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields.append(fieldText(query.value(i)));
        found.append(fields.join(QLatin1Char('|')));
    }
    return found;
}

bool TestHall::refuse(const QString& name, const QString& event, const QString& message, const QString& when)
{
    QString quoted = message;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (SqlDialect::of(state.DbConn) == SqlDialect::Store::File)
        return exec(QStringLiteral("create trigger %1 %2 %3 begin select raise(abort, '%4'); end")
                        .arg(name, event, when.isEmpty() ? QString() : QStringLiteral("when ") + when, quoted));
    return exec(QStringLiteral("create function refuse_%1() returns trigger language plpgsql as "
                               "$$ begin raise exception '%2'; end $$")
                    .arg(name, quoted)) &&
           exec(QStringLiteral("create trigger %1 %2 for each row %3 execute function refuse_%1()")
                    .arg(name, event, when.isEmpty() ? QString() : QStringLiteral("when (") + when + QLatin1Char(')')));
}

bool TestHall::allow(const QString& name)
{
    if (SqlDialect::of(state.DbConn) == SqlDialect::Store::File)
        return exec(QStringLiteral("drop trigger ") + name);
    return exec(QStringLiteral("drop function refuse_%1() cascade").arg(name));
}

bool TestHall::dropTable(const QString& table)
{
    if (SqlDialect::of(state.DbConn) == SqlDialect::Store::File)
        return exec(QStringLiteral("drop table ") + table);
    return exec(QStringLiteral("drop table %1 cascade").arg(table));
}

QStringList everyRow(const QSqlDatabase& db, const QStringList& except)
{
    QStringList rows;
    const QStringList tables = db.tables();
    for (const QString& table : tables) {
        if (except.contains(table))
            continue;
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("select * from ") + table))
            return {QStringLiteral("query failed: ") + table};
        QStringList tableRows;
        while (query.next()) {
            QStringList fields{table};
            for (int i = 0; i < query.record().count(); ++i)
                fields.append(query.value(i).toString());
            tableRows.append(fields.join(QLatin1Char('|')));
        }
        tableRows.sort();
        rows.append(tableRows);
    }
    return rows;
}
