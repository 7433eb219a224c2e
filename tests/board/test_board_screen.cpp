#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/board/BoardModel.h"
#include "core/board/TableNewsListener.h"
#include "core/board/TableOpening.h"
#include "core/devices/PseudoTerminal.h"
#include "core/printing/Receipt.h"
#include "support/BoardBench.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

// The board screen's wiring: each command reaches the logic and its answer
// is shown, and a command touches only its own table's row. Three tables at
// 30 an hour, table 2 with the positioning card "P2"; the members "M1"
// (优惠卡, discount 9.5, no password) and "M2" (password " 123 "). The counter
// without a mouse too: each command on its own key, a whole visit by keys.
class TestFormMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void commands_data();
    void commands();
    void refusedCardLeavesTableAndLampAlone();
    void reminderAsksUntilYes();
    void selectionShowsChargeOrDeposit();
    void damagedTablesAreReported();
    void lostServerIsToldOnce();
    void otherCounterShowsAtOnce_data();
    void otherCounterShowsAtOnce();
    void everyCommandHasItsOwnKey();
    void visitByKeysAlone();

private:
    // A key where the keyboard is: the focus of the window in front.
    static void press(int key, Qt::KeyboardModifiers m = {}) { QTest::keyClick(qApp->focusWidget(), Qt::Key(key), m); }

    void open(int row, const QString& card = {}, const QString& password = {}, const QString& reminder = {})
    {
        f->click(row);
        f->box("card")->setText(card);
        f->box("password")->setText(password);
        f->box("reminder")->setText(reminder);
        f->run("js");
    }

    std::unique_ptr<BoardBench> f;
};

void TestFormMenu::init()
{
    f.reset(); // the previous board and hall, before the next hall's recorder is installed
    f = std::make_unique<BoardBench>();
    QVERIFY(f->ready() && f->addTables(3));
    QVERIFY(f->hall.exec(QStringLiteral("update zhdy set ktkh='P2' where zhao=2")));
    QVERIFY(f->addMember(QStringLiteral("M1"), QVariant(), QStringLiteral("优惠卡"), 9.5));
    QVERIFY(f->addMember(QStringLiteral("M2"), QStringLiteral(" 123 "), QStringLiteral("现金卡")));
    f->hall.state.params.memberDeposit = 40;
    f->hall.state.params.cardNumberLength = 10;
    f->hall.state.params.reminderOffersCheckout = true;
}

void TestFormMenu::commands_data()
{
    QTest::addColumn<QString>("command"); // an action, or "P2" typed into card
    QTest::addColumn<bool>("tableOpen");  // table 2, before the command
    QTest::addColumn<bool>("elsewhere");  // table 2 opened by another counter after the board read it
    QTest::newRow("js opens") << "js" << false << false;
    QTest::newRow("jz settles") << "jz" << true << false;
    QTest::newRow("positioning card, Yes opens") << "P2" << false << false;
    QTest::newRow("Refh shows a visit opened elsewhere") << "Refh" << false << true;
    QTest::newRow("F2 on a table opened elsewhere") << "menu_yygl_1" << false << true;
}

