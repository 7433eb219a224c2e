#pragma once

#include <QString>

// A card number as the hall matches it, typed, read or stored: the blanks at
// both ends do not count, nor does the letter case. Every match of a card
// against a member's card goes through here, in C++ or in SQL, so that the
// two can never disagree.
namespace CardKey {

// The number with the blanks (spaces) at both ends removed: the form a card
// is stored and bound in.
QString trimmed(const QString& number);

// The key of a number: trimmed, and its ASCII letters in upper case, exactly
// what SQLite's upper(trim(x)) makes of it (SQLite leaves other letters as
// they are, so this does too).
QString of(const QString& number);

// The SQL condition that the stored card in `column` is the card `typed`
// (a `?` bound to the number as typed, or another column):
// upper(column) = upper(trim(typed)). Stored cards are written trimmed, so
// the stored side is only raised, which lets the index on upper(khao) serve
// the look-up.
QString matches(const QString& column, const QString& typed = QStringLiteral("?"));

} // namespace CardKey
