#pragma once

#include "web/pages/OwnerPages.h"

#include <QSqlDatabase>
#include <QUrlQuery>

// A month's stock balance as the counter's stock screen computes it, every
// store counted and goods left at nothing left out: month=yyyy-MM, this
// month when left out.
namespace StockPage {

OwnerPages::Page html(QSqlDatabase& db, const QUrlQuery& query);

} // namespace StockPage
