#pragma once

#include "core/base/Result.h"

#include <QCoreApplication>

// The errors the charge rules raise besides the database's own, numbered as
// the error reporter shows them.
namespace BillingErrors {

constexpr qint64 InvalidProcedureCall = 5;

inline Result overflow()
{
    return Result::failure(QCoreApplication::translate("BillingErrors", "溢出"), Result::Overflow);
}

inline Result typeMismatch()
{
    return Result::failure(QCoreApplication::translate("BillingErrors", "类型不匹配"), Result::TypeMismatch);
}

inline Result invalidProcedureCall()
{
    return Result::failure(QCoreApplication::translate("BillingErrors", "无效的过程调用或参数"), InvalidProcedureCall);
}

} // namespace BillingErrors
