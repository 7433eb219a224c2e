#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class SettingsStore;

// The raw receipt printer: a port opened as a file, written one line at a
// time (the bytes, then CR LF). Writes to a port that is not open, or that
// fails, are dropped: a missing receipt never stops the counter.
class ClsPrint
{
public:
    // The settings store says where each port is; it must outlive the printer.
    explicit ClsPrint(const SettingsStore& settings);
    ~ClsPrint();
    ClsPrint(const ClsPrint&) = delete;
    ClsPrint& operator=(const ClsPrint&) = delete;

    // Opens the port of a code ("1" LPT1 … "4" COM2) and initialises the
    // printer; false for another code or a device that cannot be opened.
    bool OpenPort(const QString& strlx);
    // ESC "W" n; false when the size is no byte or nothing could be written.
    bool FontSizeBig(qint16 intsize);
    // ESC "1" n with the spacing rounded to a whole number.
    void RowSpace(double introwspace);
    // The text in the printer's ASCII and Chinese modes; false when nothing
    // could be written.
    bool PrintStr(const QString& strnr);
    void ClosePort();

    // The GBK code of the first character as hexadecimal text, its first two
    // and last two digits joined: "台" gives "CCA8", "A" gives "4141".
    static QString Sjzh(const QString& strzh1);
    // The bytes PrintStr sends before CR LF: each run of ASCII characters led
    // by FS ".", each run of other characters led by FS "&" and written in
    // GBK (a character GBK lacks becomes "?", an ASCII character).
    static QByteArray converted(const QString& text);

private:
    bool writeLine(const QByteArray& bytes);

    const SettingsStore& m_settings;
    QFile m_port;
};
