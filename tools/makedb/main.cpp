#include "DemoHall.h"
#include "core/base/Database.h"
#include "core/base/Schema.h"
#include "core/base/ServerCopy.h"
#include "core/base/ServerUri.h"
#include "core/data/ShippedRows.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

enum ExitCode
{
    Ok = 0,
    Failed = 1,
    Usage = 2
};

void say(FILE* stream, const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stream);
}

const QString Connection = QStringLiteral("makedb");

int fail(const QString& where, const Result& result)
{
    say(stderr, QStringLiteral("tavoro-makedb: ") + where + QStringLiteral(": ") + result.message());
    return Failed;
}

// A hall in a new file, empty or with the demo; a file left half made is
// removed again, as it would be taken for a good database later.
Result makeFile(const QString& fileName, bool demo)
{
    QSqlDatabase db;
    Result result = Database::create(fileName, Connection, &db);
    if (!result)
        return result;
    result = ShippedRows::write(db);
    if (result && demo)
        result = DemoHall::write(db);
    db = QSqlDatabase();
    Database::close(Connection);
    if (!result)
        QFile::remove(fileName);
    return result;
}

// Copies a hall's file onto an empty server database in one transaction;
// one line per table with its rows.
int copy(const QString& fileName, const QString& serverText, bool quiet)
{
    const ResultOf<ServerUri::Named> named = ServerUri::parse(serverText);
    if (!named)
        return fail(serverText, named.result());
    const QString source = QStringLiteral("makedb-file");
    QSqlDatabase file;
    Result result = Database::openReadOnly(fileName, source, &file);
    if (!result)
        return fail(fileName, result);
    QSqlDatabase server;
    result = Database::connectEmptyServer(named->place, named->password, Connection, &server);
    std::optional<ResultOf<ServerCopy::Copy>> copied;
    if (result)
        copied = ServerCopy::copy(file, server);
    file = QSqlDatabase();
    Database::close(source);
    server = QSqlDatabase();
    Database::close(Connection);
    // The refusal to connect names the server itself.
    if (!result) {
        say(stderr, QStringLiteral("tavoro-makedb: ") + result.message());
        return Failed;
    }
    if (!*copied)
        return fail(named->place.describe(), copied->result());
    if (!quiet) {
        for (const ServerCopy::CopiedTable& table : (*copied)->tables)
            say(stdout, QStringLiteral("%1 %2").arg(table.table, -12).arg(table.rows));
        for (const QString& table : (*copied)->leftBehind)
            say(stdout, QStringLiteral("%1 not copied: not one of the hall's tables").arg(table, -12));
        say(stdout, fileName + QStringLiteral(" copied to ") + named->place.describe());
    }
    return Ok;
}

int run(const QString& target, bool demo)
{
    const QString done = demo ? QStringLiteral("demo hall written to ") : QStringLiteral("database written to ");
    if (!ServerUri::looksLikeServer(target)) {
        if (const Result result = makeFile(target, demo); !result)
            return fail(target, result);
        say(stdout, done + target);
        return Ok;
    }
    // The hall is made as in a file, by the same code, and moved to the
    // server in one transaction that checks what arrived.
    const ResultOf<ServerUri::Named> named = ServerUri::parse(target);
    if (!named)
        return fail(target, named.result());
    QTemporaryDir scratch;
    const QString fileName = scratch.filePath(QStringLiteral("jssfserver.mdb"));
    if (const Result result = makeFile(fileName, demo); !result)
        return fail(target, result);
    const int copied = copy(fileName, target, true);
    if (copied == Ok)
        say(stdout, done + named->place.describe());
    return copied;
}

// An older database gets what the newer program needs of it; its rows stay
// as they are.
int upgrade(const QString& target)
{
    // A server is named without the password its name may carry.
    const ResultOf<ServerUri::Named> named = ServerUri::parse(target);
    const QString where = named ? named->place.describe() : target;
    QSqlDatabase db;
    Result result = Database::openNamed(target, Connection, &db);
    QStringList added;
    if (result) {
        const ResultOf<QStringList> indexes = Schema::addMissingIndexes(db);
        result = indexes.result();
        if (indexes)
            added = *indexes;
    }
    if (result) {
        const ResultOf<QStringList> columns = Schema::addMissingColumns(db);
        result = columns.result();
        if (columns)
            added += *columns;
    }
    db = QSqlDatabase();
    Database::close(Connection);
    if (!result)
        return fail(where, result);
    if (added.isEmpty())
        say(stdout, where + QStringLiteral(" is up to date"));
    else
        say(stdout, QStringLiteral("indexes and columns added to ") + where + QStringLiteral(": ") +
                        added.join(QStringLiteral(", ")));
    return Ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavoro-makedb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a new Tavoro database with the shipped rows, in a file or in an empty database on a PostgreSQL "
        "server, or copies a hall's file to such a server. It never overwrites an existing file or hall.\n"
        "A SERVER is written as libpq writes it: postgresql://[user@]host[:port]/database, or "
        "postgresql:///database?host=/socket/folder&user=name. Without a password in it, libpq looks in "
        "~/.pgpass and PGPASSWORD."));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Add a demo hall to try the program on."));
    parser.addOption(demo);
    const QCommandLineOption upgrading(
        QStringLiteral("upgrade"), QStringLiteral("Add to an existing database what this version needs of it "
                                                  "(the indexes of the reports, newer columns), keeping its rows."));
    parser.addOption(upgrading);
    const QCommandLineOption copying(
        QStringLiteral("copy"), QStringLiteral("Copy the hall in FILE to the empty database SERVER in one "
                                               "transaction, checking each table's rows and sums before it commits."));
    parser.addOption(copying);
    parser.addPositionalArgument(QStringLiteral("FILE|SERVER"),
                                 QStringLiteral("The database file or server database to create or upgrade."));
    parser.addPositionalArgument(QStringLiteral("[SERVER]"), QStringLiteral("With --copy: where the hall goes."));

    if (!parser.parse(QCoreApplication::arguments())) {
        say(stderr, QStringLiteral("tavoro-makedb: ") + parser.errorText());
        say(stderr, parser.helpText());
        return Usage;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        say(stdout, parser.helpText());
        return Ok;
    }
    const QStringList targets = parser.positionalArguments();
    const bool copyWanted = parser.isSet(copying);
    if (targets.size() != (copyWanted ? 2 : 1) ||
        int(copyWanted) + int(parser.isSet(upgrading)) + int(parser.isSet(demo)) > 1) {
        say(stderr, parser.helpText());
        return Usage;
    }
    if (copyWanted)
        return copy(targets.at(0), targets.at(1), false);
    if (parser.isSet(upgrading))
        return upgrade(targets.first());
    return run(targets.first(), parser.isSet(demo));
}
