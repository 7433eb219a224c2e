#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A printable report, independent of where it is drawn: a title, labels
// above and below, and a table of columns, rows and totals. Every part may
// be empty. ReportRenderer draws it for the preview, a printer or a PDF;
// SpreadsheetFile writes it for a spreadsheet.

// What a cell's text stands for. Paper shows the text whatever its kind; a
// spreadsheet reads it back as that kind of value, so that money adds up and
// dates sort, while a card number or a goods code stays text even when it
// is all digits.
enum class CellKind
{
    Text,
    Money,
    Number,
    Date,
    DateTime
};

struct ReportLabel
{
    QString name;                   // the layout's name for the label ("labeltableno"); may be empty
    QString caption;                // may span several lines
    QString prompt;                 // fixed text drawn before the caption
    CellKind kind = CellKind::Text; // of the caption
};

struct ReportColumn
{
    enum class Align
    {
        Left,
        Centre,
        Right
    };

    QString caption;
    int width = 10; // in characters; the page is shared out in proportion
    Align align = Align::Left;
    CellKind kind = CellKind::Text;
};

// A bar chart of a report, drawn under its table: one bar per label with
// its value. Kept as plain data so that the core can fill it; no bars, no
// chart.
struct ReportBar
{
    QString label;
    double value = 0;
};

struct ReportChart
{
    QString caption;
    QList<ReportBar> bars;
};

struct ReportDocument
{
    QString name;           // the layout's name, such as "billReport"
    int pointSize = 10;     // the body text; the title is drawn larger
    bool landscape = false; // printed across the page: too wide for it upright
    ReportLabel title;
    QList<ReportLabel> header;
    QList<ReportColumn> columns;
    QList<QStringList> rows;
    QStringList totals; // one cell per column under the rows; empty for none
    QList<ReportLabel> footer;
    ReportChart chart; // drawn after the footer

    // The caption of the label of that name, wherever it stands; empty when
    // there is none.
    QString caption(const QString& labelName) const;
};
