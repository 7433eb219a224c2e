#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "support/HallChecks.h"
#include "support/HallFixture.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>

namespace {

// A promise of a command; it must hold whenever the child died.
using Invariant = HallCheck;

const QList<Invariant> SettleInvariants = {
    {"a settle moved both tables or neither",
     "select count(*) from (select czyname from (select czyname, dzbj from waimxd union all "
     "select czyname, dzbj from ckv_zc) as r group by czyname having count(distinct dzbj) > 1) as t"},
    {"another operator's rows are left alone", "select count(*) from (select dzbj from waimxd where czyname = 'other' "
                                               "union all select dzbj from ckv_zc where czyname = 'other') "
                                               "as t where dzbj <> '1'"},
};

// A hundred settled visits and goods rows of the system operator, and as
// many of another.
bool settledRows(HallFixture& f)
{
    const QString rows =
        QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 100), "
                       "o(name) as (select 'system' union all select 'other') ");
    return f.hall.exec(rows +
                       QStringLiteral("insert into waimxd (zhao, ksrc, jsrc, je, dzbj, czyname) select 1, "
                                      "'2026-12-06 12:00:00', '2026-12-06 13:00:00', 20, '1', name from n, o")) &&
           f.hall.exec(rows + QStringLiteral("insert into ckv_zc (rc, wlcode, count, price, amount, czyname, jzbj, "
                                             "dzbj) select '2026-12-06', '可乐', 1, 5, 5, name, 1, '1' from n, o"));
}

// One command of the child, the hall it starts on, what must hold after
// any kill, and a value that its rounds change (to show it ran at all).
struct Command
{
    const char* name;
    std::function<bool(HallFixture&)> hall;
    QList<Invariant> invariants;
    const char* progress;
};

const QList<Command> Commands = {
    {"checkout", addCheckoutHall, CheckoutChecks, "select count(*) from waimxd where jsrc is not null"},
    {"transfer",
     [](HallFixture& f) {
         return f.addTables(2) && f.openVisit(1, today("12:00:00"), QStringLiteral("M1"), 30, 15, 100);
     },
     {TablesMarkedByVisits,
      {"the guest has exactly one open visit", "select count(*) <> 1 from waimxd where jsrc is null"},
      {"the marks went with the guest", "select count(*) from zhdy z join waimxd w on w.zhao = z.zhao "
                                        "and w.jsrc is null where z.tx <> 15 or z.fwfl <> 100"}},
     "select zhao from waimxd where jsrc is null"},
    {"swap",
     [](HallFixture& f) {
         return f.addTables(2) && f.openVisit(1, today("12:00:00"), QStringLiteral("M1"), 30, 15, 100) &&
                f.openVisit(2, today("13:00:00"), QStringLiteral("M2"), 30, 25, 200);
     },
     {TablesMarkedByVisits,
      {"each table holds one open visit", "select count(*) from zhdy z where (select count(*) from waimxd w "
                                          "where w.zhao = z.zhao and w.jsrc is null) <> 1"},
      {"the marks went with their guest", "select count(*) from zhdy z join waimxd w on w.zhao = z.zhao "
                                          "and w.jsrc is null where z.tx <> case w.khao when 'M1' then 15 else 25 end "
                                          "or z.fwfl <> case w.khao when 'M1' then 100 else 200 end"}},
     "select zhao from waimxd where jsrc is null and khao = 'M1'"},
    {"recharge",
     [](HallFixture& f) { return f.addMember(QStringLiteral("M1"), {}, QStringLiteral("现金卡")); },
     {{"the balance rose by exactly the recorded top-ups",
       "select count(*) from user_lb u where abs(u.yk - (select coalesce(sum(kzje), 0) from srmx s "
       "where s.khao = u.khao)) > 0.001"}},
     "select yk from user_lb"},
    {"counter sale",
     [](HallFixture&) { return true; },
     {{"each counter sale has its money record",
       "select (select count(*) from ckv_zc) <> (select count(*) from srmx) or "
       "abs((select coalesce(sum(amount), 0) from ckv_zc) - (select coalesce(sum(je), 0) from srmx)) > 0.001"},
      {"each counter sale is settled", "select count(*) from ckv_zc where jzbj <> 1"}},
     "select count(*) from srmx"},
    {"scheme",
     [](HallFixture& f) {
         return f.addTables(6, QStringLiteral("00:01:00-12:00:00=12.5/15;12:00:00-18:00:00=12.5/15;"
                                              "18:00:00-23:59:00=12.5/15")) &&
                f.hall.exec(QStringLiteral("insert into jfbzfa (name, hybz, fhybz, kssj, jssj) values "
                                           "('甲', 8.5, 10, '00:01:00', '18:00:00'), "
                                           "('甲', 8.5, 10, '18:00:00', '23:59:00'), "
                                           "('乙', 12.5, 15, '00:01:00', '12:00:00'), "
                                           "('乙', 12.5, 15, '12:00:00', '18:00:00'), "
                                           "('乙', 12.5, 15, '18:00:00', '23:59:00')"));
     },
     {{"each table holds every band of one scheme",
       "select count(*) from zhdy z where (select count(distinct hybz) from jfbz b where b.zhao = z.zhao) <> 1 or "
       "(select count(*) from jfbz b where b.zhao = z.zhao) <> (select count(*) from jfbzfa f "
       "where f.hybz = (select min(hybz) from jfbz b where b.zhao = z.zhao))"},
      {"every table got the same scheme", "select count(distinct hybz) - 1 from jfbz"}},
     "select max(hybz) from jfbz"},
    {"shift settle", settledRows, SettleInvariants, "select max(dzbj) from waimxd where czyname = 'system'"},
    {"day settle", settledRows, SettleInvariants, "select max(dzbj) from waimxd where czyname = 'system'"},
};

} // namespace

