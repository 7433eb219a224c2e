#pragma once

#include <QByteArray>
#include <QString>

// The device end of a pseudo-terminal pair. Its other end, path(), opens like
// a serial port, so a program or test can play the device behind it. The
// other end is put in raw mode and held open here, so that nothing written
// to it is echoed or held back for a line end while no port has it open.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return m_device >= 0; }
    QString error() const { return m_error; }
    // The path a serial port opens, such as /dev/pts/3.
    QString path() const { return m_path; }
    // The device end, non-blocking, for a socket notifier.
    int descriptor() const { return m_device; }

    // What the port has written and is waiting; empty when nothing is.
    QByteArray readAvailable();
    // Sends the bytes to the port as the device would; false with error() set
    // when they could not all be written.
    bool write(const QByteArray& bytes);

    // Makes a symbolic link at linkPath to path(), so that a setting can name
    // a path that stays the same from run to run; removed again on destruction.
    bool link(const QString& linkPath);

private:
    bool fail(const QString& what);

    int m_device = -1;
    int m_portEnd = -1;
    QString m_path;
    QString m_link;
    QString m_error;
};
