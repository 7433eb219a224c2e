#include "core/admin/BackupCopies.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "support/HallChecks.h"
#include "support/HallFixture.h"
#include "ui/admin/DatabaseBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

// The first column of the first row of a query on a database file opened on
// its own connection, as anyone restoring the backup would open it.
QVariant readFile(const QString& file, const QString& sql)
{
    const QString name = QStringLiteral("backup-probe");
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                value = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

bool addVisit(HallFixture& f)
{
    return f.hall.exec(QStringLiteral("insert into waimxd (zhao, rc, jsrc) values (1, '2005-03-03', "
                                      "'2005-03-03 08:00:00')"));
}

constexpr int Backups = 4;

const QString ClosedBills = QStringLiteral("select count(*) from waimxd where jsrc is not null");

QList<QVariantList> rows(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QList<QVariantList> found;
    QSqlQuery query(db);
    if (!Sql::exec(query, sql, values))
        return {{QVariant(QStringLiteral("failed: ") + sql)}};
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        found.append(row);
    }
    return found;
}

// What is wrong with the backup (empty when nothing is): damaged, a checkout
// half-written, or settled rows unlike the source's, or missing where the
// source committed them before a checkout the backup holds.
QString checkBackup(const QString& file, const QSqlDatabase& source, int* closed)
{
    const QString name = QStringLiteral("restored");
    QSqlDatabase db;
    const Result result = Database::openReadOnly(file, name, &db);
    QString problem = result ? QString() : result.message();
    if (problem.isEmpty() &&
        Sql::scalar(db, QStringLiteral("PRAGMA integrity_check"))->toString() != QStringLiteral("ok"))
        problem = QStringLiteral("integrity_check failed");
    if (problem.isEmpty())
        problem = brokenCheck(db, CheckoutChecks);
    const QVariant last = *Sql::scalar(db, QStringLiteral("select max(id) from waimxd where jsrc is not null"));
    const QList<std::pair<const char*, QString>> compared = {
        {"settled visits", QStringLiteral("select * from waimxd where jsrc is not null and id <= ? order by id")},
        {"settled goods", QStringLiteral("select * from ckv_zc where jzbj = 1 and dj_id <= ? order by id")},
    };
    for (const auto& [what, sql] : compared) {
        if (problem.isEmpty() && rows(db, sql, {last}) != rows(source, sql, {last}))
            problem = QString::fromUtf8(what) + QStringLiteral(" differ from the source");
    }
    *closed = Sql::scalar(db, ClosedBills)->toInt();
    db = QSqlDatabase();
    Database::close(name);
    return problem;
}

} // namespace

// The file's backups: whole, never over one another, told when they fail,
// taken on exit as the parameter says, and sound when taken in the middle of
// another process's checkouts.
class TestBackups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void backupHoldsRowsStillInTheWal();
    void backupsNeverReplaceOneAnother();
    void failureIsReported();
    void backupOnExitFollowsTheParameter_data();
    void backupOnExitFollowsTheParameter();
    void backupWhileAnotherProcessSettles();
};

void TestBackups::initTestCase()
{
    if (TestHall::onServer())
        QSKIP("file backups and the WAL only concern the file; a server is backed up by its own means");
}

