#include "core/admin/LoginLogic.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "core/data/ShippedRows.h"

#include <QFile>
#include <QProcess>
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

} // namespace

class TestMakeDb : public QObject
{
    Q_OBJECT

private slots:
    void madeDatabaseIsReady_data();
    void madeDatabaseIsReady();
    void neverOverwrites();
    void upgradeAddsMissingIndexes();

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

// A file made before the report indexes gets them, keeps its rows, and a
// second run finds nothing to do.
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
             QStringLiteral("drop index waimxd_rc")},
            &indexes, &visits);
    QCOMPARE(indexes, 0);
    const int before = visits;
    QCOMPARE(makedb({QStringLiteral("--upgrade"), name}), 0);
    QCOMPARE(makedb({QStringLiteral("--upgrade"), name}), 0);
    inspect({}, &indexes, &visits);
    QCOMPARE(indexes, 3);
    QCOMPARE(visits, before);
    QCOMPARE(makedb({QStringLiteral("--upgrade"), m_dir.filePath(QStringLiteral("missing.mdb"))}), 1);
}

QTEST_GUILESS_MAIN(TestMakeDb)
#include "TestMakeDb.moc"
