#pragma once

#include "core/base/Result.h"
#include "web/pages/OwnerPages.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The live board: every table as the counter's board shows it at `now`,
// first drawn into the page, then refreshed by the page's script from the
// same rows as JSON.
namespace BoardPage {

struct Line
{
    QString number;
    QString name;
    bool inUse = false;
    QString start;
    QString duration;
    QString rate;
    QString total; // the board's running charge; empty when it cannot be priced
    QString card;
    QString holder; // the member's name, when the card is a member's
    QString reminder;
    bool due = false;
};

ResultOf<QList<Line>> lines(QSqlDatabase& db, const QDateTime& now);

OwnerPages::Page html(QSqlDatabase& db);
OwnerPages::Page json(QSqlDatabase& db);

} // namespace BoardPage
