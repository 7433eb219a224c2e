#pragma once

#include <QObject>
#include <QSqlDatabase>

#include <optional>

class QSerialPort;

// The table-light controller on its serial port: one command byte per lamp
// change, echoed by the controller and confirmed with 0x88. The board owns
// one instance for its lifetime.
class LightController : public QObject
{
    Q_OBJECT

public:
    explicit LightController(QObject* parent = nullptr);
    ~LightController() override;

    // Reads the "dk" parameter rows and opens the port (closing it first
    // when it was open). A port that cannot be opened leaves the controller
    // closed; returns whether it is open.
    bool stardkset(const QSqlDatabase& db);
    bool isOpen() const;
    // Why the port is closed or the last write failed, for troubleshooting;
    // the board works on without lights and shows nothing.
    QString lastError() const { return m_lastError; }

    // The command byte of a table: on (command 1) 0x3F + n, off (command 0)
    // n - 1, for tables 1 to 48; nothing otherwise.
    static std::optional<quint8> dataZh(int command, const QString& table);
    // The all-tables byte: 0x90 for kind 0, 0x91 for kind 1, nothing otherwise.
    static std::optional<quint8> dataAll2(int kind);

    // Sends one table command. A table outside 1 to 48 sends nothing. Returns
    // false when the port is closed or the write failed.
    bool SendDAta(int command, const QString& table);
    // The all-tables command (the board's Command3 button).
    bool sendAllTables();
    // The confirmation byte 0x88.
    bool Send66H();

private:
    void onReadyRead();
    bool writeByte(quint8 byte);

    QSerialPort* m_port;
    std::optional<quint8> m_lastCommand;
    QString m_lastError;
};
