#include "core/base/PasswordHash.h"

#include "core/base/Notation.h"

#include <sodium.h>

namespace PasswordHash {

namespace {

QByteArray normalised(const QString& password)
{
    return Notation::UCase(Notation::Trim(password)).toUtf8();
}

bool ready()
{
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

} // namespace

bool isHash(const QString& stored)
{
    return stored.startsWith(QLatin1String(crypto_pwhash_STRPREFIX));
}

QString hash(const QString& password)
{
    if (!ready())
        return {};
    const QByteArray plain = normalised(password);
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, plain.constData(), static_cast<unsigned long long>(plain.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return QString::fromLatin1(out);
}

Check verify(const QString& stored, const QString& typed)
{
    const QString trimmedStored = Notation::Trim(stored);
    if (isHash(trimmedStored)) {
        if (!ready())
            return Check::Mismatch;
        const QByteArray plain = normalised(typed);
        const QByteArray hashed = trimmedStored.toLatin1();
        return crypto_pwhash_str_verify(hashed.constData(), plain.constData(),
                                        static_cast<unsigned long long>(plain.size())) == 0
                   ? Check::Match
                   : Check::Mismatch;
    }
    return Notation::UCase(trimmedStored) == Notation::UCase(Notation::Trim(typed)) ? Check::MatchPlain
                                                                                    : Check::Mismatch;
}

} // namespace PasswordHash
