#include "core/printing/RawReceiptPrinter.h"

#include "core/base/Notation.h"
#include "core/printing/PrinterPort.h"

#include <QFile>
#include <QStringEncoder>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

const QByteArray AsciiMode("\x1C\x2E", 2);
const QByteArray ChineseMode("\x1C\x26", 2);

// One character (a whole code point) in GBK.
QByteArray gbk(QStringEncoder& encoder, char32_t codePoint)
{
    return encoder.encode(QString::fromUcs4(&codePoint, 1));
}

bool isAscii(const QByteArray& code)
{
    if (code.size() != 1)
        return false;
    const auto byte = static_cast<unsigned char>(code.at(0));
    return byte >= 1 && byte <= 127;
}

QByteArray escape(char command, int value)
{
    QByteArray bytes("\x1B");
    bytes.append(command);
    bytes.append(char(value));
    return bytes;
}

QString cause(int error, std::chrono::milliseconds timeout)
{
    switch (error) {
    case ENXIO:
        return QCoreApplication::translate("RawReceiptPrinter", "没有设备在接收：打印机没有开，或没有连上。");
    case ENOENT:
    case ENODEV:
        return QCoreApplication::translate("RawReceiptPrinter", "不存在：没有这个设备。");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("RawReceiptPrinter", "不能写：没有写这个设备的权限。");
    case EBUSY:
        return QCoreApplication::translate("RawReceiptPrinter", "正被别的程序占用。");
    case ETIMEDOUT:
        return QCoreApplication::translate("RawReceiptPrinter", "在 %1 秒内没有收下小票：打印机可能缺纸、卡纸或脱机。")
            .arg(QString::number(double(timeout.count()) / 1000));
    case EPIPE:
    case EIO:
        return QCoreApplication::translate("RawReceiptPrinter", "在打印中断开了。");
    default:
        return QCoreApplication::translate("RawReceiptPrinter", "不能用：%1").arg(qt_error_string(error));
    }
}

} // namespace

RawReceiptPrinter::RawReceiptPrinter(const SettingsStore& settings, std::chrono::milliseconds timeout)
    : m_devices(PrinterPort::devicePaths(settings))
    , m_timeout(timeout)
{}

RawReceiptPrinter::~RawReceiptPrinter()
{
    closePort();
}

bool RawReceiptPrinter::openPort(const QString& portCode)
{
    closePort();
    m_error.clear();
    m_port = PrinterPort::portName(portCode);
    if (m_port.isEmpty()) {
        m_error = tr("没有代码为 %1 的端口。").arg(portCode);
        return false;
    }
    // A printer unplugged in the middle of a receipt must fail the write
    // (EPIPE) rather than end the program with SIGPIPE; the mask is the
    // calling thread's, and receipts are written on worker threads.
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
    // Never created: a port is a device, and a missing one is an error.
    m_fd = ::open(QFile::encodeName(m_devices.value(m_port)).constData(),
                  O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        fail(errno);
        return false;
    }
    m_deadline = QDeadlineTimer(m_timeout);
    writeLine(QByteArray("\x1B\x63\x01", 3));
    return true;
}

bool RawReceiptPrinter::setFontSize(qint16 size)
{
    if (size < 0 || size > 255)
        return false;
    return writeLine(escape('W', size));
}

void RawReceiptPrinter::setRowSpacing(double spacing)
{
    const std::optional<qint16> n = Notation::CInt(spacing);
    if (n && *n >= 0 && *n <= 255)
        writeLine(escape('1', *n));
}

bool RawReceiptPrinter::printText(const QString& text)
{
    return writeLine(converted(text));
}

void RawReceiptPrinter::closePort()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

QString RawReceiptPrinter::gbkCode(const QString& text)
{
    if (text.isEmpty())
        return QString();
    QStringEncoder encoder("GBK");
    const QString hex = QString::fromLatin1(gbk(encoder, text.toUcs4().first()).toHex().toUpper());
    return hex.left(2) + hex.right(2);
}

QByteArray RawReceiptPrinter::converted(const QString& text)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes;
    bool asciiMode = false;
    bool chineseMode = false;
    for (const char32_t codePoint : text.toUcs4()) {
        const QByteArray code = gbk(encoder, codePoint);
        if (isAscii(code)) {
            if (!asciiMode)
                bytes += AsciiMode;
            asciiMode = true;
            chineseMode = false;
        } else {
            if (!chineseMode)
                bytes += ChineseMode;
            chineseMode = true;
            asciiMode = false;
        }
        bytes += code;
    }
    return bytes;
}

bool RawReceiptPrinter::writeLine(const QByteArray& bytes)
{
    if (m_fd < 0)
        return false;
    const QByteArray line = bytes + "\r\n";
    qsizetype written = 0;
    while (written < line.size()) {
        pollfd port{m_fd, POLLOUT, 0};
        const int ready = ::poll(&port, 1, int(m_deadline.remainingTime()));
        if (ready == 0) {
            fail(ETIMEDOUT);
            return false;
        }
        const ssize_t n = ready < 0 ? -1 : ::write(m_fd, line.constData() + written, size_t(line.size() - written));
        if (n < 0 && errno != EINTR && errno != EAGAIN) {
            fail(errno);
            return false;
        }
        written += std::max<ssize_t>(n, 0);
    }
    return true;
}

void RawReceiptPrinter::fail(int error)
{
    m_error = tr("端口 %1（%2）").arg(m_port, m_devices.value(m_port)) + cause(error, m_timeout);
    closePort();
}
