#include "core/printing/SpreadsheetXlsx.h"

#include <QDateTime>
#include <QFile>

#include <xlsxwriter.h>

namespace SpreadsheetXlsx {

namespace {

struct Formats
{
    lxw_format* caption = nullptr;
    lxw_format* money = nullptr;
    lxw_format* date = nullptr;
    lxw_format* dateTime = nullptr;
};

Formats addFormats(lxw_workbook* book)
{
    Formats formats{workbook_add_format(book), workbook_add_format(book), workbook_add_format(book),
                    workbook_add_format(book)};
    format_set_bold(formats.caption);
    format_set_num_format(formats.money, "0.00");
    format_set_num_format(formats.date, "yyyy-mm-dd");
    format_set_num_format(formats.dateTime, "yyyy-mm-dd hh:mm");
    return formats;
}

lxw_datetime moment(const QDate& date, const QTime& time)
{
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), double(time.second())};
}

lxw_error writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const SpreadsheetCells::Cell& cell,
                    const Formats& formats, bool caption)
{
    switch (cell.kind) {
    case CellKind::Money:
        return worksheet_write_number(sheet, row, column, cell.value.toDouble(), formats.money);
    case CellKind::Number:
        return worksheet_write_number(sheet, row, column, cell.value.toDouble(), nullptr);
    case CellKind::Date: {
        lxw_datetime day = moment(cell.value.toDate(), QTime(0, 0));
        return worksheet_write_datetime(sheet, row, column, &day, formats.date);
    }
    case CellKind::DateTime: {
        const QDateTime value = cell.value.toDateTime();
        lxw_datetime when = moment(value.date(), value.time());
        return worksheet_write_datetime(sheet, row, column, &when, formats.dateTime);
    }
    case CellKind::Text:
        break;
    }
    // A string cell is never read as a formula, whatever it starts with.
    return worksheet_write_string(sheet, row, column, cell.value.toString().toUtf8().constData(),
                                  caption ? formats.caption : nullptr);
}

lxw_error fill(lxw_workbook* book, const SpreadsheetCells::Sheet& sheet)
{
    lxw_worksheet* worksheet = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
    if (worksheet == nullptr)
        return LXW_ERROR_PARAMETER_VALIDATION;
    const Formats formats = addFormats(book);
    lxw_error error = LXW_NO_ERROR;
    for (qsizetype column = 0; column < sheet.widths.size() && error == LXW_NO_ERROR; ++column)
        error = worksheet_set_column(worksheet, lxw_col_t(column), lxw_col_t(column), sheet.widths.at(column), nullptr);
    for (qsizetype row = 0; row < sheet.rows.size() && error == LXW_NO_ERROR; ++row) {
        const QList<SpreadsheetCells::Cell>& cells = sheet.rows.at(row);
        for (qsizetype column = 0; column < cells.size() && error == LXW_NO_ERROR; ++column) {
            if (!cells.at(column).value.isNull())
                error = writeCell(worksheet, lxw_row_t(row), lxw_col_t(column), cells.at(column), formats,
                                  row < sheet.captionRows);
        }
    }
    return error;
}

} // namespace

bool write(const SpreadsheetCells::Sheet& sheet, const QString& path)
{
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (book == nullptr)
        return false;
    const lxw_error filled = fill(book, sheet);
    // Closed whatever happened: closing frees the workbook.
    const lxw_error closed = workbook_close(book);
    return filled == LXW_NO_ERROR && closed == LXW_NO_ERROR;
}

} // namespace SpreadsheetXlsx
