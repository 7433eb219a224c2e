#include "app/AppState.h"
#include "app/Form_main.h"
#include "support/MessageRecorder.h"
#include "support/TestHall.h"

#include <QAction>

#include <QLabel>
#include <QMdiArea>
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
    void parameterEditorFollowsRights_data();
    void parameterEditorFollowsRights();

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
    QTest::newRow("No keeps the window") << false;
    QTest::newRow("Yes closes it") << true;
}

void TestFormMain::closeAsksFirst()
{
    QFETCH(bool, yes);
    MessageRecorder messages;
    messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    AppState state;
    Form_main window(state);
    window.show();
    QSignalSpy ending(&window, &Form_main::aboutToEnd);

    QCOMPARE(window.close(), yes);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("是否退出Tavoro？"));
    QCOMPARE(messages.last().icon, Messages::Icon::Question);
    QCOMPARE(messages.last().buttons, Messages::Buttons::YesNo);
    QCOMPARE(messages.last().caption, QStringLiteral("Tavoro"));
    QCOMPARE(window.isVisible(), !yes);
    QCOMPARE(ending.count(), yes ? 1 : 0);
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

void TestFormMain::parameterEditorFollowsRights_data()
{
    QTest::addColumn<QVariant>("zhda");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("settings right") << QVariant(QStringLiteral("AE")) << true;
    QTest::newRow("letter among blanks") << QVariant(QStringLiteral(" E ")) << true;
    QTest::newRow("other rights only") << QVariant(QStringLiteral("ABCDF")) << false;
    QTest::newRow("lower case is another letter") << QVariant(QStringLiteral("e")) << false;
    QTest::newRow("no rights") << QVariant() << false;
}

void TestFormMain::parameterEditorFollowsRights()
{
    QFETCH(QVariant, zhda);
    QFETCH(bool, enabled);
    MessageRecorder messages;
    TestHall hall;
    QVERIFY(hall.exec(QStringLiteral("insert into czyzd (czy_name, zhda) values ('clerk', ?)"), {zhda}));
    Form_main window(hall.state);
    auto* editor = window.findChild<QAction*>(QStringLiteral("mset_5"));
    QVERIFY(editor);
    QVERIFY(!editor->isEnabled());
    hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    QCOMPARE(editor->isEnabled(), enabled);
    QCOMPARE(messages.count(), 0);

    // The next operator of the same window gets exactly their own rights.
    hall.loginAs(QStringLiteral("nobody"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    QVERIFY(!editor->isEnabled());
}

QTEST_MAIN(TestFormMain)
#include "test_form_main.moc"
