#include "core/devices/SerialSettings.h"

#include "core/base/Notation.h"

namespace {

Result refused(const QString& row, const QString& value)
{
    return Result::failure(QCoreApplication::translate("SerialSettings", "参数“%1”的值“%2”不能用").arg(row, value));
}

std::optional<QSerialPort::Parity> parity(const QString& letter)
{
    const QString l = letter.toLower();
    if (l == QLatin1String("n"))
        return QSerialPort::NoParity;
    if (l == QLatin1String("e"))
        return QSerialPort::EvenParity;
    if (l == QLatin1String("o"))
        return QSerialPort::OddParity;
    if (l == QLatin1String("m"))
        return QSerialPort::MarkParity;
    if (l == QLatin1String("s"))
        return QSerialPort::SpaceParity;
    return std::nullopt;
}

std::optional<QSerialPort::StopBits> stopBits(const QString& text)
{
    if (text == QLatin1String("1"))
        return QSerialPort::OneStop;
    if (text == QLatin1String("1.5"))
        return QSerialPort::OneAndHalfStop;
    if (text == QLatin1String("2"))
        return QSerialPort::TwoStop;
    return std::nullopt;
}

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

// Why a port did not open, in the operator's words; the system's own text
// stays beside the causes it has no words for.
QString openFailure(const QSerialPort& port)
{
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return QCoreApplication::translate("SerialSettings", "找不到设备");
    case QSerialPort::PermissionError:
        return QCoreApplication::translate("SerialSettings", "无权使用或被别的程序占用");
    default:
        return port.errorString();
    }
}

} // namespace

std::optional<QString> SerialSettings::portPath(const QString& value)
{
    const QString text = Notation::Trim(value);
    if (text.startsWith(QLatin1Char('/')))
        return text;
    const auto number = Notation::CInt(text);
    if (!number || *number < 1)
        return std::nullopt;
    return QString(QStringLiteral("/dev/ttyS") + QString::number(*number - 1));
}

std::optional<SerialSettings::Line> SerialSettings::parseLine(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;
    const auto baud = wholeNumber(fields[0].trimmed());
    const auto parityKind = parity(fields[1].trimmed());
    const auto dataBits = wholeNumber(fields[2].trimmed());
    const auto stop = stopBits(fields[3].trimmed());
    if (!baud || *baud <= 0 || !parityKind || !dataBits || *dataBits < 5 || *dataBits > 8 || !stop)
        return std::nullopt;
    return Line{*baud, *parityKind, static_cast<QSerialPort::DataBits>(*dataBits), *stop};
}

Result SerialSettings::setPort(const QString& row, const QString& value)
{
    const auto path = portPath(value);
    if (!path)
        return refused(row, value);
    m_portName = *path;
    return Result::success();
}

Result SerialSettings::setLine(const QString& row, const QString& text)
{
    const auto line = parseLine(text);
    if (!line)
        return refused(row, text);
    m_line = *line;
    return Result::success();
}

Result SerialSettings::setReadBufferSize(const QString& row, const QString& value)
{
    const auto size = Notation::CInt(value);
    if (!size || *size < 0)
        return refused(row, value);
    m_readBufferSize = *size;
    return Result::success();
}

Result SerialSettings::open(QSerialPort& port) const
{
    if (port.isOpen())
        port.close();
    port.setPortName(m_portName);
    port.setBaudRate(m_line.baudRate);
    port.setParity(m_line.parity);
    port.setDataBits(m_line.dataBits);
    port.setStopBits(m_line.stopBits);
    port.setFlowControl(QSerialPort::NoFlowControl);
    port.setReadBufferSize(m_readBufferSize);
    if (!port.open(QIODevice::ReadWrite))
        return Result::failure(tr("无法打开串口 %1：%2").arg(m_portName, openFailure(port)));
    return Result::success();
}
