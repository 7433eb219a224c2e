#include "base/AppState.h"
#include "app/Form_main.h"
#include "base/Sql.h"
#include "board/Form_menu.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestFormMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusBarShowsLogin();
    void closeAsksFirst_data();
    void closeAsksFirst();
    void timerClosesSplash();
    void loginOpensBoard();

private:
    static QString panel(const Form_main& window, int i)
    {
        const auto* label = window.findChild<QLabel*>(QStringLiteral("StatusBar1_") + QString::number(i));
        return label ? label->text() : QStringLiteral("<missing>");
    }
};

void TestFormMain::statusBarShowsLogin()
{
    AppState state;
    state.params.companyName = QStringLiteral("星光台球");
    state.DbFullName = QStringLiteral("/srv/hall/jssfserver.mdb");
    Form_main window(state);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tavoro"));
    QVERIFY(window.findChild<QMdiArea*>(QStringLiteral("MdiArea")));
    QVERIFY(window.mdiArea()->subWindowList().isEmpty());

    state.OperatorName = QStringLiteral("system");
    state.ShiftName = QStringLiteral("早班");
    state.BusinessDate = QDate(2026, 3, 5);
    window.applyLogin();
    QCOMPARE(panel(window, 1), QStringLiteral("Tavoro  星光台球"));
    QCOMPARE(panel(window, 2), QStringLiteral("日期:2026-03-05"));
    QCOMPARE(panel(window, 3), QStringLiteral("/srv/hall/jssfserver.mdb"));
    QCOMPARE(panel(window, 4), QStringLiteral("操作员:system"));
    QCOMPARE(panel(window, 5), QStringLiteral("班次:早班"));

    // A change of shift writes the new login over the old one.
    state.OperatorName = QStringLiteral("clerk");
    state.ShiftName = QStringLiteral("晚班");
    state.BusinessDate = QDate(2026, 3, 6);
    window.applyLogin();
    QCOMPARE(panel(window, 2), QStringLiteral("日期:2026-03-06"));
    QCOMPARE(panel(window, 4), QStringLiteral("操作员:clerk"));
    QCOMPARE(panel(window, 5), QStringLiteral("班次:晚班"));
}

void TestFormMain::closeAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("backupOnExit");
    QTest::newRow("No keeps the window") << false << true;
    QTest::newRow("Yes closes it") << true << false;
    QTest::newRow("Yes closes it with a backup") << true << true;
}

void TestFormMain::closeAsksFirst()
{
    QFETCH(bool, yes);
    QFETCH(bool, backupOnExit);
    TestClock clock(QDateTime(QDate(2026, 12, 6), QTime(23, 40)));
    MessageRecorder messages;
    messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    TestHall hall;
    hall.state.params.BackupOnExit = backupOnExit;
    Form_main window(hall.state);
    window.show();

    QCOMPARE(window.close(), yes);
    QCOMPARE(messages.messages().first().text, QStringLiteral("是否退出Tavoro？"));
    QCOMPARE(messages.messages().first().icon, Messages::Icon::Question);
    QCOMPARE(messages.messages().first().buttons, Messages::Buttons::YesNo);
    QCOMPARE(messages.messages().first().caption, QStringLiteral("Tavoro"));
    QCOMPARE(window.isVisible(), !yes);
    const bool backedUp = QFile::exists(hall.folder() + QStringLiteral("/data202612623.bak"));
    QCOMPARE(backedUp, yes && backupOnExit);
    QCOMPARE(messages.count(), backedUp ? 2 : 1);
}

void TestFormMain::timerClosesSplash()
{
    AppState state;
    QWidget splash;
    splash.show();
    Form_main window(state, &splash);
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isSingleShot());
    QVERIFY(splash.isVisible());
    timer->setInterval(0);
    QTRY_VERIFY(!splash.isVisible());
}

// The board opens inside the window with each login, built afresh with the
// operator's rights; a change of shift closes it.
void TestFormMain::loginOpensBoard()
{
    MessageRecorder messages;
    TestHall hall;
    QVERIFY(hall.exec(QStringLiteral("insert into czyzd (czy_name, zhda) values ('clerk', 'E')")));
    QVERIFY(hall.exec(QStringLiteral("insert into zhdy (zhao, mc) values (1, '1号台')")));
    Form_main window(hall.state);
    auto action = [&window](const char* name) {
        return window.findChild<QAction*>(QLatin1String(name));
    };
    QVERIFY(!window.board());
    QVERIFY(!action("mset_5"));

    hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    Form_menu* first = window.board();
    QVERIFY(first);
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
    QVERIFY(window.mdiArea()->subWindowList().first()->isMaximized());
    QVERIFY(action("mset_5")->isEnabled());
    QVERIFY(!action("mset_6")->isEnabled());

    // The next operator of the same window gets exactly their own rights.
    hall.loginAs(QStringLiteral("nobody"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    QVERIFY(window.board() && window.board() != first);
    QCOMPARE(window.findChildren<Form_menu*>().size(), 1);
    QVERIFY(!action("mset_5")->isEnabled());
    QCOMPARE(messages.count(), 0);

    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The board is the active screen of an active main window: its timers run.
    auto* refresh = window.board()->findChild<QTimer*>(QStringLiteral("Timer2"));
    QTRY_VERIFY(refresh->isActive());
    // The board's shortcuts work inside the main window.
    QTest::keyClick(window.board(), Qt::Key_F2);
    QCOMPARE(Sql::scalar(hall.db(), QStringLiteral("select count(*) from waimxd where zhao=1")).toInt(), 1);
    QDialog other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!refresh->isActive());
    other.close();
    window.activateWindow();
    QTRY_VERIFY(refresh->isActive());
    QSignalSpy shiftChange(&window, &Form_main::shiftChangeRequested);
    action("mset_3")->trigger();
    QCOMPARE(shiftChange.count(), 1);
    QVERIFY(!window.board());
    QVERIFY(window.mdiArea()->subWindowList().isEmpty());
}

QTEST_MAIN(TestFormMain)
#include "test_form_main.moc"
