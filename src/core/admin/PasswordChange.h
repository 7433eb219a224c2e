#pragma once

#include "core/base/Result.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// An operator changing their own password: the old one must be given first,
// and the third wrong one ends the attempt. The old password is compared as
// the login compares it (hashed or plain from an older file, letter case and
// surrounding blanks ignored); the new one is stored as its hash.
class PasswordChange
{
    Q_DECLARE_TR_FUNCTIONS(PasswordChange)

public:
    enum class OldPassword
    {
        Accepted,
        Wrong,
        Refused // the third wrong password: the attempt is over
    };

    static constexpr int AllowedFailures = 2;

    // Finds the row of the operator whose trimmed name is the trimmed name.
    Result load(const QSqlDatabase& db, const QString& operatorName);
    bool found() const { return m_rowid.isValid(); }

    OldPassword checkOld(const QString& typed);
    int failures() const { return m_failures; }

    // Compared trimmed, as the passwords are stored.
    static bool repeatMatches(const QString& newPassword, const QString& repeat);

    Result store(const QSqlDatabase& db, const QString& newPassword);

private:
    QVariant m_rowid;
    QString m_stored;
    int m_failures = 0;
};
