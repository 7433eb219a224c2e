#include "app/AppState.h"
#include "app/Form_main.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QAction>
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
    void statusBarShowsLogin();
    void closeAsksFirst_data();
    void closeAsksFirst();
    void timerClosesSplash();
    void menuItemsFollowRights_data();
    void menuItemsFollowRights();

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

void TestFormMain::menuItemsFollowRights_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("letters");
    QTest::addColumn<QStringList>("enabled");
    const QStringList none;
    QTest::newRow("settings and clearing")
        << "zhda" << QVariant(QStringLiteral("DE")) << QStringList{QStringLiteral("mset_5"), QStringLiteral("mset_6")};
    QTest::newRow("letter among blanks") << "zhda" << QVariant(QStringLiteral(" E "))
                                         << QStringList{QStringLiteral("mset_5")};
    QTest::newRow("other settings rights") << "zhda" << QVariant(QStringLiteral("ABCF")) << none;
    QTest::newRow("lower case is another letter") << "zhda" << QVariant(QStringLiteral("e")) << none;
    QTest::newRow("operators") << "zwcl" << QVariant(QStringLiteral("A")) << QStringList{QStringLiteral("czygl_0")};
    QTest::newRow("operator log") << "zwcl" << QVariant(QStringLiteral("BC")) << QStringList{QStringLiteral("czygl_3")};
    QTest::newRow("letter of another group") << "xtgl" << QVariant(QStringLiteral("ABE")) << none;
    QTest::newRow("no rights") << "zhda" << QVariant() << none;
}

void TestFormMain::menuItemsFollowRights()
{
    QFETCH(QString, column);
    QFETCH(QVariant, letters);
    QFETCH(QStringList, enabled);
    const QStringList guarded = QStringLiteral("mset_5 mset_6 czygl_0 czygl_3").split(QLatin1Char(' '));
    const QStringList always = QStringLiteral("mset_0 mset_3 mset_10 mset_11 mset_12 czygl_2").split(QLatin1Char(' '));
    MessageRecorder messages;
    TestHall hall;
    QVERIFY(hall.exec(
        QStringLiteral("insert into czyzd (czy_name, ") + column + QStringLiteral(") values ('clerk', ?)"), {letters}));
    Form_main window(hall.state);
    auto action = [&window](const QString& name) {
        return window.findChild<QAction*>(name);
    };
    for (const QString& name : guarded)
        QVERIFY2(action(name) && !action(name)->isEnabled(), qPrintable(name));

    hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    for (const QString& name : guarded)
        QVERIFY2(action(name)->isEnabled() == enabled.contains(name), qPrintable(name));
    for (const QString& name : always)
        QVERIFY2(action(name) && action(name)->isEnabled(), qPrintable(name));
    QCOMPARE(messages.count(), 0);

    // The next operator of the same window gets exactly their own rights.
    hall.loginAs(QStringLiteral("nobody"), QStringLiteral("早班"), QDate(2026, 3, 5), false);
    window.applyLogin();
    for (const QString& name : guarded)
        QVERIFY2(!action(name)->isEnabled(), qPrintable(name));
}

QTEST_MAIN(TestFormMain)
#include "test_form_main.moc"
