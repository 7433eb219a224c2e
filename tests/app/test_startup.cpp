#include "base/AppState.h"
#include "base/Database.h"
#include "base/ModCheckDate.h"
#include "base/OperatorLog.h"
#include "base/SettingsStore.h"
#include "base/Sql.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QFile>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void location_data();
    void location();
    void chosenFile_data();
    void chosenFile();
    void settingsRoundTrip();
    void checkDate_data();
    void checkDate();
    void openRefuses_data();
    void openRefuses();
    void openUsesWal();
    void operatorLogTags();
    void operatorLogClose();
};

void TestStartup::location_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("fullName");
    QTest::newRow("no settings") << ""
                                 << ""
                                 << "/opt/tavoro"
                                 << "jssfserver.mdb"
                                 << "/opt/tavoro/jssfserver.mdb";
    QTest::newRow("data without path is ignored") << ""
                                                  << "shop.mdb"
                                                  << "/opt/tavoro"
                                                  << "jssfserver.mdb"
                                                  << "/opt/tavoro/jssfserver.mdb";
    QTest::newRow("folder with its separator") << "/srv/hall/"
                                               << "shop.mdb"
                                               << "/srv/hall/"
                                               << "shop.mdb"
                                               << "/srv/hall//shop.mdb";
}

void TestStartup::location()
{
    QFETCH(QString, path);
    QFETCH(QString, data);
    QFETCH(QString, folder);
    QFETCH(QString, fileName);
    QFETCH(QString, fullName);
    const DbLocation location = resolveDbLocation(path, data, QStringLiteral("/opt/tavoro"));
    QCOMPARE(location.DbFolder, folder);
    QCOMPARE(location.DbFileName, fileName);
    QCOMPARE(location.DbFullName, fullName);
}

void TestStartup::chosenFile_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("path") << "/srv/hall/shop.mdb"
                          << "/srv/hall/"
                          << "shop.mdb";
    QTest::newRow("root") << "/shop.mdb"
                          << "/"
                          << "shop.mdb";
    QTest::newRow("no folder") << "shop.mdb"
                               << ""
                               << "shop.mdb";
}

void TestStartup::chosenFile()
{
    QFETCH(QString, fullName);
    QFETCH(QString, folder);
    QFETCH(QString, fileName);
    const ChosenFile chosen = splitChosenFile(fullName);
    QCOMPARE(chosen.folder, folder);
    QCOMPARE(chosen.fileName, fileName);
}

void TestStartup::settingsRoundTrip()
{
    QTemporaryDir dir;
    QSettings file(dir.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    SettingsStore settings(&file);
    QCOMPARE(settings.path(), QString());
    QCOMPARE(settings.data(), QString());
    settings.save(QStringLiteral("/srv/hall/"), QStringLiteral("shop.mdb"));
    QSettings reread(dir.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("main_path/path")).toString(), QStringLiteral("/srv/hall/"));
    QCOMPARE(reread.value(QStringLiteral("main_path/data")).toString(), QStringLiteral("shop.mdb"));
}

void TestStartup::checkDate_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("passes");
    QTest::newRow("program format") << QDate(2005, 1, 5) << "yyyy-MM-dd" << true;
    QTest::newRow("eight characters") << QDate(2005, 1, 5) << "yyyy-M-d" << false;
    QTest::newRow("nine characters") << QDate(2005, 1, 15) << "yyyy-M-d" << true;
}

void TestStartup::checkDate()
{
    QFETCH(QDate, today);
    QFETCH(QString, format);
    QFETCH(bool, passes);
    TestClock clock(QDateTime(today, QTime(10, 0)));
    MessageRecorder messages;
    QCOMPARE(CheckDate(format), passes);
    QCOMPARE(messages.count(), passes ? 0 : 1);
    if (!passes) {
        QVERIFY(messages.last().text.contains(QStringLiteral("yyyy-mm-dd")));
        QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        QCOMPARE(messages.last().caption, QStringLiteral("Tavoro"));
    }
}

void TestStartup::openRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << "missing"
                             << "文件不存在";
    QTest::newRow("not a database") << "text"
                                    << "不是 Tavoro 数据库";
    QTest::newRow("empty database") << "empty"
                                    << "缺少数据表";
    QTest::newRow("unreadable") << "unreadable"
                                << "没有读写权限";
    QTest::newRow("a folder") << "folder"
                              << "不是一个文件";
}

