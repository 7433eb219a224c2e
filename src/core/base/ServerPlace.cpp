#include "core/base/ServerPlace.h"

QString ServerPlace::describe() const
{
    const QString at = user.isEmpty() ? host : user + QLatin1Char('@') + host;
    return QStringLiteral("PostgreSQL %1:%2/%3").arg(at).arg(port).arg(database);
}
