#pragma once

#include "core/base/Result.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>

#include <optional>

// A device port as the parameter rows describe it: a port number or a device
// path, a settings text such as "1200,n,8,1" and a receive buffer size. What
// no row sets keeps the serial port's usual default (first port, 9600,n,8,1).
class SerialSettings
{
    Q_DECLARE_TR_FUNCTIONS(SerialSettings)

public:
    struct Line
    {
        qint32 baudRate = 9600;
        QSerialPort::Parity parity = QSerialPort::NoParity;
        QSerialPort::DataBits dataBits = QSerialPort::Data8;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    };

    // Port number N is /dev/ttyS{N-1}; a value starting with '/' is the
    // device itself (USB adapters, pseudo-terminals). Nothing for anything else.
    static std::optional<QString> portPath(const QString& value);
    // "speed,parity,data bits,stop bits"; parity is one of n, e, o, m, s.
    static std::optional<Line> parseLine(const QString& text);

    // Each setter refuses a value it cannot use, naming the parameter row.
    Result setPort(const QString& row, const QString& value);
    Result setLine(const QString& row, const QString& text);
    Result setReadBufferSize(const QString& row, const QString& value);

    QString portName() const { return m_portName; }

    // Closes the port when it is open, applies the settings and opens it for
    // reading and writing; the failure names the port and the reason.
    Result open(QSerialPort& port) const;

private:
    QString m_portName = QStringLiteral("/dev/ttyS0");
    Line m_line;
    qint64 m_readBufferSize = 0;
};
