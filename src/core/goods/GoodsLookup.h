#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// Finding a catalogue item (spzd) for a goods document.
namespace GoodsLookup {

struct Goods
{
    QString name;
    double price = 0; // spdj, as the catalogue holds it
};

// The help list's rows: every named item, name first and its price second.
inline const QString HelpList =
    QStringLiteral("select name, spdj from spzd where name is not null and trim(name) <> '' order by headcode, name");

// The first item whose code, mnemonic or name is the typed text, or nothing
// when none is (or nothing was typed).
ResultOf<std::optional<Goods>> find(const QSqlDatabase& db, const QString& text);

// The price that a price box shows: a plain decimal number, cents kept.
QString priceText(double price);

} // namespace GoodsLookup
