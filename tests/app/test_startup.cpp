#include "app/MainWindow.h"
#include "app/MessageBoxPresenter.h"
#include "app/StartDatabase.h"
#include "core/base/Database.h"
#include "core/base/DbPlace.h"
#include "core/base/OperatorLog.h"
#include "core/base/SettingsStore.h"
#include "core/base/Sql.h"
#include "core/base/UserDataFolder.h"
#include "support/HallFixture.h"
#include "ui/board/BoardScreen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>
#include <unistd.h>

// The program's start: where it finds the hall's file, what it refuses to
// open, and the main window the operator then works in.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void location_data();
    void location();
    void dataFolder_data();
    void dataFolder();
    void oldDataFolderMoved_data();
    void oldDataFolderMoved();
    void openRefuses_data();
    void openRefuses();
    void checkedWhileStarting_data();
    void checkedWhileStarting();
    void operatorLog();
    void closeAsksFirst_data();
    void closeAsksFirst();
    void eachLoginGetsItsOwnBoard();
    void strayEnterKeepsWhatIsThere_data();
    void strayEnterKeepsWhatIsThere();
};

void TestStartup::location_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("writable"); // the program folder
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<bool>("toMake");
    const QString beside = QStringLiteral("/opt/tavoro/jssfserver.mdb");
    QTest::newRow("development build") << QString() << QString() << true << beside << false;
    QTest::newRow("data without path is ignored") << QString() << QStringLiteral("shop.mdb") << true << beside << false;
    QTest::newRow("folder with its separator") << QStringLiteral("/srv/hall/") << QStringLiteral("shop.mdb") << true
                                               << QStringLiteral("/srv/hall/shop.mdb") << false;
    QTest::newRow("folder without its separator") << QStringLiteral("/srv/hall") << QStringLiteral("shop.mdb") << true
                                                  << QStringLiteral("/srv/hall/shop.mdb") << false;
    QTest::newRow("installed, location chosen") << QStringLiteral("/srv/hall/") << QStringLiteral("shop.mdb") << false
                                                << QStringLiteral("/srv/hall/shop.mdb") << false;
    QTest::newRow("installed, nothing chosen")
        << QString() << QStringLiteral("shop.mdb") << false << QStringLiteral("/nowhere/Tavoro/jssfserver.mdb") << true;
}

void TestStartup::location()
{
    QFETCH(QString, path);
    QFETCH(QString, data);
    QFETCH(bool, writable);
    QFETCH(QString, fullName);
    QFETCH(bool, toMake);
    const DbPlace place =
        placeDatabase(path, data, QStringLiteral("/opt/tavoro"), writable, QStringLiteral("/nowhere/Tavoro"));
    QCOMPARE(place.location.DbFullName, fullName);
    QCOMPARE(QDir(place.location.DbFolder).filePath(place.location.DbFileName), fullName);
    QCOMPARE(place.toMake, toMake);
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

void TestStartup::dataFolder_data()
{
    QTest::addColumn<QString>("found"); // what the data folder or the program's places hold
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("told"); // the critical message, a pattern; empty: none
    QTest::newRow("Yes, packaged template") << "share" << true << QString();
    QTest::newRow("Yes, template beside the program") << "beside" << true << QString();
    QTest::newRow("No") << "share" << false << QString();
    QTest::newRow("Yes, no template") << "none" << true << "找不到随程序提供的空数据库.*share/tavoro/jssfserver.mdb";
    QTest::newRow("file already there") << "file" << true << QString();
}

// An installed program (its folder not writable) with no location chosen
// keeps the hall's data in the user's data folder, made from the template
// only on the operator's Yes, and never over a file that is there. Root may
// write in any folder, so the folder's writability is given, not tried.
void TestStartup::dataFolder()
{
    QFETCH(QString, found);
    QFETCH(bool, yes);
    QFETCH(QString, told);
    QStandardPaths::setTestModeEnabled(true);
    const QString dataFolder = UserDataFolder::path();
    QVERIFY2(dataFolder.contains(QLatin1String("/.qttest/")), qPrintable(dataFolder));
    QDir(dataFolder).removeRecursively();
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(program) && QDir().mkpath(root.filePath(QStringLiteral("share/tavoro"))));
    const QString made = dataFolder + QStringLiteral("/jssfserver.mdb");
    if (found == QLatin1String("share"))
        QVERIFY(makeHall(root.filePath(QStringLiteral("share/tavoro/jssfserver.mdb")), QStringLiteral("select 1")));
    if (found == QLatin1String("beside"))
        QVERIFY(makeHall(program + QStringLiteral("/jssfserver.mdb"), QStringLiteral("select 1")));
    if (found == QLatin1String("file"))
        QVERIFY(QDir().mkpath(dataFolder) && makeHall(made, QStringLiteral("create table kept (x)")));
    // A package installs its files readable by everyone.
    for (const QString& shipped : shippedTemplates(program))
        QFile::setPermissions(shipped, QFileDevice::Permissions::fromInt(0x6644));
    const QString before = snapshot(made);

    MessageRecorder messages;
    messages.setDefaultAnswer(yes ? Messages::Answer::Yes : Messages::Answer::No);
    const std::optional<DbLocation> location = startDatabase(QString(), QString(), program, false);

    const bool opens = yes && told.isEmpty();
    QCOMPARE(location.has_value(), opens);
    QCOMPARE(QFileInfo::exists(dataFolder), opens);
    if (found == QLatin1String("file")) {
        QCOMPARE(messages.count(), 0);
        QCOMPARE(snapshot(made), before);
    } else {
        QVERIFY(messages.messages().first().buttons == Messages::Buttons::YesNo);
        QVERIFY(messages.texts().first().contains(dataFolder));
        QCOMPARE(messages.count(), told.isEmpty() ? 1 : 2);
        if (!told.isEmpty())
            QVERIFY2(messages.last().text.contains(QRegularExpression(told)), qPrintable(messages.last().text));
    }
    if (opens) {
        QCOMPARE(location->DbFullName, made);
        QVERIFY(!(QFile::permissions(made) & (QFileDevice::ReadGroup | QFileDevice::ReadOther)));
        QSqlDatabase db;
        const Result opened = Database::open(made, QStringLiteral("started"), &db);
        QVERIFY2(opened.ok(), qPrintable(opened.message()));
        db = QSqlDatabase();
        Database::close(QStringLiteral("started"));
    }
    QDir(dataFolder).removeRecursively();
}

