#pragma once

#include <QSqlDatabase>
#include <QString>

// What unlocks the lock screen: the password of the operator who locked it,
// compared as at login (case and surrounding blanks do not count). An
// operator without a password would be unlocked by an empty box, so then,
// as when the operator's row cannot be read, the program's own code is asked
// for instead. An empty box never unlocks.
class UnlockCode
{
public:
    static inline const QString FallbackCode = QStringLiteral("TAVORO");

    static UnlockCode forOperator(const QSqlDatabase& db, const QString& operatorName);

    bool usesFallback() const { return m_fallback; }
    bool matches(const QString& typed) const;

private:
    UnlockCode(const QString& stored, bool fallback)
        : m_stored(stored)
        , m_fallback(fallback)
    {}

    QString m_stored;
    bool m_fallback;
};
