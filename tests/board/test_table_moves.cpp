#include "core/board/TableMove.h"
#include "core/devices/PseudoTerminal.h"
#include "support/BoardBench.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Moving parties between tables and the values kept on a table's row. Five
// tables; table 2 open since 18:50 (visit 1), table 3 since 19:30 (visit 2).
class TestTableMoves : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void moves_data();
    void moves();
    void transferLights_data();
    void transferLights();
    void tableMarks_data();
    void tableMarks();

private:
    QString visits()
    {
        return f->hall.rows(QStringLiteral("select id || ':' || zhao from waimxd order by id")).join(QLatin1Char(','));
    }
    QString marks()
    {
        return f->hall
            .rows(QStringLiteral(
                "select zhao || ':' || sybj || case when tx<>0 or fwfl<>0 then '/' || "
                "cast(tx as integer) || '/' || cast(fwfl as integer) else '' end from zhdy order by zhao"))
            .join(QLatin1Char(','));
    }

    std::unique_ptr<BoardBench> f;
};

void TestTableMoves::init()
{
    f.reset();
    f = std::make_unique<BoardBench>();
    QVERIFY(f->ready() && f->addTables(5));
    QVERIFY(f->openVisit(2, today("18:50:00")) && f->openVisit(3, today("19:30:00")));
}

void TestTableMoves::moves_data()
{
    QTest::addColumn<bool>("transfer"); // else a swap
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("refusal"); // event, when
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("visits");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("goods");
    const QString before = QStringLiteral("1:2,2:3");
    const QString marked = QStringLiteral("1:0,2:1/60/50,3:1/0/20,4:0,5:0");
    const QStringList none;
    const QStringList failAtTarget{QStringLiteral("before update of sybj on zhdy"), QStringLiteral("new.zhao=5")};
    const QStringList failAtSecond{QStringLiteral("before update of zhao on waimxd"), QStringLiteral("new.zhao=2")};
    const QString unmoved = QStringLiteral("2,3");
    QTest::newRow("transfer") << true << 2 << 5 << "" << none << true << true << "1:5,2:3"
                              << "1:0,2:0,3:1/0/20,4:0,5:1/60/50"
                              << "5,3";
    QTest::newRow("transfer failing at its last statement")
        << true << 2 << 5 << "" << failAtTarget << false << false << before << marked << unmoved;
    QTest::newRow("transfer to a table opened meanwhile")
        << true << 2 << 3 << "" << none << true << false << before << marked << unmoved;
    QTest::newRow("transfer to a free-marked table holding a visit")
        << true << 2 << 4 << "insert into waimxd (id, zhao, ksrc) values (3, 4, '2026-12-06 19:00:00')" << none << true
        << false << "1:2,2:3,3:4" << marked << unmoved;
    QTest::newRow("transfer of a table settled meanwhile")
        << true << 2 << 5 << "update waimxd set jsrc='2026-12-06 19:59:00' where id=1" << none << true << false
        << before << marked << unmoved;
    QTest::newRow("swap") << false << 2 << 3 << "" << none << true << true << "1:3,2:2"
                          << "1:0,2:1/0/20,3:1/60/50,4:0,5:0"
                          << "3,2";
    QTest::newRow("swap failing at its second visit")
        << false << 2 << 3 << "" << failAtSecond << false << false << before << marked << unmoved;
    QTest::newRow("swap with a table in use without visit")
        << false << 2 << 4 << "update zhdy set sybj=1 where zhao=4" << none << true << false << before
        << "1:0,2:1/60/50,3:1/0/20,4:1,5:0" << unmoved;
}

// A move either happens whole or leaves every row as it was.
void TestTableMoves::moves()
{
    QFETCH(bool, transfer);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, setup);
    QFETCH(QStringList, refusal);
    QFETCH(bool, ok);
    QFETCH(QString, visits);
    QFETCH(QString, marks);
    QFETCH(QString, goods);
    // The guests' reminder, deposit and unsettled goods, which must go where
    // their visit goes: left behind, the next guest at the table pays for them.
    QVERIFY(f->hall.exec(QStringLiteral("update zhdy set tx=60, fwfl=50 where zhao=2")) &&
            f->hall.exec(QStringLiteral("update zhdy set tx=0, fwfl=20 where zhao=3")));
    QVERIFY(f->addGoods(2, QStringLiteral("可乐"), 1, 5) && f->addGoods(3, QStringLiteral("啤酒"), 2, 16));
    if (!setup.isEmpty())
        QVERIFY2(f->hall.exec(setup), qPrintable(f->error()));
    if (!refusal.isEmpty())
        QVERIFY2(f->hall.refuse(QStringLiteral("boom"), refusal.at(0), QStringLiteral("injected"), refusal.at(1)),
                 qPrintable(f->error()));
    QSqlDatabase db = f->hall.state.DbConn;
    bool done = false;
    Result result = Result::success();
    if (transfer) {
        const ResultOf<TableMove::Transfer> outcome = TableMove::transfer(db, qint16(first), qint16(second));
        result = outcome.result();
        done = outcome && *outcome == TableMove::Transfer::Moved;
    } else {
        const ResultOf<bool> swapped = TableMove::swap(db, qint16(first), qint16(second));
        result = swapped.result();
        done = swapped && *swapped;
    }
    QCOMPARE(result.ok(), ok);
    QTEST(done, "moved");
    QCOMPARE(this->visits(), visits);
    QCOMPARE(this->marks(), marks);
    QCOMPARE(f->hall.rows(QStringLiteral("select zhao from ckv_zc order by id")).join(QLatin1Char(',')), goods);
}

