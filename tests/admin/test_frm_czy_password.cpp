#include "base/PasswordHash.h"
#include "admin/frm_czy_password.h"
#include "base/Sql.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Caption = QStringLiteral("操作员口令变更");
const QString WrongOld = QStringLiteral("输入原口令不正确,请重新输入!");
const QString Refused = QStringLiteral("对不起,您无权变更操作员'clerk'的口令!");
const QString Mismatch = QStringLiteral("新口令两次不一致,请重新输入!");
const QString Changed = QStringLiteral("变更口令成功，按任意键返回！");

} // namespace

class TestFrmCzyPassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void logsOpeningAndClosing();
    void oldPassword_data();
    void oldPassword();
    void enterMovesThroughTheBoxes();
    void thirdWrongOldPasswordClosesTheScreen();
    void newPasswordsMustMatch();
    void hashedPasswordChanged();
    void plainPasswordAcceptedOnceAndReplaced();

private:
    void addClerk(const QVariant& password);
    QString storedPassword();
    frm_czy_password* open();
    QLineEdit* box(int element);
    QPushButton* button(int element);
    void type(int element, const QString& text);

    QString m_hashedSecret;
    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<frm_czy_password> m_screen;
};

void TestFrmCzyPassword::initTestCase()
{
    m_hashedSecret = PasswordHash::hash(QStringLiteral("Secret"));
    QVERIFY(PasswordHash::isHash(m_hashedSecret));
}

void TestFrmCzyPassword::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_clock = std::make_unique<TestClock>();
    m_messages = std::make_unique<MessageRecorder>();
    // The logged-in name is trimmed; the stored one may carry blanks.
    m_hall->loginAs(QStringLiteral("clerk"), QStringLiteral("全天"), QDate(2026, 12, 6), false);
}

void TestFrmCzyPassword::cleanup()
{
    m_screen.reset();
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

void TestFrmCzyPassword::addClerk(const QVariant& password)
{
    QVERIFY(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, czy_pass) values ('other', 'x')")));
    QVERIFY(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, czy_pass) values ('clerk  ', ?)"), {password}));
}

QString TestFrmCzyPassword::storedPassword()
{
    return Sql::scalar(m_hall->db(), QStringLiteral("select czy_pass from czyzd where czy_name = 'clerk  '"))
        .toString();
}

frm_czy_password* TestFrmCzyPassword::open()
{
    m_screen = std::make_unique<frm_czy_password>(m_hall->state);
    m_screen->show();
    return m_screen.get();
}

QLineEdit* TestFrmCzyPassword::box(int element)
{
    return m_screen->findChild<QLineEdit*>(QStringLiteral("Txt_password_") + QString::number(element));
}

QPushButton* TestFrmCzyPassword::button(int element)
{
    return m_screen->findChild<QPushButton*>(QStringLiteral("com_password_") + QString::number(element));
}

void TestFrmCzyPassword::type(int element, const QString& text)
{
    box(element)->clear();
    QTest::keyClicks(box(element), text);
    QTest::keyClick(box(element), Qt::Key_Return);
}

void TestFrmCzyPassword::logsOpeningAndClosing()
{
    addClerk(QStringLiteral("abc"));
    m_clock->set(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    open();
    QCOMPARE(m_screen->windowTitle(), Caption);
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select czyname || '|' || czyxm || '|' || init_time || '|' || "
                                                      "ifnull(last_time, 'open') from czyrzh")),
             QVariant(QStringLiteral("clerk|") + Caption + QStringLiteral("|2026-12-06 09:30:00|open")));
    m_clock->set(QDateTime(QDate(2026, 12, 6), QTime(9, 31)));
    QTest::mouseClick(button(1), Qt::LeftButton);
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select last_time from czyrzh")),
             QVariant(QStringLiteral("2026-12-06 09:31:00")));
    QCOMPARE(storedPassword(), QStringLiteral("abc"));
}

void TestFrmCzyPassword::oldPassword_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain, other letter case") << QVariant(QStringLiteral("abc")) << QStringLiteral("ABC") << true;
    QTest::newRow("plain, blanks around") << QVariant(QStringLiteral(" abc")) << QStringLiteral("abc  ") << true;
    QTest::newRow("plain, wrong") << QVariant(QStringLiteral("abc")) << QStringLiteral("abd") << false;
    QTest::newRow("null, nothing typed") << QVariant() << QString() << true;
    QTest::newRow("cleared, nothing typed") << QVariant(QStringLiteral("")) << QString() << true;
    QTest::newRow("null, something typed") << QVariant() << QStringLiteral("x") << false;
    QTest::newRow("hashed, other letter case") << QVariant(m_hashedSecret) << QStringLiteral(" sECRET") << true;
    QTest::newRow("hashed, wrong") << QVariant(m_hashedSecret) << QStringLiteral("secrets") << false;
}

