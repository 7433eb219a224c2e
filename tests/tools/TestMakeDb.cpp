#include "core/admin/LoginLogic.h"
#include "core/base/Clock.h"
#include "core/base/Database.h"
#include "core/base/Notation.h"
#include "core/base/ServerUri.h"
#include "core/base/Sql.h"
#include "core/base/SqlDialect.h"
#include "core/data/ShippedRows.h"
#include "core/goods/StockBalance.h"
#include "core/reports/DayTakings.h"
#include "core/reports/IncomeAnalysis.h"

#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

int makedb(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TAVORO_MAKEDB), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

QByteArray contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh, empty database on the test server, named as the maker reads it.
QString freshServerDatabase()
{
    static int made = 0;
    const QString name = QStringLiteral("makedb_%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
    const QString admin = QStringLiteral("makedb-admin");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), admin);
        db.setHostName(qEnvironmentVariable("TAVORO_TEST_PGHOST"));
        db.setUserName(QStringLiteral("tavoro"));
        db.setDatabaseName(QStringLiteral("postgres"));
        if (!db.open() || !Sql::execDefinition(db, QStringLiteral("create database %1 template template0 encoding "
                                                                  "'UTF8' lc_collate 'C' lc_ctype 'C'")
                                                       .arg(name)))
            return {};
    }
    QSqlDatabase::removeDatabase(admin);
    return QStringLiteral("postgresql:///%1?host=%2&user=tavoro").arg(name, qEnvironmentVariable("TAVORO_TEST_PGHOST"));
}

QString cents(double value)
{
    return QString::number(Notation::roundHalfEven(value, 2), 'f', 2);
}

// What the day report, the income and goods statistics and the stock
// balance of the last month say, to the cent, after every shift and the
// day are settled so that the goods count.
QStringList figures(QSqlDatabase& db)
{
    QStringList said;
    const auto failed = [&said](const Result& result) {
        said.append(QStringLiteral("failed: ") + result.message());
        return said;
    };
    if (Result settled = DayTakings::settleShift(db, ShippedRows::SystemOperator); !settled)
        return failed(settled);
    if (Result settled = DayTakings::settleDay(db); !settled)
        return failed(settled);
    const QDate today = Clock::today();
    for (QDate day = today.addDays(-8); day <= today; day = day.addDays(1)) {
        const ResultOf<DayTakings::Totals> totals = DayTakings::totals(db, {day, QString(), std::nullopt});
        if (!totals)
            return failed(totals.result());
        said.append(QStringLiteral("day %1: %2 + %3")
                        .arg(day.toString(Qt::ISODate), cents(totals->tableFees.value_or(0)),
                             cents(totals->other.value_or(0))));
    }
    for (const auto subject : {IncomeAnalysis::Subject::TableFees, IncomeAnalysis::Subject::Goods}) {
        for (const auto grouping : {IncomeAnalysis::Grouping::ByDay, IncomeAnalysis::Grouping::ByItem}) {
            IncomeAnalysis::Question question{subject, grouping, true, today.addDays(-31), today};
            const ResultOf<IncomeAnalysis::Analysis> analysis = IncomeAnalysis::run(db, question);
            if (!analysis)
                return failed(analysis.result());
            said.append(QStringLiteral("statistics: ") + IncomeAnalysis::money(analysis->tableFees));
            for (const IncomeAnalysis::Row& row : analysis->rows)
                said.append(QStringLiteral("statistics %1: %2").arg(row.label, cents(row.amount)));
        }
    }
    const ResultOf<StockBalance::Balance> balance =
        StockBalance::compute(db, today.addDays(-31), today, StockBalance::Grouping::ByStore, true);
    if (!balance)
        return failed(balance.result());
    for (const StockBalance::Line& line : balance->lines) {
        QStringList amounts;
        for (const double figure : line.figures)
            amounts.append(cents(figure));
        said.append(QStringLiteral("stock %1 %2: %3").arg(line.code, line.name, amounts.join(QLatin1Char(' '))));
    }
    return said;
}

} // namespace

