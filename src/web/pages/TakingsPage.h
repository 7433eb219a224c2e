#pragma once

#include "web/pages/OwnerPages.h"

#include <QSqlDatabase>

// Today's takings of every operator, as the day report sums them, and the
// hand-over of each operator whose shift is still open today.
namespace TakingsPage {

OwnerPages::Page html(QSqlDatabase& db);

} // namespace TakingsPage
