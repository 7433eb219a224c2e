#include "web/pages/OwnerPages.h"

namespace OwnerPages {

std::optional<Page> page(QSqlDatabase&, const QString&, const QUrlQuery&)
{
    return std::nullopt;
}

std::optional<Page> asset(const QString&)
{
    return std::nullopt;
}

Page login(const QString& refusal)
{
    return {200, QByteArrayLiteral("text/html; charset=utf-8"), refusal.toUtf8()};
}

} // namespace OwnerPages
