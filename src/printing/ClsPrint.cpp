#include "printing/ClsPrint.h"

#include "base/Notation.h"
#include "printing/PrinterPort.h"

#include <QStringEncoder>

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

} // namespace

ClsPrint::ClsPrint(const SettingsStore& settings)
    : m_settings(settings)
{}

ClsPrint::~ClsPrint()
{
    ClosePort();
}

bool ClsPrint::OpenPort(const QString& strlx)
{
    ClosePort();
    const QString port = PrinterPort::portName(strlx);
    if (port.isEmpty())
        return false;
    m_port.setFileName(PrinterPort::devicePath(port, m_settings));
    if (!m_port.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    writeLine(QByteArray("\x1B\x63\x01", 3));
    return true;
}

bool ClsPrint::FontSizeBig(qint16 intsize)
{
    if (intsize < 0 || intsize > 255)
        return false;
    return writeLine(escape('W', intsize));
}

void ClsPrint::RowSpace(double introwspace)
{
    const std::optional<qint16> n = Notation::CInt(introwspace);
    if (n && *n >= 0 && *n <= 255)
        writeLine(escape('1', *n));
}

bool ClsPrint::PrintStr(const QString& strnr)
{
    return writeLine(converted(strnr));
}

void ClsPrint::ClosePort()
{
    if (m_port.isOpen())
        m_port.close();
}

QString ClsPrint::Sjzh(const QString& strzh1)
{
    if (strzh1.isEmpty())
        return QString();
    QStringEncoder encoder("GBK");
    const QString hex = QString::fromLatin1(gbk(encoder, strzh1.toUcs4().first()).toHex().toUpper());
    return hex.left(2) + hex.right(2);
}

QByteArray ClsPrint::converted(const QString& text)
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

bool ClsPrint::writeLine(const QByteArray& bytes)
{
    if (!m_port.isOpen())
        return false;
    const QByteArray line = bytes + "\r\n";
    return m_port.write(line) == line.size();
}
