#include "admin/FrmClearData.h"
#include "base/Sql.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QDateEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using Ids = QList<int>;

class TestFrmClearData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void clearsSettledRowsBeforeTheDate_data();
    void clearsSettledRowsBeforeTheDate();
    void answeringNoClearsNothing();
    void failureClearsNothing();

private:
    void clearBefore(const QDate& date);
    Ids ids(const QString& table);

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<FrmClearData> m_screen;
};

void TestFrmClearData::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_clock = std::make_unique<TestClock>();
    m_messages = std::make_unique<MessageRecorder>();

    // Visits 1, 2 and 4 are settled, 3 is still open; goods 1, 2 and 4 are
    // paid, 3 is not. The reconciliation marks differ on purpose.
    const QList<QVariantList> visits{
        {1, QStringLiteral("2026-12-01"), QStringLiteral("2026-12-01 21:00:00"), QStringLiteral("1")},
        {2, QStringLiteral("2026-12-06"), QStringLiteral("2026-12-06 19:00:00"), QStringLiteral("3")},
        {3, QStringLiteral("2026-12-01"), QVariant(), QVariant()},
        {4, QStringLiteral("2030-01-01"), QStringLiteral("2030-01-01 10:00:00"), QStringLiteral("2")}};
    for (const QVariantList& row : visits)
        QVERIFY2(m_hall->exec(QStringLiteral("insert into waimxd (id, rc, jsrc, dzbj) values (?, ?, ?, ?)"), row),
                 qPrintable(m_hall->error()));
    const QList<QVariantList> goods{{1, QStringLiteral("2026-12-01"), 1, QStringLiteral("1")},
                                    {2, QStringLiteral("2026-12-06"), 1, QStringLiteral("3")},
                                    {3, QStringLiteral("2026-12-01"), 0, QVariant()},
                                    {4, QStringLiteral("2030-01-01"), 1, QStringLiteral("2")}};
    for (const QVariantList& row : goods)
        QVERIFY2(m_hall->exec(QStringLiteral("insert into ckv_zc (id, rc, jzbj, dzbj) values (?, ?, ?, ?)"), row),
                 qPrintable(m_hall->error()));

    m_screen = std::make_unique<FrmClearData>(m_hall->state);
}

void TestFrmClearData::cleanup()
{
    m_screen.reset();
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

void TestFrmClearData::clearBefore(const QDate& date)
{
    m_screen->findChild<QDateEdit*>(QStringLiteral("dJzrc"))->setDate(date);
    QTest::mouseClick(m_screen->findChild<QPushButton*>(QStringLiteral("Cmddate_0")), Qt::LeftButton);
}

Ids TestFrmClearData::ids(const QString& table)
{
    QSqlQuery query(m_hall->db());
    if (!Sql::exec(query, QStringLiteral("select id from ") + table + QStringLiteral(" order by id")))
        return {-1};
    Ids found;
    while (query.next())
        found.append(query.value(0).toInt());
    return found;
}

void TestFrmClearData::clearsSettledRowsBeforeTheDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<Ids>("visitsLeft");
    QTest::addColumn<Ids>("goodsLeft");
    QTest::newRow("future: every settled row") << QDate(2099, 1, 1) << Ids{3} << Ids{3};
    QTest::newRow("the day itself stays") << QDate(2026, 12, 6) << Ids{2, 3, 4} << Ids{2, 3, 4};
    QTest::newRow("the day after") << QDate(2026, 12, 7) << Ids{3, 4} << Ids{3, 4};
    QTest::newRow("before everything") << QDate(2000, 1, 1) << Ids{1, 2, 3, 4} << Ids{1, 2, 3, 4};
}

void TestFrmClearData::clearsSettledRowsBeforeTheDate()
{
    QFETCH(QDate, date);
    QFETCH(Ids, visitsLeft);
    QFETCH(Ids, goodsLeft);

    clearBefore(date);

    QCOMPARE(m_messages->count(), 2);
    const Messages::Message& question = m_messages->messages().first();
    QCOMPARE(question.text, QStringLiteral("确认删除数据吗?"));
    QCOMPARE(question.icon, Messages::Icon::Exclamation);
    QCOMPARE(question.buttons, Messages::Buttons::YesNo);
    QCOMPARE(m_messages->last().text, QStringLiteral("数据清除完成"));
    QCOMPARE(ids(QStringLiteral("waimxd")), visitsLeft);
    QCOMPARE(ids(QStringLiteral("ckv_zc")), goodsLeft);
}

void TestFrmClearData::answeringNoClearsNothing()
{
    m_messages->answerNext(Messages::Answer::No);
    clearBefore(QDate(2099, 1, 1));
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(ids(QStringLiteral("waimxd")), (Ids{1, 2, 3, 4}));
    QCOMPARE(ids(QStringLiteral("ckv_zc")), (Ids{1, 2, 3, 4}));
}

void TestFrmClearData::failureClearsNothing()
{
    // The goods are deleted first; the visits then fail, and the goods must come back.
    QVERIFY(m_hall->exec(QStringLiteral("create trigger keep_visits before delete on waimxd "
                                        "begin select raise(abort, 'visits are kept'); end")));
    clearBefore(QDate(2099, 1, 1));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
    QVERIFY(m_messages->last().text.contains(QStringLiteral("visits are kept")));
    QVERIFY(!m_messages->texts().contains(QStringLiteral("数据清除完成")));
    QCOMPARE(ids(QStringLiteral("ckv_zc")), (Ids{1, 2, 3, 4}));
    QCOMPARE(ids(QStringLiteral("waimxd")), (Ids{1, 2, 3, 4}));
}

QTEST_MAIN(TestFrmClearData)
#include "test_frmcleardata.moc"
