#include "app/MainWindow.h"
#include "app/MessageBoxPresenter.h"
#include "support/HallFixture.h"
#include "ui/board/BoardScreen.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestFormMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closeAsksFirst_data();
    void closeAsksFirst();
    void eachLoginGetsItsOwnBoard();
    void strayEnterKeepsWhatIsThere_data();
    void strayEnterKeepsWhatIsThere();
};

void TestFormMain::closeAsksFirst_data()
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

void TestFormMain::closeAsksFirst()
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
void TestFormMain::eachLoginGetsItsOwnBoard()
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

void TestFormMain::strayEnterKeepsWhatIsThere_data()
{
    QTest::addColumn<bool>("defaultNo");
    QTest::newRow("question that deletes") << true;
    QTest::newRow("question that does not") << false;
}

// The box the operator sees: Enter presses the default the question asked for.
void TestFormMain::strayEnterKeepsWhatIsThere()
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

QTEST_MAIN(TestFormMain)
#include "test_main_window.moc"
