#include "ui/reports/ListingGrid.h"

#include "core/reports/ReportDictionary.h"
#include "ui/base/NumberDelegate.h"

#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

#include <algorithm>

namespace ListingGrid {

namespace {

// A character of dictionary width is 150 twips, ten pixels.
constexpr int PixelsPerCharacter = 10;

} // namespace

void layOut(QTableView* grid, const QSqlDatabase& db, const QString& code)
{
    auto* model = qobject_cast<QSqlQueryModel*>(grid->model());
    if (model == nullptr)
        return;
    const ResultOf<ReportDictionary> read = ReportDictionary::read(db, code, false);
    if (!read)
        return;
    const ReportDictionary& dictionary = *read;
    auto* numbers = qobject_cast<NumberDelegate*>(grid->itemDelegate());
    if (numbers == nullptr)
        numbers = NumberDelegate::install(grid);
    const QSqlRecord fields = model->record();
    for (int column = 0; column < fields.count(); ++column) {
        const QString field = fields.fieldName(column).toLower();
        const auto entry = std::find_if(dictionary.columns.cbegin(), dictionary.columns.cend(),
                                        [&field](const DictionaryColumn& c) { return c.code.toLower() == field; });
        if (entry == dictionary.columns.cend()) {
            numbers->setMoney(column, false);
            grid->setColumnHidden(column, true);
            continue;
        }
        grid->setColumnHidden(column, false);
        numbers->setMoney(column, entry->type == QLatin1String("MON"));
        model->setHeaderData(column, Qt::Horizontal, entry->caption, Qt::DisplayRole);
        // The dictionary's width is a floor: a card number or a moment cut
        // to "80000…" tells the operator nothing.
        grid->resizeColumnToContents(column);
        grid->setColumnWidth(column, std::max(grid->columnWidth(column), entry->width * PixelsPerCharacter));
    }
}

} // namespace ListingGrid
