#pragma once

#include <QString>

class QSqlError;
class QSqlQuery;

// What a core function that can fail returns: success, or the error number
// and text the screen shows to the operator.
class [[nodiscard]] Result
{
public:
    // The general failure code of the database: the error reporter words it
    // as bad data rather than as a fault of the program.
    static constexpr qint64 DatabaseFailure = -2147467259;
    static constexpr qint64 Overflow = 6;
    static constexpr qint64 TypeMismatch = 13;

    static Result success() { return Result(); }
    static Result failure(const QString& message, qint64 number = DatabaseFailure) { return Result(message, number); }
    static Result fromSqlError(const QSqlError& error);
    static Result fromQuery(const QSqlQuery& query);

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }
    qint64 number() const { return m_number; }

private:
    Result() = default;
    Result(const QString& message, qint64 number)
        : m_ok(false)
        , m_message(message)
        , m_number(number)
    {}

    bool m_ok = true;
    QString m_message;
    qint64 m_number = 0;
};
