#include "core/base/CardKey.h"

#include "core/base/Notation.h"

namespace CardKey {

QString trimmed(const QString& number)
{
    return Notation::Trim(number);
}

QString of(const QString& number)
{
    QString key = trimmed(number);
    for (QChar& c : key) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return key;
}

QString matches(const QString& column, const QString& typed)
{
    return QStringLiteral("upper(%1) = upper(trim(%2))").arg(column, typed);
}

} // namespace CardKey
