#include "core/base/DateText.h"

namespace DateText {

std::optional<QDate> parseDate(const QString& text)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-M-d"));
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QDateTime> parseDateTime(const QString& text)
{
    // Qt's format parser takes some 40 µs a value and the board reads every
    // start on every refresh: the stored form is read field by field, and
    // only another form takes the general road.
    if (text.size() == 19 && text[10] == QLatin1Char(' ')) {
        const QDate date = QDate::fromString(QStringView(text).left(10), Qt::ISODate);
        const QTime time = QTime::fromString(QStringView(text).mid(11), Qt::ISODate);
        if (date.isValid() && time.isValid())
            return QDateTime(date, time);
    }
    const QString t = text.trimmed();
    QDateTime moment = QDateTime::fromString(t, DateTimeFormat);
    if (!moment.isValid())
        moment = QDateTime::fromString(t, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    // As grids and reports show a moment: to the minute.
    if (!moment.isValid())
        moment = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!moment.isValid()) {
        const QDate d = QDate::fromString(t, DateFormat);
        if (d.isValid())
            moment = d.startOfDay();
    }
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

std::optional<QTime> parseTime(const QString& text)
{
    QString t = text.trimmed();
    if (t.size() > 8)
        t = t.right(8);
    for (const QString& format : {TimeFormat, QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")}) {
        const QTime time = QTime::fromString(t, format);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

} // namespace DateText
