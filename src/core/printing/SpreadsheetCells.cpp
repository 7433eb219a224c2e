#include "core/printing/SpreadsheetCells.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"

#include <algorithm>

namespace SpreadsheetCells {

namespace {

// Spreadsheets count their dates from 1900.
constexpr int FirstYear = 1900;
constexpr int LongestSheetName = 31;

Cell textCell(const QString& text)
{
    return text.isEmpty() ? Cell{} : Cell{CellKind::Text, text};
}

QList<Cell> labelRow(const ReportLabel& label)
{
    return {textCell(label.prompt), cell(label.caption, label.kind)};
}

} // namespace

Cell cell(const QString& text, CellKind kind)
{
    switch (kind) {
    case CellKind::Money:
    case CellKind::Number:
        if (const std::optional<double> number = Notation::parseNumber(text))
            return {kind, *number};
        break;
    case CellKind::Date:
        if (const std::optional<QDate> date = DateText::parseDate(text); date && date->year() >= FirstYear)
            return {kind, *date};
        break;
    case CellKind::DateTime:
        if (const std::optional<QDateTime> moment = DateText::parseDateTime(text);
            moment && moment->date().year() >= FirstYear)
            return {kind, *moment};
        break;
    case CellKind::Text:
        break;
    }
    return textCell(text);
}

QString sheetName(const QString& name)
{
    QString cleaned;
    for (const QChar c : name) {
        if (!QStringLiteral("[]:*?/\\").contains(c) && c.isPrint())
            cleaned.append(c);
    }
    cleaned = cleaned.left(LongestSheetName);
    while (cleaned.startsWith(QLatin1Char('\'')))
        cleaned.remove(0, 1);
    while (cleaned.endsWith(QLatin1Char('\'')))
        cleaned.chop(1);
    cleaned = cleaned.trimmed();
    return cleaned.isEmpty() ? QStringLiteral("Sheet1") : cleaned;
}

Sheet sheet(const ReportDocument& document)
{
    Sheet result;
    result.name = sheetName(document.title.caption);
    result.captionRows = 1;
    QList<Cell> captions;
    for (const ReportColumn& column : document.columns) {
        captions.append(textCell(column.caption));
        // A Chinese character takes two characters' width.
        result.widths.append(std::max(column.width, int(column.caption.size()) * 2) + 2);
    }
    result.rows.append(captions);

    const auto tableRow = [&document](const QStringList& texts) {
        QList<Cell> cells;
        for (qsizetype i = 0; i < texts.size() && i < document.columns.size(); ++i)
            cells.append(cell(texts.at(i), document.columns.at(i).kind));
        return cells;
    };
    for (const QStringList& row : document.rows)
        result.rows.append(tableRow(row));
    if (!document.totals.isEmpty())
        result.rows.append(tableRow(document.totals));

    QList<QList<Cell>> labels;
    if (!document.title.caption.isEmpty())
        labels.append({textCell(document.title.caption)});
    for (const QList<ReportLabel>* part : {&document.header, &document.footer}) {
        for (const ReportLabel& label : *part)
            labels.append(labelRow(label));
    }
    if (!labels.isEmpty()) {
        result.rows.append(QList<Cell>());
        result.rows.append(labels);
    }
    return result;
}

} // namespace SpreadsheetCells