// Tables 1 and 3 stay open through every command on table 2, and only a
// refresh of the whole board (Refh, the one a positioning card ends with, and
// the one after an opening refused because another counter opened the table)
// tells the views about their rows.
void TestFormMenu::commands()
{
    QFETCH(QString, command);
    QFETCH(bool, tableOpen);
    QFETCH(bool, elsewhere);
    QVERIFY(f->openVisit(1, today("19:00:00")) && f->openVisit(3, today("19:30:00")));
    if (tableOpen)
        QVERIFY(f->openVisit(2, today("19:00:00")));
    f->click(1);
    f->messages.setDefaultAnswer(Messages::Answer::Yes);
    if (elsewhere)
        QVERIFY(f->openVisit(2, today("19:00:00")));
    QSignalSpy changed(f->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(f->model(), &QAbstractItemModel::modelReset);
    if (command == QLatin1String("P2")) {
        QTest::keyClicks(f->box("card"), command);
        QTest::keyClick(f->box("card"), Qt::Key_Return);
    } else {
        f->run(qPrintable(command));
    }
    const bool open = !tableOpen;
    QCOMPARE(f->openVisits(2), open ? 1 : 0);
    QCOMPARE(f->inUse(1), open);
    const QAbstractItemModel* list = control<QTreeView>(&f->board(), QStringLiteral("boardList"))->model();
    const QModelIndex two = list->match(list->index(0, 0), Qt::DisplayRole, QStringLiteral("2")).value(0);
    QCOMPARE(two.data(Qt::ForegroundRole).value<QColor>(), open ? QColor(255, 0, 0) : QColor(0, 0, 255));
    if (tableOpen)
        QCOMPARE(f->box("grandTotal")->text(), QStringLiteral("30")); // an hour at 30
    QVERIFY(f->inUse(0) && f->inUse(2));
    QCOMPARE(f->model()->index(2, BoardModel::Start).data().toString(), QStringLiteral("2026-12-06 19:30:00"));
    if (elsewhere && command != QLatin1String("Refh"))
        QCOMPARE(f->messages.texts(),
                 QStringList{QStringLiteral("2号台已经开台（可能是在另一台电脑上），台位已刷新。")});
    if (!elsewhere && command != QLatin1String("P2")) {
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 1);
        QCOMPARE(reset.count(), 0);
    }
}

// A refused card writes nothing and lights nothing; the next opening shows
// its member's discount, lights the lamp, and a checkout puts it out.
void TestFormMenu::refusedCardLeavesTableAndLampAlone()
{
    PseudoTerminal controller;
    QVERIFY2(controller.isValid(), qPrintable(controller.error()));
    QVERIFY(f->hall.attachLights(controller.path()));
    QByteArray received; // all the lamp controller got so far
    // The board's start-up puts out the three free lamps, each answered in turn.
    f->board();
    for (const char lamp : {'\x00', '\x01', '\x02'}) {
        QTRY_VERIFY((received += controller.readAvailable()).endsWith(lamp));
        QVERIFY(controller.write(QByteArray(1, lamp)));
    }
    QTRY_COMPARE(received += controller.readAvailable(), QByteArray("\x00\x88\x01\x88\x02\x88", 6));
    received.clear();
    open(2, QStringLiteral("M2"), QStringLiteral("124"), QStringLiteral("45"));
    QCOMPARE(f->messages.texts(), QStringList{QStringLiteral("会员卡号错误，请重新输入 ")});
    QCOMPARE(f->value(QStringLiteral("select count(*) from waimxd")).toInt(), 0);
    QCOMPARE(f->value(QStringLiteral("select sybj + tx from zhdy where zhao=3")).toInt(), 0);
    QVERIFY(!f->inUse(2));
    open(2, QStringLiteral("M1"));
    QCOMPARE(f->box("discount")->text(), QStringLiteral("9.5"));
    QTRY_COMPARE(received += controller.readAvailable(), QByteArray("\x42"));
    QVERIFY(controller.write("\x42")); // the echo, without which the next command waits
    f->clock.advanceMinutes(30);
    f->run("jz");
    QCOMPARE(f->openVisits(3), 0);
    QTRY_COMPARE(received += controller.readAvailable(), QByteArray("\x42\x88\x02"));
}

