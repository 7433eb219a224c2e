#include "web/pages/SvgChart.h"

#include "web/pages/HtmlText.h"

#include <algorithm>
#include <cmath>

namespace SvgChart {

QString bars(const ReportChart& chart)
{
    if (chart.bars.isEmpty())
        return {};
    constexpr int Width = 360;
    constexpr int LabelWidth = 110;
    constexpr int ValueWidth = 80;
    constexpr int RowHeight = 22;
    constexpr int BarSpace = Width - LabelWidth - ValueWidth;
    double largest = 0;
    for (const ReportBar& bar : chart.bars)
        largest = std::max(largest, std::abs(bar.value));
    const int height = int(chart.bars.size()) * RowHeight;
    QString svg = QStringLiteral("<figure class=\"chart\"><figcaption>%1</figcaption>"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %2 %3\" role=\"img\">")
                      .arg(HtmlText::escaped(chart.caption), QString::number(Width), QString::number(height));
    for (qsizetype i = 0; i < chart.bars.size(); ++i) {
        const ReportBar& bar = chart.bars.at(i);
        const int y = int(i) * RowHeight;
        // A negative amount (a refund) draws no bar but keeps its figure.
        const double length = largest > 0 ? std::max(0.0, bar.value) / largest * BarSpace : 0;
        // One pass over the pattern, so that a "%1" in a goods name stays text.
        svg += QStringLiteral("<text class=\"label\" x=\"0\" y=\"%1\">%2</text>"
                              "<rect class=\"bar\" x=\"%3\" y=\"%4\" width=\"%5\" height=\"%6\"/>"
                              "<text class=\"value\" x=\"%7\" y=\"%1\">%8</text>")
                   .arg(QString::number(y + 15), HtmlText::escaped(bar.label.left(12)), QString::number(LabelWidth),
                        QString::number(y + 3), QString::number(length, 'f', 1), QString::number(RowHeight - 6),
                        QString::number(LabelWidth + int(length) + 4), HtmlText::money(bar.value));
    }
    return svg + QStringLiteral("</svg></figure>");
}

} // namespace SvgChart
