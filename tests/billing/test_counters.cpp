#include "core/base/Sql.h"
#include "support/HallChecks.h"
#include "support/HallFixture.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

constexpr int Tables = 12;
// Low balances meet "balance too low"; high ones do not.
const QMap<QString, double> OpeningBalances = {{QStringLiteral("M1"), 20},  {QStringLiteral("M2"), 50},
                                               {QStringLiteral("M3"), 100}, {QStringLiteral("M4"), 200},
                                               {QStringLiteral("M5"), 500}, {QStringLiteral("M6"), 1000}};

const QList<HallCheck> BoardChecks = {
    OneOpenVisitPerTable,
    TablesMarkedByVisits,
    {"goods on a table are on its open visit",
     "select count(*) from ckv_zc g where g.jzbj = 0 and not exists (select 1 from waimxd w "
     "where cast(w.id as text) = g.hyid and w.jsrc is null and cast(w.zhao as text) = g.zhao)"},
    {"settled goods belong to a settled visit",
     "select count(*) from ckv_zc g where g.jzbj = 1 and not exists (select 1 from waimxd w "
     "where cast(w.id as text) = g.hyid and w.jsrc is not null)"},
    {"document numbers unique",
     "select count(*) from (select dj_id from ckv_zc group by dj_id having count(*) > 1) as t"},
    {"no balance overdrawn", "select count(*) from user_lb where yk < -0.001"},
    {"a member's charges total exactly its settled visits",
     "select count(*) from user_lb u where abs(u.jelj - (select coalesce(sum(je), 0) from waimxd w "
     "where w.khao = u.khao and w.jsrc is not null)) > 0.001"},
};

// What one counter's journal says was done, every counter's together.
struct Journal
{
    struct Bill
    {
        qint64 started = 0, ended = 0;
        QString card; // empty for cash
        double paid = 0;
        QList<qint64> visits, goods;
    };
    struct TopUp
    {
        qint64 started = 0, ended = 0;
        QString card;
        double amount = 0;
    };
    QList<Bill> bills;
    QList<TopUp> topUps;
    QList<std::pair<qint64, qint64>> shifts;
    QStringList unexpected;

    static QList<qint64> ids(const QString& text)
    {
        QList<qint64> ids;
        if (text != QStringLiteral("-"))
            for (const QString& id : text.split(QLatin1Char(',')))
                ids << id.toLongLong();
        return ids;
    }

    void read(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        // A line cut by the kill is no command done.
        for (const QByteArray& bytes : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(bytes);
            const QStringList f = line.split(QLatin1Char(' '));
            if (f.value(0) == QStringLiteral("unexpected"))
                unexpected << line;
            else if (f.value(0) == QStringLiteral("checkout") && f.size() == 7)
                bills.append({f[1].toLongLong(), f[2].toLongLong(), f[3] == QStringLiteral("-") ? QString() : f[3],
                              f[4].toDouble(), ids(f[5]), ids(f[6])});
            else if (f.value(0) == QStringLiteral("topup") && f.size() == 5)
                topUps.append({f[1].toLongLong(), f[2].toLongLong(), f[3], f[4].toDouble()});
            else if (f.value(0) == QStringLiteral("shift") && f.size() == 3)
                shifts.append({f[1].toLongLong(), f[2].toLongLong()});
        }
    }
};

bool same(double a, double b)
{
    return qAbs(a - b) < 0.005;
}

} // namespace

class CountersTest : public QObject
{
    Q_OBJECT

private slots:
    void nightOfSeveralCounters();

private:
    QStringList journalChecks(HallFixture& f, const Journal& journal, int kills);
    QProcess* start(const QString& place, int counter, quint32 seed, qint64 startMs, int seconds);

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_children;
};