void TestStartup::oldDataFolderMoved_data()
{
    QTest::addColumn<QStringList>("old");   // the files of the old folder, path()/Tavoro
    QTest::addColumn<QStringList>("there"); // the files already in the new one
    QTest::addColumn<QString>("chosen");    // the location setting's folder: old, new or none
    QTest::addColumn<QStringList>("stayed");
    const QStringList hall = {QStringLiteral("jssfserver.mdb"), QStringLiteral("jssfserver.mdb-wal"),
                              QStringLiteral("data2026120720.bak")};
    QTest::newRow("moved up") << hall << QStringList() << "none" << QStringList();
    QTest::newRow("chosen location follows") << hall << QStringList() << "old" << QStringList();
    QTest::newRow("a name in both stays") << hall << QStringList{QStringLiteral("data2026120720.bak")} << "old"
                                          << QStringList{QStringLiteral("data2026120720.bak")};
    QTest::newRow("nothing old") << QStringList() << QStringList{QStringLiteral("jssfserver.mdb")} << "new"
                                 << QStringList();
}

// Files are only ever renamed, never replaced: what could not move stays
// where it was, and the start is refused rather than offering an empty hall.
void TestStartup::oldDataFolderMoved()
{
    QFETCH(QStringList, old);
    QFETCH(QStringList, there);
    QFETCH(QString, chosen);
    QFETCH(QStringList, stayed);
    QStandardPaths::setTestModeEnabled(true);
    const QDir folder(UserDataFolder::path());
    QVERIFY2(folder.path().endsWith(QLatin1String("/.qttest/share/Tavoro")), qPrintable(folder.path()));
    QDir(folder).removeRecursively();
    const QDir oldFolder(folder.filePath(QStringLiteral("Tavoro")));
    const auto write = [](const QDir& in, const QString& name, const QByteArray& bytes) {
        QFile file(in.filePath(name));
        return in.mkpath(QStringLiteral(".")) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    for (const QString& name : old)
        QVERIFY(write(oldFolder, name, "old " + name.toUtf8()));
    for (const QString& name : there)
        QVERIFY(write(folder, name, "new " + name.toUtf8()));
    QTemporaryDir home;
    QSettings stored(home.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    SettingsStore settings(&stored);
    if (chosen != QLatin1String("none"))
        settings.save((chosen == QLatin1String("old") ? oldFolder.path() : folder.path()) + QLatin1Char('/'),
                      QStringLiteral("jssfserver.mdb"));

    const Result moved = UserDataFolder::moveOldFolder(settings);

    QCOMPARE(moved.ok(), stayed.isEmpty());
    for (const QString& name : stayed)
        QVERIFY2(moved.message().contains(name), qPrintable(moved.message()));
    for (const QString& name : old) {
        const bool kept = stayed.contains(name);
        QCOMPARE(QFileInfo::exists(oldFolder.filePath(name)), kept);
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), (kept ? "new " : "old ") + name.toUtf8());
    }
    QCOMPARE(oldFolder.exists(), !stayed.isEmpty());
    if (chosen != QLatin1String("none"))
        QCOMPARE(QDir::cleanPath(settings.path()), folder.path());
    QDir(folder).removeRecursively();
}

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

