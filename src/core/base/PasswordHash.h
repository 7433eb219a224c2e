#pragma once

#include <QString>

// Operator passwords are kept as salted Argon2id hashes of the trimmed,
// upper-cased password, so that comparison stays case-insensitive and blind
// to surrounding blanks. A plain password from an older file still matches;
// the caller then replaces it with its hash.
namespace PasswordHash {

enum class Check
{
    Mismatch,
    Match,
    MatchPlain
};

// The text stored for a password; empty when hashing failed (out of memory).
QString hash(const QString& password);

// Compares a typed password with the stored one (null counts as empty).
Check verify(const QString& stored, const QString& typed);

bool isHash(const QString& stored);

} // namespace PasswordHash