class PowerCutTest : public QObject
{
    Q_OBJECT

private slots:
    void killedAtRandomMoments_data();
    void killedAtRandomMoments();

private:
    QString checkHall(const QString& place, const Command& command, QString* progress);

    QTemporaryDir m_dir;
    int m_checks = 0;
};

// Opens the hall afresh, as the program would after a power cut, and returns
// what is wrong with it (empty when nothing is).
QString PowerCutTest::checkHall(const QString& place, const Command& command, QString* progress)
{
    const QString name = QStringLiteral("power-cut-check-") + QString::number(++m_checks);
    QSqlDatabase db;
    const Result result = Database::openNamed(place, name, &db);
    QString problem = result ? QString() : result.message();
    if (problem.isEmpty() && !TestHall::onServer()) {
        const ResultOf<QVariant> integrity = Sql::scalar(db, QStringLiteral("PRAGMA integrity_check"));
        if (!integrity || integrity->toString() != QStringLiteral("ok"))
            problem = QStringLiteral("integrity_check: ") + (integrity ? integrity->toString() : QString()) +
                      integrity.result().message();
    }
    if (problem.isEmpty())
        problem = brokenCheck(db, command.invariants);
    if (problem.isEmpty())
        *progress = Sql::scalar(db, QString::fromUtf8(command.progress))->toString();
    db = QSqlDatabase();
    Database::close(name);
    return problem;
}

void PowerCutTest::killedAtRandomMoments_data()
{
    QTest::addColumn<int>("command");
    for (qsizetype i = 0; i < Commands.size(); ++i)
        QTest::newRow(Commands[i].name) << int(i);
}

// The child first runs five rounds to the end (the command works and
// moves the progress value), then is killed at random moments, seeded so a
// failure can be replayed; the hall is checked after every kill.
void PowerCutTest::killedAtRandomMoments()
{
    QFETCH(int, command);
    const Command& run = Commands[command];
    // The child works on a file of its own, closed here, or on the server's
    // database of the hall.
    HallFixture f;
    QVERIFY2(f.ready() && run.hall(f), qPrintable(f.error()));
    QString file = f.hall.place();
    if (!TestHall::onServer()) {
        file = m_dir.filePath(QString::number(command) + QStringLiteral(".mdb"));
        QVERIFY(f.hall.exec(QStringLiteral("VACUUM INTO ?"), {file}));
    }
    QString before;
    QString problem = checkHall(file, run, &before);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    const QString name = QString::fromUtf8(run.name);
    QProcess child;
    child.start(QStringLiteral(POWER_CUT_CHILD), {file, name, QStringLiteral("5")});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAllStandardError().constData());
    QString after;
    problem = checkHall(file, run, &after);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY2(after != before, qPrintable(before + QStringLiteral(" stayed ") + after));

    const int kills =
        qEnvironmentVariableIsSet("TAVORO_POWER_CUTS") ? qEnvironmentVariableIntValue("TAVORO_POWER_CUTS") : 15;
    const quint32 seed = qEnvironmentVariableIsSet("TAVORO_POWER_CUT_SEED")
                             ? quint32(qEnvironmentVariableIntValue("TAVORO_POWER_CUT_SEED"))
                             : 15u + quint32(command);
    QRandomGenerator random(seed);
    for (int kill = 1; kill <= kills; ++kill) {
        QProcess killed;
        killed.start(QStringLiteral(POWER_CUT_CHILD), {file, name});
        QVERIFY2(killed.waitForReadyRead(60000),
                 qPrintable(QStringLiteral("kill %1: the child did not start").arg(kill)));
        QThread::msleep(random.bounded(2, 40));
        killed.kill();
        QVERIFY(killed.waitForFinished(60000));
        QVERIFY2(killed.exitStatus() == QProcess::CrashExit, killed.readAllStandardError().constData());
        problem = checkHall(file, run, &after);
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("after kill %1 (seed %2): ").arg(kill).arg(seed) + problem));
    }
    qInfo("%s: %d kills (seed %u), all left the hall whole", run.name, kills, seed);
}

QTEST_GUILESS_MAIN(PowerCutTest)
#include "test_power_cut.moc"
