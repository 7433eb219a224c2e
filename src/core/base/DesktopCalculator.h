#pragma once

#include <QString>

// The desktop calculator that calculator buttons and menu items start:
// "calc" in the program folder when there is one, else the first of the
// usual desktop calculators found on PATH.
namespace DesktopCalculator {

// The program to start; empty when there is none.
QString find(const QString& programFolder);

// Starts it without waiting; false when none was found or it did not start.
bool start(const QString& programFolder);

} // namespace DesktopCalculator
