#pragma once

#include "core/base/Result.h"

#include <QDateTime>
#include <QObject>

struct AppState;
class LightController;
class QTimer;

// Puts the lamps of the hall's tables 1 to 48 back in line with the books
// after a restart, a hand at the wall or a command lost on the line: on for
// a table with an open visit, off for every other. A round queues one
// command per table on the light controller, which paces them, and writes
// one operator-log row with how many it sent. A lamp's real state cannot be
// read back, so every command is sent again each round.
class LampRound : public QObject
{
    Q_OBJECT

public:
    // Reads the parameters, the operator and the database from `state` when
    // a round runs.
    LampRound(const AppState& state, LightController* light, QObject* parent = nullptr);

    // The start-up round, then a check every little while for the next one,
    // "灯光巡检分钟" of the program's clock after the last; none when the
    // parameter is 0 or less. Called once the port has been set up; a port
    // that is not open yet gets its first round when one is next due.
    void start();
    // A round when one is due and the last one's commands have all gone out.
    void check();
    // A round at once, when changes made at other counters may have been
    // missed (the connection to the server was lost in between).
    void catchUp();
    // Switches the lamp of a table another counter changed as its books
    // now say; nothing while the lights are off or the port is closed.
    void follow(qint16 table);

    struct Count
    {
        int on = 0;
        int off = 0;
    };
    // Queues a command for every table of the hall numbered 1 to 48, logs
    // the count under `logPrefix` and gives the commands queued. Nothing is
    // queued or logged while the lights are off or the port is closed.
    ResultOf<Count> run(const QString& logPrefix);

Q_SIGNALS:
    // A round that could not read the tables or write its log row.
    void notice(const QString& text);

private:
    // The prefix goes into the operator log as it is and is translated only
    // for the notice.
    void runAndTell(const char* logPrefix);

    const AppState& m_state;
    LightController* m_light;
    QTimer* m_timer;
    QDateTime m_last;
};
