#pragma once

#include <QList>

#include <algorithm>

// The middle value; for an even count the mean of the two middle ones.
inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
