#include "core/admin/HistoryClearing.h"
#include "support/HallFixture.h"
#include "ui/admin/HistoryClearingScreen.h"

#include <QDateEdit>
#include <QFile>
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
        return f.hall.rows(QStringLiteral("select id from %1 order by id").arg(QLatin1String(table)))
            .join(QLatin1Char(','));
    };
    return ids("waimxd") + QLatin1Char('/') + ids("ckv_zc");
}

const QString All = QStringLiteral("1,2,3,4/1,2,3,4");

} // namespace

class TestFrmClearData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clearing_data();
    void clearing();
    void failureClearsNothing();
};

void TestFrmClearData::clearing_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("backupFails");
    QTest::addColumn<QString>("first"); // part of the first message
    QTest::addColumn<QString>("left");
    const QDate businessDate(2026, 12, 6);
    const QString counts = QStringLiteral("1 条台位记录和 1 条商品记录");
    QTest::newRow("after the business date")
        << businessDate.addDays(1) << true << false << "业务日期 2026-12-06" << All;
    QTest::newRow("no") << businessDate << false << false << counts << All;
    QTest::newRow("yes, the day itself stays") << businessDate << true << false << counts << "2,3,4/2,3,4";
    QTest::newRow("backup fails") << businessDate << true << true << counts << All;
}

// What is deleted is counted first by the same rule and backed up before
// it goes; a refused date or a failed backup deletes nothing.
void TestFrmClearData::clearing()
{
    QFETCH(QDate, date);
    QFETCH(bool, yes);
    QFETCH(bool, backupFails);
    QFETCH(QString, first);
    QFETCH(QString, left);
    HallFixture f;
    QVERIFY(addHistory(f));
    if (backupFails)
        f.hall.state.DbFolder = f.hall.folder() + QStringLiteral("/gone");
    HistoryClearingScreen screen(f.hall.state);
    f.messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    control<QDateEdit>(&screen, QStringLiteral("beforeDateEdit"))->setDate(date);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("okButton")), Qt::LeftButton);

    QVERIFY2(f.messages.messages().first().text.contains(first), qPrintable(f.messages.texts().join(QLatin1Char('|'))));
    QCOMPARE(::left(f), left);
    if (backupFails)
        QCOMPARE(f.messages.last().icon, Messages::Icon::Critical);
    QCOMPARE(QFile::exists(f.hall.folder() + QStringLiteral("/data2026120620.bak")), left != All);
}

void TestFrmClearData::failureClearsNothing()
{
    HallFixture f;
    QVERIFY(addHistory(f));
    // The goods are deleted first; the visits then fail, and the goods must come back.
    QVERIFY(f.hall.refuse(QStringLiteral("keep_visits"), QStringLiteral("before delete on waimxd"),
                          QStringLiteral("visits are kept")));
    const HistoryClearing::Outcome cleared = HistoryClearing::clearBefore(f.hall.state, QDate(2026, 12, 6));
    QVERIFY(cleared.result.message().contains(QStringLiteral("visits are kept")));
    QCOMPARE(left(f), QStringLiteral("1,2,3,4/1,2,3,4"));
}

QTEST_MAIN(TestFrmClearData)
#include "test_history_clearing_screen.moc"
