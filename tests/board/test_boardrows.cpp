#include "board/BoardQueries.h"
#include "board/BoardRows.h"
#include "support/TestHall.h"

#include <QSqlQuery>
#include <QTest>

namespace {

QDateTime at(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

class BoardRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void duration_data();
    void duration();
    void reminder_data();
    void reminder();
    void loadShowsTheFirstOpenVisitOfEachTable();
    void loadOne_data();
    void loadOne();
    void openVisitsAreReadThroughTheirIndex_data();
    void openVisitsAreReadThroughTheirIndex();

private:
    std::unique_ptr<TestHall> m_hall;
};

void BoardRowsTest::duration_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected");

    QTest::newRow("59 minutes") << at("2026-12-06 10:00:00") << at("2026-12-06 10:59:00") << "0:59";
    QTest::newRow("60 minutes") << at("2026-12-06 10:00:00") << at("2026-12-06 11:00:00") << "1:00";
    QTest::newRow("125 minutes") << at("2026-12-06 10:00:00") << at("2026-12-06 12:05:00") << "2:05";
    QTest::newRow("1500 minutes") << at("2026-12-06 10:00:00") << at("2026-12-07 11:00:00") << "25:00";
    QTest::newRow("a minute boundary, not 60 seconds")
        << at("2026-12-06 10:00:59") << at("2026-12-06 10:01:00") << "0:01";
    QTest::newRow("seconds before the boundary") << at("2026-12-06 10:00:00") << at("2026-12-06 10:00:59") << "0:00";
    QTest::newRow("over midnight") << at("2026-12-06 23:59:30") << at("2026-12-07 00:00:10") << "0:01";
    QTest::newRow("clock put back") << at("2026-12-06 10:00:00") << at("2026-12-06 08:55:00") << "-1:05";
    QTest::newRow("unreadable start") << QDateTime() << at("2026-12-06 10:00:00") << "";
}

void BoardRowsTest::duration()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QString, expected);
    QCOMPARE(BoardRows::duration(start, now), expected);
}

void BoardRowsTest::reminder_data()
{
    QTest::addColumn<double>("tx");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("due");

    QTest::newRow("no reminder") << 0.0 << 500 << "0" << false;
    QTest::newRow("a minute to go") << 60.0 << 59 << "60" << false;
    QTest::newRow("reached") << 60.0 << 60 << "60 分钟已到" << true;
    QTest::newRow("passed") << 60.0 << 95 << "60 分钟已到" << true;
    QTest::newRow("fraction") << 1.5 << 1 << "1.5" << false;
    QTest::newRow("large, in plain digits") << 1000000.0 << 1 << "1000000" << false;
}

void BoardRowsTest::reminder()
{
    QFETCH(double, tx);
    QFETCH(int, elapsed);
    QFETCH(QString, text);
    QFETCH(bool, due);
    const QDateTime start = at("2026-12-06 10:00:30");
    const BoardRows::Reminder shown = BoardRows::reminder(tx, start, start.addSecs(elapsed * 60));
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.due, due);
}

// Tables written out of zhao order; 2 is marked in use without a visit, 3 has
// settled history only, 7 two open visits, 10 history and an open visit whose
// start was written by hand in another form.
void BoardRowsTest::init()
{
    m_hall = std::make_unique<TestHall>();
    TestHall& hall = *m_hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    const QString table = QStringLiteral("insert into zhdy (zhao, mc, sybj, tx, fwfl, ktkh) values (?, ?, ?, ?, ?, ?)");
    QVERIFY(hall.exec(table, {10, QStringLiteral("十号"), 1, 30, 50, QStringLiteral("K10")}));
    QVERIFY(hall.exec(table, {2, QStringLiteral("二号"), 1, 0, 20, QVariant()}));
    QVERIFY(hall.exec(table, {7, QStringLiteral("七号"), 1, 60, 0, QVariant()}));
    QVERIFY(hall.exec(table, {3, QStringLiteral("三号"), 0, 0, 0, QVariant()}));
    const QString visit =
        QStringLiteral("insert into waimxd (id, zhao, khao, ksrc, jsrc, dj, dj1) values (?, ?, ?, ?, ?, ?, ?)");
    QVERIFY(hall.exec(visit, {1, 3, QString(), QStringLiteral("2026-12-05 10:00:00"),
                              QStringLiteral("2026-12-05 11:00:00"), 10, 10}));
    QVERIFY(hall.exec(visit, {2, 10, QStringLiteral("A001"), QStringLiteral("2026-12-05 12:00:00"),
                              QStringLiteral("2026-12-05 13:00:00"), 8, 10}));
    QVERIFY(hall.exec(visit, {21, 7, QStringLiteral("B"), QStringLiteral("2026-12-06 09:00:00"), QVariant(), 9, 11}));
    QVERIFY(hall.exec(visit, {20, 7, QStringLiteral("A"), QStringLiteral("2026-12-06 10:00:00"), QVariant(), 8, 10}));
    QVERIFY(hall.exec(visit, {30, 10, QVariant(), QStringLiteral("2026-12-06T11:15:00"), QVariant(), 12.5, 15}));
}

