#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "core/data/ShippedRows.h"
#include "support/TestHall.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlRecord>
#include <QTest>

#include <memory>

// The schema and the shipped rows on a PostgreSQL server, beside the same on
// a file. The server is the throwaway one scripts/test starts; its socket
// folder comes in TAVORO_TEST_PGHOST.
class ServerSchemaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sameTablesAsTheFile();
    void sameShippedRowsAsTheFile();
    void moneyAndDefaultsKeepTheirMeaning_data();
    void moneyAndDefaultsKeepTheirMeaning();
    void openingRefuses_data();
    void openingRefuses();
    void lostConnectionIsMended();

private:
    std::unique_ptr<TestHall> m_hall;
    QSqlDatabase m_server;
    QString m_database;
};

namespace {

// The hall's own tables, without SQLite's bookkeeping of its keys.
QStringList hallTables(const QSqlDatabase& db)
{
    QStringList tables = db.tables(QSql::Tables);
    tables.removeIf([](const QString& table) { return table.startsWith(QLatin1String("sqlite_")); });
    return tables;
}

// Each table's columns by name, and the views; the server's own rowid, which
// SQLite keeps out of sight, left out.
QStringList shape(const QSqlDatabase& db)
{
    QStringList shape;
    for (const QString& table : hallTables(db)) {
        const QSqlRecord record = db.record(table);
        QStringList columns;
        for (int i = 0; i < record.count(); ++i) {
            if (record.fieldName(i) != QLatin1String("rowid"))
                columns.append(record.fieldName(i));
        }
        shape.append(table + QLatin1Char('(') + columns.join(QLatin1Char(',')) + QLatin1Char(')'));
    }
    for (const QString& view : db.tables(QSql::Views))
        shape.append(view);
    shape.sort();
    return shape;
}

} // namespace

void ServerSchemaTest::init()
{
    if (qEnvironmentVariableIsEmpty("TAVORO_TEST_PGHOST"))
        QSKIP("no PostgreSQL server: scripts/test starts one");
    m_hall = std::make_unique<TestHall>(TestHall::Store::Server);
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_server = m_hall->db();
    m_database = m_hall->serverDatabase();
}

void ServerSchemaTest::cleanup()
{
    m_server = QSqlDatabase();
    m_hall.reset();
}

void ServerSchemaTest::sameTablesAsTheFile()
{
    TestHall file;
    QVERIFY2(file.isValid(), qPrintable(file.error()));
    QCOMPARE(shape(m_server), shape(file.db()));
}

void ServerSchemaTest::sameShippedRowsAsTheFile()
{
    TestHall file;
    QVERIFY2(file.isValid() && file.addShippedRows(), qPrintable(file.error()));
    const Result shipped = ShippedRows::write(m_server);
    QVERIFY2(shipped, qPrintable(shipped.message()));
    for (const QString& table : hallTables(file.db())) {
        const QString rows = QStringLiteral("select count(*) from ") + table;
        QVERIFY2(Sql::scalar(m_server, rows)->toInt() == Sql::scalar(file.db(), rows)->toInt(), qPrintable(table));
    }
}

// A value written on either store reads back the same, to the cent and
// beyond, and what the schema fills in by itself reads the same way.
void ServerSchemaTest::moneyAndDefaultsKeepTheirMeaning_data()
{
    QTest::addColumn<double>("amount");
    QTest::newRow("cents") << 12.35;
    QTest::newRow("a tenth, not exact in binary") << 0.1;
    QTest::newRow("a big night") << 99999999.99;
    QTest::newRow("tiny") << 1e-50;
    QTest::newRow("negative") << -7.05;
}

