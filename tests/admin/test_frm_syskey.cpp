#include "admin/frm_syskey.h"
#include "base/PasswordHash.h"
#include "support/HallFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString Illegal = QStringLiteral("操作员口令不合法！");
const QString NoRight = QStringLiteral("对不起，您无权进入本系统！");
const QString BadDate = QStringLiteral("业务日期不正确，请按 yyyy-mm-dd 的格式输入！");

void tryPassword(frm_syskey& screen, const QString& password)
{
    auto* text = control<QLineEdit>(&screen, QStringLiteral("text"));
    text->clear();
    QTest::keyClicks(text, password);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("Com_key_0")), Qt::LeftButton);
}

} // namespace

class TestFrmSyskey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void command_data();
    void command();
    void thirdWrongPasswordEndsProgram();
    void hintOnlyWhileTheShippedPasswordHolds_data();
    void hintOnlyWhileTheShippedPasswordHolds();
};

void TestFrmSyskey::command_data()
{
    QTest::addColumn<QString>("how"); // a button, or a key in the password box
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("log in") << "Com_key_0" << QStringLiteral(" 1234") << "2026-3-5" << true << false << QStringList();
    QTest::newRow("Enter logs in") << "Return" << QStringLiteral("1234") << "2026-12-06" << true << false
                                   << QStringList();
    QTest::newRow("wrong password") << "Com_key_0" << QStringLiteral("123") << "2026-12-06" << false << false
                                    << QStringList{Illegal};
    QTest::newRow("bad business date") << "Com_key_0" << QStringLiteral("1234") << "2026-13-01" << false << false
                                       << QStringList{BadDate};
    QTest::newRow("give up") << "Com_key_1" << QStringLiteral("1234") << "2026-12-06" << false << true << QStringList();
    QTest::newRow("Escape gives up") << "Escape" << QStringLiteral("1234") << "2026-12-06" << false << true
                                     << QStringList();
}

void TestFrmSyskey::command()
{
    QFETCH(QString, how);
    QFETCH(QString, password);
    QFETCH(QString, date);
    QFETCH(bool, loggedIn);
    QFETCH(bool, ended);
    QFETCH(QStringList, messages);
    HallFixture f;
    f.hall.loginAs(QString());
    frm_syskey screen(f.hall.state);
    screen.show();
    QSignalSpy loggedInSpy(&screen, &frm_syskey::loggedIn);
    QSignalSpy endedSpy(&screen, &frm_syskey::endProgram);
    control<QLineEdit>(&screen, QStringLiteral("Txtdate"))->setText(date);
    auto* text = control<QLineEdit>(&screen, QStringLiteral("text"));
    QTest::keyClicks(text, password);
    if (how == QLatin1String("Return"))
        QTest::keyClick(text, Qt::Key_Return);
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(text, Qt::Key_Escape);
    else
        QTest::mouseClick(control<QPushButton>(&screen, how), Qt::LeftButton);

    QCOMPARE(loggedInSpy.count(), loggedIn ? 1 : 0);
    QCOMPARE(endedSpy.count(), ended ? 1 : 0);
    QCOMPARE(screen.isVisible(), !loggedIn && !ended);
    QCOMPARE(f.messages.texts(), messages);
    QCOMPARE(f.hall.state.OperatorName, loggedIn ? QStringLiteral("system") : QString());
    if (loggedIn) {
        QCOMPARE(f.hall.state.ShiftName, QStringLiteral("晚班"));
        QCOMPARE(f.hall.state.BusinessDate, QDate::fromString(date, QStringLiteral("yyyy-M-d")));
        QVERIFY(f.hall.state.IsSystemOperator);
    }
    if (!messages.isEmpty())
        QCOMPARE(f.messages.last().caption, QStringLiteral("系统登录"));
}

// A mistyped business date costs none of the three attempts.
void TestFrmSyskey::thirdWrongPasswordEndsProgram()
{
    HallFixture f;
    frm_syskey screen(f.hall.state);
    screen.show();
    QSignalSpy ended(&screen, &frm_syskey::endProgram);
    auto* date = control<QLineEdit>(&screen, QStringLiteral("Txtdate"));
    date->setText(QStringLiteral("today"));
    tryPassword(screen, QStringLiteral("1"));
    date->setText(QStringLiteral("2026-12-06"));
    tryPassword(screen, QStringLiteral("2"));
    tryPassword(screen, QStringLiteral("3"));
    QCOMPARE(ended.count(), 0);
    QVERIFY(screen.isVisible());
    tryPassword(screen, QStringLiteral("4"));

    QCOMPARE(f.messages.texts(), (QStringList{BadDate, Illegal, Illegal, NoRight}));
    QCOMPARE(f.messages.last().icon, Messages::Icon::Critical);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!screen.isVisible());
}

void TestFrmSyskey::hintOnlyWhileTheShippedPasswordHolds_data()
{
    QTest::addColumn<QString>("password"); // empty: as shipped
    QTest::addColumn<bool>("shown");
    QTest::newRow("shipped password") << QString() << true;
    QTest::newRow("password changed") << QStringLiteral("4321") << false;
}

void TestFrmSyskey::hintOnlyWhileTheShippedPasswordHolds()
{
    QFETCH(QString, password);
    QFETCH(bool, shown);
    HallFixture f;
    if (!password.isEmpty())
        QVERIFY(f.hall.exec(QStringLiteral("update czyzd set czy_pass = ?"), {PasswordHash::hash(password)}));
    frm_syskey screen(f.hall.state);
    screen.show();
    QCOMPARE(control<QLabel>(&screen, QStringLiteral("Label6"))->isVisible(), shown);
    QCOMPARE(f.messages.count(), 0);
}

QTEST_MAIN(TestFrmSyskey)
#include "test_frm_syskey.moc"
