#include "admin/LoginLogic.h"
#include "base/PasswordHash.h"
#include "support/HallFixture.h"

#include <QTest>

class TestLoginLogic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void checkPassword_data();
    void checkPassword();
    void firstOperatorWithTheTrimmedNameDecides();
    void initialPasswordHint_data();
    void initialPasswordHint();
    void preselectedShift_data();
    void preselectedShift();
    void businessDate_data();
    void businessDate();

private:
    QString m_hashedSecret;
};

void TestLoginLogic::initTestCase()
{
    m_hashedSecret = PasswordHash::hash(QStringLiteral("Secret"));
    QVERIFY(PasswordHash::isHash(m_hashedSecret));
}

void TestLoginLogic::checkPassword_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matched");

    const QVariant plain(QStringLiteral("abc"));
    const QVariant hashed(m_hashedSecret);
    QTest::newRow("plain, other letter case") << plain << QStringLiteral("AbC") << true;
    QTest::newRow("plain, blanks typed around") << plain << QStringLiteral("  abc ") << true;
    QTest::newRow("plain stored with blanks") << QVariant(QStringLiteral(" abc  ")) << QStringLiteral("abc") << true;
    QTest::newRow("plain, wrong") << plain << QStringLiteral("abd") << false;
    QTest::newRow("hashed, other letter case") << hashed << QStringLiteral("sECRET") << true;
    QTest::newRow("hashed, blanks typed around") << hashed << QStringLiteral(" secret  ") << true;
    QTest::newRow("hashed, wrong") << hashed << QStringLiteral("Secre") << false;
    QTest::newRow("null password, blanks typed") << QVariant() << QStringLiteral("   ") << true;
    QTest::newRow("null password, something typed") << QVariant() << QStringLiteral("x") << false;
}

// A plain password from an older file that matches is replaced by its hash;
// anything else is left as it was.
void TestLoginLogic::checkPassword()
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

void TestLoginLogic::firstOperatorWithTheTrimmedNameDecides()
{
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("insert into czyzd (czy_name, czy_pass, sys_tag) "
                                       "values ('clerk ', 'one', 1), ('clerk', 'two', 0)")));
    QVERIFY(!LoginLogic::checkPassword(f.hall.db(), QStringLiteral("clerk"), QStringLiteral("two")).matched);
    const LoginLogic::PasswordCheck check =
        LoginLogic::checkPassword(f.hall.db(), QStringLiteral(" clerk"), QStringLiteral("one"));
    QVERIFY(check.matched);
    QVERIFY(check.isSystemOperator);

    const LoginLogic::PasswordCheck ghost = LoginLogic::checkPassword(f.hall.db(), QStringLiteral("ghost"), QString());
    QVERIFY(ghost.result);
    QVERIFY(!ghost.matched);
}

void TestLoginLogic::initialPasswordHint_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("password"); // invalid: as shipped
    QTest::addColumn<bool>("inForce");
    QTest::newRow("as shipped") << "system" << QVariant() << true;
    QTest::newRow("changed") << "system" << QVariant(m_hashedSecret) << false;
    QTest::newRow("shipped plain in an older file") << "system" << QVariant(QStringLiteral("1234")) << true;
    QTest::newRow("renamed") << "boss" << QVariant() << false;
}

void TestLoginLogic::initialPasswordHint()
{
    QFETCH(QString, name);
    QFETCH(QVariant, password);
    QFETCH(bool, inForce);
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("update czyzd set czy_name = ?"), {name}));
    if (password.isValid())
        QVERIFY(f.hall.exec(QStringLiteral("update czyzd set czy_pass = ?"), {password}));

    bool shown = !inForce;
    QVERIFY(LoginLogic::initialPasswordInForce(f.hall.db(), &shown));
    QCOMPARE(shown, inForce);
}

void TestLoginLogic::preselectedShift_data()
{
    QTest::addColumn<QStringList>("shifts"); // name|start|end
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QString>("expected");

    const QStringList dayAndNight{QStringLiteral("早班|08:00:00|16:00:00"), QStringLiteral("夜班|22:00:00|06:00:00")};
    QTest::newRow("shift over midnight is never offered") << dayAndNight << QTime(23, 30) << QString();
    QTest::newRow("day shift") << dayAndNight << QTime(9, 15) << QStringLiteral("早班");

    const QStringList overlapping{QStringLiteral("中班|12:00:00|20:00:00"), QStringLiteral(" 全天 |00:00:00|23:59:59"),
                                  QStringLiteral("早班|08:00:00|16:00:00")};
    QTest::newRow("the last that matches wins") << overlapping << QTime(13, 0) << QStringLiteral("早班");
    QTest::newRow("end is inclusive to the second") << overlapping << QTime(20, 0, 0, 900) << QStringLiteral("全天");
    QTest::newRow("times without seconds")
        << QStringList{QStringLiteral("晚班|16:00|23:00")} << QTime(22, 59, 30) << QStringLiteral("晚班");
    QTest::newRow("time not readable") << QStringList{QStringLiteral("坏班|soon|23:00:00")} << QTime(12, 0)
                                       << QString();
}

void TestLoginLogic::preselectedShift()
{
    QFETCH(QStringList, shifts);
    QFETCH(QTime, now);
    QFETCH(QString, expected);
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("delete from bclx")));
    for (const QString& shift : shifts)
        QVERIFY(f.hall.exec(QStringLiteral("insert into bclx (lxname, kssj, jssj) values (?, ?, ?)"),
                            {shift.section(QLatin1Char('|'), 0, 0), shift.section(QLatin1Char('|'), 1, 1),
                             shift.section(QLatin1Char('|'), 2, 2)}));

    QList<LoginLogic::Shift> loaded;
    QVERIFY(LoginLogic::loadShifts(f.hall.db(), &loaded));
    const QStringList names = LoginLogic::shiftNames(loaded);
    QCOMPARE(names.size(), shifts.size());
    const int chosen = LoginLogic::preselectedShift(loaded, now);
    QCOMPARE(chosen == -1, expected.isEmpty());
    QCOMPARE(names.value(chosen), expected);
}

void TestLoginLogic::businessDate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date"); // invalid: refused
    QTest::newRow("short month and day") << "2026-3-5" << QDate(2026, 3, 5);
    QTest::newRow("30 February") << "2026-02-30" << QDate();
    QTest::newRow("day first") << "06-12-2026" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestLoginLogic::businessDate()
{
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    const std::optional<QDate> parsed = LoginLogic::businessDate(typed);
    QCOMPARE(parsed.has_value(), date.isValid());
    if (parsed)
        QCOMPARE(*parsed, date);
}

QTEST_GUILESS_MAIN(TestLoginLogic)
#include "test_login_logic.moc"
