#pragma once

#include <QHash>
#include <QString>

class SettingsStore;

// The raw receipt printer's ports and the device files they are written to.
namespace PrinterPort {

// The port a port code names: "1" LPT1, "2" LPT2, "3" COM1, "4" COM2;
// empty for any other code.
QString portName(const QString& code);

// The device file of every port by its name: the one the settings store
// names for it, else /dev/lp0, /dev/lp1, /dev/ttyS0 or /dev/ttyS1.
QHash<QString, QString> devicePaths(const SettingsStore& settings);

} // namespace PrinterPort
