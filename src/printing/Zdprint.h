#pragma once

#include <QDateTime>
#include <QStringList>

class SettingsStore;
struct Receipt;

// The receipt printer's lines, in the order they are printed; printedAt is
// the moment the receipt gives as its last line before the paper feed.
QStringList zdprintLines(const Receipt& receipt, const QDateTime& printedAt);

// Prints the receipt on the raw printer at LPT1 (in large type, row spacing
// 2). False, with nothing printed, when the port cannot be opened.
bool Zdprint(const Receipt& receipt, const SettingsStore& settings);
