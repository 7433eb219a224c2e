#pragma once

#include "support/TestHall.h"

#include <QDateTime>
#include <QStringList>

// A time of the tests' day, 6 December 2026, written "HH:mm:ss".
inline QDateTime today(const char* time)
{
    return QDateTime(QDate(2026, 12, 6), QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm:ss")));
}

// Writes a table's rate bands from a text such as
// "08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15" (member/non-member rate
// per hour). "7@" before a band gives it the id 7.
inline bool addBands(TestHall& hall, int zhao, const QString& text)
{
    const QStringList bands = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString band : bands) {
        QVariant id;
        const qsizetype at = band.indexOf(QLatin1Char('@'));
        if (at > 0) {
            id = band.left(at).toInt();
            band = band.mid(at + 1);
        }
        const QStringList timesAndRates = band.split(QLatin1Char('='));
        const QStringList times = timesAndRates.value(0).split(QLatin1Char('-'));
        const QStringList rates = timesAndRates.value(1).split(QLatin1Char('/'));
        if (!hall.exec(
                QStringLiteral("insert into jfbz (id, zhao, hybz, fhybz, kssj, jssj, jfdw, dwname) "
                               "values (?, ?, ?, ?, ?, ?, 1, '小时')"),
                {id, zhao, rates.value(0).toDouble(), rates.value(1).toDouble(), times.value(0), times.value(1)}))
            return false;
    }
    return true;
}
