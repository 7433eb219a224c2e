#include "core/base/Database.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/members/MemberTopUp.h"
#include "support/HallFixture.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <functional>

namespace {

const QString Filler = QStringLiteral("filler");

// What the screen shows after the command: its failure in words, or empty
// when the command reports that it was done.
using Command = std::function<QString(AppState&)>;

QString shown(const Result& result, const Notice& refusal)
{
    if (!result)
        return errorText(result.number(), result.message());
    return refusal.text;
}

const QMap<QString, Command>& commands()
{
    static const QMap<QString, Command> all = {
        {QStringLiteral("checkout"),
         [](AppState& state) {
             return Checkout::notice(Checkout::settle(state, {QStringLiteral("1"), QStringLiteral("Y1"), QString(),
                                                              QStringLiteral("0")}))
                 .text;
         }},
        {QStringLiteral("recharge"),
         [](AppState& state) {
             const MemberTopUp::Outcome outcome =
                 MemberTopUp::topUp(state, {QStringLiteral("Y1"), QStringLiteral("100"), QStringLiteral("100")});
             return shown(outcome.result, outcome.refusal);
         }},
        {QStringLiteral("counter sale"),
         [](AppState& state) {
             const GoodsDocument::Saved saved =
                 saveDocument(state, GoodsDocument::Kind::Sale,
                              typedDocument(state, QStringLiteral("啤酒"), QStringLiteral("2"), QStringLiteral("5"),
                                            QStringLiteral("10")));
             return shown(saved.result, saved.refusal);
         }},
    };
    return all;
}

// The file may grow no more, and every free page is taken: a command that
// needs one more page fails as on a full disk.
bool fillTheDisk(const QSqlDatabase& db)
{
    if (!Sql::exec(db, QStringLiteral("create table ") + Filler + QStringLiteral(" (b blob)")))
        return false;
    const QVariant pages = *Sql::scalar(db, QStringLiteral("PRAGMA page_count"));
    if (!Sql::exec(db, QStringLiteral("PRAGMA max_page_count = ") + pages.toString()))
        return false;
    for (int bytes = 3000; bytes > 0; bytes /= 2) {
        for (int i = 0; i < 1000; ++i) {
            if (!Sql::exec(db, QStringLiteral("insert into ") + Filler + QStringLiteral(" values (zeroblob(?))"),
                           {bytes}))
                break;
        }
    }
    return Sql::scalar(db, QStringLiteral("PRAGMA freelist_count"))->toInt() == 0;
}

} // namespace

class DiskFailureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void changesNothing_data();
    void changesNothing();
};

void DiskFailureTest::initTestCase()
{
    if (TestHall::onServer())
        QSKIP("a full disk, a query-only connection and a read-only file are simulated on the file only");
}

void DiskFailureTest::changesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<qint64>("number");
    for (const QString& command : commands().keys()) {
        QTest::addRow("%s, disk full", qPrintable(command)) << command << QStringLiteral("full") << Result::DiskFull;
        QTest::addRow("%s, query only", qPrintable(command))
            << command << QStringLiteral("query only") << Result::DatabaseReadOnly;
        QTest::addRow("%s, read-only file", qPrintable(command))
            << command << QStringLiteral("read-only") << Result::DatabaseReadOnly;
    }
}

void DiskFailureTest::changesNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, failure);
    QFETCH(qint64, number);
    HallFixture hall;
    AppState& state = hall.hall.state;
    QVERIFY2(hall.ready() && hall.addTables(2) &&
                 hall.addMember(QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡"), 0, 500) &&
                 hall.hall.exec(QStringLiteral("insert into spzd (name, sp_max, sp_mix) values ('啤酒', 2, 1)")) &&
                 hall.openVisit(1, today("18:00:00"), QStringLiteral("Y1")) &&
                 hall.addGoods(1, QStringLiteral("啤酒"), 2, 10),
             qPrintable(hall.error()));
    // Each command stamps the operator on what it writes; a name this long
    // needs pages of its own, so the write cannot fit into room left over.
    // The operator's own row carries it, as after a login.
    state.OperatorName = QStringLiteral("值班").repeated(10000);
    QVERIFY(hall.hall.exec(QStringLiteral("update czyzd set czy_name = ? where czy_name = 'system'"),
                           {state.OperatorName}));

    QSqlDatabase kept = state.DbConn;
    const QString readOnly = QStringLiteral("read-only-") + QString::number(quintptr(&hall));
    if (failure == QLatin1String("full")) {
        QVERIFY(fillTheDisk(state.DbConn));
    } else if (failure == QLatin1String("query only")) {
        QVERIFY(Sql::exec(state.DbConn, QStringLiteral("PRAGMA query_only = 1")));
    } else {
        const Result opened = Database::openReadOnly(state.DbFullName, readOnly, &state.DbConn);
        QVERIFY2(opened, qPrintable(opened.message()));
    }
    const QStringList before = everyRow(state.DbConn, {Filler});

    const QString text = commands().value(command)(state);

    const QStringList after = everyRow(state.DbConn, {Filler});
    if (failure == QLatin1String("read-only")) {
        state.DbConn = kept;
        Database::close(readOnly);
    }
    QVERIFY2(text.contains(Result::cause(number)), qPrintable(text));
    QCOMPARE(after, before);
    QVERIFY2(!Sql::scalar(kept, QStringLiteral("select id from waimxd where zhao = 1 and jsrc is null"))->isNull(),
             "the visit stays open");
}

QTEST_GUILESS_MAIN(DiskFailureTest)
#include "test_disk_failure.moc"
