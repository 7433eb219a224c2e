#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QUrlQuery>

#include <optional>

// The owner's read-only pages, drawn from the same core figures as the
// counter's screens. Nothing here knows of sockets or sessions: the server
// decides who may see a page, and every page only reads.
namespace OwnerPages {

struct Page
{
    int status = 200; // 400 for a parameter out of range, 500 when the books cannot be read
    QByteArray contentType;
    QByteArray body;
};

// A page behind the session, asked for with GET: "/" (the board),
// "/board.json" (the board's rows, for the page's refresh), "/takings",
// "/statistics", "/stock" and "/giveaways", with their query parameters.
// Nothing for a path no page has.
std::optional<Page> page(QSqlDatabase& db, const QString& path, const QUrlQuery& query);

// The style sheet and the script every page uses, which the login page needs
// before a session exists; nothing for another path.
std::optional<Page> asset(const QString& path);

// The login form, with `refusal` above it when the last try was refused.
Page login(const QString& refusal);

} // namespace OwnerPages
