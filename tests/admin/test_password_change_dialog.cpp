#include "core/admin/OwnerPassword.h"
#include "core/base/PasswordHash.h"
#include "support/HallFixture.h"
#include "ui/admin/OwnerPasswordDialog.h"
#include "ui/admin/PasswordChangeDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString WrongOld = QStringLiteral("输入原口令不正确,请重新输入!");
const QString Changed = QStringLiteral("变更口令成功，按任意键返回！");

QLineEdit* box(const QObject* screen, int element)
{
    return control<QLineEdit>(screen, QStringLiteral("passwordEdit_") + QString::number(element));
}

} // namespace

// How passwords compare is the login's rule; here only that the screen asks it
// and stores the new password as its hash.
class TestFrmCzyPassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void confirm_data();
    void confirm();
    void thirdWrongOldPasswordClosesTheScreen();
    void ownerPassword_data();
    void ownerPassword();

private:
    std::unique_ptr<HallFixture> m_f;
};

void TestFrmCzyPassword::init()
{
    m_f.reset(); // its message recorder must be gone before the next one is installed
    m_f = std::make_unique<HallFixture>();
    // The logged-in name is trimmed; the stored one may carry blanks.
    QVERIFY(m_f->hall.exec(QStringLiteral("insert into czyzd (czy_name, czy_pass) values ('clerk  ', 'abc')")));
    m_f->hall.loginAs(QStringLiteral("clerk"), QStringLiteral("全天"), QDate(2026, 12, 6), false);
}

void TestFrmCzyPassword::confirm_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("repeat");
    QTest::newRow("changed") << " ABC" << Changed << "xyz ";
    QTest::newRow("old password wrong") << "abd" << WrongOld << "xyz";
    QTest::newRow("repeat differs") << "abc" << QStringLiteral("新口令两次不一致,请重新输入!") << "xy";
}

void TestFrmCzyPassword::confirm()
{
    QFETCH(QString, old);
    QFETCH(QString, message);
    QFETCH(QString, repeat);
    PasswordChangeDialog screen(m_f->hall.state);
    screen.show();
    QTest::keyClicks(box(&screen, 0), old);
    QTest::keyClicks(box(&screen, 1), QStringLiteral("xyz"));
    QTest::keyClicks(box(&screen, 2), repeat);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("confirmButton")), Qt::LeftButton);

    QCOMPARE(m_f->messages.texts(), QStringList{message});
    QCOMPARE(screen.isVisible(), message != Changed);
    const QString stored =
        m_f->value(QStringLiteral("select czy_pass from czyzd where czy_name = 'clerk  '")).toString();
    if (message == Changed)
        QCOMPARE(PasswordHash::verify(stored, QStringLiteral("XYZ")), PasswordHash::Check::Match);
    else
        QCOMPARE(stored, QStringLiteral("abc"));
    const QString others =
        m_f->value(QStringLiteral("select czy_pass from czyzd where czy_name = 'system'")).toString();
    QCOMPARE(PasswordHash::verify(others, QStringLiteral("1234")), PasswordHash::Check::Match);
}

void TestFrmCzyPassword::thirdWrongOldPasswordClosesTheScreen()
{
    PasswordChangeDialog screen(m_f->hall.state);
    screen.show();
    for (const char* typed : {"x", "y", "z"}) {
        box(&screen, 0)->setText(QString::fromLatin1(typed));
        QTest::keyClick(box(&screen, 0), Qt::Key_Return);
    }
    QCOMPARE(m_f->messages.texts(),
             (QStringList{WrongOld, WrongOld, QStringLiteral("对不起,您无权变更操作员'clerk'的口令!")}));
    QVERIFY(!screen.isVisible());
    QCOMPARE(m_f->value(QStringLiteral("select czy_pass from czyzd where czy_name = 'clerk  '")).toString(),
             QStringLiteral("abc"));
}

void TestFrmCzyPassword::ownerPassword_data()
{
    QTest::addColumn<bool>("systemOperator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored"); // the password that opens the view afterwards, empty when off
    const auto row = [](const char* name, bool systemOperator, const char* typed, const char* repeat,
                        const char* message, const char* stored) {
        QTest::newRow(name) << systemOperator << typed << repeat << message << stored;
    };
    row("set, blanks kept", true, " s3cret", " s3cret", "店主网页口令已设置。", " s3cret");
    row("repeat differs", true, "s3cret", "s3cret ", "两次输入的口令不一致，请重新输入！", "old");
    row("cleared", true, "", "", "店主网页口令已清除，店主网页已关闭。", "");
    row("not the system operator", false, "x", "x", "只有系统操作员可以设置店主网页口令！", "old");
}

void TestFrmCzyPassword::ownerPassword()
{
    QFETCH(bool, systemOperator);
    QFETCH(QString, typed);
    QFETCH(QString, repeat);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    QVERIFY(OwnerPassword::set(m_f->hall.db(), QStringLiteral("old")));
    m_f->hall.state.IsSystemOperator = systemOperator;
    OwnerPasswordDialog screen(m_f->hall.state);
    screen.show();
    QTest::keyClicks(box(&screen, 0), typed);
    QTest::keyClicks(box(&screen, 1), repeat);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("confirmButton")), Qt::LeftButton);

    QCOMPARE(m_f->messages.texts(), QStringList{message});
    const ResultOf<QString> hash = OwnerPassword::storedHash(m_f->hall.db());
    QVERIFY(hash);
    if (stored.isEmpty())
        QVERIFY(hash->isEmpty());
    else
        QCOMPARE(PasswordHash::verify(*hash, stored), PasswordHash::Check::Match);
    const bool changed = stored != QLatin1String("old");
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from czyrzh where czyxm like '店主网页口令__'")).toInt(),
             changed ? 1 : 0);
}

QTEST_MAIN(TestFrmCzyPassword)
#include "test_password_change_dialog.moc"
