#include "core/printing/SpreadsheetCsv.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"

namespace SpreadsheetCsv {

namespace {

QString defused(const QString& text)
{
    // Tab and carriage return start a formula in some spreadsheets too.
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && starts.contains(text.front()) ? QLatin1Char('\'') + text : text;
}

QString field(const SpreadsheetCells::Cell& cell)
{
    if (cell.value.isNull())
        return QString();
    switch (cell.kind) {
    case CellKind::Money:
        return Notation::moneyText(cell.value.toDouble());
    case CellKind::Number:
        return Notation::numberText(cell.value.toDouble());
    case CellKind::Date:
        return DateText::date(cell.value.toDate());
    case CellKind::DateTime:
        return DateText::dateTime(cell.value.toDateTime());
    case CellKind::Text:
        break;
    }
    return defused(cell.value.toString());
}

QString quoted(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

} // namespace

QByteArray text(const SpreadsheetCells::Sheet& sheet)
{
    QString csv;
    for (const QList<SpreadsheetCells::Cell>& row : sheet.rows) {
        QStringList fields;
        for (const SpreadsheetCells::Cell& cell : row)
            fields.append(quoted(field(cell)));
        csv += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}

} // namespace SpreadsheetCsv
