#include "admin/DatabaseBackup.h"
#include "admin/Modulback.h"
#include "base/Sql.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString Done = QStringLiteral("数据备份完成!备份后的文件名称为： ");

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
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

// -1 when the file could not be read at all.
int visitsIn(const QString& file)
{
    const QVariant count = readFile(file, QStringLiteral("select count(*) from waimxd"));
    return count.isValid() ? count.toInt() : -1;
}

} // namespace

class TestModulback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void backupIsNamedForTheHour_data();
    void backupIsNamedForTheHour();
    void twoBackupsInOneHourOverwrite();
    void backupHoldsRowsStillInTheWal();
    void unwritableFolderIsReportedAsFailure_data();
    void unwritableFolderIsReportedAsFailure();
    void backupOnExitFollowsTheParameter_data();
    void backupOnExitFollowsTheParameter();

private:
    void addVisit(int zhao);
    QStringList filesInFolder() const;

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestModulback::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_clock = std::make_unique<TestClock>(QDateTime(QDate(2005, 3, 3), QTime(9, 0)));
    m_messages = std::make_unique<MessageRecorder>();
}

void TestModulback::cleanup()
{
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

void TestModulback::addVisit(int zhao)
{
    QVERIFY2(m_hall->exec(QStringLiteral("insert into waimxd (zhao, rc, jsrc) values (?, '2005-03-03', "
                                         "'2005-03-03 08:00:00')"),
                          {zhao}),
             qPrintable(m_hall->error()));
}

QStringList TestModulback::filesInFolder() const
{
    return QDir(m_hall->folder()).entryList({QStringLiteral("data*")}, QDir::Files, QDir::Name);
}

void TestModulback::backupIsNamedForTheHour_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("name");
    QTest::newRow("3 March 2005 at 9") << QDateTime(QDate(2005, 3, 3), QTime(9, 0)) << "data2005339.bak";
    QTest::newRow("late in the hour") << QDateTime(QDate(2005, 3, 3), QTime(9, 59, 59)) << "data2005339.bak";
    QTest::newRow("midnight hour") << QDateTime(QDate(2005, 3, 3), QTime(0, 5)) << "data2005330.bak";
    QTest::newRow("1 November at 10") << QDateTime(QDate(2005, 11, 1), QTime(10, 0)) << "data200511110.bak";
    QTest::newRow("11 January at 10") << QDateTime(QDate(2005, 1, 11), QTime(10, 0)) << "data200511110.bak";
    QTest::newRow("two-digit everything") << QDateTime(QDate(2026, 12, 31), QTime(23, 0)) << "data2026123123.bak";
}

void TestModulback::backupIsNamedForTheHour()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, name);
    m_clock->set(now);

    databaseBackup(m_hall->state);

    const QString target = m_hall->folder() + QLatin1Char('/') + name;
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().text, Done + target + QStringLiteral("!"));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Exclamation);
    QCOMPARE(filesInFolder(), QStringList{name});
}

void TestModulback::twoBackupsInOneHourOverwrite()
{
    m_clock->set(QDateTime(QDate(2005, 3, 3), QTime(9, 10)));
    addVisit(1);
    const Modulback::Outcome first = Modulback::backupNow(m_hall->state);
    QVERIFY2(first.result, qPrintable(first.result.message()));

    m_clock->advanceMinutes(40);
    addVisit(2);
    const Modulback::Outcome second = Modulback::backupNow(m_hall->state);
    QVERIFY2(second.result, qPrintable(second.result.message()));

    QCOMPARE(second.target, first.target);
    QCOMPARE(filesInFolder(), QStringList{QStringLiteral("data2005339.bak")});
    QCOMPARE(visitsIn(second.target), 2);
}

void TestModulback::backupHoldsRowsStillInTheWal()
{
    // Nothing leaves the WAL for the main file unless the test says so.
    QVERIFY(m_hall->exec(QStringLiteral("PRAGMA wal_autocheckpoint=0")));
    QVERIFY(m_hall->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
    for (int zhao = 1; zhao <= 3; ++zhao)
        addVisit(zhao);

    // A plain copy of the file, as a file copier would make, misses them.
    const QString plainCopy = m_hall->folder() + QStringLiteral("/plain-copy.db");
    QVERIFY(QFile::copy(m_hall->state.DbFullName, plainCopy));
    QCOMPARE(visitsIn(plainCopy), 0);

    const Modulback::Outcome outcome = Modulback::backupNow(m_hall->state);
    QVERIFY2(outcome.result, qPrintable(outcome.result.message()));
    QCOMPARE(visitsIn(outcome.target), 3);
    QCOMPARE(readFile(outcome.target, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
    QVERIFY(!QFile::exists(outcome.target + QStringLiteral("-wal")));
    QCOMPARE(QFile::permissions(outcome.target) & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
}

void TestModulback::unwritableFolderIsReportedAsFailure_data()
{
    // Paths that fail for root as well: a folder under a plain file, and a missing folder.
    QTest::addColumn<QString>("folder");
    QTest::newRow("under a file") << QStringLiteral("jssfserver.mdb/sub");
    QTest::newRow("missing folder") << QStringLiteral("no-such-folder");
}

void TestModulback::unwritableFolderIsReportedAsFailure()
{
    QFETCH(QString, folder);
    m_hall->state.DbFolder = m_hall->folder() + QLatin1Char('/') + folder;
    const QString target = m_hall->state.DbFolder + QStringLiteral("/data2005339.bak");

    QVERIFY(!Modulback::backup(m_hall->db(), target));
    databaseBackup(m_hall->state);

    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
    QVERIFY2(m_messages->last().text.contains(target), qPrintable(m_messages->last().text));
    QVERIFY(!m_messages->last().text.startsWith(Done));
    QVERIFY(!QFile::exists(target));
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
    m_hall->state.params.BackupOnExit = enabled;

    backupOnExit(m_hall->state);

    QCOMPARE(m_messages->count(), enabled ? 1 : 0);
    QCOMPARE(QFile::exists(m_hall->folder() + QStringLiteral("/data2005339.bak")), enabled);
}

QTEST_MAIN(TestModulback)
#include "test_modulback.moc"