class TestMakeDb : public QObject
{
    Q_OBJECT

private slots:
    void madeDatabaseIsReady_data();
    void madeDatabaseIsReady();
    void neverOverwrites();
    void upgradeAddsMissingIndexes();
    void copiedHallGivesTheSameFigures();
    void serverHallIsMadeOnceOnly();

private:
    QTemporaryDir m_dir;
};

void TestMakeDb::madeDatabaseIsReady_data()
{
    QTest::addColumn<bool>("demo");
    QTest::newRow("plain") << false;
    QTest::newRow("demo") << true;
}

// Only its owner reads it, the program opens it (which checks its tables),
// the system operator logs in with the initial password, and only the demo
// brings a hall.
void TestMakeDb::madeDatabaseIsReady()
{
    QFETCH(bool, demo);
    const QString name = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".mdb"));
    QCOMPARE(makedb(demo ? QStringList{QStringLiteral("--demo"), name} : QStringList{name}), 0);
    QCOMPARE(QFile::permissions(name) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    QSqlDatabase db;
    const Result opened = Database::open(name, QStringLiteral("made"), &db);
    QVERIFY2(opened, qPrintable(opened.message()));
    const LoginLogic::PasswordCheck login =
        LoginLogic::checkPassword(db, ShippedRows::SystemOperator, ShippedRows::InitialPassword);
    QVERIFY(login.result && login.matched && login.isSystemOperator);
    const int tables = Sql::scalar(db, QStringLiteral("select count(*) from zhdy"))->toInt();
    db = QSqlDatabase();
    Database::close(QStringLiteral("made"));
    QCOMPARE(tables > 0, demo);
}

