#include "core/base/Parameters.h"
#include "core/base/Sql.h"
#include "core/data/ShippedRows.h"
#include "support/TestHall.h"

#include <QTest>

class TestShippedRows : public QObject
{
    Q_OBJECT

private slots:
    void writesOnceAsOneTransaction();
};

// A second write collides with the system operator; nothing of it may stay
// behind, not even the parameter rows written before the collision.
void TestShippedRows::writesOnceAsOneTransaction()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY2(hall.addShippedRows(), qPrintable(hall.error()));
    const auto count = [&hall](const char* table) {
        return Sql::scalar(hall.db(), QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table))->toInt();
    };
    QCOMPARE(count("stcs"), parameterRows().size());
    QCOMPARE(count("czyzd"), 1);

    QVERIFY(!hall.addShippedRows());
    QVERIFY(!hall.error().isEmpty());
    QCOMPARE(count("stcs"), parameterRows().size());
    QCOMPARE(count("czyzd"), 1);
    QCOMPARE(count("mm"), 1);
}

QTEST_GUILESS_MAIN(TestShippedRows)
#include "TestShippedRows.moc"
