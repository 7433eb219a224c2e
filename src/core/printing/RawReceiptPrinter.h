#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QString>

#include <chrono>

class SettingsStore;

// The raw receipt printer: a port opened as a file, written one line at a
// time (the bytes, then CR LF). Nothing here ever waits on the device for
// long: the port is opened without blocking (a printer that is off, or a
// FIFO nobody reads, fails at once) and all writes of one opening share a
// timeout. After the first failure the port is closed and later writes are
// dropped: a missing receipt never stops the counter.
class RawReceiptPrinter
{
    Q_DECLARE_TR_FUNCTIONS(RawReceiptPrinter)

public:
    static constexpr std::chrono::milliseconds Timeout = std::chrono::seconds(5);

    // Where each port is, read from the settings store here, once, so that
    // the printer can then be used on another thread.
    explicit RawReceiptPrinter(const SettingsStore& settings, std::chrono::milliseconds timeout = Timeout);
    ~RawReceiptPrinter();
    RawReceiptPrinter(const RawReceiptPrinter&) = delete;
    RawReceiptPrinter& operator=(const RawReceiptPrinter&) = delete;

    // Opens the port of a code ("1" LPT1 … "4" COM2) and initialises the
    // printer; false for another code or a device that cannot be opened.
    bool openPort(const QString& portCode);
    // ESC "W" n; false when the size is no byte or nothing could be written.
    bool setFontSize(qint16 size);
    // ESC "1" n with the spacing rounded to a whole number.
    void setRowSpacing(double spacing);
    // The text in the printer's ASCII and Chinese modes; false when nothing
    // could be written.
    bool printText(const QString& text);
    void closePort();
    // Why the port last opened could not be opened or written, naming the
    // port, its device and the cause; empty while all went through.
    const QString& error() const { return m_error; }

    // The GBK code of the first character as hexadecimal text, its first two
    // and last two digits joined: "台" gives "CCA8", "A" gives "4141".
    static QString gbkCode(const QString& text);
    // The bytes printText sends before CR LF: each run of ASCII characters led
    // by FS ".", each run of other characters led by FS "&" and written in
    // GBK (a character GBK lacks becomes "?", an ASCII character).
    static QByteArray converted(const QString& text);

private:
    bool writeLine(const QByteArray& bytes);
    void fail(int error);

    QHash<QString, QString> m_devices;
    std::chrono::milliseconds m_timeout;
    int m_fd = -1;
    QString m_port;
    QDeadlineTimer m_deadline;
    QString m_error;
};