QProcess* CountersTest::start(const QString& place, int counter, quint32 seed, qint64 startMs, int seconds)
{
    auto child = std::make_unique<QProcess>();
    QStringList args = {place, m_dir.filePath(QStringLiteral("counter%1.journal").arg(counter)), QString::number(seed),
                        QString::number(seconds), QString::number(startMs)};
    // The first counter settles the shift halfway through the night.
    if (counter == 0)
        args << QStringLiteral("settles-shift");
    child->start(QStringLiteral(COUNTER_CHILD), args);
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

// The promises the journals prove: what each counter was told was done is
// in the books exactly once, and the books hold nothing else but the one
// command a kill may have cut between the core's answer and its line.
QStringList CountersTest::journalChecks(HallFixture& f, const Journal& journal, int kills)
{
    QStringList broken;
    if (!journal.unexpected.isEmpty())
        broken << QStringLiteral("every command done or refused as expected: %1 not, first: %2")
                      .arg(journal.unexpected.size())
                      .arg(journal.unexpected.first());

    QMap<qint64, int> billsOfVisit;
    for (const Journal::Bill& bill : journal.bills)
        for (qint64 visit : bill.visits)
            ++billsOfVisit[visit];
    int twice = 0;
    for (int bills : std::as_const(billsOfVisit))
        twice += bills > 1;
    if (twice > 0)
        broken << QStringLiteral("no visit settled twice: %1 visits on two bills").arg(twice);

    QMap<qint64, qint64> visitOfGoods;
    for (const QString& row : f.hall.rows(QStringLiteral("select id, hyid from ckv_zc")))
        visitOfGoods.insert(row.section(QLatin1Char('|'), 0, 0).toLongLong(),
                            row.section(QLatin1Char('|'), 1, 1).toLongLong());
    int elsewhere = 0;
    QString first;
    for (const Journal::Bill& bill : journal.bills)
        for (qint64 goods : bill.goods)
            if (!bill.visits.contains(visitOfGoods.value(goods, -1)) && ++elsewhere == 1)
                first = QStringLiteral("goods %1 of visit %2 on the bill of visit %3")
                            .arg(goods)
                            .arg(visitOfGoods.value(goods, -1))
                            .arg(bill.visits.value(0));
    if (elsewhere > 0)
        broken << QStringLiteral(
                      "every goods row on the bill of the visit it was sold to: %1 on another bill, first %2")
                      .arg(elsewhere)
                      .arg(first);

    // The hall's own rows of money, per member: top-ups and card-paid bills.
    QMap<QString, QList<double>> hallTopUps;
    for (const QString& row : f.hall.rows(QStringLiteral("select khao, kzje from srmx where khao is not null")))
        hallTopUps[row.section(QLatin1Char('|'), 0, 0)] << row.section(QLatin1Char('|'), 1, 1).toDouble();
    QMap<qint64, std::pair<QString, double>> hallCardBills;
    for (const QString& row :
         f.hall.rows(QStringLiteral("select cast(djid as integer), khao, sum(je) from waimxd "
                                    "where fkfs = '刷卡' and jsrc is not null group by djid, khao")))
        hallCardBills.insert(row.section(QLatin1Char('|'), 0, 0).toLongLong(),
                             {row.section(QLatin1Char('|'), 1, 1), row.section(QLatin1Char('|'), 2, 2).toDouble()});

    QMap<QString, double> journalled, unjournalled;
    int missing = 0;
    for (const Journal::TopUp& topUp : journal.topUps) {
        journalled[topUp.card] += topUp.amount;
        QList<double>& rows = hallTopUps[topUp.card];
        const qsizetype at = rows.indexOf(topUp.amount);
        if (at < 0)
            ++missing;
        else
            rows.removeAt(at);
    }
    for (const Journal::Bill& bill : journal.bills) {
        if (bill.card.isEmpty())
            continue;
        journalled[bill.card] -= bill.paid;
        const auto row = hallCardBills.constFind(bill.visits.value(0));
        if (row == hallCardBills.cend() || row->first != bill.card || !same(row->second, bill.paid))
            ++missing;
        else
            hallCardBills.remove(bill.visits.value(0));
    }
    int extra = 0;
    for (auto it = hallTopUps.cbegin(); it != hallTopUps.cend(); ++it)
        for (double amount : it.value()) {
            unjournalled[it.key()] += amount;
            ++extra;
        }
    for (const auto& [card, paid] : std::as_const(hallCardBills)) {
        unjournalled[card] -= paid;
        ++extra;
    }
    if (missing > 0 || extra > kills)
        broken << QStringLiteral("the hall's top-ups and card payments are the journalled ones: %1 journalled "
                                 "missing, %2 not journalled (%3 kills)")
                      .arg(missing)
                      .arg(extra)
                      .arg(kills);

    QStringList offHall, offJournal;
    for (const QString& row : f.hall.rows(QStringLiteral("select khao, yk from user_lb order by khao"))) {
        const QString card = row.section(QLatin1Char('|'), 0, 0);
        const double balance = row.section(QLatin1Char('|'), 1, 1).toDouble();
        const double hall =
            OpeningBalances.value(card) +
            f.value(QStringLiteral("select coalesce(sum(kzje), 0) from srmx where khao = ?"), {card}).toDouble() -
            f.value(QStringLiteral("select coalesce(sum(je), 0) from waimxd where khao = ? and "
                                   "fkfs = '刷卡' and jsrc is not null"),
                    {card})
                .toDouble();
        if (!same(balance, hall))
            offHall << QStringLiteral("%1 holds %2, rows say %3").arg(card).arg(balance).arg(hall);
        const double told = OpeningBalances.value(card) + journalled.value(card) + unjournalled.value(card);
        if (!same(balance, told))
            offJournal << QStringLiteral("%1 holds %2, journals say %3").arg(card).arg(balance).arg(told);
    }
    if (!offHall.isEmpty())
        broken << QStringLiteral("every balance is its opening plus top-up rows minus card-paid visits: ") +
                      offHall.join(QStringLiteral(", "));
    if (!offJournal.isEmpty())
        broken << QStringLiteral("every balance is its opening plus journalled top-ups minus card payments: ") +
                      offJournal.join(QStringLiteral(", "));

    if (journal.shifts.size() != 1) {
        broken << QStringLiteral("the shift was settled once: %1 times").arg(journal.shifts.size());
        return broken;
    }
    // A bill done before the settle began is in the settled shift, one
    // begun after it ended in the next; one in between may be either.
    const auto [settleStarted, settleEnded] = journal.shifts.first();
    int unmarked = 0, early = 0;
    for (const Journal::Bill& bill : journal.bills) {
        const bool before = bill.ended < settleStarted;
        const bool after = bill.started > settleEnded;
        if (!before && !after)
            continue;
        for (qint64 visit : bill.visits) {
            const QString mark = f.value(QStringLiteral("select dzbj from waimxd where id = ?"), {visit}).toString();
            unmarked += before && mark != QStringLiteral("2");
            early += after && mark != QStringLiteral("1");
        }
        for (qint64 goods : bill.goods) {
            const QString mark = f.value(QStringLiteral("select dzbj from ckv_zc where id = ?"), {goods}).toString();
            unmarked += before && mark != QStringLiteral("2");
            early += after && mark != QStringLiteral("1");
        }
    }
    qsizetype topUpsBefore = 0, topUpsAfter = 0;
    for (const Journal::TopUp& topUp : journal.topUps) {
        topUpsBefore += topUp.ended < settleStarted;
        topUpsAfter += topUp.started > settleEnded;
    }
    if (f.value(QStringLiteral("select count(*) from srmx where dzbj = '2'")).toLongLong() < topUpsBefore)
        ++unmarked;
    if (f.value(QStringLiteral("select count(*) from srmx where dzbj = '1'")).toLongLong() < topUpsAfter)
        ++early;
    if (unmarked > 0)
        broken << QStringLiteral("every row of the settled shift marked: %1 rows not").arg(unmarked);
    if (early > 0)
        broken << QStringLiteral("no row settled after the shift marked with it: %1 rows").arg(early);
    return broken;
}

// Four counters on a server (two on a file) open, sell to, move and settle
// the tables of one hall and top up and charge its members, all at once;
// one is killed midway and started again. Afterwards the books must be
// as one careful counter would have left them. The night lasts 60 s;
// TAVORO_COUNTERS_SECONDS shortens it for a try.
void CountersTest::nightOfSeveralCounters()
{
    HallFixture f;
    QVERIFY2(f.ready() && f.addTables(Tables), qPrintable(f.error()));
    for (auto it = OpeningBalances.cbegin(); it != OpeningBalances.cend(); ++it)
        QVERIFY2(f.addMember(it.key(), QVariant(), QStringLiteral("现金卡"), 0, it.value()), qPrintable(f.error()));
    const int counters = TestHall::onServer() ? 4 : 2;
    const int seconds = qEnvironmentVariableIsSet("TAVORO_COUNTERS_SECONDS")
                            ? qEnvironmentVariableIntValue("TAVORO_COUNTERS_SECONDS")
                            : 60;
    const quint32 seed = qEnvironmentVariableIsSet("TAVORO_COUNTERS_SEED")
                             ? quint32(qEnvironmentVariableIntValue("TAVORO_COUNTERS_SEED"))
                             : 28u;
    const qint64 startMs = QDateTime::currentMSecsSinceEpoch();
    QList<QProcess*> running;
    for (int counter = 0; counter < counters; ++counter) {
        running << start(f.hall.place(), counter, seed + quint32(counter), startMs, seconds);
        QVERIFY2(running.last()->waitForReadyRead(30000), running.last()->readAllStandardError().constData());
    }

    // The kill falls before the shift settle, so that the settle meets the
    // books a killed counter left.
    QThread::msleep(qMax(qint64(0), startMs + seconds * 400 - QDateTime::currentMSecsSinceEpoch()));
    QProcess* killed = running[1];
    killed->kill();
    QVERIFY(killed->waitForFinished(30000));
    QVERIFY2(killed->exitStatus() == QProcess::CrashExit, killed->readAllStandardError().constData());
    running[1] = start(f.hall.place(), 1, seed + 100, startMs, seconds);
    QVERIFY2(running[1]->waitForReadyRead(30000), running[1]->readAllStandardError().constData());

    for (int counter = 0; counter < counters; ++counter) {
        QProcess* child = running[counter];
        QVERIFY2(child->waitForFinished(seconds * 1000 + 60000), qPrintable(QStringLiteral("counter %1").arg(counter)));
        QVERIFY2(child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0,
                 qPrintable(QStringLiteral("counter %1 died: ").arg(counter) +
                            QString::fromUtf8(child->readAllStandardError())));
        const QByteArray counts = child->readAllStandardOutput().trimmed();
        qInfo("counter %d: %s", counter, counts.mid(counts.indexOf('\n') + 1).constData());
    }

    Journal journal;
    for (int counter = 0; counter < counters; ++counter)
        journal.read(m_dir.filePath(QStringLiteral("counter%1.journal").arg(counter)));
    qInfo("%lld bills, %lld top-ups journalled (seed %u)", qint64(journal.bills.size()), qint64(journal.topUps.size()),
          seed);
    const QStringList broken = brokenChecks(f.hall.db(), BoardChecks) + journalChecks(f, journal, 1);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("\n   "))));
}

QTEST_GUILESS_MAIN(CountersTest)
#include "test_counters.moc"