void TestStartup::checkedWhileStarting_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("sound") << false;
    QTest::newRow("a page overwritten") << true;
}

// A file opened at once and checked meanwhile takes no write until the check
// has found it sound; a damaged one is refused as open() refuses it and is
// left exactly as it was.
void TestStartup::checkedWhileStarting()
{
    QFETCH(bool, damaged);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("jssfserver.mdb"));
    QVERIFY(makeHall(name, QStringLiteral("insert into klx (klx) values ('金卡')")));
    QFile file(name);
    if (damaged) {
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() / 8192 * 4096));
        file.write(QByteArray(4096, '\xa5'));
        file.close();
    }
    const QString before = snapshot(name);
    const QString write = QStringLiteral("insert into klx (klx) values ('银卡')");

    QSqlDatabase db;
    std::unique_ptr<Database::IntegrityCheck> check;
    const Result opened = Database::openCheckingLater(name, QStringLiteral("probe"), &db, &check);
    QVERIFY2(opened.ok() && check, qPrintable(opened.message()));
    QVERIFY(!Sql::exec(db, write));
    const Result verdict = check->verdict();
    QCOMPARE(verdict.ok(), !damaged);
    QCOMPARE(Sql::exec(db, write).ok(), !damaged);
    check.reset();
    db = QSqlDatabase();
    Database::close(QStringLiteral("probe"));
    if (!damaged)
        return;
    QCOMPARE(snapshot(name), before);
    const Result refused = Database::open(name, QStringLiteral("probe"), &db);
    QCOMPARE(verdict.message(), refused.message());
    QCOMPARE(verdict.number(), Result::DatabaseDamaged);
}

// Tags count on from the largest; closing a screen closes only that
// operator's rows for it, whatever the name holds.
void TestStartup::operatorLog()
{
    HallFixture hall(today("09:00:00"));
    TestHall& h = hall.hall;
    QVERIFY(openLogEntry(h.state, QStringLiteral("会员管理")));
    QCOMPARE(hall.value(QStringLiteral("select tag from czyrzh")).toInt(), 0);
    QVERIFY(h.exec(QStringLiteral("update czyrzh set tag=41")));
    h.loginAs(QStringLiteral("张三"));
    QVERIFY(openLogEntry(h.state, QStringLiteral("会员管理")));
    QVERIFY(openLogEntry(h.state, QStringLiteral("商品类别设置")));
    QCOMPARE(hall.value(QStringLiteral("select max(tag) from czyrzh")).toInt(), 43);
    QCOMPARE(hall.value(QStringLiteral("select init_time from czyrzh where tag=42")).toString(),
             QStringLiteral("2026-12-06 09:00:00"));

    hall.clock.advanceMinutes(30);
    QVERIFY(closeLogEntries(h.state, QStringLiteral("  张三 "), QStringLiteral("会员管理")));
    QVERIFY(closeLogEntries(h.state, QStringLiteral("O'Brien"), QStringLiteral("会员管理")));
    QCOMPARE(h.rows(QStringLiteral("select cast(tag as integer) || '=' || coalesce(last_time, '-') from czyrzh "
                                   "order by tag"))
                 .join(QLatin1Char(' ')),
             QStringLiteral("41=- 42=2026-12-06 09:30:00 43=-"));
}

void TestStartup::closeAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("backupOnExit");
    QTest::addColumn<QString>("question");
    const QString plain = QStringLiteral("是否退出Tavoro？");
    const QString open = QStringLiteral("还有 1 张台没有结账，退出后它们继续计时。\n是否退出Tavoro？");
    QTest::newRow("No keeps the window") << false << true << open;
    QTest::newRow("Yes closes it") << true << false << plain;
    QTest::newRow("Yes closes it with a backup") << true << true << plain;
}

