#include "core/base/PasswordHash.h"
#include "support/HallFixture.h"
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

QTEST_MAIN(TestFrmCzyPassword)
#include "test_password_change_dialog.moc"
