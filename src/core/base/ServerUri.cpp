#include "core/base/ServerUri.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace ServerUri {

namespace {

Result refuse(const QString& text, const QString& cause)
{
    return Result::failure(QCoreApplication::translate("ServerUri", "服务器地址 %1 不对：%2").arg(text, cause));
}

} // namespace

bool looksLikeServer(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://")) || text.startsWith(QLatin1String("postgres://"));
}

ResultOf<Named> parse(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || !looksLikeServer(text))
        return refuse(text, QCoreApplication::translate("ServerUri", "应写成 postgresql://用户@主机:端口/数据库"));
    Named named;
    named.place.host = url.host(QUrl::FullyDecoded);
    named.place.user = url.userName(QUrl::FullyDecoded);
    named.password = url.password(QUrl::FullyDecoded);
    named.place.database = url.path(QUrl::FullyDecoded).mid(1);
    int port = url.port(named.place.port);
    // The query's parameters are libpq's and override the parts before it.
    const QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host")) {
            named.place.host = value;
        } else if (key == QLatin1String("port")) {
            bool number = false;
            port = value.toInt(&number);
            if (!number)
                port = 0;
        } else if (key == QLatin1String("user")) {
            named.place.user = value;
        } else if (key == QLatin1String("dbname")) {
            named.place.database = value;
        } else if (key == QLatin1String("password")) {
            named.password = value;
        } else {
            return refuse(text, QCoreApplication::translate("ServerUri", "不认识参数 %1").arg(key));
        }
    }
    if (port <= 0 || port > 65535)
        return refuse(text, QCoreApplication::translate("ServerUri", "端口不对"));
    named.place.port = port;
    if (named.place.database.isEmpty() || named.place.database.contains(QLatin1Char('/')))
        return refuse(text, QCoreApplication::translate("ServerUri", "没有写数据库名"));
    return named;
}

} // namespace ServerUri
