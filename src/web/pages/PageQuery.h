#pragma once

#include <QDate>
#include <QString>
#include <QUrlQuery>

#include <optional>

// The query parameters of the pages, read strictly: a parameter left out
// takes its default, one that is there must be exactly right, and a wrong
// one names itself in `refusal` for the 400 page.
class PageQuery
{
public:
    explicit PageQuery(const QUrlQuery& query)
        : m_query(query)
    {}

    // "yyyy-MM-dd", a real day from 2000 to 2099; `fallback` when absent.
    QDate date(const QString& name, const QDate& fallback);
    // "yyyy-MM": the month's first day; `fallback` when absent.
    QDate month(const QString& name, const QDate& fallback);
    // One of `choices`; the first when absent.
    QString choice(const QString& name, const QStringList& choices);
    // The period from..to, each defaulting to `fallback`; from after to is refused.
    std::pair<QDate, QDate> period(const QDate& fallback);

    bool ok() const { return m_refusal.isEmpty(); }
    const QString& refusal() const { return m_refusal; }

private:
    std::optional<QString> text(const QString& name);
    void refuse(const QString& why);

    QUrlQuery m_query;
    QString m_refusal;
};
