#pragma once

#include "core/base/Result.h"
#include "core/devices/SerialSettings.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>

#include <optional>

class QTimer;
class SerialLink;

// The table-light controller on its serial port: one command byte per lamp
// change, echoed by the controller and confirmed with 0x88. One command is
// in flight at a time and the rest wait their turn; a command whose echo
// does not come in time is sent once more, then told and given up. The program
// makes one for each table board it opens.
class LightController : public QObject
{
    Q_OBJECT

public:
    explicit LightController(QObject* parent = nullptr);
    ~LightController() override;

    // Reads the "dk" parameter rows and opens the port (closing it first
    // when it was open). A port that cannot be opened is told and retried;
    // returns whether it is open.
    bool openPort(const QSqlDatabase& db);
    // Opens the port as these settings say, as openPort(db) does; for trying
    // a port before it is stored.
    bool openPort(const SerialSettings& settings);
    // The settings the "dk" rows describe; the failure names the row that
    // cannot be used.
    static ResultOf<SerialSettings> storedSettings(const QSqlDatabase& db);
    bool isOpen() const;
    // Whether a command is waiting for its echo or for its turn.
    bool isSending() const { return m_inFlight || !m_queue.isEmpty(); }
    // Why the port is closed, for troubleshooting.
    QString lastError() const { return m_lastError; }

    // The command byte of a table: on (command 1) 0x3F + n, off (command 0)
    // n - 1, for tables 1 to 48; nothing otherwise.
    static std::optional<quint8> tableByte(int command, const QString& table);
    // The all-tables byte: 0x90 for kind 0, 0x91 for kind 1, nothing otherwise.
    static std::optional<quint8> allTablesByte(int kind);

    // Queues one table command. A table outside 1 to 48 sends nothing.
    // Returns false when the port is closed.
    bool sendTable(int command, const QString& table);
    // The all-tables command (the board's allLights button).
    bool sendAllTables();
    // The confirmation byte 0x88.
    bool sendConfirmation();

    void setEchoTimeout(int milliseconds);

Q_SIGNALS:
    // What the operator should know about the lights: a port that cannot be
    // used, is lost or is back, a lamp that did not answer.
    void notice(const QString& text);
    // The controller echoed a command, which was then confirmed.
    void answered(const QString& what);

private:
    struct Command
    {
        quint8 byte;
        QString what; // "3号台开灯", for the notice when it goes unanswered
    };

    void enqueue(const Command& command);
    void sendNext();
    void onReceived(const QByteArray& bytes);
    void onEchoMissing();

    SerialLink* m_link;
    QTimer* m_echoTimer;
    QList<Command> m_queue;
    std::optional<Command> m_inFlight;
    bool m_resent = false;
    QString m_lastError;
};
