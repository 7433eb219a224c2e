#include "base/Database.h"
#include "base/OperatorLog.h"
#include "base/SettingsStore.h"
#include "base/Sql.h"
#include "support/HallFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>
#include <unistd.h>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void location_data();
    void location();
    void openRefuses_data();
    void openRefuses();
    void operatorLog();
};

void TestStartup::location_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("fullName");
    QTest::newRow("no settings") << QString() << QString() << QStringLiteral("/opt/tavoro/jssfserver.mdb");
    QTest::newRow("data without path is ignored")
        << QString() << QStringLiteral("shop.mdb") << QStringLiteral("/opt/tavoro/jssfserver.mdb");
    QTest::newRow("folder with its separator")
        << QStringLiteral("/srv/hall/") << QStringLiteral("shop.mdb") << QStringLiteral("/srv/hall//shop.mdb");
}

void TestStartup::location()
{
    QFETCH(QString, path);
    QFETCH(QString, data);
    QFETCH(QString, fullName);
    const DbLocation location = resolveDbLocation(path, data, QStringLiteral("/opt/tavoro"));
    QCOMPARE(location.DbFullName, fullName);
    QCOMPARE(location.DbFolder + QLatin1Char('/') + location.DbFileName, fullName);
}

namespace {

// A hall's database, closed after one more statement.
bool makeHall(const QString& name, const QString& statement)
{
    QSqlDatabase db;
    const bool made = Database::create(name, QStringLiteral("make"), &db) && Sql::exec(db, statement);
    db = QSqlDatabase();
    Database::close(QStringLiteral("make"));
    return made;
}

// What a refused file must keep: its bytes, its time and its folder.
QString snapshot(const QString& name)
{
    QFile file(name);
    const QFileInfo info(name);
    return QString::fromLatin1(file.open(QIODevice::ReadOnly) ? file.readAll().toBase64() : QByteArray()) +
           info.lastModified().toString(Qt::ISODateWithMs) + info.dir().entryList(QDir::Files).join(QLatin1Char(','));
}

} // namespace

void TestStartup::openRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("statement"); // run on a hall made for the case
    QTest::addColumn<QString>("cause");     // a pattern
    const QString none;
    QTest::newRow("missing") << "missing" << none << "文件不存在";
    QTest::newRow("empty file") << "empty" << none << "不是 Tavoro 数据库：文件是空的";
    QTest::newRow("text file") << "text" << none << "不是 SQLite 数据库文件";
    QTest::newRow("foreign SQLite file") << "foreign" << none << "不是 Tavoro 数据库：其中没有 Tavoro 的数据表";
    QTest::newRow("table missing") << "hall" << QStringLiteral("drop table czyzd") << "缺少数据表 czyzd";
    QTest::newRow("a page overwritten") << "damaged" << QStringLiteral("select 1")
                                        << "(?s)已损坏.*最近的备份 .*/data2026126\\.bak";
    QTest::newRow("locked") << "locked" << QStringLiteral("PRAGMA journal_mode=delete") << "被其他程序锁定";
    QTest::newRow("read-only file") << "readOnly" << QStringLiteral("select 1") << "数据文件是只读的";
    QTest::newRow("read-only folder") << "readOnlyFolder" << QStringLiteral("select 1") << "所在文件夹 .* 是只读的";
    QTest::newRow("unreadable") << "unreadable" << QStringLiteral("select 1") << "没有读取这个文件的权限";
    QTest::newRow("no WAL where it lies") << "noWal" << QStringLiteral("PRAGMA journal_mode=delete") << "不支持 WAL";
}

