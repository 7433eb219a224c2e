#include "board/BoardModel.h"
#include "board/Form_menu.h"
#include "support/HallFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

// The counter without a mouse: a table chosen by its number, and a whole
// visit (open, two goods sold to it, settle) by the keys alone. Three tables
// at 30 an hour; beer 啤酒 "PJ" at 6.5 and cola 可乐 "KL" at 3.
class TestBoardKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tableByNumber_data();
    void tableByNumber();
    void everyCommandHasItsOwnKey();
    void visitByKeysAlone();

private:
    Form_menu& board()
    {
        if (!m_board) {
            m_board = std::make_unique<Form_menu>(f->hall.state);
            control<QAction>(m_board.get(), QStringLiteral("print"))->setChecked(false);
            m_board->show();
        }
        return *m_board;
    }
    QTableView* grid() { return control<QTableView>(&board(), QStringLiteral("FlGrid")); }
    QString typedStatus() { return control<QLabel>(&board(), QStringLiteral("tableNumberStatus"))->text(); }
    // A key where the keyboard is: the focus of the window in front.
    static void press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key(key), modifiers);
    }
    static void type(QWidget* window, const QString& text) { QTest::keyClicks(window->focusWidget(), text); }
    static bool sell(QDialog* screen, const QString& code, const QString& count, const QString& table);

    std::unique_ptr<HallFixture> f;
    std::unique_ptr<Form_menu> m_board;
};

void TestBoardKeys::init()
{
    f = std::make_unique<HallFixture>();
    QVERIFY(f->ready() && f->addTables(3));
    QVERIFY(f->hall.exec(QStringLiteral("insert into spzd (headcode, name, spjm, spdj, sp_max, sp_mix) "
                                        "values ('101', '啤酒', 'PJ', 6.5, 0, 0), ('102', '可乐', 'KL', 3, 0, 0)")));
}

void TestBoardKeys::cleanup()
{
    m_board.reset(); // before the hall whose recorder it reports to
    f.reset();
}

void TestBoardKeys::tableByNumber_data()
{
    QTest::addColumn<QString>("keys");  // digits, and B(ackspace), E(scape), D(own), R(eturn)
    QTest::addColumn<QString>("typed"); // the status bar before the last key
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("status");
    QTest::newRow("number") << "3R"
                            << "台号：3"
                            << "3"
                            << "";
    QTest::newRow("leading zero") << "02R"
                                  << "台号：02"
                                  << "2"
                                  << "";
    QTest::newRow("backspace takes one back") << "23BR"
                                              << "台号：2"
                                              << "2"
                                              << "";
    QTest::newRow("no such table") << "31R"
                                   << "台号：31"
                                   << "1"
                                   << "没有31号台";
    QTest::newRow("escape drops the digits") << "3ER"
                                             << ""
                                             << "1"
                                             << "";
    QTest::newRow("another key drops them") << "3DR"
                                            << ""
                                            << "2"
                                            << "";
}

// Table 1 is current at the start, and digits alone never move the board.
void TestBoardKeys::tableByNumber()
{
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, table);
    QFETCH(QString, status);
    grid()->setFocus();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i == keys.size() - 1)
            QCOMPARE(typedStatus(), typed);
        const QChar key = keys.at(i);
        if (key.isDigit()) {
            QTest::keyClicks(grid(), QString(key));
            QCOMPARE(board().currentTable(), QStringLiteral("1"));
            continue;
        }
        const int code = key == u'B'   ? Qt::Key_Backspace
                         : key == u'E' ? Qt::Key_Escape
                         : key == u'D' ? Qt::Key_Down
                                       : Qt::Key_Return;
        QTest::keyClick(grid(), Qt::Key(code));
    }
    QCOMPARE(board().currentTable(), table);
    QCOMPARE(typedStatus(), status);
}

// Each command key sits on one item only; a key on two would run neither.
void TestBoardKeys::everyCommandHasItsOwnKey()
{
    const QHash<QString, QString> expected = {
        {QStringLiteral("F2"), QStringLiteral("menu_yygl_1")},  {QStringLiteral("F3"), QStringLiteral("menu_yygl_2")},
        {QStringLiteral("F4"), QStringLiteral("menu_yygl_11")}, {QStringLiteral("F5"), QStringLiteral("menu_yygl_4")},
        {QStringLiteral("F6"), QStringLiteral("menu_yygl_3")},  {QStringLiteral("F7"), QStringLiteral("menu_yygl_9")},
        {QStringLiteral("F8"), QStringLiteral("menu_yygl_12")}, {QStringLiteral("F9"), QStringLiteral("menu_yygl_7")},
        {QStringLiteral("F10"), QStringLiteral("menu_yygl_8")}, {QStringLiteral("F12"), QStringLiteral("mset_0")}};
    QHash<QString, QString> owners;
    for (const QAction* action : board().findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const QString text = key.toString();
            QVERIFY2(!owners.contains(text), qPrintable(text + QStringLiteral(" on ") + owners.value(text) +
                                                        QStringLiteral(" and ") + action->objectName()));
            owners.insert(text, action->objectName());
        }
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(owners.value(it.key()), it.value());
}