void TestTableMoves::transferLights_data()
{
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("confirm, then transfer in") << true << QByteArray("\x01\x88\x44");
    QTest::newRow("confirm, then cancel") << false << QByteArray("\x01\x88\x41");
}

// With the lights on, the start-up puts every lamp in line with the books,
// logged once; then table 2 to table 5: the source lamp goes out at the
// transfer-out, and either the target's or the source's lamp comes on.
void TestTableMoves::transferLights()
{
    QFETCH(bool, complete);
    QFETCH(QByteArray, bytes);
    PseudoTerminal controller;
    QVERIFY2(controller.isValid(), qPrintable(controller.error()));
    QVERIFY(f->hall.attachLights(controller.path()));
    QByteArray received;
    f->board(); // its start-up lights the open tables 2 and 3 and puts out the rest, each answered in turn
    for (const char lamp : {'\x00', '\x41', '\x42', '\x03', '\x04'}) {
        QTRY_VERIFY((received += controller.readAvailable()).endsWith(lamp));
        QVERIFY(controller.write(QByteArray(1, lamp)));
    }
    QTRY_COMPARE(received += controller.readAvailable(), QByteArray::fromHex("00884188428803880488"));
    QCOMPARE(
        f->hall.rows(QStringLiteral("select czyname || ' ' || czyxm from czyrzh order by tag")).join(QLatin1Char(',')),
        QStringLiteral("system 启动灯光校正：重发 5 条灯光命令（开 2，关 3）"));
    received.clear();
    f->click(1);
    f->run("menu_yygl_3");
    auto* panel = control<QWidget>(&f->board(), QStringLiteral("transferPanel"));
    QVERIFY(panel->isVisible());
    auto* targets = control<QComboBox>(panel, QStringLiteral("target"));
    targets->setCurrentText(QStringLiteral("5"));
    auto* in = control<QPushButton>(panel, QStringLiteral("transferInButton"));
    QVERIFY(!in->isEnabled());
    control<QPushButton>(panel, QStringLiteral("transferOutButton"))->click();
    QTRY_COMPARE(received += controller.readAvailable(), QByteArray("\x01"));
    QVERIFY(controller.write("\x01"));
    if (complete)
        in->click();
    else
        control<QPushButton>(panel, QStringLiteral("transferOutButton"))->click();
    QTRY_COMPARE(received += controller.readAvailable(), bytes);
    QCOMPARE(visits(), complete ? QStringLiteral("1:5,2:3") : QStringLiteral("1:2,2:3"));
    QCOMPARE(marks(), complete ? QStringLiteral("1:0,2:0,3:1/0/50,4:0,5:1/0/50")
                               : QStringLiteral("1:0,2:1/0/50,3:1/0/50,4:0,5:0"));
    QCOMPARE(panel->isVisible(), !complete);
    QCOMPARE(f->inUse(4), complete);
}

void TestTableMoves::tableMarks_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("reminderMinutes"); // of the row's table after the screen
    QTest::addColumn<double>("deposit");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("due");
    QTest::newRow("reminder of 60 at minute 70") << "tx" << 1 << "60" << 60.0 << 50.0 << true << true;
    QTest::newRow("reminder with exponent") << "tx" << 1 << "1e2" << 0.0 << 50.0 << false << false;
    QTest::newRow("deposit keeps its cents") << "yj" << 1 << "12.5" << 0.0 << 12.5 << true << false;
    QTest::newRow("deposit with a sign") << "yj" << 1 << "-5" << 0.0 << 50.0 << false << false;
    QTest::newRow("empty deposit") << "yj" << 1 << "" << 0.0 << 50.0 << false << false;
    QTest::newRow("deposit button on a free table") << "yj" << 0 << "30" << 0.0 << 0.0 << false << false;
    QTest::newRow("deposit item on a free table") << "menu_yygl_8" << 0 << "30" << 0.0 << 30.0 << true << false;
}

// A value that is not one the table may keep is refused and changes
// nothing (the bounds are the opening's, tried in test_tableopening); a
// saved reminder shows at the refresh that follows.
void TestTableMoves::tableMarks()
{
    QFETCH(QString, command);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    f->hall.state.params.reminderOffersCheckout = false;
    f->click(row);
    int result = -1;
    QTimer::singleShot(0, [&] {
        auto* screen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!screen)
            return;
        control<QLineEdit>(screen, QStringLiteral("value"))->setText(typed);
        control<QPushButton>(screen, QStringLiteral("saveButton"))->click();
        result = screen->isVisible() ? QDialog::Rejected : screen->result();
        if (screen->isVisible())
            screen->reject();
    });
    control<QAction>(&f->board(), command)->trigger();
    QCOMPARE(result == QDialog::Accepted, accepted);
    QTEST(f->value(QStringLiteral("select tx from zhdy where zhao=?"), {row + 1}).toDouble(), "reminderMinutes");
    QTEST(f->value(QStringLiteral("select fwfl from zhdy where zhao=?"), {row + 1}).toDouble(), "deposit");
    QCOMPARE(f->messages.count(), typed.isEmpty() || (!accepted && row == 0) ? 0 : 1);
    QTEST(f->model()->isDue(row), "due");
}

QTEST_MAIN(TestTableMoves)
#include "test_table_moves.moc"