// A refused file is left exactly as it was, and the message names the file
// and the real cause.
void TestStartup::openRefuses()
{
    QFETCH(QString, kind);
    QFETCH(QString, statement);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("jssfserver.mdb"));
    if (!statement.isEmpty())
        QVERIFY(makeHall(name, statement));
    QFile file(name);
    if (kind == QLatin1String("text") || kind == QLatin1String("empty") || kind == QLatin1String("damaged")) {
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() / 8192 * 4096));
        file.write(QByteArray(kind == QLatin1String("empty") ? 0 : 4096, kind == QLatin1String("text") ? 'x' : '\xa5'));
        file.close();
    }
    sqlite3* foreign = nullptr;
    if (kind == QLatin1String("foreign"))
        QVERIFY(sqlite3_open(QFile::encodeName(name).constData(), &foreign) == SQLITE_OK &&
                sqlite3_exec(foreign, "create table photos (path text)", nullptr, nullptr, nullptr) == SQLITE_OK);
    sqlite3_close(foreign);
    // The older backup's name sorts last: the newest is told by its time.
    for (const QString& backup : {QStringLiteral("data2026120620.bak"), QStringLiteral("data2026126.bak")}) {
        QFile copy(dir.filePath(backup));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.setFileTime(today(backup.size() < 18 ? "19:00:00" : "18:00:00"),
                                                                    QFileDevice::FileModificationTime));
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::Permissions::fromInt(kind == QLatin1String("readOnlyFolder") ? 0x5555 : 0x7777));
    QFile::setPermissions(name, QFileDevice::Permissions::fromInt(kind == QLatin1String("readOnly")     ? 0x4444
                                                                  : kind == QLatin1String("unreadable") ? 0x6000
                                                                                                        : 0x6666));
    const QString before = snapshot(name);

    // Another program's write lock; SQLite sees it across connections of one process too.
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    holder.setDatabaseName(name);
    if (kind == QLatin1String("locked"))
        QVERIFY(holder.open() && Sql::exec(holder, QStringLiteral("BEGIN EXCLUSIVE")));
    // Root reads and writes every file: the permission cases run as nobody,
    // keeping root's saved id to come back to.
    const bool asNobody =
        (kind.startsWith(QLatin1String("readOnly")) || kind == QLatin1String("unreadable")) && geteuid() == 0;
    if (asNobody && setresuid(65534, 65534, 0) != 0)
        QSKIP("root's rights override every permission and cannot be given up here");
    // Without locks there is no shared memory, as on a network share: SQLite
    // then answers the request for WAL with the mode the file keeps.
    if (kind == QLatin1String("noWal"))
        sqlite3_vfs_register(sqlite3_vfs_find("unix-none"), 1);
    QSqlDatabase db;
    const Result result = Database::open(name, QStringLiteral("probe"), &db);
    sqlite3_vfs_register(sqlite3_vfs_find("unix"), 1);
    QVERIFY(!asNobody || setresuid(0, 0, 0) == 0);
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));

    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(name) && result.message().contains(QRegularExpression(cause)),
             qPrintable(result.message()));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("probe")));
    QCOMPARE(snapshot(name), before);
}

// Tags count on from the largest; closing a screen closes only that
// operator's rows for it, whatever the name holds.
void TestStartup::operatorLog()
{
    HallFixture hall(today("09:00:00"));
    TestHall& h = hall.hall;
    QVERIFY(czyrz_add(h.state, QStringLiteral("会员管理")));
    QCOMPARE(hall.value(QStringLiteral("select tag from czyrzh")).toInt(), 0);
    QVERIFY(h.exec(QStringLiteral("update czyrzh set tag=41")));
    h.loginAs(QStringLiteral("张三"));
    QVERIFY(czyrz_add(h.state, QStringLiteral("会员管理")));
    QVERIFY(czyrz_add(h.state, QStringLiteral("商品类别设置")));
    QCOMPARE(hall.value(QStringLiteral("select max(tag) from czyrzh")).toInt(), 43);
    QCOMPARE(hall.value(QStringLiteral("select init_time from czyrzh where tag=42")).toString(),
             QStringLiteral("2026-12-06 09:00:00"));

    hall.clock.advanceMinutes(30);
    QVERIFY(czyrz_close(h.state, QStringLiteral("  张三 "), QStringLiteral("会员管理")));
    QVERIFY(czyrz_close(h.state, QStringLiteral("O'Brien"), QStringLiteral("会员管理")));
    QCOMPARE(
        hall.value(QStringLiteral("select group_concat(cast(tag as integer) || '=' || coalesce(last_time, '-'), ' ') "
                                  "from (select * from czyrzh order by tag)"))
            .toString(),
        QStringLiteral("41=- 42=2026-12-06 09:30:00 43=-"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
