#pragma once

#include "core/base/Result.h"
#include "core/base/ServerPlace.h"

#include <QCommandLineParser>
#include <QSqlDatabase>
#include <QStringList>

// The same hall on PostgreSQL beside the file: with --server URI, a bench
// copies the hall it has built in a file to that database, an empty one,
// and measures there too. The copied tables are dropped again at the end,
// so that one database serves every hall of a run and the next run.
class ServerHall
{
public:
    ServerHall();
    ~ServerHall();
    ServerHall(const ServerHall&) = delete;
    ServerHall& operator=(const ServerHall&) = delete;

    static void addOption(QCommandLineParser& parser);
    // The libpq URI given with --server; empty without the option.
    static QString uri(const QCommandLineParser& parser);

    // Connects to the empty database the URI names and copies `file` there,
    // printing how long the copy took.
    Result copy(const QString& uri, const QSqlDatabase& file);

    QSqlDatabase db;
    // Where db is, and its password when the URI names one, for a bench
    // that opens a connection of its own beside it.
    ServerPlace place;
    QString password;

private:
    QString m_connection;
    QStringList m_tables;
};
