#pragma once

#include "core/base/Result.h"
#include "core/devices/SerialSettings.h"

#include <QObject>
#include <QSerialPort>

class QTimer;

// A device's serial port that outlives the device going away. A port that
// does not open, reports an error or hangs up is closed, told once through
// notice() and tried again every few seconds until it opens, which is told
// once as well; it is never read again while it is hung up.
class SerialLink : public QObject
{
    Q_OBJECT

public:
    // `device` names the device in the notices ("灯光控制器").
    explicit SerialLink(const QString& device, QObject* parent = nullptr);
    ~SerialLink() override;

    // Opens the port as the settings say (closing it first); a failure is
    // told and retried like a lost port.
    Result open(const SerialSettings& settings);
    // Closes the port and stops retrying, as for settings that cannot be used.
    void close();
    bool isOpen() const;
    // False when the port is closed or did not take every byte.
    bool write(const QByteArray& bytes);

    void setRetryInterval(int milliseconds);

Q_SIGNALS:
    void received(const QByteArray& bytes);
    // A change of the port the operator should know about.
    void notice(const QString& text);

private:
    void onError(QSerialPort::SerialPortError error);
    void retry();

    QString m_device;
    QSerialPort* m_port;
    QTimer* m_retry;
    SerialSettings m_settings;
};
