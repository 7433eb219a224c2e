#include "base/Database.h"
#include "base/OperatorLog.h"
#include "base/SettingsStore.h"
#include "base/Sql.h"
#include "support/HallFixture.h"

#include <QFile>
#include <QFileInfo>
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

void TestStartup::openRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << QStringLiteral("missing") << QStringLiteral("文件不存在");
    QTest::newRow("not a database") << QStringLiteral("text") << QStringLiteral("不是 Tavoro 数据库");
    QTest::newRow("table missing") << QStringLiteral("empty") << QStringLiteral("缺少数据表 czyzd");
    QTest::newRow("unreadable") << QStringLiteral("unreadable") << QStringLiteral("没有读写权限");
    QTest::newRow("no WAL where it lies") << QStringLiteral("noWal") << QStringLiteral("不支持 WAL");
}

void TestStartup::openRefuses()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("jssfserver.mdb"));
    if (kind == QLatin1String("empty") || kind == QLatin1String("noWal")) {
        QSqlDatabase db;
        QVERIFY(Database::create(name, QStringLiteral("make"), &db));
        QVERIFY(Sql::exec(db, kind == QLatin1String("empty") ? QStringLiteral("drop table czyzd")
                                                             : QStringLiteral("PRAGMA journal_mode=DELETE")));
        db = QSqlDatabase();
        Database::close(QStringLiteral("make"));
    } else if (kind != QLatin1String("missing")) {
        if (kind == QLatin1String("unreadable") && geteuid() == 0)
            QSKIP("root reads every file");
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        if (kind == QLatin1String("unreadable"))
            file.setPermissions(QFileDevice::Permissions());
    }

    // Without locks there is no shared memory, as on a network share: SQLite
    // then answers the request for WAL with the mode the file keeps.
    if (kind == QLatin1String("noWal"))
        sqlite3_vfs_register(sqlite3_vfs_find("unix-none"), 1);
    QSqlDatabase db;
    const Result result = Database::open(name, QStringLiteral("probe"), &db);
    sqlite3_vfs_register(sqlite3_vfs_find("unix"), 1);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(name) && result.message().contains(cause), qPrintable(result.message()));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("probe")));
    QCOMPARE(QFileInfo::exists(name), kind != QLatin1String("missing"));
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
