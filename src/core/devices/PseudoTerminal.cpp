#include "core/devices/PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    const int device = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (device < 0) {
        fail(QStringLiteral("posix_openpt"));
        return;
    }
    const char* name = nullptr;
    if (grantpt(device) != 0 || unlockpt(device) != 0 || (name = ptsname(device)) == nullptr) {
        fail(QStringLiteral("grantpt/unlockpt/ptsname"));
        ::close(device);
        return;
    }
    const QString path = QString::fromLocal8Bit(name);
    const int portEnd = ::open(name, O_RDWR | O_NOCTTY);
    termios settings{};
    if (portEnd < 0 || tcgetattr(portEnd, &settings) != 0) {
        fail(path);
        if (portEnd >= 0)
            ::close(portEnd);
        ::close(device);
        return;
    }
    cfmakeraw(&settings);
    if (tcsetattr(portEnd, TCSANOW, &settings) != 0) {
        fail(path);
        ::close(portEnd);
        ::close(device);
        return;
    }
    m_device = device;
    m_portEnd = portEnd;
    m_path = path;
}

PseudoTerminal::~PseudoTerminal()
{
    if (!m_link.isEmpty() && QFileInfo(m_link).symLinkTarget() == m_path)
        QFile::remove(m_link);
    if (m_portEnd >= 0)
        ::close(m_portEnd);
    if (m_device >= 0)
        ::close(m_device);
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray bytes;
    char buffer[256];
    while (m_device >= 0) {
        const ssize_t n = ::read(m_device, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return bytes;
}

bool PseudoTerminal::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (m_device >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_device, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return fail(QStringLiteral("write"));
    }
    return done == bytes.size();
}

bool PseudoTerminal::link(const QString& linkPath)
{
    QFileInfo existing(linkPath);
    if (existing.isSymLink())
        QFile::remove(linkPath);
    if (!QFile::link(m_path, linkPath)) {
        m_error = linkPath + QStringLiteral(": cannot make the link");
        return false;
    }
    m_link = linkPath;
    return true;
}

bool PseudoTerminal::fail(const QString& what)
{
    m_error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}
