#pragma once

#include <QSqlDatabase>
#include <QString>

class QTableView;

// Lays a grid out from the report dictionary: only the fields the listing's
// code names are shown, under their captions and at least at their widths,
// so that the screen shows what the printed report shows.
namespace ListingGrid {

// The grid's model is the query model of the listing's rows. A dictionary that
// cannot be read leaves every column shown as it was.
void layOut(QTableView* grid, const QSqlDatabase& db, const QString& code);

} // namespace ListingGrid
