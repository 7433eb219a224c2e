#pragma once

#include <QObject>
#include <QSqlDriver>

struct AppState;
class QTimer;

// What the other counters tell of their tables (TableNews), as this counter
// hears it: on a server, the notices of the table news channel sent by
// other sessions; on a file, where no counter tells anything, nothing. The
// counter's own commands refresh its board and switch its lamps themselves.
class TableNewsListener : public QObject
{
    Q_OBJECT

public:
    // Reads the database from `state` when it listens; the state must
    // outlive the listener.
    explicit TableNewsListener(const AppState& state, QObject* parent = nullptr);

    // Starts listening on a server. A connection reopened after a loss has
    // forgotten what it listened to, so the listener looks every little
    // while and listens again.
    void start();
    // Listens again when the connection no longer does, and says whether it
    // did; resumed() tells it too.
    bool listenAgain();

Q_SIGNALS:
    // Another counter changed the table.
    void tableChanged(qint16 table);
    // Listening again after the connection was lost or never listened:
    // what was told in between was missed, so whatever follows the news
    // reads everything once.
    void resumed();

private:
    bool listen();
    void onNotification(const QString& channel, QSqlDriver::NotificationSource source, const QVariant& payload);

    const AppState& m_state;
    QTimer* m_timer;
};
