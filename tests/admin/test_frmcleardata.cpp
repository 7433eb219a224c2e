#include "admin/FrmClearData.h"
#include "admin/HistoryClearing.h"
#include "support/HallFixture.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTest>

class TestFrmClearData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void clearsSettledRowsBeforeTheDate_data();
    void clearsSettledRowsBeforeTheDate();
    void failureClearsNothing();
    void screenAsksFirst_data();
    void screenAsksFirst();

private:
    // The ids left in waimxd and in ckv_zc, as "1,2/1,2".
    QString left();

    std::unique_ptr<HallFixture> m_f;
};

void TestFrmClearData::init()
{
    m_f.reset(); // its message recorder must be gone before the next one is installed
    m_f = std::make_unique<HallFixture>();
    // Visits 1, 2 and 4 are settled, 3 is still open; goods 1, 2 and 4 are
    // paid, 3 is not. The reconciliation marks differ on purpose.
    QVERIFY(
        m_f->hall.exec(QStringLiteral("insert into waimxd (id, rc, jsrc, dzbj) values "
                                      "(1, '2026-12-01', '2026-12-01 21:00:00', '1'), "
                                      "(2, '2026-12-06', '2026-12-06 19:00:00', '3'), (3, '2026-12-01', null, null), "
                                      "(4, '2030-01-01', '2030-01-01 10:00:00', '2')")));
    QVERIFY(m_f->hall.exec(QStringLiteral("insert into ckv_zc (id, rc, jzbj, dzbj) values (1, '2026-12-01', 1, '1'), "
                                          "(2, '2026-12-06', 1, '3'), (3, '2026-12-01', 0, null), "
                                          "(4, '2030-01-01', 1, '2')")));
}

QString TestFrmClearData::left()
{
    const auto ids = [this](const char* table) {
        return m_f
            ->value(QStringLiteral("select group_concat(id) from (select id from ") + QLatin1String(table) +
                    QStringLiteral(" order by id)"))
            .toString();
    };
    return ids("waimxd") + QLatin1Char('/') + ids("ckv_zc");
}

void TestFrmClearData::clearsSettledRowsBeforeTheDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("left");
    QTest::newRow("later: every settled row") << QDate(2099, 1, 1) << "3/3";
    QTest::newRow("the day itself stays") << QDate(2026, 12, 6) << "2,3,4/2,3,4";
    QTest::newRow("the day after") << QDate(2026, 12, 7) << "3,4/3,4";
    QTest::newRow("before everything") << QDate(2000, 1, 1) << "1,2,3,4/1,2,3,4";
}

void TestFrmClearData::clearsSettledRowsBeforeTheDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, left);
    QVERIFY(HistoryClearing::clearBefore(m_f->hall.db(), date));
    QCOMPARE(this->left(), left);
}

void TestFrmClearData::failureClearsNothing()
{
    // The goods are deleted first; the visits then fail, and the goods must come back.
    QVERIFY(m_f->hall.exec(QStringLiteral("create trigger keep_visits before delete on waimxd "
                                          "begin select raise(abort, 'visits are kept'); end")));
    const Result cleared = HistoryClearing::clearBefore(m_f->hall.db(), QDate(2099, 1, 1));
    QVERIFY(!cleared);
    QVERIFY(cleared.message().contains(QStringLiteral("visits are kept")));
    QCOMPARE(left(), QStringLiteral("1,2,3,4/1,2,3,4"));
}

void TestFrmClearData::screenAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("left");
    QTest::newRow("yes") << true << QStringList{QStringLiteral("确认删除数据吗?"), QStringLiteral("数据清除完成")}
                         << "2,3,4/2,3,4";
    QTest::newRow("no") << false << QStringList{QStringLiteral("确认删除数据吗?")} << "1,2,3,4/1,2,3,4";
}

void TestFrmClearData::screenAsksFirst()
{
    QFETCH(bool, yes);
    QFETCH(QStringList, messages);
    QFETCH(QString, left);
    FrmClearData screen(m_f->hall.state);
    m_f->messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    control<QDateEdit>(&screen, QStringLiteral("dJzrc"))->setDate(QDate(2026, 12, 6));
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("Cmddate_0")), Qt::LeftButton);
    QCOMPARE(m_f->messages.texts(), messages);
    QCOMPARE(m_f->messages.messages().first().buttons, Messages::Buttons::YesNo);
    QCOMPARE(this->left(), left);
}

QTEST_MAIN(TestFrmClearData)
#include "test_frmcleardata.moc"