void ServerSchemaTest::moneyAndDefaultsKeepTheirMeaning()
{
    QFETCH(double, amount);
    TestHall file;
    QVERIFY2(file.isValid(), qPrintable(file.error()));
    static const QRegularExpression isoMoment(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    for (QSqlDatabase db : {m_server, file.db()}) {
        QVERIFY(Sql::exec(db, QStringLiteral("insert into waimxd (zhao, je) values (1, ?)"), {amount}));
        QVERIFY(Sql::exec(db, QStringLiteral("insert into waimxd (zhao, je) values (2, ?)"), {amount}));
        QSqlQuery query(db);
        QVERIFY(Sql::exec(query, QStringLiteral("select id, je, ksrc, je + je from waimxd order by id")));
        for (qint64 id = 1; id <= 2; ++id) {
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toLongLong(), id);
            QCOMPARE(query.value(1).toDouble(), amount);
            QVERIFY2(isoMoment.match(query.value(2).toString()).hasMatch(), qPrintable(query.value(2).toString()));
            QCOMPARE(query.value(3).toDouble(), amount + amount);
        }
    }
}

// A server the program cannot work on is refused before anything is
// written, each for its own cause; the hall opens with the password libpq
// is given.
void ServerSchemaTest::openingRefuses_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("hall");
    QTest::addColumn<qint64>("number");
    const QString host = qEnvironmentVariable("TAVORO_TEST_PGHOST");
    const auto row = [](const char* name, const QString& at, const char* user, const char* password, bool hall,
                        qint64 number) {
        QTest::newRow(name) << at << user << password << hall << number;
    };
    row("the hall", host, "tavoro", "", true, 0);
    row("right password", host, "cashier", "right", true, 0);
    row("wrong password", host, "cashier", "wrong", true, Result::WrongPassword);
    row("no password", host, "cashier", "", true, Result::PasswordNeeded);
    row("no server there", QDir::tempPath(), "tavoro", "", true, Result::ServerUnreachable);
    row("not a hall", host, "tavoro", "", false, Result::NotTavoroDatabase);
}

void ServerSchemaTest::openingRefuses()
{
    QFETCH(QString, host);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, hall);
    QFETCH(qint64, number);
    QVERIFY(Sql::execDefinition(m_server, QStringLiteral("grant all on all tables in schema public to cashier")));
    qputenv("PGPASSFILE", QByteArrayLiteral("/nonexistent"));
    const ServerPlace place{host, 5432, hall ? m_database : QStringLiteral("postgres"), user};
    QSqlDatabase db;
    const Result opened = Database::openServer(place, password, QStringLiteral("opening"), &db);
    QVERIFY2(opened.ok() == (number == 0), qPrintable(opened.message()));
    if (!opened) {
        QCOMPARE(opened.number(), number);
        QVERIFY2(opened.message().contains(place.describe()), qPrintable(opened.message()));
    }
    db = QSqlDatabase();
    Database::close(QStringLiteral("opening"));
}

// A session the server ends, as a restart does, fails the command in flight
// as a lost connection with nothing of it written, and the next command
// works without opening the database again.
void ServerSchemaTest::lostConnectionIsMended()
{
    const QString counter = QStringLiteral("counter");
    const ServerPlace place{qEnvironmentVariable("TAVORO_TEST_PGHOST"), 5432, m_database, QStringLiteral("tavoro")};
    QSqlDatabase db;
    QVERIFY(Database::openServer(place, QString(), counter, &db));
    const QString topUp = QStringLiteral("insert into srmx (khao, je) values ('M1', 5)");
    const Result cut = Sql::transaction(db, [&] {
        if (Result written = Sql::exec(db, topUp); !written)
            return written;
        const int session = Sql::scalar(db, QStringLiteral("select pg_backend_pid()"))->toInt();
        if (!Sql::scalar(m_server, QStringLiteral("select pg_terminate_backend(?)"), {session}))
            return Result::failure(QStringLiteral("the session was not ended"));
        return Sql::exec(db, topUp);
    });
    QCOMPARE(cut.number(), Result::ConnectionLost);
    const Result again = Sql::exec(db, topUp);
    QVERIFY2(again, qPrintable(again.message()));
    QCOMPARE(Sql::scalar(m_server, QStringLiteral("select count(*) from srmx"))->toInt(), 1);
    db = QSqlDatabase();
    Database::close(counter);
}

QTEST_GUILESS_MAIN(ServerSchemaTest)
#include "test_server_schema.moc"
