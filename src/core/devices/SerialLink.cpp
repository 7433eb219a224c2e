#include "core/devices/SerialLink.h"

#include <QTimer>

namespace {

constexpr int DefaultRetryInterval = 3000;

} // namespace

SerialLink::SerialLink(const QString& device, QObject* parent)
    : QObject(parent)
    , m_device(device)
    , m_port(new QSerialPort(this))
    , m_retry(new QTimer(this))
{
    m_retry->setInterval(DefaultRetryInterval);
    connect(m_retry, &QTimer::timeout, this, &SerialLink::retry);
    connect(m_port, &QSerialPort::readyRead, this, [this] { Q_EMIT received(m_port->readAll()); });
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

SerialLink::~SerialLink() = default;

Result SerialLink::open(const SerialSettings& settings)
{
    m_retry->stop();
    m_settings = settings;
    const Result result = m_settings.open(*m_port);
    if (!result) {
        Q_EMIT notice(tr("%1：%2，正在重试").arg(m_device, result.message()));
        m_retry->start();
    }
    return result;
}

void SerialLink::close()
{
    m_retry->stop();
    m_port->close();
}

bool SerialLink::isOpen() const
{
    return m_port->isOpen();
}

bool SerialLink::write(const QByteArray& bytes)
{
    if (!m_port->isOpen())
        return false;
    m_port->clearError();
    const bool written = m_port->write(bytes) == bytes.size();
    m_port->flush();
    return written && m_port->isOpen() && m_port->error() == QSerialPort::NoError;
}

void SerialLink::setRetryInterval(int milliseconds)
{
    m_retry->setInterval(milliseconds);
}

// A hung-up port stays readable and reads nothing, so each wakeup would
// report the same error again: the port is closed at the first one.
void SerialLink::onError(QSerialPort::SerialPortError error)
{
    const bool lost =
        error == QSerialPort::ReadError || error == QSerialPort::WriteError || error == QSerialPort::ResourceError;
    if (!lost || !m_port->isOpen())
        return;
    m_port->close();
    const QString cause = error == QSerialPort::WriteError ? tr("写不出数据") : tr("读不到数据");
    Q_EMIT notice(tr("%1：串口 %2 断开（%3），正在重试").arg(m_device, m_settings.portName(), cause));
    m_retry->start();
}

void SerialLink::retry()
{
    if (!m_settings.open(*m_port))
        return;
    m_retry->stop();
    Q_EMIT notice(tr("%1：串口 %2 已重新打开").arg(m_device, m_settings.portName()));
}
