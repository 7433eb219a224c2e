#include "core/printing/PrinterPort.h"

#include "core/base/SettingsStore.h"

namespace PrinterPort {

namespace {

struct Port
{
    QLatin1String code;
    QLatin1String name;
    QLatin1String device;
};

constexpr Port Ports[] = {
    {QLatin1String("1"), QLatin1String("LPT1"), QLatin1String("/dev/lp0")},
    {QLatin1String("2"), QLatin1String("LPT2"), QLatin1String("/dev/lp1")},
    {QLatin1String("3"), QLatin1String("COM1"), QLatin1String("/dev/ttyS0")},
    {QLatin1String("4"), QLatin1String("COM2"), QLatin1String("/dev/ttyS1")},
};

} // namespace

QString portName(const QString& code)
{
    const QString upper = code.toUpper();
    for (const Port& port : Ports) {
        if (upper == port.code)
            return port.name;
    }
    return QString();
}

QHash<QString, QString> devicePaths(const SettingsStore& settings)
{
    QHash<QString, QString> paths;
    for (const Port& port : Ports) {
        const QString configured = settings.printerPort(port.name);
        paths.insert(port.name, configured.isEmpty() ? QString(port.device) : configured);
    }
    return paths;
}

} // namespace PrinterPort