// A plain copy of the file misses what is still in the WAL; the backup does not.
void TestBackups::backupHoldsRowsStillInTheWal()
{
    HallFixture f(QDateTime(QDate(2005, 3, 3), QTime(9, 10)));
    QVERIFY(f.hall.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0")));
    QVERIFY(f.hall.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
    QVERIFY(addVisit(f) && addVisit(f));
    const QString plainCopy = f.hall.folder() + QStringLiteral("/plain-copy.db");
    QVERIFY(QFile::copy(f.hall.state.DbFullName, plainCopy));
    QCOMPARE(readFile(plainCopy, QStringLiteral("select count(*) from waimxd")).toInt(), 0);

    const BackupCopies::Outcome first = BackupCopies::backupNow(f.hall.state);
    QVERIFY2(first.result, qPrintable(first.result.message()));
    QCOMPARE(readFile(first.target, QStringLiteral("select count(*) from waimxd")).toInt(), 2);
    QCOMPARE(readFile(first.target, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
    QCOMPARE(QFile::permissions(first.target) & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
}

// The name is padded (unpadded, 1 January 11 h and 11 January 1 h both wrote
// data20271111.bak), and the third backup of an hour takes a name of its own.
void TestBackups::backupsNeverReplaceOneAnother()
{
    HallFixture f(QDateTime(QDate(2027, 1, 1), QTime(1, 50)));
    const QDir folder(f.hall.folder());
    const QStringList taken{QStringLiteral("data2027010101.bak"), QStringLiteral("data2027010101-2.bak")};
    for (const QString& earlier : taken) {
        QFile file(folder.filePath(earlier));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
    }

    databaseBackup(f.hall.state);

    const QString target = folder.filePath(QStringLiteral("data2027010101-3.bak"));
    QCOMPARE(f.messages.texts(),
             QStringList{QStringLiteral("数据备份完成!备份后的文件名称为： ") + target + QStringLiteral("!")});
    QCOMPARE(readFile(target, QStringLiteral("select count(*) from czyzd")).toInt(), 1);
    for (const QString& earlier : taken) {
        QFile file(folder.filePath(earlier));
        QVERIFY(!BackupCopies::backup(f.hall.db(), file.fileName()));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "earlier");
    }
}

void TestBackups::failureIsReported()
{
    HallFixture f(QDateTime(QDate(2005, 3, 3), QTime(9, 0)));
    f.hall.state.DbFolder = QDir(f.hall.folder()).filePath(QStringLiteral("no-such-folder"));
    const QString target = QDir(f.hall.state.DbFolder).filePath(QStringLiteral("data2005030309.bak"));

    databaseBackup(f.hall.state);

    QCOMPARE(f.messages.count(), 1);
    QCOMPARE(f.messages.last().icon, Messages::Icon::Critical);
    QVERIFY2(f.messages.last().text.contains(target), qPrintable(f.messages.last().text));
    QVERIFY(!QFile::exists(target + QStringLiteral(".part")));
}

void TestBackups::backupOnExitFollowsTheParameter_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestBackups::backupOnExitFollowsTheParameter()
{
    QFETCH(bool, enabled);
    HallFixture f;
    f.hall.state.params.BackupOnExit = enabled;

    backupOnExit(f.hall.state);

    const QString target = f.hall.folder() + QStringLiteral("/data2026120620.bak");
    QCOMPARE(f.messages.texts(),
             enabled ? QStringList{QStringLiteral("数据备份完成!备份后的文件名称为： ") + target + QStringLiteral("!")}
                     : QStringList());
    QCOMPARE(QFileInfo(target).isFile(), enabled);
}

// The child settles the two tables over and over on its own connection
// while the program's connection backs the file up; each backup waits for
// at least one more checkout, so every copy is taken in the middle of the
// work.
void TestBackups::backupWhileAnotherProcessSettles()
{
    HallFixture f;
    QVERIFY2(f.ready() && addCheckoutHall(f), qPrintable(f.error()));

    QProcess child;
    child.start(QStringLiteral(POWER_CUT_CHILD), {f.hall.state.DbFullName, QStringLiteral("checkout")});
    QVERIFY(child.waitForReadyRead(60000));
    int closed = 0;
    for (int copy = 1; copy <= Backups; ++copy) {
        QTRY_VERIFY_WITH_TIMEOUT(f.value(ClosedBills).toInt() > closed, 60000);
        const QString target = f.hall.folder() + QStringLiteral("/copy%1.bak").arg(copy);
        const Result result = BackupCopies::backup(f.hall.db(), target);
        QVERIFY2(result, qPrintable(result.message()));
        int held = 0;
        const QString problem = checkBackup(target, f.hall.db(), &held);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("backup %1: ").arg(copy) + problem));
        QVERIFY(held > closed);
        closed = held;
    }
    QCOMPARE(child.state(), QProcess::Running);
    child.kill();
    QVERIFY(child.waitForFinished(60000));
    qInfo("%d backups taken while settling, the last holding %d settled rows", Backups, closed);
}

QTEST_MAIN(TestBackups)
#include "test_backups.moc"
