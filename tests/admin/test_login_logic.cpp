#include "core/admin/LoginLogic.h"
#include "core/admin/LoginPause.h"
#include "core/base/PasswordHash.h"
#include "support/HallFixture.h"

#include <QMap>
#include <QTest>

class TestLoginLogic : public QObject
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

private:
    QString m_hashedSecret;
};

void TestLoginLogic::initTestCase()
{
    m_hashedSecret = PasswordHash::hash(QStringLiteral("Secret"));
}

void TestLoginLogic::checkPassword_data()
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

    const ResultOf<bool> shown = LoginLogic::initialPasswordInForce(f.hall.db());
    QVERIFY2(shown, qPrintable(shown.result().message()));
    QCOMPARE(*shown, inForce);
}

void TestLoginLogic::preselectedShift_data()
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

    const ResultOf<QList<LoginLogic::Shift>> loaded = LoginLogic::loadShifts(f.hall.db());
    QVERIFY2(loaded, qPrintable(loaded.result().message()));
    QCOMPARE(LoginLogic::shiftNames(*loaded).value(LoginLogic::preselectedShift(*loaded, now)), expected);
}

// The pause doubles up to the cap and stays there, however many failures
// (a shift by the count would overflow past 63).
void TestLoginLogic::pauseIsCapped()
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

QTEST_GUILESS_MAIN(TestLoginLogic)
#include "test_login_logic.moc"
