#include "core/admin/BackupCopies.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "support/HallChecks.h"
#include "support/HallFixture.h"

#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

constexpr int Backups = 4;

const QString ClosedBills = QStringLiteral("select count(*) from waimxd where jsrc is not null");

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
    if (problem.isEmpty())
        problem = brokenCheck(db, CheckoutChecks);
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
    QVERIFY2(f.ready() && addCheckoutHall(f), qPrintable(f.error()));

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