void TestMakeDb::neverOverwrites()
{
    const QString name = m_dir.filePath(QStringLiteral("kept.mdb"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("the hall's data") > 0);
    file.close();
    QCOMPARE(makedb({name}), 1);
    QCOMPARE(makedb({QStringLiteral("--demo"), name}), 1);
    QCOMPARE(contents(name), QByteArray("the hall's data"));
}

// A file made before the report indexes and the log's counter gets them,
// keeps its rows, and a second run finds nothing to do.
void TestMakeDb::upgradeAddsMissingIndexes()
{
    const QString name = m_dir.filePath(QStringLiteral("older.mdb"));
    QCOMPARE(makedb({QStringLiteral("--demo"), name}), 0);
    const auto inspect = [&](const QStringList& statements, int* indexes, int* visits) {
        QSqlDatabase db;
        QVERIFY(Database::open(name, QStringLiteral("older"), &db));
        for (const QString& statement : statements)
            QVERIFY(Sql::exec(db, statement));
        *indexes = Sql::scalar(db, QStringLiteral("select count(*) from sqlite_master where type = 'index' "
                                                  "and name in ('waimxd_dzbj', 'ckv_zc_dzbj', 'waimxd_rc')"))
                       ->toInt();
        *visits = Sql::scalar(db, QStringLiteral("select count(*) from waimxd"))->toInt();
        db = QSqlDatabase();
        Database::close(QStringLiteral("older"));
    };
    int indexes = 0;
    int visits = 0;
    inspect({QStringLiteral("drop index waimxd_dzbj"), QStringLiteral("drop index ckv_zc_dzbj"),
             QStringLiteral("drop index waimxd_rc"), QStringLiteral("alter table czyrzh drop column zdname")},
            &indexes, &visits);
    QCOMPARE(indexes, 0);
    const int before = visits;
    QCOMPARE(makedb({QStringLiteral("--upgrade"), name}), 0);
    QCOMPARE(makedb({QStringLiteral("--upgrade"), name}), 0);
    inspect({QStringLiteral("select zdname from czyrzh")}, &indexes, &visits);
    QCOMPARE(indexes, 3);
    QCOMPARE(visits, before);
    QCOMPARE(makedb({QStringLiteral("--upgrade"), m_dir.filePath(QStringLiteral("missing.mdb"))}), 1);
}

// The demo hall's file and its copy on a server settle and report alike; the
// server's keys go on after the file's.
void TestMakeDb::copiedHallGivesTheSameFigures()
{
    if (qEnvironmentVariableIsEmpty("TAVORO_TEST_PGHOST"))
        QSKIP("no PostgreSQL server: scripts/test starts one");
    const QString name = m_dir.filePath(QStringLiteral("copied.mdb"));
    const QString server = freshServerDatabase();
    QVERIFY(!server.isEmpty());
    QCOMPARE(makedb({QStringLiteral("--demo"), name}), 0);
    QCOMPARE(makedb({QStringLiteral("--copy"), name, server}), 0);
    // A hall is copied once: the second copy finds the first.
    QCOMPARE(makedb({QStringLiteral("--copy"), name, server}), 1);

    QSqlDatabase file;
    QVERIFY(Database::open(name, QStringLiteral("copied-file"), &file));
    QSqlDatabase copy;
    const Result opened = Database::openServer(ServerUri::parse(server)->place, {}, QStringLiteral("copied"), &copy);
    QVERIFY2(opened, qPrintable(opened.message()));
    const QStringList expected = figures(file);
    QVERIFY2(expected.size() > 20 && !expected.first().startsWith(QLatin1String("failed")),
             qPrintable(expected.join(QLatin1Char('\n'))));
    QCOMPARE(figures(copy), expected);
    QVERIFY(Sql::exec(copy, QStringLiteral("insert into waimxd (zhao, je) values (1, 10)")));
    QCOMPARE(Sql::scalar(copy, QStringLiteral("select max(id) from waimxd"))->toInt(),
             Sql::scalar(file, QStringLiteral("select max(id) from waimxd"))->toInt() + 1);
    file = QSqlDatabase();
    copy = QSqlDatabase();
    Database::close(QStringLiteral("copied-file"));
    Database::close(QStringLiteral("copied"));
}

// A new hall on a server goes only into an empty database, and is one the
// program opens and logs into; --upgrade restores a dropped index and column there.
void TestMakeDb::serverHallIsMadeOnceOnly()
{
    if (qEnvironmentVariableIsEmpty("TAVORO_TEST_PGHOST"))
        QSKIP("no PostgreSQL server: scripts/test starts one");
    const QString server = freshServerDatabase();
    QVERIFY(!server.isEmpty());
    QCOMPARE(makedb({server}), 0);
    QCOMPARE(makedb({QStringLiteral("--demo"), server}), 1);
    QCOMPARE(makedb({QStringLiteral("--upgrade"), server}), 0);
    QSqlDatabase db;
    const Result opened = Database::openServer(ServerUri::parse(server)->place, {}, QStringLiteral("made"), &db);
    QVERIFY2(opened, qPrintable(opened.message()));
    const LoginLogic::PasswordCheck login =
        LoginLogic::checkPassword(db, ShippedRows::SystemOperator, ShippedRows::InitialPassword);
    QVERIFY(login.result && login.matched && login.isSystemOperator);
    QCOMPARE(Sql::scalar(db, QStringLiteral("select count(*) from zhdy"))->toInt(), 0);
    QVERIFY(Sql::execDefinition(db, QStringLiteral("drop index waimxd_rc")));
    QVERIFY(Sql::execDefinition(db, QStringLiteral("alter table czyrzh drop column zdname")));
    QCOMPARE(makedb({QStringLiteral("--upgrade"), server}), 0);
    QVERIFY(*SqlDialect::hasIndex(db, QStringLiteral("waimxd_rc")));
    QVERIFY(db.record(QStringLiteral("czyrzh")).contains(QStringLiteral("zdname")));
    db = QSqlDatabase();
    Database::close(QStringLiteral("made"));
    // What is not a server's name is refused before any connection.
    QCOMPARE(makedb({QStringLiteral("--copy"), QStringLiteral("x.mdb"), QStringLiteral("postgresql://host")}), 1);
}

QTEST_GUILESS_MAIN(TestMakeDb)
#include "TestMakeDb.moc"
