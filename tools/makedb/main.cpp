#include "DemoHall.h"
#include "core/base/Database.h"
#include "core/base/Schema.h"
#include "core/data/ShippedRows.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

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

int run(const QString& fileName, bool demo)
{
    const QString connection = QStringLiteral("makedb");
    QSqlDatabase db;
    Result result = Database::create(fileName, connection, &db);
    if (!result) {
        say(stderr, QStringLiteral("tavoro-makedb: ") + result.message());
        return Failed;
    }
    result = ShippedRows::write(db);
    if (result && demo)
        result = DemoHall::write(db);
    db = QSqlDatabase();
    Database::close(connection);
    if (!result) {
        // A file without its rows would be taken for a good database later.
        QFile::remove(fileName);
        say(stderr, QStringLiteral("tavoro-makedb: ") + fileName + QStringLiteral(": ") + result.message());
        return Failed;
    }
    say(stdout, (demo ? QStringLiteral("demo hall written to ") : QStringLiteral("database written to ")) + fileName);
    return Ok;
}

// An older file gets what the newer program needs of it; its rows stay as
// they are.
int upgrade(const QString& fileName)
{
    const QString connection = QStringLiteral("makedb");
    QSqlDatabase db;
    Result result = Database::open(fileName, connection, &db);
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
    Database::close(connection);
    if (!result) {
        say(stderr, QStringLiteral("tavoro-makedb: ") + fileName + QStringLiteral(": ") + result.message());
        return Failed;
    }
    if (added.isEmpty())
        say(stdout, fileName + QStringLiteral(" is up to date"));
    else
        say(stdout, QStringLiteral("indexes and columns added to ") + fileName + QStringLiteral(": ") +
                        added.join(QStringLiteral(", ")));
    return Ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavoro-makedb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes a new Tavoro database with the shipped rows. "
                                                    "It never overwrites an existing file."));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Add a demo hall to try the program on."));
    parser.addOption(demo);
    const QCommandLineOption upgrading(
        QStringLiteral("upgrade"), QStringLiteral("Add to an existing database what this version needs of it "
                                                  "(the indexes of the reports, newer columns), keeping its rows."));
    parser.addOption(upgrading);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The database file to create or upgrade."));

    if (!parser.parse(QCoreApplication::arguments())) {
        say(stderr, QStringLiteral("tavoro-makedb: ") + parser.errorText());
        say(stderr, parser.helpText());
        return Usage;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        say(stdout, parser.helpText());
        return Ok;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        say(stderr, parser.helpText());
        return Usage;
    }
    if (parser.isSet(upgrading))
        return parser.isSet(demo) ? Usage : upgrade(files.first());
    return run(files.first(), parser.isSet(demo));
}
