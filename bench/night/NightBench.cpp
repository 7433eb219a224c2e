#include "BenchStats.h"
#include "NightBooks.h"
#include "NightClock.h"
#include "NightHall.h"
#include "NightRun.h"
#include "core/board/BoardModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cmath>
#include <cstdio>

namespace {

constexpr double MemoryLimitMegabytes = 80;
constexpr double MemoryGrowthLimit = 0.10;
constexpr unsigned Seed = 20261206;
const QDate BusinessDate(2026, 12, 6);
const QDateTime Opening(BusinessDate, QTime(14, 0));

// A sanitizer's shadow memory and quarantine dwarf the program's own.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryJudged = false;
#else
constexpr bool MemoryJudged = true;
#endif

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-night: %s\n", qUtf8Printable(text));
}

// /proc files report no size, so the status is read whole rather than by lines.
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).simplified().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

int inUse(const BoardModel& board)
{
    int count = 0;
    for (int row = 0; row < board.rowCount(); ++row)
        count += board.table(row).visit ? 1 : 0;
    return count;
}

bool memoryWithin(const QList<double>& hourly)
{
    const double first = hourly.first();
    const double last = hourly.last();
    const double highest = *std::max_element(hourly.cbegin(), hourly.cend());
    const bool steady = std::abs(last - first) <= first * MemoryGrowthLimit;
    const bool small = highest < MemoryLimitMegabytes;
    std::printf("\nMemory: hour %lld %.1f MB against hour 1 %.1f MB (%+.1f %%, target within %.0f %%): %s\n",
                static_cast<long long>(hourly.size()), last, first, (last - first) / first * 100,
                MemoryGrowthLimit * 100, steady ? "ok" : "MISS");
    std::printf("        highest %.1f MB (target under %.0f MB): %s\n", highest, MemoryLimitMegabytes,
                small ? "ok" : "MISS");
    if (!MemoryJudged)
        std::printf("        not judged: built with AddressSanitizer\n");
    return !MemoryJudged || (steady && small);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A night at a hall of 48 tables on a clock moved one second a step from 14:00: the board "
                       "refreshed every second, tables opened, moved and settled, goods sold, cards topped up, "
                       "the shift settled halfway and the shift and the day at the end; then the books are "
                       "checked over the file. Fails when they do not balance or when resident memory is %1 MB "
                       "or more, or grows more than %2 %% from the first hour to the last.")
            .arg(MemoryLimitMegabytes)
            .arg(MemoryGrowthLimit * 100));
    parser.addHelpOption();
    const QCommandLineOption hoursOption(QStringLiteral("hours"), QStringLiteral("Simulated hours."),
                                         QStringLiteral("N"), QStringLiteral("12"));
    parser.addOption(hoursOption);
    parser.process(app);
    bool isNumber = false;
    const int hours = parser.value(hoursOption).toInt(&isNumber);
    if (!isNumber || hours < 1 || hours > 22) {
        fail(QStringLiteral("--hours needs a whole number from 1 to 22"));
        return Failed;
    }

    NightClock clock(Opening);
    Clock::install(&clock);
    const int code = [&] {
        NightHall hall;
        Result result = hall.fill(BusinessDate);
        BoardModel board;
        if (result)
            result = board.build(hall.state.DbConn);
        if (!result) {
            fail(result.message());
            return Failed;
        }
        NightTally tally;
        NightRun night(hall.state, board, tally, Seed);
        QList<double> refreshes;
        refreshes.reserve(hours * 3600 + NightHall::Tables);
        QElapsedTimer timer;
        const auto step = [&] {
            clock.advance(1);
            timer.start();
            const Result refreshed = board.refresh(hall.state.DbConn, Clock::now());
            refreshes.append(double(timer.nsecsElapsed()) / 1000);
            return refreshed;
        };

        std::printf("hour  clock   resident MB  tables in use  settled  refresh median µs\n");
        QList<double> hourly;
        const int shiftChange = hours * 3600 / 2;
        for (int second = 1; result && second <= hours * 3600; ++second) {
            result = step();
            if (result && second == shiftChange)
                result = night.changeShift(NightHall::operators().last());
            if (result)
                result = night.act();
            if (result && second % 3600 == 0) {
                hourly.append(residentMegabytes());
                std::printf("%4d  %s  %11.1f  %13d  %7d  %17.1f\n", second / 3600,
                            qUtf8Printable(Clock::now().toString(QStringLiteral("HH:mm"))), hourly.last(), inUse(board),
                            tally.settled, median(refreshes.mid(refreshes.size() - 3600)));
                std::fflush(stdout);
            }
        }
        if (result)
            result = night.close(step);
        if (!result) {
            fail(result.message());
            return Failed;
        }

        std::printf("\n%d visits opened and %d settled (%d over two bands, %d short balances topped up), "
                    "%d goods sold to tables, %d at the counter, %d top-ups, %d transfers, %d swaps, %d shift "
                    "settles and the day settle\n",
                    tally.opened, tally.settled, tally.twoBandVisits, tally.shortBalances, tally.tableSales,
                    tally.counterSales, tally.topUps, tally.transfers, tally.swaps, tally.shiftSettles);
        std::printf("Board refresh, %lld refreshes of %d tables: median %.1f µs, 99th percentile %.1f µs, "
                    "slowest %.1f µs\n",
                    static_cast<long long>(refreshes.size()), NightHall::Tables, median(refreshes),
                    percentile(refreshes, 0.99), percentile(refreshes, 1));
        const bool memory = memoryWithin(hourly);
        std::printf("\nThe books:\n");
        const bool books = booksBalance(hall.state.DbConn, BusinessDate, tally);
        return books && memory ? WithinTarget : AboveTarget;
    }();
    Clock::install(nullptr);
    return code;
}
