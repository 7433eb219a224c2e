#pragma once

#include "core/base/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The receipt printer's ports pointed at files of a temporary folder
// through a settings store of the test's own. The files are there from the
// start, as a device would be.
class PortFile
{
public:
    PortFile()
        : m_file(m_dir.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat)
        , m_settings(&m_file)
    {
        for (const char* port : {"LPT1", "LPT2", "COM1", "COM2"}) {
            pointAt(QLatin1String(port), path(QLatin1String(port)));
            QFile(path(QLatin1String(port))).open(QIODevice::WriteOnly);
        }
    }

    SettingsStore& settings() { return m_settings; }
    QString path(const QString& port) const { return m_dir.filePath(port + QStringLiteral(".out")); }
    void pointAt(const QString& port, const QString& file)
    {
        m_file.setValue(QStringLiteral("printer_ports/") + port, file);
    }
    // A port whose device cannot be opened: a file in a folder that is not there.
    void breakPort(const QString& port) { pointAt(port, path(QStringLiteral("missing")) + QLatin1Char('/') + port); }

    // Points the port at a FIFO that nobody reads until openReader opens it.
    QString pointAtFifo(const QString& port)
    {
        const QString fifo = path(port + QStringLiteral(".fifo"));
        mkfifo(QFile::encodeName(fifo).constData(), 0600);
        pointAt(port, fifo);
        return fifo;
    }

    // The read end, opened without waiting for a writer.
    static bool openReader(QFile& reader, const QString& fifo)
    {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        return reader.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    }

    QByteArray bytes(const QString& port = QStringLiteral("LPT1")) const
    {
        QFile file(path(port));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The lines a receipt printer would print: the mode switches dropped and
    // the GBK bytes read back as text.
    static QStringList printedLines(QByteArray bytes)
    {
        bytes.replace(QByteArray("\x1C\x2E", 2), QByteArray()).replace(QByteArray("\x1C\x26", 2), QByteArray());
        QStringDecoder gbk("GBK");
        QStringList lines = QString(gbk.decode(bytes)).split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }

private:
    QTemporaryDir m_dir;
    QSettings m_file;
    SettingsStore m_settings;
};
