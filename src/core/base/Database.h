#pragma once

#include "core/base/Result.h"
#include "core/base/ServerPlace.h"

#include <QSqlDatabase>

#include <memory>

// Opening the hall's database, a file or on a server, as the program's one
// connection.
namespace Database {

inline const QString ConnectionName = QStringLiteral("DbConn");

// Opens an existing Tavoro database under the connection name, in WAL mode.
// Refuses, with a message naming the file and the cause (numbered as
// Result numbers it), a file that is missing, read-only or in a read-only
// folder, locked by another program, not a database, damaged (pointing to
// the latest backup), lacks tables, or lies where SQLite cannot use WAL. The
// file is checked read-only first and a refused file is not written to; on
// refusal the connection is removed again.
Result open(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

class IntegrityCheck;

// Opens like open(), but a large file need not be read through for damage
// before the program goes on: a file in WAL mode that no one else has open
// is opened at once and checked meanwhile in a worker thread. Until
// (*check)->verdict() has found the file sound, the connection refuses every
// write, so a damaged file is still refused before anything is written to
// it. Any other file is checked first, as by open(), and *check is left
// empty.
Result openCheckingLater(const QString& fullName, const QString& connectionName, QSqlDatabase* db,
                         std::unique_ptr<IntegrityCheck>* check);

// The damage check of a file opened by openCheckingLater().
class IntegrityCheck
{
public:
    IntegrityCheck(const IntegrityCheck&) = delete;
    IntegrityCheck& operator=(const IntegrityCheck&) = delete;
    // A check still running is stopped.
    ~IntegrityCheck();

    // Waits for the check to end. A sound file's connection may write from
    // then on; a damaged one is refused with open()'s message and its
    // connection stays read-only.
    Result verdict();

private:
    friend Result openCheckingLater(const QString&, const QString&, QSqlDatabase*, std::unique_ptr<IntegrityCheck>*);
    // Starts the check of the file that db, the program's connection, has
    // open and keeps read-only.
    static std::unique_ptr<IntegrityCheck> start(const QString& fullName, const QString& connectionName,
                                                 const QSqlDatabase& db);
    struct Run;
    explicit IntegrityCheck(std::unique_ptr<Run> run);
    std::unique_ptr<Run> m_run;
};

// Opens another Tavoro database read-only under the connection name, after
// the checks of open() that need no writing, so that looking into a file
// (a backup, a file about to be chosen) never changes it.
Result openReadOnly(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

// Opens the hall's file read-only for a reader that stays open beside the
// counter: unlike openReadOnly() it never takes an unused file as fixed, so
// it sees what the counter commits later. Its transactions never wait for
// the counter's writes nor hold them up.
Result openFollowing(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

// Creates a new, empty database file (readable by its owner only) with the
// schema. Refuses to touch a file that exists, and a place without WAL.
Result create(const QString& fullName, const QString& connectionName, QSqlDatabase* db);

// Opens the hall's database on a server under the connection name; an empty
// password leaves it to libpq's usual places. Refuses, before anything is
// written and with a message naming the server and the cause, a server that
// does not answer (ServerUnreachable), a wrong password (WrongPassword), a
// missing one (PasswordNeeded), a server older than PostgreSQL 13 and a
// database without Tavoro's tables (NotTavoroDatabase). On refusal the
// connection is removed again.
Result openServer(const ServerPlace& place, const QString& password, const QString& connectionName, QSqlDatabase* db);

// Connects to a database on a server that is to receive a new hall, refusing
// as openServer() does, but also one that already holds any of Tavoro's
// tables; nothing is written. The hall's schema is the caller's to make.
Result connectEmptyServer(const ServerPlace& place, const QString& password, const QString& connectionName,
                          QSqlDatabase* db);

// Opens a file, or the server the text names as a libpq URI (see
// ServerUri), as open() and openServer() do.
Result openNamed(const QString& text, const QString& connectionName, QSqlDatabase* db);

// Closes and forgets a connection opened by open() or create().
void close(const QString& connectionName);

} // namespace Database
