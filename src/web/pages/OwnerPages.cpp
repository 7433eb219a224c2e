#include "web/pages/OwnerPages.h"

#include "web/pages/BoardPage.h"
#include "web/pages/GiveawaysPage.h"
#include "web/pages/HtmlText.h"
#include "web/pages/PageFrame.h"
#include "web/pages/StatisticsPage.h"
#include "web/pages/StockPage.h"
#include "web/pages/TakingsPage.h"

#include <QCoreApplication>
#include <QFile>

namespace OwnerPages {

std::optional<Page> page(QSqlDatabase& db, const QString& path, const QUrlQuery& query)
{
    if (path == QLatin1String("/"))
        return BoardPage::html(db);
    if (path == QLatin1String("/board.json"))
        return BoardPage::json(db);
    if (path == QLatin1String("/takings"))
        return TakingsPage::html(db);
    if (path == QLatin1String("/statistics"))
        return StatisticsPage::html(db, query);
    if (path == QLatin1String("/stock"))
        return StockPage::html(db, query);
    if (path == QLatin1String("/giveaways"))
        return GiveawaysPage::html(db, query);
    return std::nullopt;
}

std::optional<Page> asset(const QString& path)
{
    // A fixed list: no name from the request ever reaches a file.
    static const std::pair<QLatin1String, QByteArray> assets[] = {
        {QLatin1String("/owner.css"), QByteArrayLiteral("text/css; charset=utf-8")},
        {QLatin1String("/owner.js"), QByteArrayLiteral("text/javascript; charset=utf-8")},
    };
    for (const auto& [name, type] : assets) {
        if (path != name)
            continue;
        QFile file(QStringLiteral(":/web") + name);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return Page{200, type, file.readAll()};
    }
    return std::nullopt;
}

Page login(const QString& refusal)
{
    QString body;
    if (!refusal.isEmpty())
        body += QStringLiteral("<p class=\"refusal\">%1</p>").arg(HtmlText::escaped(refusal));
    body += QStringLiteral("<form class=\"login\" method=\"post\" action=\"/login\"><label>%1"
                           "<input type=\"password\" name=\"password\" autocomplete=\"current-password\" "
                           "autofocus required></label><button type=\"submit\">%2</button></form>")
                .arg(HtmlText::escaped(QCoreApplication::translate("OwnerPages", "店主密码")),
                     HtmlText::escaped(QCoreApplication::translate("OwnerPages", "登录")));
    return PageFrame::bare(QCoreApplication::translate("OwnerPages", "店主登录"), body);
}

} // namespace OwnerPages
