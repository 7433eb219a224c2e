#pragma once

#include "web/pages/OwnerPages.h"

#include <QSqlDatabase>
#include <QUrlQuery>

// The income or goods statistics of a period, by day or by item, with their
// chart: subject=fees|goods, by=day|item, from and to (yyyy-MM-dd, today
// when left out).
namespace StatisticsPage {

OwnerPages::Page html(QSqlDatabase& db, const QUrlQuery& query);

} // namespace StatisticsPage
