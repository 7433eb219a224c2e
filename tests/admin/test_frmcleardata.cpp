#include "admin/FrmClearData.h"
#include "admin/HistoryClearing.h"
#include "support/HallFixture.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Visits 1, 2 and 4 are settled, 3 is still open; goods 1, 2 and 4 are paid,
// 3 is not. The reconciliation marks differ on purpose.
bool addHistory(HallFixture& f)
{
    return f.hall.exec(QStringLiteral("insert into waimxd (id, rc, jsrc, dzbj) values "
                                      "(1, '2026-12-01', '2026-12-01 21:00:00', '1'), "
                                      "(2, '2026-12-06', '2026-12-06 19:00:00', '3'), (3, '2026-12-01', null, null), "
                                      "(4, '2030-01-01', '2030-01-01 10:00:00', '2')")) &&
           f.hall.exec(QStringLiteral("insert into ckv_zc (id, rc, jzbj, dzbj) values (1, '2026-12-01', 1, '1'), "
                                      "(2, '2026-12-06', 1, '3'), (3, '2026-12-01', 0, null), "
                                      "(4, '2030-01-01', 1, '2')"));
}

// The ids left in waimxd and in ckv_zc, as "1,2/1,2".
QString left(HallFixture& f)
{
    const auto ids = [&f](const char* table) {
        return f
            .value(QStringLiteral("select group_concat(id) from (select id from ") + QLatin1String(table) +
                   QStringLiteral(" order by id)"))
            .toString();
    };
    return ids("waimxd") + QLatin1Char('/') + ids("ckv_zc");
}

} // namespace

class TestFrmClearData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clearsSettledRowsBeforeTheDate_data();
    void clearsSettledRowsBeforeTheDate();
    void failureClearsNothing();
    void screenAsksFirst_data();
    void screenAsksFirst();
};

void TestFrmClearData::clearsSettledRowsBeforeTheDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("left");
    QTest::newRow("the day itself stays") << QDate(2026, 12, 6) << "2,3,4/2,3,4";
    QTest::newRow("the day after") << QDate(2026, 12, 7) << "3,4/3,4";
}

void TestFrmClearData::clearsSettledRowsBeforeTheDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, left);
    HallFixture f;
    QVERIFY(addHistory(f));
    QVERIFY(HistoryClearing::clearBefore(f.hall.db(), date));
    QCOMPARE(::left(f), left);
}

void TestFrmClearData::failureClearsNothing()
{
    HallFixture f;
    QVERIFY(addHistory(f));
    // The goods are deleted first; the visits then fail, and the goods must come back.
    QVERIFY(f.hall.exec(QStringLiteral("create trigger keep_visits before delete on waimxd "
                                       "begin select raise(abort, 'visits are kept'); end")));
    const Result cleared = HistoryClearing::clearBefore(f.hall.db(), QDate(2099, 1, 1));
    QVERIFY(cleared.message().contains(QStringLiteral("visits are kept")));
    QCOMPARE(left(f), QStringLiteral("1,2,3,4/1,2,3,4"));
}

void TestFrmClearData::screenAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("left");
    QTest::newRow("yes") << true << "2,3,4/2,3,4";
    QTest::newRow("no") << false << "1,2,3,4/1,2,3,4";
}

void TestFrmClearData::screenAsksFirst()
{
    QFETCH(bool, yes);
    QFETCH(QString, left);
    HallFixture f;
    QVERIFY(addHistory(f));
    FrmClearData screen(f.hall.state);
    f.messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    control<QDateEdit>(&screen, QStringLiteral("dJzrc"))->setDate(QDate(2026, 12, 6));
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("Cmddate_0")), Qt::LeftButton);
    QCOMPARE(f.messages.messages().first().buttons, Messages::Buttons::YesNo);
    QCOMPARE(f.messages.count(), yes ? 2 : 1);
    QCOMPARE(::left(f), left);
}

QTEST_MAIN(TestFrmClearData)
#include "test_frmcleardata.moc"