// Ctrl+N starts the sale, Enter goes from box to box, the table is chosen
// in its list and Enter there saves.
bool TestBoardKeys::sell(QDialog* screen, const QString& code, const QString& count, const QString& table)
{
    press(screen, Qt::Key_N, Qt::ControlModifier);
    if (screen->focusWidget()->objectName() != QLatin1String("Txtzzd_1"))
        return false;
    press(screen, Qt::Key_Return);
    type(screen, code);
    press(screen, Qt::Key_Return);
    type(screen, count);
    for (int box = 3; box <= 8; ++box) {
        if (screen->focusWidget()->objectName() != QStringLiteral("Txtzzd_") + QString::number(box))
            return false;
        press(screen, Qt::Key_Return);
    }
    auto* tables = qobject_cast<QComboBox*>(screen->focusWidget());
    if (!tables || tables->objectName() != QLatin1String("Combzhao"))
        return false;
    // The arrow keys, since a letter typed again at once searches for both.
    for (int i = 0; i < tables->count() && tables->currentText() != table; ++i)
        press(screen, Qt::Key_Down);
    press(screen, Qt::Key_Return);
    return true;
}

// The board's keys do nothing inside the sale screen: an F3 there would
// settle the table under the sale. After an hour at 30 the board's total
// shows what the checkout then settles.
void TestBoardKeys::visitByKeysAlone()
{
    board();
    QVERIFY(QTest::qWaitForWindowActive(&board()));
    grid()->setFocus();
    QTest::keyClicks(grid(), QStringLiteral("2"));
    press(&board(), Qt::Key_Return);
    QCOMPARE(board().currentTable(), QStringLiteral("2"));
    press(&board(), Qt::Key_F2);
    QCOMPARE(f->value(QStringLiteral("select count(*) from waimxd where zhao=2 and jsrc is null")).toInt(), 1);

    f->clock.advanceMinutes(60);
    bool sold = false;
    bool closed = false;
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
        auto* screen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!screen)
            return;
        driver.stop();
        const QString table = QStringLiteral("2");
        // The offscreen platform leaves a new modal screen behind its parent,
        // where a display would bring it to the front.
        screen->activateWindow();
        sold = QTest::qWaitFor([screen] { return QApplication::activeWindow() == screen; }) &&
               sell(screen, QStringLiteral("PJ"), QStringLiteral("2"), table) &&
               sell(screen, QStringLiteral("KL"), QStringLiteral("3"), table);
        press(screen, Qt::Key_F3);
        QTest::keyClick(screen, Qt::Key_Escape);
        closed = !screen->isVisible();
        if (!closed)
            screen->reject(); // a failed step must not leave the test waiting on the screen
    });
    driver.start(10);
    press(&board(), Qt::Key_F8);
    driver.stop();
    QVERIFY(sold && closed);
    QCOMPARE(f->messages.texts(), QStringList());
    QCOMPARE(f->value(QStringLiteral("select count(*) || '|' || sum(amount) from ckv_zc where zhao='2' and jzbj=0"))
                 .toString(),
             QStringLiteral("2|22.0"));
    const QString total = board().findChild<BoardModel*>()->index(1, BoardModel::Total).data().toString();
    QCOMPARE(total, QStringLiteral("30.00"));

    board().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board()));
    press(&board(), Qt::Key_F3);
    QCOMPARE(f->value(QStringLiteral("select count(*) from waimxd where zhao=2 and jsrc is null")).toInt(), 0);
    QCOMPARE(control<QLineEdit>(&board(), QStringLiteral("Txtmony"))->text().toDouble(), total.toDouble());
    QCOMPARE(f->value(QStringLiteral("select count(*) || '|' || sum(amount) from ckv_zc where zhao='2' and jzbj=1"))
                 .toString(),
             QStringLiteral("2|22.0"));
}

QTEST_MAIN(TestBoardKeys)
#include "test_board_keys.moc"
