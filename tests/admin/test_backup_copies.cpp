#include "core/admin/BackupCopies.h"
#include "support/HallFixture.h"
#include "ui/admin/DatabaseBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
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

} // namespace

class TestModulback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void backupHoldsRowsStillInTheWal();
    void backupsNeverReplaceOneAnother();
    void failureIsReported();
    void backupOnExitFollowsTheParameter_data();
    void backupOnExitFollowsTheParameter();
};

void TestModulback::initTestCase()
{
    if (TestHall::onServer())
        QSKIP("file backups and the WAL only concern the file; a server is backed up by its own means");
}

// A plain copy of the file misses what is still in the WAL; the backup does not.
void TestModulback::backupHoldsRowsStillInTheWal()
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
void TestModulback::backupsNeverReplaceOneAnother()
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

void TestModulback::failureIsReported()
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

void TestModulback::backupOnExitFollowsTheParameter_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestModulback::backupOnExitFollowsTheParameter()
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

QTEST_MAIN(TestModulback)
#include "test_backup_copies.moc"
