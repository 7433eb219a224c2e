#include "support/BoardBench.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <QTimer>

// The counter without a mouse: each board command on its own key, a whole visit by keys.
class TestBoardKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void everyCommandHasItsOwnKey();
    void visitByKeysAlone();

private:
    // A key where the keyboard is: the focus of the window in front.
    static void press(int key, Qt::KeyboardModifiers m = {}) { QTest::keyClick(qApp->focusWidget(), Qt::Key(key), m); }

    std::unique_ptr<BoardBench> f;
};

void TestBoardKeys::init()
{
    f.reset();
    f = std::make_unique<BoardBench>();
    QVERIFY(f->ready() && f->addTables(3));
    f->board();
}

// The board's whole key map, so that a key on two items (which would run
// neither) or a command moved off its key shows.
void TestBoardKeys::everyCommandHasItsOwnKey()
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
void TestBoardKeys::visitByKeysAlone()
{
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

QTEST_MAIN(TestBoardKeys)
#include "test_board_keys.moc"
