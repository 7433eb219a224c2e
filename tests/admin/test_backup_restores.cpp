#include "core/admin/BackupCopies.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "support/HallFixture.h"

#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

constexpr double StartingBalance = 1000000;
constexpr int Backups = 4;

const QString ClosedBills = QStringLiteral("select count(*) from waimxd where jsrc is not null");

// Each query counts the rows of a checkout caught half-written.
const QList<std::pair<const char*, const char*>> Invariants = {
    {"goods settled exactly with their visit", "select count(*) from ckv_zc g left join waimxd w on w.id = g.dj_id "
                                               "where w.id is null or (w.jsrc is null) <> (g.jzbj = 0)"},
    {"balance taken exactly for the closed visits",
     "select count(*) from user_lb u where abs(u.yk + (select coalesce(sum(je), 0) from waimxd w "
     "where w.khao = u.khao and w.jsrc is not null) - 1000000) > 0.001 or abs(u.jelj - (select coalesce(sum(je), 0) "
     "from waimxd w where w.khao = u.khao and w.jsrc is not null)) > 0.001"},
    {"a table is in use exactly while it has an open visit",
     "select count(*) from zhdy z where z.sybj <> exists (select 1 from waimxd w "
     "where w.zhao = z.zhao and w.jsrc is null)"},
};

QList<QVariantList> rows(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QList<QVariantList> found;
    QSqlQuery query(db);
    if (!Sql::exec(query, sql, values))
        return {{QVariant(QStringLiteral("failed: ") + sql)}};
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        found.append(row);
    }
    return found;
}

// What is wrong with the backup (empty when nothing is): damaged, a checkout
// half-written, or settled rows unlike the source's, or missing where the
// source committed them before a checkout the backup holds.
QString checkBackup(const QString& file, const QSqlDatabase& source, int* closed)
{
    const QString name = QStringLiteral("restored");
    QSqlDatabase db;
    const Result result = Database::openReadOnly(file, name, &db);
    QString problem = result ? QString() : result.message();
    if (problem.isEmpty() &&
        Sql::scalar(db, QStringLiteral("PRAGMA integrity_check"))->toString() != QStringLiteral("ok"))
        problem = QStringLiteral("integrity_check failed");
    for (qsizetype i = 0; problem.isEmpty() && i < Invariants.size(); ++i) {
        const ResultOf<QVariant> broken = Sql::scalar(db, QString::fromUtf8(Invariants[i].second));
        if (!broken || broken->toInt() != 0)
            problem = QString::fromUtf8(Invariants[i].first) + broken.result().message();
    }
    const QVariant last = *Sql::scalar(db, QStringLiteral("select max(id) from waimxd where jsrc is not null"));
    const QList<std::pair<const char*, QString>> compared = {
        {"settled visits", QStringLiteral("select * from waimxd where jsrc is not null and id <= ? order by id")},
        {"settled goods", QStringLiteral("select * from ckv_zc where jzbj = 1 and dj_id <= ? order by id")},
    };
    for (const auto& [what, sql] : compared) {
        if (problem.isEmpty() && rows(db, sql, {last}) != rows(source, sql, {last}))
            problem = QString::fromUtf8(what) + QStringLiteral(" differ from the source");
    }
    *closed = Sql::scalar(db, ClosedBills)->toInt();
    db = QSqlDatabase();
    Database::close(name);
    return problem;
}

} // namespace

class BackupRestoresTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void backupWhileAnotherProcessSettles();
};

void BackupRestoresTest::initTestCase()
{
    if (TestHall::onServer())
        QSKIP("restoring a file backup taken during a checkout only concerns the file");
}

// The child settles the two tables over and over on its own connection
// while the program's connection backs the file up; each backup waits for
// at least one more checkout, so every copy is taken in the middle of the
// work.
void BackupRestoresTest::backupWhileAnotherProcessSettles()
{
    HallFixture f;
    QVERIFY(f.ready());
    QVERIFY(f.addBands(1, QStringLiteral("00:01:00-23:59:00=8/10")) &&
            f.addBands(2, QStringLiteral("00:01:00-13:00:00=8/10;13:00:00-23:59:00=12/15")) &&
            f.hall.exec(QStringLiteral("insert into zhdy (zhao, mc) values (1, '一号'), (2, '二号')")) &&
            f.addMember(QStringLiteral("M1"), {}, QStringLiteral("现金卡"), {}, StartingBalance) &&
            f.addMember(QStringLiteral("M2"), {}, QStringLiteral("现金优惠卡"), {}, StartingBalance));

    QProcess child;
    child.start(QStringLiteral(POWER_CUT_CHILD), {f.hall.state.DbFullName, QStringLiteral("checkout")});
    QVERIFY(child.waitForReadyRead(60000));
    int closed = 0;
    for (int copy = 1; copy <= Backups; ++copy) {
        QTRY_VERIFY_WITH_TIMEOUT(f.value(ClosedBills).toInt() > closed, 60000);
        const QString target = f.hall.folder() + QStringLiteral("/copy%1.bak").arg(copy);
        const Result result = BackupCopies::backup(f.hall.db(), target);
        QVERIFY2(result, qPrintable(result.message()));
        int held = 0;
        const QString problem = checkBackup(target, f.hall.db(), &held);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("backup %1: ").arg(copy) + problem));
        QVERIFY(held > closed);
        closed = held;
    }
    QCOMPARE(child.state(), QProcess::Running);
    child.kill();
    QVERIFY(child.waitForFinished(60000));
    qInfo("%d backups taken while settling, the last holding %d settled rows", Backups, closed);
}

QTEST_GUILESS_MAIN(BackupRestoresTest)
#include "test_backup_restores.moc"