// A due reminder is asked about at every refresh until answered Yes, which
// settles the table; a No gives back the table the operator was at.
void TestFormMenu::reminderAsksUntilYes()
{
    open(0, QString(), QString(), QStringLiteral("60"));
    f->clock.advanceMinutes(60);
    f->click(1);
    f->box("card")->setText(QStringLiteral("M2"));
    f->messages.answerNext(Messages::Answer::No);
    f->run("Refh");
    QCOMPARE(f->board().currentTable(), QStringLiteral("2"));
    QCOMPARE(f->box("rowNumber")->text(), QStringLiteral("2"));
    QCOMPARE(f->box("card")->text(), QStringLiteral("M2"));
    f->messages.answerNext(Messages::Answer::Yes);
    f->run("Refh");
    QCOMPARE(f->messages.texts(), QStringList(2, QStringLiteral("1台位是否结帐")));
    QCOMPARE(f->openVisits(1), 0);
    QCOMPARE(f->model()->index(0, BoardModel::Total).data().toString(), QStringLiteral("30"));
    f->run("Refh");
    QCOMPARE(f->messages.count(), 2);
}

void TestFormMenu::selectionShowsChargeOrDeposit()
{
    QVERIFY(f->openVisit(2, today("19:00:00"), QStringLiteral("M1"), 30, 0, 80));
    f->click(1);
    QCOMPARE(f->board().currentTable(), QStringLiteral("2"));
    QCOMPARE(f->box("timeCharge")->text(), QStringLiteral("20.00")); // an hour at the member's 20
    QCOMPARE(f->box("deposit")->text(), QStringLiteral("80"));

    // The arrow keys select too; a free table shows the default deposit.
    QTest::keyClick(control<QTableView>(&f->board(), QStringLiteral("boardGrid")), Qt::Key_Down);
    QCOMPARE(f->box("rowNumber")->text(), QStringLiteral("3"));
    QCOMPARE(f->box("timeCharge")->text(), QString());
    QCOMPARE(f->box("deposit")->text(), QStringLiteral("40"));
}

// Long names spread six tables over three pages, and the last page is
// overwritten while the hall is closed: the first tables still read, but a
// board without the last ones must say so, when built and when refreshed.
void TestFormMenu::damagedTablesAreReported()
{
    if (TestHall::onServer())
        QSKIP("overwriting a page of the file only concerns the file");
    QVERIFY(f->hall.exec(QStringLiteral("insert into zhdy (zhao) values (4), (5), (6)")));
    QVERIFY(f->hall.exec(QStringLiteral("update zhdy set mc=?"), {QString(1500, QLatin1Char('x'))}));
    const qint64 page =
        f->value(QStringLiteral("select pageno from dbstat where name='zhdy' order by path desc")).toLongLong();
    f->hall.db().close();
    QFile file(f->hall.state.DbFullName);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096) && file.write(QByteArray(4096, '\xa5')));
    file.close();
    QVERIFY(f->hall.db().open());
    f->board();
    f->run("Refh");
    QCOMPARE(f->messages.texts().join(QLatin1Char('|')).count(QStringLiteral("数据文件已损坏")), 2);
}

// A server gone for good fails every timed refresh: the operator hears of it
// once, not every 50 seconds, and the tables already drawn stay on the board.
void TestFormMenu::lostServerIsToldOnce()
{
    if (!TestHall::onServer())
        QSKIP("a file is not lost between statements");
    f->board();
    const QString other = QStringLiteral("server admin");
    {
        QSqlDatabase admin = QSqlDatabase::cloneDatabase(f->hall.db(), other);
        admin.setDatabaseName(QStringLiteral("postgres"));
        QVERIFY(admin.open());
        const QVariant session = f->value(QStringLiteral("select pg_backend_pid()"));
        const Result closed = Sql::execDefinition(
            admin, QStringLiteral("alter database %1 with allow_connections false").arg(f->hall.serverDatabase()));
        QVERIFY2(closed, qPrintable(closed.message()));
        QVERIFY(Sql::scalar(admin, QStringLiteral("select pg_terminate_backend(?)"), {session}));
    }
    QSqlDatabase::removeDatabase(other);
    const QStringList before = f->messages.texts();
    for (int refresh = 0; refresh < 3; ++refresh)
        f->run("Refh");
    const QStringList told = f->messages.texts().mid(before.size());
    QVERIFY2(told.size() == 1 && told.first().contains(QStringLiteral("连接断开")),
             qPrintable(told.join(QLatin1Char('|'))));
    QCOMPARE(f->model()->rowCount(), 3);
}

