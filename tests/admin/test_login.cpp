#include "core/admin/LoginLogic.h"
#include "core/admin/LoginPause.h"
#include "core/base/PasswordHash.h"
#include "support/HallFixture.h"
#include "ui/admin/LoginScreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
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

// The login: how a typed password, the shipped password's hint, the shift and
// the pause after failures are decided, and the screen that asks for them.
class TestLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void checkPassword_data();
    void checkPassword();
    void initialPasswordHint_data();
    void initialPasswordHint();
    void preselectedShift_data();
    void preselectedShift();
    void pauseIsCapped();
    void command_data();
    void command();
    void thirdWrongPasswordEndsProgram();
    void failuresPauseAcrossARestart();

private:
    QString m_hashedSecret;
};

void TestLogin::initTestCase()
{
    m_hashedSecret = PasswordHash::hash(QStringLiteral("Secret"));
}

void TestLogin::checkPassword_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matched");

    const QVariant plain(QStringLiteral("abc"));
    const QVariant hashed(m_hashedSecret);
    QTest::newRow("plain, other case and blanks") << plain << QStringLiteral(" AbC  ") << true;
    QTest::newRow("plain stored with blanks") << QVariant(QStringLiteral(" abc  ")) << QStringLiteral("abc") << true;
    QTest::newRow("plain, wrong") << plain << QStringLiteral("abd") << false;
    QTest::newRow("hashed, other case and blanks") << hashed << QStringLiteral(" sECRET  ") << true;
    QTest::newRow("hashed, wrong") << hashed << QStringLiteral("Secre") << false;
    QTest::newRow("null password, blanks typed") << QVariant() << QStringLiteral("   ") << true;
    QTest::newRow("null password, something typed") << QVariant() << QStringLiteral("x") << false;
}

// A plain password from an older file that matches is replaced by its hash;
// anything else is left as it was.
void TestLogin::checkPassword()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, typed);
    QFETCH(bool, matched);
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("insert into czyzd (czy_name, czy_pass, sys_tag) values ('clerk ', ?, 0)"),
                        {stored}));

    const LoginLogic::PasswordCheck check = LoginLogic::checkPassword(f.hall.db(), QStringLiteral(" clerk"), typed);
    QVERIFY2(check.result, qPrintable(check.result.message()));
    QCOMPARE(check.matched, matched);
    QVERIFY(!check.isSystemOperator);

    const QString after = f.value(QStringLiteral("select czy_pass from czyzd where czy_name = 'clerk '")).toString();
    if (matched && !PasswordHash::isHash(stored.toString())) {
        QVERIFY2(PasswordHash::isHash(after), qPrintable(after));
        QCOMPARE(PasswordHash::verify(after, typed), PasswordHash::Check::Match);
    } else {
        QCOMPARE(after, stored.toString());
    }
}

void TestLogin::initialPasswordHint_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("password"); // invalid: as shipped
    QTest::addColumn<bool>("inForce");
    QTest::newRow("as shipped") << "system" << QVariant() << true;
    QTest::newRow("changed") << "system" << QVariant(m_hashedSecret) << false;
    QTest::newRow("shipped plain in an older file") << "system" << QVariant(QStringLiteral("1234")) << true;
    QTest::newRow("renamed") << "boss" << QVariant() << false;
}

void TestLogin::initialPasswordHint()
{
    QFETCH(QString, name);
    QFETCH(QVariant, password);
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("update czyzd set czy_name = ?"), {name}));
    if (password.isValid())
        QVERIFY(f.hall.exec(QStringLiteral("update czyzd set czy_pass = ?"), {password}));

    const ResultOf<bool> shown = LoginLogic::initialPasswordInForce(f.hall.db());
    QVERIFY2(shown, qPrintable(shown.result().message()));
    QTEST(*shown, "inForce");
}

void TestLogin::preselectedShift_data()
{
    QTest::addColumn<QStringList>("shifts"); // name|start|end
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QString>("expected");

    const QStringList dayAndNight{QStringLiteral("早班|08:00:00|16:00:00"), QStringLiteral("夜班|22:00:00|06:00:00")};
    QTest::newRow("shift over midnight is never offered") << dayAndNight << QTime(23, 30) << QString();

    const QStringList overlapping{QStringLiteral("中班|12:00:00|20:00:00"), QStringLiteral(" 全天 |00:00:00|23:59:59"),
                                  QStringLiteral("早班|08:00:00|16:00:00")};
    QTest::newRow("the last that matches wins") << overlapping << QTime(13, 0) << QStringLiteral("早班");
    QTest::newRow("end is inclusive to the second") << overlapping << QTime(20, 0, 0, 900) << QStringLiteral("全天");
}

void TestLogin::preselectedShift()
{
    QFETCH(QStringList, shifts);
    QFETCH(QTime, now);
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("delete from bclx")));
    for (const QString& shift : shifts)
        QVERIFY(f.hall.exec(QStringLiteral("insert into bclx (lxname, kssj, jssj) values (?, ?, ?)"),
                            {shift.section(QLatin1Char('|'), 0, 0), shift.section(QLatin1Char('|'), 1, 1),
                             shift.section(QLatin1Char('|'), 2, 2)}));

    const ResultOf<QList<LoginLogic::Shift>> loaded = LoginLogic::loadShifts(f.hall.db());
    QVERIFY2(loaded, qPrintable(loaded.result().message()));
    QTEST(LoginLogic::shiftNames(*loaded).value(LoginLogic::preselectedShift(*loaded, now)), "expected");
}

// The pause doubles up to the cap and stays there, however many failures
// (a shift by the count would overflow past 63).
void TestLogin::pauseIsCapped()
{
    HallFixture f;
    const QMap<int, qint64> expected{{12, 2048}, {13, LoginPause::LongestPause}, {70, LoginPause::LongestPause}};
    for (int failures = 1; failures <= 70; ++failures) {
        QVERIFY(LoginPause::recordFailure(f.hall.db(), QStringLiteral("system"), QStringLiteral("前台")));
        const ResultOf<qint64> wait = LoginPause::secondsToWait(f.hall.db());
        QVERIFY2(wait, qPrintable(wait.result().message()));
        if (expected.contains(failures))
            QCOMPARE(*wait, expected.value(failures));
    }
}

void TestLogin::command_data()
{
    QTest::addColumn<QString>("how"); // a button, or a key in the password box
    QTest::addColumn<bool>("loggedIn");
    QTest::newRow("log in") << "logInButton" << true;
    QTest::newRow("Enter logs in") << "Return" << true;
    QTest::newRow("give up") << "giveUpButton" << false;
    QTest::newRow("Escape gives up") << "Escape" << false;
}

void TestLogin::command()
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
void TestLogin::thirdWrongPasswordEndsProgram()
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
void TestLogin::failuresPauseAcrossARestart()
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

QTEST_MAIN(TestLogin)
#include "test_login.moc"