void BoardRowsTest::cleanup()
{
    m_hall.reset();
}

void BoardRowsTest::loadShowsTheFirstOpenVisitOfEachTable()
{
    QList<BoardRow> rows;
    QVERIFY(BoardRows::load(m_hall->db(), &rows));

    QList<qint16> order;
    for (const BoardRow& row : rows)
        order.append(row.zhao);
    QCOMPARE(order, (QList<qint16>{2, 3, 7, 10}));
    QVERIFY2(rows[0].sybj && !rows[0].visit, "marked in use, but without a visit it is free");
    QVERIFY2(!rows[1].visit, "settled visits are history");
    QCOMPARE(rows[2].visit->id, 20);
    QCOMPARE(rows[2].visit->khao, QStringLiteral("A"));
    QCOMPARE(rows[2].visit->ksrc, at("2026-12-06 10:00:00"));
    QCOMPARE(rows[2].tx, 60.0);

    const BoardRow& ten = rows[3];
    QCOMPARE(ten.mc, QStringLiteral("十号"));
    QCOMPARE(ten.fwfl, 50.0);
    QCOMPARE(ten.ktkh, QStringLiteral("K10"));
    QCOMPARE(ten.visit->id, 30);
    QCOMPARE(ten.visit->ksrc, at("2026-12-06 11:15:00"));
    QCOMPARE(ten.visit->khao, QString());
    QCOMPARE(ten.visit->dj, 12.5);
    QCOMPARE(ten.visit->dj1, 15.0);
}

void BoardRowsTest::loadOne_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<qint64>("visit");

    QTest::newRow("two open visits: the lower id") << 7 << qint64(20);
    QTest::newRow("history and an open visit") << 10 << qint64(30);
    QTest::newRow("settled history only") << 3 << qint64(0);
    QTest::newRow("not a table") << 99 << qint64(0);
}

void BoardRowsTest::loadOne()
{
    QFETCH(int, table);
    QFETCH(qint64, visit);
    std::optional<BoardRow::Visit> found;
    QVERIFY(BoardRows::loadOne(m_hall->db(), qint16(table), &found));
    QCOMPARE(found ? found->id : 0, visit);
}

void BoardRowsTest::openVisitsAreReadThroughTheirIndex_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("every table") << BoardQueries::Tables;
    QTest::newRow("one table") << BoardQueries::OpenVisit;
}

// The board reads these on every refresh; a scan of waimxd would grow with
// every settled visit the hall ever had.
void BoardRowsTest::openVisitsAreReadThroughTheirIndex()
{
    QFETCH(QString, statement);
    QSqlQuery plan(m_hall->db());
    QVERIFY(plan.prepare(QStringLiteral("explain query plan ") + statement));
    if (statement.contains(QLatin1Char('?')))
        plan.addBindValue(1);
    QVERIFY(plan.exec());
    QStringList steps;
    while (plan.next())
        steps.append(plan.value(3).toString());
    const QString plain = steps.join(QLatin1Char('\n'));
    QVERIFY2(steps.filter(QStringLiteral("USING INDEX waimxd_open (zhao=?)")).size() == 1, qPrintable(plain));
    for (const QString& step : steps)
        QVERIFY2(!step.startsWith(QLatin1String("SCAN")) || step.startsWith(QLatin1String("SCAN z ")),
                 qPrintable(plain));
}

QTEST_GUILESS_MAIN(BoardRowsTest)
#include "test_boardrows.moc"
