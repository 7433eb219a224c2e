#include "BenchHall.h"
#include "BenchStats.h"
#include "core/base/Clock.h"
#include "core/base/FixedClock.h"
#include "core/billing/OpenVisit.h"
#include "core/billing/RunningCharge.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr double TargetMicroseconds = 1000;
constexpr double TargetRatio = 1.2;
constexpr qint64 SmallHistory = 1000;
constexpr qint64 LargeHistory = 1000000;

struct Figures
{
    double charge = 0;
    double inUse = 0;
};

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-billing: %s\n", qUtf8Printable(text));
}

// Microseconds of each call after a warm-up of a tenth as many; false as
// soon as a call fails.
bool timeCalls(int calls, const std::function<bool(int)>& call, QList<double>* micros)
{
    for (int i = 0; i < calls / 10; ++i) {
        if (!call(i))
            return false;
    }
    QElapsedTimer timer;
    for (int i = 0; i < calls; ++i) {
        timer.start();
        const bool ok = call(i);
        micros->append(timer.nsecsElapsed() / 1000.0);
        if (!ok)
            return false;
    }
    return true;
}

QString openVisitPlan(const QSqlDatabase& db)
{
    QSqlQuery plan(db);
    if (!plan.prepare(QStringLiteral("explain query plan ") + OpenVisitQuery))
        return QString();
    plan.addBindValue(1);
    QStringList steps;
    if (plan.exec()) {
        while (plan.next())
            steps.append(plan.value(3).toString());
    }
    return steps.join(QStringLiteral("; "));
}

std::optional<Figures> measure(qint64 history, int calls, QString* error)
{
    BenchHall hall;
    QElapsedTimer filling;
    filling.start();
    const Result filled = hall.fill(history);
    if (!filled) {
        *error = filled.message();
        return std::nullopt;
    }
    std::printf("  %9lld settled visits written in %.1f s\n", static_cast<long long>(history),
                filling.elapsed() / 1000.0);

    const QString plan = openVisitPlan(hall.state.DbConn);
    std::printf("            open-visit lookup: %s\n", qUtf8Printable(plan));
    if (!plan.contains(QStringLiteral("USING INDEX waimxd_open"))) {
        *error = QStringLiteral("the open-visit lookup does not use the index waimxd_open");
        return std::nullopt;
    }

    QList<double> chargeTimes;
    const bool priced = timeCalls(
        calls,
        [&](int i) {
            const int table = i % BenchHall::OpenTables + 1;
            RunningCharge charge(hall.state);
            charge.setCard(BenchHall::cardOf(table));
            charge.setTable(QString::number(table));
            return charge.compute().ok() && charge.total() > 0;
        },
        &chargeTimes);
    QList<double> inUseTimes;
    const bool looked = priced && timeCalls(
                                      calls,
                                      [&](int i) {
                                          const int table = i % BenchHall::Tables + 1;
                                          const ResultOf<bool> inUse =
                                              isTableInUse(hall.state.DbConn, QString::number(table));
                                          return inUse && *inUse == (table <= BenchHall::OpenTables);
                                      },
                                      &inUseTimes);
    if (!looked) {
        *error = QStringLiteral("a call failed or gave a wrong answer");
        return std::nullopt;
    }
    return Figures{median(chargeTimes), median(inUseTimes)};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Times RunningCharge::compute and isTableInUse per call on 48 tables of 6 bands with %1 and with %2 "
            "settled "
            "visits. Fails when RunningCharge::compute takes %3 µs or more, or when the large history is more than %4 "
            "times as slow as the small one.")
            .arg(SmallHistory)
            .arg(LargeHistory)
            .arg(TargetMicroseconds)
            .arg(TargetRatio));
    parser.addHelpOption();
    const QCommandLineOption callsOption({QStringLiteral("n"), QStringLiteral("calls")},
                                         QStringLiteral("Timed calls of each function per history size."),
                                         QStringLiteral("CALLS"), QStringLiteral("5000"));
    parser.addOption(callsOption);
    parser.process(app);
    bool isNumber = false;
    const int calls = parser.value(callsOption).toInt(&isNumber);
    if (!isNumber || calls < 10) {
        fail(QStringLiteral("--calls needs a whole number of at least 10"));
        return Failed;
    }

    // 18:30 puts the open visits, started between 15:00 and 17:59, across a band
    // change: compute takes its longest road, two segments.
    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(18, 30)));
    Clock::install(&clock);
    std::printf("Building the halls:\n");
    QString error;
    std::optional<Figures> small = measure(SmallHistory, calls, &error);
    std::optional<Figures> large;
    if (small)
        large = measure(LargeHistory, calls, &error);
    Clock::install(nullptr);
    if (!small || !large) {
        fail(error);
        return Failed;
    }

    const double chargeRatio = large->charge / small->charge;
    const double inUseRatio = large->inUse / small->inUse;
    std::printf("\nMedian per call of %d calls (µs), 48 tables, 6 bands each:\n", calls);
    std::printf("  settled visits     compute     in use\n");
    std::printf("  %14lld  %10.1f %10.1f\n", static_cast<long long>(SmallHistory), small->charge, small->inUse);
    std::printf("  %14lld  %10.1f %10.1f\n", static_cast<long long>(LargeHistory), large->charge, large->inUse);
    std::printf("  ratio           %10.2f %10.2f   (target: at most %.2f)\n", chargeRatio, inUseRatio, TargetRatio);
    std::printf("  RunningCharge::compute target: under %.0f µs\n", TargetMicroseconds);

    const bool within = large->charge < TargetMicroseconds && small->charge < TargetMicroseconds &&
                        chargeRatio <= TargetRatio && inUseRatio <= TargetRatio;
    return within ? WithinTarget : AboveTarget;
}