void TestStartup::closeAsksFirst()
{
    QFETCH(bool, yes);
    QFETCH(bool, backupOnExit);
    QFETCH(QString, question);
    if (yes && backupOnExit && TestHall::onServer())
        QSKIP("the backup on exit copies the file; a server is backed up by its own means");
    HallFixture hall(today("23:40:00"));
    QVERIFY(hall.addTables(2));
    if (question.contains(QStringLiteral("结账")))
        QVERIFY(hall.openVisit(2, today("22:00:00")));
    hall.messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    hall.hall.state.params.BackupOnExit = backupOnExit;
    MainWindow window(hall.hall.state);
    window.show();
    QCOMPARE(window.close(), yes);
    const Messages::Message& asked = hall.messages.messages().first();
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.buttons, Messages::Buttons::YesNo);
    QCOMPARE(asked.defaultAnswer, std::optional(Messages::Answer::No));
    QCOMPARE(QFile::exists(hall.hall.folder() + QStringLiteral("/data2026120623.bak")), yes && backupOnExit);
}

// A change of shift must never leave the previous operator's rights behind.
void TestStartup::eachLoginGetsItsOwnBoard()
{
    HallFixture hall;
    QVERIFY(hall.addTables(1));
    QVERIFY(hall.hall.exec(QStringLiteral("insert into czyzd (czy_name, zhda) values ('clerk', 'E')")));
    hall.hall.state.CounterName = QStringLiteral("二楼");
    MainWindow window(hall.hall.state);
    hall.hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    QCOMPARE(control<QLabel>(&window, QStringLiteral("StatusBar1_4"))->text(), QStringLiteral("操作员:clerk"));
    QCOMPARE(control<QLabel>(&window, QStringLiteral("StatusBar1_6"))->text(), QStringLiteral("终端:二楼"));
    QCOMPARE(control<QLabel>(&window, QStringLiteral("StatusBar1_2"))->text(), QStringLiteral("日期:2026-03-05"));
    BoardScreen* first = window.board();
    QVERIFY(first);
    QVERIFY(control<QAction>(&window, QStringLiteral("mset_5"))->isEnabled());

    hall.hall.loginAs(QStringLiteral("nobody"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    QVERIFY(window.board() && window.board() != first);
    QCOMPARE(window.findChildren<BoardScreen*>().size(), 1);
    QVERIFY(!control<QAction>(&window, QStringLiteral("mset_5"))->isEnabled());

    // The board's shortcuts reach it inside the frame window.
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_VERIFY(control<QTimer>(window.board(), QStringLiteral("refreshTimer"))->isActive());
    QTest::keyClick(window.board(), Qt::Key_F2);
    QCOMPARE(hall.value(QStringLiteral("select count(*) from waimxd where zhao=1")).toInt(), 1);

    QSignalSpy shiftChange(&window, &MainWindow::shiftChangeRequested);
    control<QAction>(&window, QStringLiteral("mset_3"))->trigger();
    QCOMPARE(shiftChange.count(), 1);
    QVERIFY(!window.board());
    QVERIFY(window.mdiArea()->subWindowList().isEmpty());
}

void TestStartup::strayEnterKeepsWhatIsThere_data()
{
    QTest::addColumn<bool>("defaultNo");
    QTest::newRow("question that deletes") << true;
    QTest::newRow("question that does not") << false;
}

// The box the operator sees: Enter presses the default the question asked for.
void TestStartup::strayEnterKeepsWhatIsThere()
{
    QFETCH(bool, defaultNo);
    MessageBoxPresenter presenter;
    Messages::Presenter* previous = Messages::presenter();
    Messages::setPresenter(&presenter);
    bool pressed = false;
    QTimer::singleShot(0, this, [&pressed] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QTest::keyClick(box, Qt::Key_Return);
            pressed = !box->isVisible();
        }
    });
    // Should Enter close nothing, the test fails rather than waits.
    QTimer::singleShot(3000, this, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    const QString question = QStringLiteral("确实要删除会员 'x' 吗？");
    const bool yes = defaultNo ? Messages::askDefaultNo(question) : Messages::ask(question);
    Messages::setPresenter(previous);
    QVERIFY(pressed);
    QCOMPARE(yes, !defaultNo);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