void TestFrmCzyPassword::oldPassword()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    addClerk(stored);
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    box(0)->setFocus();
    type(0, typed);
    QCOMPARE(m_messages->texts(), accepted ? QStringList() : QStringList{WrongOld});
    QCOMPARE(box(1)->hasFocus(), accepted);
    QVERIFY(m_screen->isVisible());
}

void TestFrmCzyPassword::enterMovesThroughTheBoxes()
{
    addClerk(QStringLiteral("abc"));
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    QVERIFY(!button(0)->isEnabled());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(box(i)->echoMode(), QLineEdit::Password);
    box(0)->setFocus();
    type(0, QStringLiteral("abc"));
    QVERIFY(box(1)->hasFocus());
    type(1, QStringLiteral("new"));
    QVERIFY(box(2)->hasFocus());
    QVERIFY(!button(0)->isEnabled());
    type(2, QStringLiteral("new"));
    QVERIFY(button(0)->isEnabled());
    QVERIFY(button(0)->hasFocus());
    QCOMPARE(storedPassword(), QStringLiteral("abc"));
}

void TestFrmCzyPassword::thirdWrongOldPasswordClosesTheScreen()
{
    addClerk(QStringLiteral("abc"));
    open();
    type(0, QStringLiteral("x"));
    type(0, QStringLiteral("y"));
    QVERIFY(m_screen->isVisible());
    type(0, QStringLiteral("z"));
    QCOMPARE(m_messages->texts(), (QStringList{WrongOld, WrongOld, Refused}));
    QCOMPARE(m_messages->messages().at(0).caption, QStringLiteral("口令变更"));
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(m_screen->result(), int(QDialog::Rejected));
    QCOMPARE(storedPassword(), QStringLiteral("abc"));
    QVERIFY(!Sql::scalar(m_hall->db(), QStringLiteral("select last_time from czyrzh")).isNull());
}

void TestFrmCzyPassword::newPasswordsMustMatch()
{
    addClerk(QStringLiteral("abc"));
    open();
    type(0, QStringLiteral("abc"));
    type(1, QStringLiteral("one"));
    type(2, QStringLiteral("two"));
    QTest::mouseClick(button(0), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), QStringList{Mismatch});
    QVERIFY(!button(0)->isEnabled());
    QVERIFY(m_screen->isVisible());
    QCOMPARE(storedPassword(), QStringLiteral("abc"));
}

// The old password is checked on confirm too, for an operator who never
// pressed Enter in it; a hashed password keeps comparing case-insensitively.
void TestFrmCzyPassword::hashedPasswordChanged()
{
    addClerk(m_hashedSecret);
    open();
    QTest::keyClicks(box(0), QStringLiteral("sECRET"));
    QTest::keyClicks(box(1), QStringLiteral(" NewPass"));
    QTest::keyClicks(box(2), QStringLiteral("NewPass "));
    QVERIFY(button(0)->isEnabled());
    QTest::mouseClick(button(0), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), QStringList{Changed});
    QVERIFY(!m_screen->isVisible());
    const QString stored = storedPassword();
    QVERIFY(PasswordHash::isHash(stored));
    QVERIFY(stored != m_hashedSecret);
    QCOMPARE(PasswordHash::verify(stored, QStringLiteral("newpass")), PasswordHash::Check::Match);
}

void TestFrmCzyPassword::plainPasswordAcceptedOnceAndReplaced()
{
    addClerk(QStringLiteral("abc"));
    open();
    type(0, QStringLiteral("ABC"));
    type(1, QStringLiteral("xyz"));
    type(2, QStringLiteral("xyz"));
    QTest::mouseClick(button(0), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), QStringList{Changed});
    const QString stored = storedPassword();
    QVERIFY(PasswordHash::isHash(stored));
    QCOMPARE(PasswordHash::verify(stored, QStringLiteral("abc")), PasswordHash::Check::Mismatch);
    QCOMPARE(PasswordHash::verify(stored, QStringLiteral("XYZ")), PasswordHash::Check::Match);
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select czy_pass from czyzd where czy_name = 'other'")),
             QVariant(QStringLiteral("x")));
}

QTEST_MAIN(TestFrmCzyPassword)
#include "test_frm_czy_password.moc"
