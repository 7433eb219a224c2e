#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cmath>

// How every benchmark ends: its targets met, a target missed, or unable to
// measure at all.
enum ExitCode
{
    WithinTarget = 0,
    AboveTarget = 1,
    Failed = 2
};

// The middle value; for an even count the mean of the two middle ones.
inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The value below which the given share of the values lies (0.99: the 99th
// percentile), by the nearest rank.
inline double percentile(QList<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<qsizetype>(std::ceil(share * double(values.size())));
    return values.at(std::clamp<qsizetype>(rank - 1, 0, values.size() - 1));
}

// Adds -n/--runs to the parser and processes the command line; the number of
// timed runs asked for, the default when none was, or 0 when the value is not
// a whole number of at least `least`.
inline int timedRuns(QCommandLineParser& parser, const QCoreApplication& app, int byDefault, int least = 3)
{
    const QCommandLineOption runs({QStringLiteral("n"), QStringLiteral("runs")}, QStringLiteral("Timed runs."),
                                  QStringLiteral("COUNT"), QString::number(byDefault));
    parser.addOption(runs);
    parser.process(app);
    bool isNumber = false;
    const int count = parser.value(runs).toInt(&isNumber);
    return isNumber && count >= least ? count : 0;
}