void TestFormMenu::otherCounterShowsAtOnce_data()
{
    QTest::addColumn<bool>("drivesLamps");
    QTest::addColumn<bool>("lost");        // this counter's connection lost and reopened first
    QTest::addColumn<QByteArray>("lamps"); // what the controller gets after the start-up relight
    const QByteArray onOff("\x41\x88\x01\x88", 4);
    QTest::newRow("drives the lamps") << true << false << onOff;
    QTest::newRow("drives the lamps, connection lost")
        << true << true << QByteArray("\x00\x88\x01\x88\x02\x88", 6) + onOff;
    QTest::newRow("without the lamps") << false << false << QByteArray();
}

// Table 2 opened and settled at another counter shows on this board within a
// second, and the counter with the lamps switches its lamp; one without the
// lamps writes nothing to the port, for its own open and settle neither. A
// connection reopened after a loss listens again and reads everything once.
void TestFormMenu::otherCounterShowsAtOnce()
{
    if (!TestHall::onServer())
        QSKIP("a file has no notices: each counter sees the others' changes at its refresh");
    QFETCH(bool, drivesLamps);
    QFETCH(bool, lost);
    QFETCH(QByteArray, lamps);
    PseudoTerminal controller;
    QVERIFY2(controller.isValid(), qPrintable(controller.error()));
    QVERIFY(f->hall.attachLights(controller.path()));
    QByteArray received;
    QSocketNotifier echo(controller.descriptor(), QSocketNotifier::Read);
    connect(&echo, &QSocketNotifier::activated, this, [&] {
        const QByteArray bytes = controller.readAvailable();
        received += bytes;
        if (!bytes.endsWith('\x88'))
            controller.write(bytes.right(1));
    });
    f->board(drivesLamps);
    QTRY_COMPARE(received.size(), drivesLamps ? 6 : 0); // the start-up relight of three free tables
    received.clear();

    const QString name = QStringLiteral("other counter");
    {
        AppState other = f->hall.state;
        other.DbConn = QSqlDatabase::cloneDatabase(f->hall.db(), name);
        QVERIFY(other.DbConn.open());
        if (lost) {
            QVERIFY(Sql::scalar(other.DbConn, QStringLiteral("select pg_terminate_backend(?)"),
                                {f->value(QStringLiteral("select pg_backend_pid()"))}));
            f->run("Refh"); // may be the one that finds the connection lost
            f->run("Refh");
            QVERIFY(f->devices().news().listenAgain());
        }
        const auto opened = TableOpening::openTable(other, {QStringLiteral("2"), {}, {}, {}, {}});
        QVERIFY(opened && opened->outcome == TableOpening::Outcome::Opened);
        QTRY_VERIFY_WITH_TIMEOUT(f->inUse(1), 1000);
        f->clock.advanceMinutes(90);
        const Checkout::Bill bill = Checkout::settle(other, {QStringLiteral("2"), {}, {}, {}});
        QVERIFY(bill.settled() && bill.timeCharge() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!f->inUse(1), 1000);
        // The row shows the bill as the counter that settled it does.
        QCOMPARE(f->model()->index(1, BoardModel::End).data().toString(), DateText::dateTime(bill.end));
        QCOMPARE(f->model()->index(1, BoardModel::Total).data().toString(), receiptNumber(bill.timeCharge()));
    }
    QSqlDatabase::removeDatabase(name);
    if (!drivesLamps) {
        open(1);
        f->run("jz");
    }
    QTRY_COMPARE(received, lamps);
    QTest::qWait(100);
    QCOMPARE(received, lamps);
    QCOMPARE(control<QPushButton>(&f->board(), QStringLiteral("allLights"))->isVisible(), drivesLamps);
}

