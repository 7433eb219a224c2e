#include "BenchStats.h"
#include "FiveYearHistory.h"
#include "StartupRuns.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr double TargetRatio = 1.2;

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
        QStringLiteral(
            "Times Tavoro from process start to the login screen shown, beside a bare Qt program "
            "that shows one empty window (and, for reference, the same window showing a bold and a regular line in "
            "the hall's font), on the demo hall and on a hall of five years (%1 visits, "
            "%2 goods rows, %3 members). Fails when Tavoro on the demo hall takes more than %4 times "
            "the bare window, or Tavoro on the five-year hall more than %4 times the demo hall.")
            .arg(FiveYearHistory::Visits)
            .arg(FiveYearHistory::GoodsRows)
            .arg(FiveYearHistory::Members)
            .arg(TargetRatio));
    parser.addHelpOption();
    const QCommandLineOption fiveYearOption(
        QStringLiteral("five-year-hall"),
        QStringLiteral("Where the five-year hall (about 255 MB) is kept between runs: made there when missing, "
                       "used as it is when there. Without it, it is made afresh in the temporary folder."),
        QStringLiteral("FILE"));
    parser.addOption(fiveYearOption);
    const int runs = timedRuns(parser, app, 14, 2);
    if (runs == 0) {
        fail(QStringLiteral("--runs needs a whole number of at least 2"));
        return Failed;
    }

    StartupRuns bench;
    QString error;
    if (!bench.prepare(QString::fromUtf8(TAVORO_MAKEDB), &error)) {
        fail(error);
        return Failed;
    }
    QElapsedTimer making;
    making.start();
    bool made = false;
    if (!bench.prepareFiveYears(parser.value(fiveYearOption), &made, &error)) {
        fail(error);
        return Failed;
    }
    std::printf("five-year hall %s: %s, %.0f MB\n",
                made ? qUtf8Printable(QStringLiteral("made in %1 s").arg(double(making.elapsed()) / 1000, 0, 'f', 1))
                     : "kept from an earlier run",
                qUtf8Printable(bench.fiveYearFile()), double(QFileInfo(bench.fiveYearFile()).size()) / 1e6);
    const QString bare = QString::fromUtf8(TAVORO_BARE_WINDOW);
    const QString tavoro = QString::fromUtf8(TAVORO_PROGRAM);

    // Alternating the programs spreads any change in the machine's load over all.
    QList<double> bareTimes;
    QList<double> textTimes;
    QList<double> demoTimes;
    QList<double> fiveYearTimes;
    for (int run = 0; run <= runs; ++run) {
        const std::optional<double> bareMs = bench.timeOnce(bare, StartupRuns::Hall::Demo, &error);
        const std::optional<double> textMs =
            bareMs ? bench.timeOnce(bare, StartupRuns::Hall::Demo, &error, {QStringLiteral("--hall-text")})
                   : std::nullopt;
        const std::optional<double> demoMs =
            textMs ? bench.timeOnce(tavoro, StartupRuns::Hall::Demo, &error) : std::nullopt;
        const std::optional<double> fiveYearMs =
            demoMs ? bench.timeOnce(tavoro, StartupRuns::Hall::FiveYears, &error) : std::nullopt;
        if (!fiveYearMs) {
            fail(error);
            return Failed;
        }
        if (run == 0)
            continue;
        bareTimes.append(*bareMs);
        textTimes.append(*textMs);
        demoTimes.append(*demoMs);
        fiveYearTimes.append(*fiveYearMs);
    }

    const double bareMedian = median(bareTimes);
    const double textMedian = median(textTimes);
    const double demoMedian = median(demoTimes);
    const double fiveYearMedian = median(fiveYearTimes);
    const double demoRatio = demoMedian / bareMedian;
    const double fiveYearRatio = fiveYearMedian / demoMedian;
    std::printf("Start to first window painted on the %s platform, median of %d runs after one warm-up run:\n",
                qUtf8Printable(bench.platform()), runs);
    std::printf("  bare Qt window               %8.1f ms\n", bareMedian);
    std::printf("  Qt window with the hall text %8.1f ms    (%.2f of the bare window)\n", textMedian,
                textMedian / bareMedian);
    std::printf("  Tavoro login, demo hall      %8.1f ms\n", demoMedian);
    std::printf("  Tavoro login, five-year hall %8.1f ms\n", fiveYearMedian);
    std::printf("  demo hall / bare window      %8.2f    (target: at most %.2f)\n", demoRatio, TargetRatio);
    std::printf("  five-year hall / demo hall   %8.2f    (target: at most %.2f)\n", fiveYearRatio, TargetRatio);
    return demoRatio <= TargetRatio && fiveYearRatio <= TargetRatio ? WithinTarget : AboveTarget;
}
