#include "base/Database.h"
#include "base/Sql.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

constexpr double StartingBalance = 1000000;

// Each query counts the rows that break one promise of checkout; all must
// be 0 whenever the child died.
const QList<std::pair<const char*, const char*>> Invariants = {
    {"goods settled exactly with their visit", "select count(*) from ckv_zc g left join waimxd w on w.id = g.dj_id "
                                               "where w.id is null or (w.jsrc is null) <> (g.jzbj = 0)"},
    {"balance taken exactly for the closed visits",
     "select count(*) from user_lb u where abs(u.yk + (select coalesce(sum(je), 0) from waimxd w "
     "where w.khao = u.khao and w.jsrc is not null) - 1000000) > 0.001"},
    {"member's charges total exactly the closed visits",
     "select count(*) from user_lb u where abs(u.jelj - (select coalesce(sum(je), 0) from waimxd w "
     "where w.khao = u.khao and w.jsrc is not null)) > 0.001"},
    {"a table is in use exactly while it has an open visit",
     "select count(*) from zhdy z where z.sybj <> exists (select 1 from waimxd w "
     "where w.zhao = z.zhao and w.jsrc is null) or (z.sybj = 0 and (z.tx <> 0 or z.fwfl <> 0))"},
    {"every closed row is settled and points at its front row",
     "select count(*) from waimxd w where w.jsrc is not null and (w.dzbj is not '1' or w.je is null or not exists "
     "(select 1 from waimxd f where f.id = cast(w.djid as integer) and f.jsrc is not null and f.zhao = w.zhao))"},
    {"a bill has one row, or two across the rate change of table 2",
     "select count(*) from waimxd f where f.jsrc is not null and f.id = cast(f.djid as integer) and "
     "(select count(*) from waimxd b where b.djid = f.djid) <> case f.zhao when 2 then 2 else 1 end"},
    {"at most one open visit per table",
     "select count(*) from (select zhao from waimxd where jsrc is null group by zhao having count(*) > 1)"},
};

} // namespace

class CheckoutCrashTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void childSettlesToTheEnd();
    void killedAtRandomMoments();

private:
    QString checkHall(int* closedBills);

    QTemporaryDir m_dir;
    QString m_file;
    int m_checks = 0;
};

// Table 1 bills one segment, table 2 two (12:20 to 14:00 across a change at
// 13:00); both members pay from their balance.
void CheckoutCrashTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_file = m_dir.filePath(QStringLiteral("jssfserver.mdb"));
    QSqlDatabase db;
    const Result created = Database::create(m_file, QStringLiteral("crash-setup"), &db);
    QVERIFY2(created, qPrintable(created.message()));
    const QList<std::pair<const char*, QVariantList>> rows = {
        {"insert into czyzd (czy_name, zk) values ('crash', 0)", {}},
        {"insert into zhdy (zhao, mc) values (1, '一号'), (2, '二号')", {}},
        {"insert into jfbz (zhao, hybz, fhybz, kssj, jssj) values (1, 8, 10, '00:01:00', '23:59:00')", {}},
        {"insert into jfbz (zhao, hybz, fhybz, kssj, jssj) values (2, 8, 10, '00:01:00', '13:00:00'), "
         "(2, 12, 15, '13:00:00', '23:59:00')",
         {}},
        {"insert into user_lb (khao, klx, yk, jslj, jelj) values ('M1', '现金卡', ?, 0, 0), "
         "('M2', '现金优惠卡', ?, 0, 0)",
         {StartingBalance, StartingBalance}},
        {"insert into spzd (name, sp_max, sp_mix) values ('可乐', 1, 0)", {}},
    };
    for (const auto& [sql, values] : rows) {
        const Result result = Sql::exec(db, QString::fromUtf8(sql), values);
        QVERIFY2(result, qPrintable(result.message()));
    }
    db = QSqlDatabase();
    Database::close(QStringLiteral("crash-setup"));
}

// Opens the hall afresh, as the program would after a crash, and returns
// what is wrong with it (empty when nothing is).
QString CheckoutCrashTest::checkHall(int* closedBills)
{
    const QString name = QStringLiteral("crash-check-") + QString::number(++m_checks);
    QSqlDatabase db;
    Result result = Database::open(m_file, name, &db);
    QString problem = result ? QString() : result.message();
    if (problem.isEmpty()) {
        const QString integrity = Sql::scalar(db, QStringLiteral("PRAGMA integrity_check"), {}, &result).toString();
        if (integrity != QStringLiteral("ok"))
            problem = QStringLiteral("integrity_check: ") + integrity + result.message();
    }
    for (qsizetype i = 0; problem.isEmpty() && i < Invariants.size(); ++i) {
        const QVariant broken = Sql::scalar(db, QString::fromUtf8(Invariants[i].second), {}, &result);
        if (!result || broken.toInt() != 0)
            problem =
                QString::fromUtf8(Invariants[i].first) + QStringLiteral(": ") + broken.toString() + result.message();
    }
    if (problem.isEmpty())
        *closedBills = Sql::scalar(db, QStringLiteral("select count(*) from waimxd where jsrc is not null and "
                                                      "id = cast(djid as integer)"))
                           .toInt();
    db = QSqlDatabase();
    Database::close(name);
    return problem;
}

void CheckoutCrashTest::childSettlesToTheEnd()
{
    QProcess child;
    child.start(QStringLiteral(CHECKOUT_CRASH_CHILD), {m_file, QStringLiteral("3")});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAllStandardError().constData());
    int closed = 0;
    const QString problem = checkHall(&closed);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(closed, 6);
}

void CheckoutCrashTest::killedAtRandomMoments()
{
    const int kills =
        qEnvironmentVariableIsSet("TAVORO_CRASH_KILLS") ? qEnvironmentVariableIntValue("TAVORO_CRASH_KILLS") : 200;
    int closedBefore = 0;
    QVERIFY(checkHall(&closedBefore).isEmpty());
    int closed = closedBefore;
    for (int kill = 1; kill <= kills; ++kill) {
        QProcess child;
        child.start(QStringLiteral(CHECKOUT_CRASH_CHILD), {m_file});
        QVERIFY2(child.waitForReadyRead(60000),
                 qPrintable(QStringLiteral("kill %1: the child did not start").arg(kill)));
        QThread::msleep(QRandomGenerator::global()->bounded(2, 40));
        child.kill();
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, child.readAllStandardError().constData());

        int now = 0;
        const QString problem = checkHall(&now);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("after kill %1: ").arg(kill) + problem));
        QVERIFY(now >= closed);
        closed = now;
    }
    qInfo("%d kills, %d bills settled between them", kills, closed - closedBefore);
    QVERIFY(closed > closedBefore);
}

QTEST_GUILESS_MAIN(CheckoutCrashTest)
#include "test_checkout_crash.moc"