void TestStartup::openRefuses()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("jssfserver.mdb"));
    if (kind == QLatin1String("text")) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    } else if (kind == QLatin1String("empty")) {
        QSqlDatabase db;
        QVERIFY(Database::create(name, QStringLiteral("make"), &db));
        QVERIFY(Sql::exec(db, QStringLiteral("drop table czyzd")));
        db = QSqlDatabase();
        Database::close(QStringLiteral("make"));
    } else if (kind == QLatin1String("unreadable")) {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        file.setPermissions(QFileDevice::Permissions());
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("jssfserver.mdb")));
    }

    QSqlDatabase db;
    const Result result = Database::open(name, QStringLiteral("probe"), &db);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(name), qPrintable(result.message()));
    QVERIFY2(result.message().contains(cause), qPrintable(result.message()));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("probe")));
    if (kind == QLatin1String("missing"))
        QVERIFY2(!QFile::exists(name), "opening must never create the file");
    if (kind == QLatin1String("empty"))
        QVERIFY(result.message().contains(QStringLiteral("czyzd")));
}

void TestStartup::openUsesWal()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("jssfserver.mdb"));
    {
        QSqlDatabase db;
        QVERIFY(Database::create(name, QStringLiteral("make"), &db));
        QCOMPARE(QFile::permissions(name) & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
        db = QSqlDatabase();
        Database::close(QStringLiteral("make"));
    }
    QSqlDatabase db;
    QVERIFY(Database::open(name, QStringLiteral("open"), &db));
    QCOMPARE(Sql::scalar(db, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    db = QSqlDatabase();
    Database::close(QStringLiteral("open"));

    QSqlDatabase again;
    QVERIFY(!Database::create(name, QStringLiteral("again"), &again));
}

void TestStartup::operatorLogTags()
{
    TestClock clock(QDateTime(QDate(2026, 12, 6), QTime(21, 15, 30)));
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    hall.loginAs(QStringLiteral("张三"));
    QVERIFY(czyrz_add(hall.state, QStringLiteral("会员管理")));
    QVERIFY(hall.exec(QStringLiteral("update czyrzh set tag=41")));
    QVERIFY(czyrz_add(hall.state, QStringLiteral("操作员权限设置")));

    QSqlQuery rows(hall.db());
    QVERIFY(rows.exec(QStringLiteral("select tag, czyname, czyxm, init_time, last_time from czyrzh order by tag")));
    QVERIFY(rows.next());
    QCOMPARE(rows.value(0).toDouble(), 41.0);
    QVERIFY(rows.next());
    QCOMPARE(rows.value(0).toDouble(), 42.0);
    QCOMPARE(rows.value(1).toString(), QStringLiteral("张三"));
    QCOMPARE(rows.value(2).toString(), QStringLiteral("操作员权限设置"));
    QCOMPARE(rows.value(3).toString(), QStringLiteral("2026-12-06 21:15:30"));
    QVERIFY(rows.value(4).isNull());

    TestHall empty;
    empty.loginAs(QStringLiteral("system"));
    QVERIFY(czyrz_add(empty.state, QStringLiteral("会员管理")));
    QCOMPARE(Sql::scalar(empty.db(), QStringLiteral("select tag from czyrzh")).toDouble(), 0.0);
}

void TestStartup::operatorLogClose()
{
    TestClock clock(QDateTime(QDate(2026, 12, 6), QTime(9, 0)));
    TestHall hall;
    hall.loginAs(QStringLiteral("张三"));
    QVERIFY(czyrz_add(hall.state, QStringLiteral("会员管理")));
    QVERIFY(czyrz_add(hall.state, QStringLiteral("商品类别设置")));
    hall.loginAs(QStringLiteral("李四"));
    QVERIFY(czyrz_add(hall.state, QStringLiteral("会员管理")));

    clock.advanceMinutes(30);
    // A value with a quote must not break the statement.
    QVERIFY(czyrz_close(hall.state, QStringLiteral("  张三 "), QStringLiteral("会员管理")));
    QVERIFY(czyrz_close(hall.state, QStringLiteral("O'Brien"), QStringLiteral("会员管理")));

    QSqlQuery rows(hall.db());
    QVERIFY(rows.exec(QStringLiteral("select czyname, czyxm, last_time from czyrzh order by tag")));
    const QList<QStringList> expected = {
        {QStringLiteral("张三"), QStringLiteral("会员管理"), QStringLiteral("2026-12-06 09:30:00")},
        {QStringLiteral("张三"), QStringLiteral("商品类别设置"), QString()},
        {QStringLiteral("李四"), QStringLiteral("会员管理"), QString()},
    };
    for (const QStringList& row : expected) {
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toString(), row[0]);
        QCOMPARE(rows.value(1).toString(), row[1]);
        QCOMPARE(rows.value(2).toString(), row[2]);
    }
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
