#include "core/reports/ListingReport.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"

#include <QSqlQueryModel>
#include <QSqlRecord>

#include <cmath>

namespace ListingReport {

namespace {

// An A4 page in portrait, less its margins, in the dictionary's unit: a
// character of width is 180 twips. Wider listings are printed across.
constexpr int PortraitTwips = 10205;
constexpr int TwipsPerCharacter = 180;

ReportColumn::Align alignment(const QString& align)
{
    if (align == QLatin1String("C"))
        return ReportColumn::Align::Centre;
    if (align == QLatin1String("R"))
        return ReportColumn::Align::Right;
    return ReportColumn::Align::Left;
}

// Every type but text and the rate, whose "12.50%" a spreadsheet would not
// add up as the rate it is.
CellKind kind(const QString& type)
{
    if (type == QLatin1String("MON"))
        return CellKind::Money;
    if (type == QLatin1String("INT") || type == QLatin1String("NUME"))
        return CellKind::Number;
    if (type == QLatin1String("DATE"))
        return CellKind::Date;
    if (type == QLatin1String("DATETIME"))
        return CellKind::DateTime;
    return CellKind::Text;
}

} // namespace

QString cellText(const QVariant& value, const QString& type)
{
    if (value.isNull())
        return QString();
    if (type == QLatin1String("MON"))
        return Notation::moneyText(value.toDouble());
    if (type == QLatin1String("BFL"))
        return QString::number(value.toDouble(), 'f', 2) + QLatin1Char('%');
    if (type == QLatin1String("INT"))
        return QString::number(std::llround(value.toDouble()));
    if (type == QLatin1String("DATETIME")) {
        const auto moment = DateText::parseDateTime(value.toString());
        return moment ? moment->toString(QStringLiteral("yyyy-MM-dd HH:mm")) : value.toString();
    }
    if (value.typeId() == QMetaType::Double)
        return Notation::numberText(value.toDouble());
    return value.toString();
}

ReportDocument document(const ReportDictionary& dictionary, QSqlQueryModel& rows)
{
    while (rows.canFetchMore())
        rows.fetchMore();

    ReportDocument report;
    report.name = QStringLiteral("ReportMod");
    report.title = {QStringLiteral("labbt"), dictionary.title, QString()};

    const QList<DictionaryColumn> columns = dictionary.columns.mid(0, MaxColumns);
    const QSqlRecord fields = rows.record();
    QList<int> fieldOf;
    int twips = 0;
    bool anySummed = false;
    for (const DictionaryColumn& column : columns) {
        report.columns.append({column.caption, column.width, alignment(column.align), kind(column.type)});
        fieldOf.append(fields.indexOf(column.code));
        twips += column.width * TwipsPerCharacter;
        anySummed = anySummed || column.summed;
    }
    report.landscape = twips > PortraitTwips;

    QList<double> sums(columns.size(), 0.0);
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QSqlRecord record = rows.record(row);
        QStringList cells;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QVariant value = fieldOf.at(i) < 0 ? QVariant() : record.value(fieldOf.at(i));
            cells.append(cellText(value, columns.at(i).type));
            sums[i] += value.toDouble();
        }
        report.rows.append(cells);
    }
    if (anySummed) {
        for (qsizetype i = 0; i < columns.size(); ++i)
            report.totals.append(columns.at(i).summed ? cellText(sums.at(i), columns.at(i).type) : QString());
    }
    return report;
}

} // namespace ListingReport
