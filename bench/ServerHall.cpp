#include "ServerHall.h"

#include "core/base/Database.h"
#include "core/base/ServerCopy.h"
#include "core/base/ServerUri.h"
#include "core/base/Sql.h"

#include <QAtomicInt>
#include <QElapsedTimer>

#include <cstdio>

namespace {

QAtomicInt serial;

const QString OptionName = QStringLiteral("server");

} // namespace

ServerHall::ServerHall()
    : m_connection(QStringLiteral("bench-server-") + QString::number(serial.fetchAndAddRelaxed(1)))
{}

ServerHall::~ServerHall()
{
    if (db.isOpen() && !m_tables.isEmpty()) {
        // That the views over the tables go with them is no news.
        Result dropped = Sql::execDefinition(db, QStringLiteral("set client_min_messages to warning"));
        if (dropped)
            dropped = Sql::execDefinition(
                db, QStringLiteral("drop table if exists \"%1\" cascade").arg(m_tables.join(QStringLiteral("\", \""))));
        if (!dropped)
            std::fprintf(stderr, "the copy's tables stay on the server: %s\n", qUtf8Printable(dropped.message()));
    }
    db = QSqlDatabase();
    Database::close(m_connection);
}

void ServerHall::addOption(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(
        OptionName,
        QStringLiteral("Also measures on PostgreSQL: the hall is copied to URI, an empty database named as libpq "
                       "names one (postgresql:///benchdb?host=/socket/folder&user=name), and its figures are "
                       "printed beside the file's. The copied tables are dropped again at the end."),
        QStringLiteral("URI")));
}

QString ServerHall::uri(const QCommandLineParser& parser)
{
    return parser.value(OptionName);
}

Result ServerHall::copy(const QString& uri, const QSqlDatabase& file)
{
    const ResultOf<ServerUri::Named> named = ServerUri::parse(uri);
    if (!named)
        return named.result();
    place = named->place;
    password = named->password;
    if (Result connected = Database::connectEmptyServer(place, password, m_connection, &db); !connected)
        return connected;
    QElapsedTimer timer;
    timer.start();
    const ResultOf<ServerCopy::Copy> copied = ServerCopy::copy(file, db);
    if (!copied)
        return copied.result();
    for (const ServerCopy::CopiedTable& table : copied->tables)
        m_tables.append(table.table);
    // The server's own clean-up after a bulk load would otherwise run in the
    // middle of the measurements.
    if (Result vacuumed = Sql::execDefinition(db, QStringLiteral("vacuum")); !vacuumed)
        return vacuumed;
    std::printf("    copied to %s in %.1f s\n", qUtf8Printable(place.describe()), timer.elapsed() / 1000.0);
    return Result::success();
}
