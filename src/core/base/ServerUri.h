#pragma once

#include "core/base/Result.h"
#include "core/base/ServerPlace.h"

// A server named as libpq names it on a command line:
//   postgresql://[user[:password]@]host[:port]/database
//   postgresql:///database?host=/socket/folder&port=5433&user=name
namespace ServerUri {

struct Named
{
    ServerPlace place;
    // Empty unless the text names one; libpq then looks in its usual places.
    QString password;
};

// Refuses a text that is not such a name, lacks the database or has a port
// that is not one.
ResultOf<Named> parse(const QString& text);

// Whether the text is meant as a server rather than a file.
bool looksLikeServer(const QString& text);

} // namespace ServerUri
