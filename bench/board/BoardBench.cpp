#include "BenchStats.h"
#include "BoardHall.h"
#include "ServerHall.h"
#include "core/base/AppState.h"
#include "core/base/Sql.h"
#include "core/board/BoardModel.h"
#include "core/board/BoardPricing.h"
#include "core/board/BoardQueries.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>

#include <cstdio>
#include <optional>

namespace {

constexpr qint64 History = 1000000;

struct Case
{
    int tables;
    double targetMicroseconds;
};

const Case Cases[] = {{48, 2000}, {500, 10000}};

// The open visits started between 15:00 and 18:00; at 20:30 every reminder
// of 30 or 60 minutes is due, the longest road through the reminder text.
const QDateTime Now(QDate(2026, 12, 6), QTime(20, 30));

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-board: %s\n", qUtf8Printable(text));
}

QString plan(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    QStringList steps;
    if (Sql::exec(query, QStringLiteral("explain query plan ") + BoardQueries::Tables)) {
        while (query.next())
            steps.append(query.value(3).toString());
    }
    return steps.join(QStringLiteral("; "));
}

// The median refresh of the board over the hall in db, after checking that
// the board reads every table and prices every one in use.
std::optional<double> timeRefresh(const QSqlDatabase& db, const Case& c, int calls, QString* error)
{
    // Every open table priced as the board prices it, at the default parameters.
    AppState state;
    state.DbConn = db;
    BoardModel board;
    board.setPricing(boardPricing(state));
    if (!board.build(db) || board.rowCount() != c.tables || !board.refresh(db, Now)) {
        *error = QStringLiteral("the rows could not be read");
        return std::nullopt;
    }
    int inUse = 0;
    int priced = 0;
    for (int row = 0; row < board.rowCount(); ++row) {
        inUse += board.table(row).visit ? 1 : 0;
        priced += board.index(row, BoardModel::Total).data().toString().isEmpty() ? 0 : 1;
    }
    if (inUse != BoardHall::openTablesOf(c.tables) || priced != inUse) {
        *error = QStringLiteral("%1 tables in use and %2 priced instead of %3")
                     .arg(inUse)
                     .arg(priced)
                     .arg(BoardHall::openTablesOf(c.tables));
        return std::nullopt;
    }

    QList<double> micros;
    QElapsedTimer timer;
    for (int i = -calls / 10; i < calls; ++i) {
        timer.start();
        if (!board.refresh(db, Now)) {
            *error = QStringLiteral("a refresh failed");
            return std::nullopt;
        }
        if (i >= 0)
            micros.append(timer.nsecsElapsed() / 1000.0);
    }
    return median(micros);
}

struct Medians
{
    double file = 0;
    // Only with --server.
    std::optional<double> server;
};

std::optional<Medians> measure(const Case& c, int calls, const QString& serverUri, QString* error)
{
    BoardHall hall;
    QElapsedTimer filling;
    filling.start();
    const Result filled = hall.fill(c.tables, History);
    if (!filled) {
        *error = filled.message();
        return std::nullopt;
    }
    std::printf("  %d tables, %lld settled visits written in %.1f s\n", c.tables, static_cast<long long>(History),
                filling.elapsed() / 1000.0);
    const QString steps = plan(hall.db);
    std::printf("    plan: %s\n", qUtf8Printable(steps));
    if (!steps.contains(QStringLiteral("USING INDEX waimxd_open")) || steps.contains(QStringLiteral("SCAN w")) ||
        steps.contains(QStringLiteral("SCAN o"))) {
        *error = QStringLiteral("the board does not read the open visits through the index waimxd_open");
        return std::nullopt;
    }
    const std::optional<double> file = timeRefresh(hall.db, c, calls, error);
    if (!file || serverUri.isEmpty())
        return file ? std::optional<Medians>(Medians{*file, std::nullopt}) : std::nullopt;

    ServerHall server;
    if (const Result copied = server.copy(serverUri, hall.db); !copied) {
        *error = copied.message();
        return std::nullopt;
    }
    const std::optional<double> onServer = timeRefresh(server.db, c, calls, error);
    if (!onServer)
        return std::nullopt;
    return Medians{*file, *onServer};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the board's refresh of its model (every table with its open visit, durations and "
                       "reminders, in one statement, and the running charge of every table in use) on 48 and on 500 "
                       "tables with %1 settled visits. Fails when 48 "
                       "tables take %2 µs "
                       "or more, or 500 tables %3 µs or more.")
            .arg(History)
            .arg(Cases[0].targetMicroseconds)
            .arg(Cases[1].targetMicroseconds));
    parser.addHelpOption();
    const QCommandLineOption callsOption({QStringLiteral("n"), QStringLiteral("calls")},
                                         QStringLiteral("Timed refreshes per hall."), QStringLiteral("CALLS"),
                                         QStringLiteral("1000"));
    parser.addOption(callsOption);
    ServerHall::addOption(parser);
    parser.process(app);
    const QString serverUri = ServerHall::uri(parser);
    bool isNumber = false;
    const int calls = parser.value(callsOption).toInt(&isNumber);
    if (!isNumber || calls < 10) {
        fail(QStringLiteral("--calls needs a whole number of at least 10"));
        return Failed;
    }

    std::printf("Building the halls:\n");
    QList<Medians> medians;
    for (const Case& c : Cases) {
        QString error;
        const std::optional<Medians> figure = measure(c, calls, serverUri, &error);
        if (!figure) {
            fail(error);
            return Failed;
        }
        medians.append(*figure);
    }

    bool within = true;
    std::printf("\nMedian of %d refreshes (µs), %lld settled visits, five in six tables in use:\n", calls,
                static_cast<long long>(History));
    std::printf(serverUri.isEmpty() ? "  tables     median     target\n"
                                    : "  tables     median     target PostgreSQL\n");
    for (qsizetype i = 0; i < medians.size(); ++i) {
        std::printf("  %6d %10.1f %10.0f", Cases[i].tables, medians[i].file, Cases[i].targetMicroseconds);
        within = within && medians[i].file < Cases[i].targetMicroseconds;
        if (medians[i].server) {
            std::printf(" %10.1f", *medians[i].server);
            within = within && *medians[i].server < Cases[i].targetMicroseconds;
        }
        std::printf("\n");
    }
    return within ? WithinTarget : AboveTarget;
}
