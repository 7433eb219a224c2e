#include "core/base/ErrorReporter.h"

#include "core/base/Messages.h"

#include <QCoreApplication>

QString errorText(qint64 number, const QString& description)
{
    const QString cause = Result::cause(number);
    if (!cause.isEmpty())
        return cause + QLatin1Char('\n') + QString::number(number) + QLatin1Char(' ') + description;
    if (number == Result::DatabaseFailure)
        return QCoreApplication::translate("ModCWCl", "数据有误，请重新输入!") + QLatin1Char('\n') +
               QString::number(number) + QLatin1Char(' ') + description;
    return QCoreApplication::translate("ModCWCl", "错误号 %1 %2，退出").arg(QString::number(number), description);
}

void showError(qint64 number, const QString& description)
{
    Messages::critical(errorText(number, description));
}

void showError(const Result& error)
{
    showError(error.number(), error.message());
}

bool showStopped(const Result& result, const Notice& refusal)
{
    if (!result) {
        showError(result);
        return true;
    }
    if (refusal.isEmpty())
        return false;
    Messages::tell(refusal);
    return true;
}
