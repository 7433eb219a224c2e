#include "BenchStats.h"
#include "StartupRuns.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr double TargetRatio = 1.5;

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-startup: %s\n", qUtf8Printable(text));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times Tavoro from process start to the login screen shown, beside a bare Qt program "
                       "that shows one empty window. Fails when Tavoro takes more than %1 times as long.")
            .arg(TargetRatio));
    parser.addHelpOption();
    const QCommandLineOption runsOption({QStringLiteral("n"), QStringLiteral("runs")},
                                        QStringLiteral("Runs of each program; the first is a warm-up."),
                                        QStringLiteral("RUNS"), QStringLiteral("15"));
    parser.addOption(runsOption);
    parser.process(app);
    bool isNumber = false;
    const int runs = parser.value(runsOption).toInt(&isNumber);
    if (!isNumber || runs < 2) {
        fail(QStringLiteral("--runs needs a whole number of at least 2"));
        return Failed;
    }

    StartupRuns bench;
    QString error;
    if (!bench.prepare(QString::fromUtf8(TAVORO_MAKEDB), &error)) {
        fail(error);
        return Failed;
    }
    const QString bare = QString::fromUtf8(TAVORO_BARE_WINDOW);
    const QString tavoro = QString::fromUtf8(TAVORO_PROGRAM);

    // Alternating the two spreads any change in the machine's load over both.
    QList<double> bareTimes;
    QList<double> tavoroTimes;
    for (int run = 0; run < runs; ++run) {
        const std::optional<double> bareMs = bench.timeOnce(bare, &error);
        const std::optional<double> tavoroMs = bareMs ? bench.timeOnce(tavoro, &error) : std::nullopt;
        if (!tavoroMs) {
            fail(error);
            return Failed;
        }
        if (run == 0)
            continue;
        bareTimes.append(*bareMs);
        tavoroTimes.append(*tavoroMs);
    }

    const double bareMedian = median(bareTimes);
    const double tavoroMedian = median(tavoroTimes);
    const double ratio = tavoroMedian / bareMedian;
    std::printf("Start to first window painted on the %s platform, median of %d runs after one warm-up run:\n",
                qUtf8Printable(bench.platform()), runs - 1);
    std::printf("  bare Qt window  %8.1f ms\n", bareMedian);
    std::printf("  Tavoro login    %8.1f ms\n", tavoroMedian);
    std::printf("  ratio           %8.2f    (target: at most %.2f)\n", ratio, TargetRatio);
    return ratio <= TargetRatio ? WithinTarget : AboveTarget;
}
