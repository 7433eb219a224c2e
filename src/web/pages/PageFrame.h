#pragma once

#include "web/pages/OwnerPages.h"

#include <QString>

// The frame every page shares: the head with the style sheet and script,
// the nav bar to the five pages and the logout form, and the answers for a
// bad parameter or unreadable books.
namespace PageFrame {

// `body` is HTML already escaped; `title` is plain text.
OwnerPages::Page html(const QString& title, const QString& body, int status = 200);
// The login page has no nav: nothing behind it may be reached yet.
OwnerPages::Page bare(const QString& title, const QString& body);
// 400 with a sentence saying what was wrong with the request.
OwnerPages::Page badRequest(const QString& why);
// 500 with a plain sentence; the database's own words stay in the server's log.
OwnerPages::Page booksUnreadable(const QString& detail);

QString heading(const QString& text);

} // namespace PageFrame
