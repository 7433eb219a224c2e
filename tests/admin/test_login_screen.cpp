#include "core/base/PasswordHash.h"
#include "support/HallFixture.h"
#include "ui/admin/LoginScreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString Illegal = QStringLiteral("操作员口令不合法！");

void tryPassword(LoginScreen& screen, const QString& password)
{
    auto* text = control<QLineEdit>(&screen, QStringLiteral("passwordEdit"));
    text->clear();
    QTest::keyClicks(text, password);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("logInButton")), Qt::LeftButton);
}

bool hintShown(const LoginScreen& screen)
{
    return control<QLabel>(&screen, QStringLiteral("hintLabel"))->isVisible();
}

} // namespace

class TestFrmSyskey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void command_data();
    void command();
    void thirdWrongPasswordEndsProgram();
    void failuresPauseAcrossARestart();
};

void TestFrmSyskey::command_data()
{
    QTest::addColumn<QString>("how"); // a button, or a key in the password box
    QTest::addColumn<bool>("loggedIn");
    QTest::newRow("log in") << "logInButton" << true;
    QTest::newRow("Enter logs in") << "Return" << true;
    QTest::newRow("give up") << "giveUpButton" << false;
    QTest::newRow("Escape gives up") << "Escape" << false;
}

void TestFrmSyskey::command()
{
    QFETCH(QString, how);
    QFETCH(bool, loggedIn);
    HallFixture f;
    f.hall.loginAs(QString());
    LoginScreen screen(f.hall.state);
    screen.show();
    QVERIFY(hintShown(screen));
    QSignalSpy loggedInSpy(&screen, &LoginScreen::loggedIn);
    QSignalSpy endedSpy(&screen, &LoginScreen::endProgram);
    control<QLineEdit>(&screen, QStringLiteral("dateEdit"))->setText(QStringLiteral("2026-3-5"));
    auto* text = control<QLineEdit>(&screen, QStringLiteral("passwordEdit"));
    QTest::keyClicks(text, QStringLiteral(" 1234"));
    if (how == QLatin1String("Return"))
        QTest::keyClick(text, Qt::Key_Return);
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(text, Qt::Key_Escape);
    else
        QTest::mouseClick(control<QPushButton>(&screen, how), Qt::LeftButton);

    QCOMPARE(loggedInSpy.count(), loggedIn ? 1 : 0);
    QCOMPARE(endedSpy.count(), loggedIn ? 0 : 1);
    QVERIFY(!screen.isVisible());
    QCOMPARE(f.messages.count(), 0);
    QCOMPARE(f.hall.state.OperatorName, loggedIn ? QStringLiteral("system") : QString());
    if (loggedIn) {
        QCOMPARE(f.hall.state.ShiftName, QStringLiteral("晚班"));
        QCOMPARE(f.hall.state.BusinessDate, QDate(2026, 3, 5));
        QVERIFY(f.hall.state.IsSystemOperator);
    }
}

// A mistyped business date costs none of the three attempts. With the
// shipped password changed, its hint must no longer give it away.
void TestFrmSyskey::thirdWrongPasswordEndsProgram()
{
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("update czyzd set czy_pass = ?"), {PasswordHash::hash(QStringLiteral("4321"))}));
    LoginScreen screen(f.hall.state);
    screen.show();
    QVERIFY(!hintShown(screen));
    QSignalSpy ended(&screen, &LoginScreen::endProgram);
    auto* date = control<QLineEdit>(&screen, QStringLiteral("dateEdit"));
    date->setText(QStringLiteral("today"));
    tryPassword(screen, QStringLiteral("4321"));
    date->setText(QStringLiteral("2026-12-06"));
    tryPassword(screen, QStringLiteral("1234"));
    f.clock.advanceMinutes(1); // past the pause each failure sets
    tryPassword(screen, QStringLiteral("2"));
    QCOMPARE(ended.count(), 0);
    QVERIFY(screen.isVisible());
    f.clock.advanceMinutes(1);
    tryPassword(screen, QStringLiteral("3"));

    QCOMPARE(f.messages.texts(), (QStringList{QStringLiteral("业务日期不正确，请按 yyyy-mm-dd 的格式输入！"), Illegal,
                                              Illegal, QStringLiteral("对不起，您无权进入本系统！")}));
    QCOMPARE(f.messages.last().icon, Messages::Icon::Critical);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!screen.isVisible());
}

// Each failure doubles the pause; the screen refuses, rather than waits, and
// a new screen on the same database (a restart) still knows the pause.
void TestFrmSyskey::failuresPauseAcrossARestart()
{
    HallFixture f;
    f.hall.state.CounterName = QStringLiteral("前台");
    const QDateTime start = today("20:00:00");
    const QString wait = QStringLiteral("口令错误次数过多，请等待 1 秒后再登录！");
    {
        LoginScreen screen(f.hall.state);
        screen.show();
        tryPassword(screen, QStringLiteral("x"));
        tryPassword(screen, QStringLiteral("1234"));
        f.clock.set(start.addSecs(1));
        tryPassword(screen, QStringLiteral("y"));
    }
    LoginScreen screen(f.hall.state);
    screen.show();
    QSignalSpy loggedIn(&screen, &LoginScreen::loggedIn);
    f.clock.set(start.addSecs(2));
    tryPassword(screen, QStringLiteral("1234"));
    f.clock.set(start.addSecs(3));
    tryPassword(screen, QStringLiteral("1234"));

    QCOMPARE(loggedIn.count(), 1);
    QCOMPARE(f.messages.texts(), (QStringList{Illegal, wait, Illegal, wait}));
    QCOMPARE(f.hall.rows(QStringLiteral("select init_time || '=' || last_time || '@' || zdname from czyrzh "
                                        "where czyname = 'system' and czyxm = '登录失败' order by tag")),
             (QStringList{QStringLiteral("2026-12-06 20:00:00=2026-12-06 20:00:00@前台"),
                          QStringLiteral("2026-12-06 20:00:01=2026-12-06 20:00:01@前台")}));

    LoginScreen after(f.hall.state);
    after.show();
    tryPassword(after, QStringLiteral("z"));
    tryPassword(after, QStringLiteral("1234"));
    QCOMPARE(f.messages.last().text, wait);
}

QTEST_MAIN(TestFrmSyskey)
#include "test_login_screen.moc"
