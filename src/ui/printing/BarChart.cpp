#include "ui/printing/BarChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFont>
#include <QValueAxis>

#include <algorithm>

namespace {

// Level labels stop fitting side by side beyond about this many characters
// in all (a CJK character counted as two), on a screen's half and on paper.
constexpr qsizetype MostLevelCharacters = 36;

qsizetype characters(const QString& label)
{
    qsizetype count = 0;
    for (const QChar c : label)
        count += c.unicode() < 0x2E80 ? 1 : 2;
    return count;
}

} // namespace

QChart* makeBarChart(const ReportChart& data, const QFont& font)
{
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    QFont titleFont(font);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setTitle(data.caption);

    auto* set = new QBarSet(data.caption);
    QStringList labels;
    double low = 0;
    double high = 0;
    qsizetype widest = 0;
    for (const ReportBar& bar : data.bars) {
        set->append(bar.value);
        // The category axis drops an empty category, which would shift every
        // later bar onto the wrong label.
        labels.append(bar.label.isEmpty() ? QStringLiteral("-") : bar.label);
        widest = std::max(widest, characters(labels.last()));
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
    }
    auto* series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);

    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    categories->setLabelsFont(font);
    if (widest * labels.size() > MostLevelCharacters)
        categories->setLabelsAngle(-90);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto* values = new QValueAxis;
    values->setLabelsFont(font);
    values->setLabelFormat(QStringLiteral("%.0f"));
    // Whole-number labels need a range of a few units: over 0 to 1 (a day
    // that took nothing) they would read 0, 0, 0, 1, 1, 1.
    values->setRange(low, std::max(high, low + 5));
    values->applyNiceNumbers();
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    return chart;
}
