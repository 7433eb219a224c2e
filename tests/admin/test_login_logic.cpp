#include "admin/LoginLogic.h"
#include "base/PasswordHash.h"
#include "base/Sql.h"
#include "support/TestHall.h"

#include <QTest>

class TestLoginLogic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void listsTrimmedNamesInTableOrder();
    void plainPasswordIsReplacedByItsHash();
    void wrongPasswordLeavesPlainPassword();
    void firstOperatorWithTheTrimmedNameDecides();
    void unknownNameNeverMatches();

private:
    void addOperator(const QString& name, const QVariant& password, bool system = false);
    QString storedPassword(const QString& name);

    std::unique_ptr<TestHall> m_hall;
};

void TestLoginLogic::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
}

void TestLoginLogic::cleanup()
{
    m_hall.reset();
}

void TestLoginLogic::addOperator(const QString& name, const QVariant& password, bool system)
{
    QVERIFY2(m_hall->exec(QStringLiteral("insert into czyzd(czy_name, czy_pass, sys_tag) values (?, ?, ?)"),
                          {name, password, system ? 1 : 0}),
             qPrintable(m_hall->error()));
}

QString TestLoginLogic::storedPassword(const QString& name)
{
    return Sql::scalar(m_hall->db(), QStringLiteral("select czy_pass from czyzd where czy_name = ?"), {name})
        .toString();
}

void TestLoginLogic::listsTrimmedNamesInTableOrder()
{
    for (const QString& name : {QStringLiteral(" 晚班 "), QStringLiteral("早班"), QStringLiteral("中班  ")})
        QVERIFY(m_hall->exec(QStringLiteral("insert into bclx(lxname, kssj, jssj) values (?, '08:00:00', '16:00:00')"),
                             {name}));
    QList<LoginLogic::Shift> shifts;
    QVERIFY(LoginLogic::loadShifts(m_hall->db(), &shifts));
    QCOMPARE(LoginLogic::shiftNames(shifts),
             (QStringList{QStringLiteral("晚班"), QStringLiteral("早班"), QStringLiteral("中班")}));
    QVERIFY(shifts.at(0).start.has_value());
    QCOMPARE(*shifts.at(0).start, QTime(8, 0));

    addOperator(QStringLiteral("zhang "), QStringLiteral("1"));
    addOperator(QStringLiteral(" amy"), QStringLiteral("1"));
    QStringList names;
    QVERIFY(LoginLogic::loadOperatorNames(m_hall->db(), &names));
    QCOMPARE(names, (QStringList{QStringLiteral("zhang"), QStringLiteral("amy")}));
}

void TestLoginLogic::plainPasswordIsReplacedByItsHash()
{
    addOperator(QStringLiteral("clerk"), QStringLiteral("abc"));
    const LoginLogic::PasswordCheck first =
        LoginLogic::checkPassword(m_hall->db(), QStringLiteral("clerk"), QStringLiteral(" ABC "));
    QVERIFY(first.result);
    QVERIFY(first.matched);
    const QString stored = storedPassword(QStringLiteral("clerk"));
    QVERIFY2(PasswordHash::isHash(stored), qPrintable(stored));

    QVERIFY(LoginLogic::checkPassword(m_hall->db(), QStringLiteral("clerk"), QStringLiteral("abc")).matched);
    QVERIFY(!LoginLogic::checkPassword(m_hall->db(), QStringLiteral("clerk"), QStringLiteral("abd")).matched);
    QCOMPARE(storedPassword(QStringLiteral("clerk")), stored);
}

void TestLoginLogic::wrongPasswordLeavesPlainPassword()
{
    addOperator(QStringLiteral("clerk"), QStringLiteral("abc"));
    QVERIFY(!LoginLogic::checkPassword(m_hall->db(), QStringLiteral("clerk"), QStringLiteral("ab")).matched);
    QCOMPARE(storedPassword(QStringLiteral("clerk")), QStringLiteral("abc"));
}

void TestLoginLogic::firstOperatorWithTheTrimmedNameDecides()
{
    addOperator(QStringLiteral("clerk "), QStringLiteral("one"), true);
    addOperator(QStringLiteral("clerk"), QStringLiteral("two"));
    QVERIFY(!LoginLogic::checkPassword(m_hall->db(), QStringLiteral("clerk"), QStringLiteral("two")).matched);
    const LoginLogic::PasswordCheck check =
        LoginLogic::checkPassword(m_hall->db(), QStringLiteral(" clerk"), QStringLiteral("one"));
    QVERIFY(check.matched);
    QVERIFY(check.isSystemOperator);
    QCOMPARE(storedPassword(QStringLiteral("clerk")), QStringLiteral("two"));
}

void TestLoginLogic::unknownNameNeverMatches()
{
    addOperator(QStringLiteral("clerk"), QVariant());
    const LoginLogic::PasswordCheck check = LoginLogic::checkPassword(m_hall->db(), QStringLiteral("ghost"), QString());
    QVERIFY(check.result);
    QVERIFY(!check.matched);
}

QTEST_GUILESS_MAIN(TestLoginLogic)
#include "test_login_logic.moc"
