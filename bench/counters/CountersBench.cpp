#include "BenchHall.h"
#include "BenchStats.h"
#include "ServerHall.h"
#include "core/base/Clock.h"
#include "core/base/Database.h"
#include "core/base/FixedClock.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/board/TableOpening.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr qint64 History = 100000;
// The free tables of the bench hall, shared out among the counters so that
// each settles its own and they meet only in the store.
constexpr int FirstTable = BenchHall::OpenTables + 1;
constexpr int FreeTables = BenchHall::Tables - BenchHall::OpenTables;
constexpr int MostCounters = 4;

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-counters: %s\n", qUtf8Printable(text));
}

// One counter: opens and settles its tables for a cash guest until the time
// is up, then prints "SETTLED BUSY". A refusal of a busy store is counted
// and the command tried again; any other failure ends the counter.
int runCounter(const QString& place, int counter, int counters, double seconds)
{
    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    Clock::install(&clock);
    AppState state;
    if (const Result opened = Database::openNamed(place, QStringLiteral("counter"), &state.DbConn); !opened) {
        fail(opened.message());
        return Failed;
    }
    state.OperatorName = QStringLiteral("bench");
    state.BusinessDate = QDate(2026, 12, 6);
    QList<int> tables;
    for (int table = FirstTable + counter; table < FirstTable + FreeTables; table += counters)
        tables << table;
    qint64 settled = 0, busy = 0;
    QElapsedTimer timer;
    timer.start();
    for (qint64 i = 0; timer.elapsed() < seconds * 1000; ++i) {
        const QString table = QString::number(tables[i % tables.size()]);
        const ResultOf<TableOpening::Opened> opened =
            TableOpening::openTable(state, {table, QString(), QString(), QStringLiteral("0"), QStringLiteral("0")});
        // A table left open by a settle refused as busy is settled next.
        if (!opened || (opened->outcome != TableOpening::Outcome::Opened &&
                        opened->outcome != TableOpening::Outcome::AlreadyOpen)) {
            if (busy++ == 0)
                fail(QStringLiteral("table %1 not opened: %2 %3")
                         .arg(table)
                         .arg(opened ? int(opened->outcome) : -1)
                         .arg(opened.result().message()));
            continue;
        }
        const Checkout::Bill bill = Checkout::settle(state, {table, QString(), QString(), QStringLiteral("0")});
        if (bill.settled())
            ++settled;
        else if (busy++ == 0)
            fail(QStringLiteral("table %1 not settled: %2 %3")
                     .arg(table)
                     .arg(int(bill.outcome))
                     .arg(bill.error.message()));
    }
    std::printf("%lld %lld\n", static_cast<long long>(settled), static_cast<long long>(busy));
    Clock::install(nullptr);
    return WithinTarget;
}

struct Round
{
    double perSecond = 0;
    qint64 refused = 0;
};

// Starts `counters` processes of this program on the hall at once and
// adds up what they settled.
std::optional<Round> runRound(const QString& place, int counters, double seconds)
{
    std::vector<std::unique_ptr<QProcess>> children;
    for (int counter = 0; counter < counters; ++counter) {
        children.push_back(std::make_unique<QProcess>());
        children.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        children.back()->start(QCoreApplication::applicationFilePath(),
                               {QStringLiteral("--counter"), place, QString::number(counter), QString::number(counters),
                                QString::number(seconds)});
    }
    Round round;
    qint64 settled = 0;
    for (auto& child : children) {
        if (!child->waitForFinished(int(seconds * 1000) + 60000) || child->exitCode() != 0)
            return std::nullopt;
        const QList<QByteArray> counts = child->readAllStandardOutput().trimmed().split(' ');
        settled += counts.value(0).toLongLong();
        round.refused += counts.value(1).toLongLong();
    }
    round.perSecond = double(settled) / seconds;
    return round;
}

// The rounds of one store; whether each ran.
bool printRounds(const char* store, const QString& place, const QList<int>& counts, double seconds,
                 QList<double>* perSecond)
{
    for (int counters : counts) {
        const std::optional<Round> round = runRound(place, counters, seconds);
        if (!round) {
            fail(QStringLiteral("a counter failed on %1").arg(QString::fromLatin1(store)));
            return false;
        }
        perSecond->append(round->perSecond);
        std::printf("  %-10s %d counter%s: %7.1f checkouts/s (%.1f per counter), %lld refused as busy\n", store,
                    counters, counters == 1 ? " " : "s", round->perSecond, round->perSecond / counters,
                    static_cast<long long>(round->refused));
        std::fflush(stdout);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QStringLiteral("--counter") && args.size() == 6)
        return runCounter(args[2], args[3].toInt(), args[4].toInt(), args[5].toDouble());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Counts the checkouts (a cash guest's table opened, then settled) that 1 and 2 counter "
                       "processes make together on one file, and 1, 2 and 4 on PostgreSQL with --server, each "
                       "on tables of its own of a hall with %1 settled visits. Fails when two counters settle "
                       "fewer per second together than one alone.")
            .arg(History));
    parser.addHelpOption();
    const QCommandLineOption secondsOption({QStringLiteral("s"), QStringLiteral("seconds")},
                                           QStringLiteral("Seconds each round lasts."), QStringLiteral("SECONDS"),
                                           QStringLiteral("10"));
    parser.addOption(secondsOption);
    ServerHall::addOption(parser);
    parser.process(app);
    const QString serverUri = ServerHall::uri(parser);
    const double seconds = parser.value(secondsOption).toDouble();
    if (seconds <= 0) {
        fail(QStringLiteral("--seconds needs a number above 0"));
        return Failed;
    }

    BenchHall hall;
    if (const Result filled = hall.fill(History); !filled) {
        fail(filled.message());
        return Failed;
    }
    if (const Result added = hall.addOperator(); !added) {
        fail(added.message());
        return Failed;
    }
    ServerHall server;
    if (!serverUri.isEmpty()) {
        if (const Result copied = server.copy(serverUri, hall.state.DbConn); !copied) {
            fail(copied.message());
            return Failed;
        }
    }

    std::printf("checkouts per second, %g s a round, counters on tables of their own:\n", seconds);
    QList<double> file, onServer;
    if (!printRounds("file", hall.file(), {1, 2}, seconds, &file))
        return Failed;
    if (!serverUri.isEmpty() && !printRounds("PostgreSQL", serverUri, {1, 2, MostCounters}, seconds, &onServer))
        return Failed;
    // A file takes one writer at a time, and a waiting one polls: two
    // counters share what one settles. A server takes them side by side.
    std::printf("  target: on a file, two counters together settle at least half as many as one; on a server, "
                "each added counter adds checkouts\n");
    const bool scales =
        file[1] >= file[0] / 2 && (onServer.isEmpty() || (onServer[1] >= onServer[0] && onServer[2] >= onServer[1]));
    return scales ? WithinTarget : AboveTarget;
}