// The board's whole key map, so that a key on two items (which would run
// neither) or a command moved off its key shows.
void TestFormMenu::everyCommandHasItsOwnKey()
{
    QStringList keys;
    for (const QAction* action : f->board().findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts())
            keys.append(key.toString() + QLatin1Char('=') + action->objectName());
    }
    keys.sort();
    QCOMPARE(keys.join(QLatin1Char(' ')), QStringLiteral("F10=menu_yygl_8 F12=mset_0 F2=menu_yygl_1 F3=menu_yygl_2 "
                                                         "F4=menu_yygl_11 F5=menu_yygl_4 F6=menu_yygl_3 F7=menu_yygl_9 "
                                                         "F8=menu_yygl_12 F9=menu_yygl_7"));
}

// Neither a number without a table nor digits dropped by Escape move the board.
// An F3 in the sale screen must not settle the table under the sale.
void TestFormMenu::visitByKeysAlone()
{
    f->board();
    QVERIFY(f->hall.exec(QStringLiteral("insert into spzd (headcode, name, spjm, spdj, sp_max, sp_mix) "
                                        "values ('101', '啤酒', 'PJ', 6.5, 0, 0), ('102', '可乐', 'KL', 3, 0, 0)")));
    QVERIFY(QTest::qWaitForWindowActive(&f->board()));
    auto* grid = control<QWidget>(&f->board(), QStringLiteral("boardGrid"));
    grid->setFocus();
    QTest::keyClicks(grid, QStringLiteral("31"));
    press(Qt::Key_Return);
    QTest::keyClicks(grid, QStringLiteral("3"));
    press(Qt::Key_Escape);
    QTest::keyClicks(grid, QStringLiteral("2"));
    QCOMPARE(f->board().currentTable(), QStringLiteral("1"));
    press(Qt::Key_Return);
    press(Qt::Key_F2);
    QCOMPARE(f->value(QStringLiteral("select count(*) from waimxd where zhao=2 and jsrc is null")).toInt(), 1);

    QTimer::singleShot(0, this, [] {
        auto* screen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(screen);
        screen->activateWindow(); // offscreen, a new modal screen opens behind its parent
        for (const char* sale : {"PJ2", "KL3"}) {
            if (!QTest::qWaitFor([screen] { return QApplication::activeWindow() == screen; }))
                break;
            press(Qt::Key_N, Qt::ControlModifier);
            press(Qt::Key_Return);
            QTest::keyClicks(qApp->focusWidget(), QLatin1String(sale, 2));
            press(Qt::Key_Return);
            QTest::keyClicks(qApp->focusWidget(), QLatin1String(sale + 2));
            for (int box = 3; box <= 9 && qApp->focusWidget()->objectName() != QLatin1String("tableChooser"); ++box)
                press(Qt::Key_Return);
            auto* tables = qobject_cast<QComboBox*>(qApp->focusWidget());
            for (int i = 0; tables && i < tables->count() && tables->currentText() != QLatin1String("2"); ++i)
                press(Qt::Key_Down);
            press(Qt::Key_Return);
        }
        press(Qt::Key_F3);
        press(Qt::Key_Escape);
        if (screen->isVisible())
            screen->reject(); // a failed step must not leave the test waiting on the screen
    });
    press(Qt::Key_F8);
    QCOMPARE(f->messages.texts(), QStringList());
    const QString goods = QStringLiteral("select count(*), sum(amount) from ckv_zc where zhao='2' and jzbj=?");
    QCOMPARE(f->hall.rows(goods, {0}), QStringList{QStringLiteral("2|22.0")});

    f->board().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f->board()));
    press(Qt::Key_F3);
    QCOMPARE(f->value(QStringLiteral("select count(*) from waimxd where zhao=2 and jsrc is null")).toInt(), 0);
    QCOMPARE(f->hall.rows(goods, {1}), QStringList{QStringLiteral("2|22.0")});
}

QTEST_MAIN(TestFormMenu)
#include "test_board_screen.moc"
