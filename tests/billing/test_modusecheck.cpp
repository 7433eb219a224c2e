#include "billing/ModuseCheck.h"
#include "support/TestHall.h"

#include <QSqlQuery>
#include <QTest>

class ModuseCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void inUse_data();
    void inUse();
    void textThatNamesNoTable_data();
    void textThatNamesNoTable();
    void firstOpenVisitByLowestId();
    void openVisitLookupUsesPartialIndex();

private:
    std::unique_ptr<TestHall> m_hall;
};

void ModuseCheckTest::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    const QString insert = QStringLiteral("insert into waimxd (id, zhao, khao, ksrc, jsrc) values (?, ?, '', ?, ?)");
    QVERIFY(m_hall->exec(insert, {1, 3, QStringLiteral("2026-12-06 08:00:00"), QStringLiteral("2026-12-06 09:00:00")}));
    QVERIFY(m_hall->exec(insert, {2, 5, QStringLiteral("2026-12-06 08:00:00"), QVariant()}));
}

void ModuseCheckTest::cleanup()
{
    m_hall.reset();
}

void ModuseCheckTest::inUse_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("expected");

    QTest::newRow("only settled visits") << "3" << false;
    QTest::newRow("open visit") << "5" << true;
    QTest::newRow("blanks around the number") << " 5 " << true;
    QTest::newRow("no visit at all") << "9" << false;
}

void ModuseCheckTest::inUse()
{
    QFETCH(QString, table);
    QFETCH(bool, expected);
    Result result = Result::failure(QString());
    QCOMPARE(IsZhUse(m_hall->db(), table, &result), expected);
    QVERIFY(result.ok());
}

void ModuseCheckTest::textThatNamesNoTable_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "5a";
    QTest::newRow("fraction") << "5.5";
    QTest::newRow("beyond 16 bits") << "40000";
}

void ModuseCheckTest::textThatNamesNoTable()
{
    QFETCH(QString, table);
    Result result = Result::success();
    QVERIFY(!IsZhUse(m_hall->db(), table, &result));
    QCOMPARE(result.number(), Result::TypeMismatch);
}

void ModuseCheckTest::firstOpenVisitByLowestId()
{
    QVERIFY(m_hall->exec(
        QStringLiteral("insert into waimxd (id, zhao, khao, ksrc) values (9, 6, 'B', '2026-12-06 10:00:00')")));
    QVERIFY(m_hall->exec(
        QStringLiteral("insert into waimxd (id, zhao, khao, ksrc) values (8, 6, 'A', '2026-12-06 11:00:00')")));
    std::optional<OpenVisit> visit;
    QVERIFY(findOpenVisit(m_hall->db(), 6, &visit));
    QVERIFY(visit.has_value());
    QCOMPARE(visit->id, 8);
    QCOMPARE(visit->khao, QStringLiteral("A"));
    QCOMPARE(visit->ksrc, QStringLiteral("2026-12-06 11:00:00"));
}

// The board asks on every refresh; with years of settled history a scan of
// waimxd would make every click slower.
void ModuseCheckTest::openVisitLookupUsesPartialIndex()
{
    QSqlQuery plan(m_hall->db());
    QVERIFY(plan.prepare(QStringLiteral("explain query plan ") + OpenVisitQuery));
    plan.addBindValue(5);
    QVERIFY(plan.exec());
    QStringList steps;
    while (plan.next())
        steps.append(plan.value(3).toString());
    QCOMPARE(steps, QStringList{QStringLiteral("SEARCH waimxd USING INDEX waimxd_open (zhao=?)")});
}

QTEST_GUILESS_MAIN(ModuseCheckTest)
#include "test_modusecheck.moc"
