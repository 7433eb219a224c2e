#pragma once

#include <QString>

#include <optional>
#include <utility>

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
    // Failures of the database file or of its place rather than of what was
    // typed, numbered as Jet numbered the same causes.
    static constexpr qint64 DiskFull = 3026;
    static constexpr qint64 DatabaseReadOnly = 3027;
    static constexpr qint64 DiskError = 3043;
    static constexpr qint64 DatabaseLocked = 3045;
    // Another counter changed what a transaction read at the same moment:
    // the transaction is run again, and only told when that keeps happening.
    static constexpr qint64 WriteConflict = 3260;
    static constexpr qint64 DatabaseDamaged = 3049;
    static constexpr qint64 NotTavoroDatabase = 3343;
    // Failures of connecting to a database server.
    static constexpr qint64 WrongPassword = 3029;
    static constexpr qint64 PasswordNeeded = 3031;
    static constexpr qint64 ServerUnreachable = 3151;
    static constexpr qint64 ConnectionLost = 3146;

    // The cause a failure of one of those numbers names for the operator;
    // empty for any other number.
    static QString cause(qint64 number);

    static Result success() { return Result(); }
    static Result failure(const QString& message, qint64 number = DatabaseFailure) { return Result(message, number); }
    // Numbered by its cause when SQLite names one of those above, as the
    // database's general failure otherwise.
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

// A value, or the failure that kept it from being found. A look-up that
// returns one cannot be read as an answer when it failed: the value is only
// there on success.
template <typename T>
class [[nodiscard]] ResultOf
{
public:
    ResultOf(T value)
        : m_value(std::move(value))
    {}
    ResultOf(Result failure)
        : m_result(std::move(failure))
    {
        Q_ASSERT(!m_result.ok());
    }

    explicit operator bool() const { return m_value.has_value(); }
    // Reading the value of a failure is a fault of the program, stopped
    // here with the failure's words rather than read as some default.
    const T& value() const
    {
        if (!m_value.has_value())
            qFatal("A failed result was read as a value: %s", qUtf8Printable(m_result.message()));
        return *m_value;
    }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    // Success, or the failure to show.
    const Result& result() const { return m_result; }

private:
    std::optional<T> m_value;
    Result m_result = Result::success();
};
