#pragma once

#include "web/pages/OwnerPages.h"

#include <QSqlDatabase>
#include <QUrlQuery>

// What the hall gave away in a period, by day and operator: from and to
// (yyyy-MM-dd), today when left out.
namespace GiveawaysPage {

OwnerPages::Page html(QSqlDatabase& db, const QUrlQuery& query);

} // namespace GiveawaysPage
