#pragma once

#include <QString>

// Where the hall's books are when they live on a PostgreSQL server rather
// than in a file. The password is never part of it: libpq finds it in its
// usual places (~/.pgpass, PGPASSWORD, a service file), or it is asked at
// start and kept only while the program runs.
struct ServerPlace
{
    // A host name or address, or the folder of the server's Unix socket.
    QString host;
    int port = 5432;
    QString database;
    QString user;

    // As the operator reads it in messages and on the status bar.
    QString describe() const;
};
