#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>

// One row of czyzd as the rights screen shows it.
struct OperatorRecord
{
    QString name; // czy_name as stored, the key of the row
    bool isSystem = false;
    std::array<QVariant, 5> rights;      // per group of rightsGroups(); null when the group is not granted
    std::optional<double> discountLimit; // zk: the discount limit; nothing when not set
};

// Adds, deletes and changes operators. Operators are named by czy_name as
// stored. The system operator can be neither deleted nor have its password
// cleared; those requests come back refused and change nothing.
class OperatorStore
{
public:
    enum class Refusal
    {
        None,
        EmptyName,
        NameTooLong,
        NameHasControlCharacters,
        DuplicateName,
        SystemOperator,
        LimitOutOfRange
    };

    // What a change did: refused (nothing written), failed (result), or done.
    struct Outcome
    {
        Refusal refusal = Refusal::None;
        Result result = Result::success();

        bool done() const { return refusal == Refusal::None && result.ok(); }
    };

    explicit OperatorStore(const QSqlDatabase& db);

    // Every operator in the order the rows were written.
    ResultOf<QList<OperatorRecord>> load() const;
    // The operator of that name as stored; nothing when there is none.
    ResultOf<std::optional<OperatorRecord>> find(const QString& name) const;

    // The longest operator name, in characters: it heads the login list,
    // the receipts and every row the operator writes.
    static constexpr int MaxNameLength = 20;

    // Adds an operator under the trimmed name, each group granted with no
    // right ticked, no password and no discount limit; *added gets the name.
    // A name longer than MaxNameLength, or holding a control or format
    // character (a new line, ESC, a right-to-left mark, a zero-width space),
    // is refused.
    Outcome add(const QString& typedName, QString* added);
    Outcome remove(const QString& name);
    // Leaves the operator the empty password.
    Outcome clearPassword(const QString& name);

    // Stores the letters of one group (index into rightsGroups()).
    Result saveRights(const QString& name, int group, const QString& letters);
    // A granted group holds its letters, blank when it has none; a withdrawn
    // group is null.
    Result setGroupGranted(const QString& name, int group, bool granted);
    // The limit as typed: blank for 0, or a plain decimal below 10 with at
    // most two decimals, so that "8,5" is refused rather than stored as 8.
    Outcome saveDiscountLimit(const QString& name, const QString& typed);

private:
    // The row's sys_tag, or nothing when there is no such row.
    ResultOf<std::optional<bool>> systemTag(const QString& name) const;
    Outcome unlessSystemOperator(const QString& name, const QString& sql, const QVariantList& values);

    QSqlDatabase m_db;
};
