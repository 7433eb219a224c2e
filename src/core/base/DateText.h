#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// How dates and times are written: on screen, in the database (ISO text
// sorts and compares correctly as text) and in the operator's input.
namespace DateText {

inline const QString DateFormat = QStringLiteral("yyyy-MM-dd");
inline const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
inline const QString TimeFormat = QStringLiteral("HH:mm:ss");

inline QString date(const QDate& d)
{
    return d.toString(DateFormat);
}
inline QString dateTime(const QDateTime& t)
{
    return t.toString(DateTimeFormat);
}
inline QString time(const QTime& t)
{
    return t.toString(TimeFormat);
}

// A date typed by the operator: "2026-12-06" or without leading zeros
// ("2026-12-6"); nothing when it is not a real date.
std::optional<QDate> parseDate(const QString& text);
// A stored moment: "yyyy-MM-dd HH:mm:ss", or as shown to the minute
// "yyyy-MM-dd HH:mm" (a bare date is midnight).
std::optional<QDateTime> parseDateTime(const QString& text);
// A stored time of day: "HH:mm:ss", "HH:mm", or the time part of a moment.
std::optional<QTime> parseTime(const QString& text);

} // namespace DateText
