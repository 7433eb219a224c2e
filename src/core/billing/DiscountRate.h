#pragma once

#include "core/base/ShownText.h"

#include <QString>

#include <optional>

// A discount in tenths of the price: 8.5 bills 85 %. 0 is no discount, and
// so is a member card's rate of 10 or more.
class DiscountRate
{
public:
    DiscountRate() = default;
    explicit DiscountRate(double tenths)
        : m_tenths(tenths)
    {}

    // The discount box: blank or 0 for none, else a plain decimal below 10
    // with at most two decimals ("8", "8.5", "9.99"). Anything else is
    // refused: the value the operator's limit is checked against must be the
    // value that is priced.
    static std::optional<DiscountRate> parse(const QString& typed);

    double tenths() const { return m_tenths; }
    bool discounts() const { return m_tenths > 0 && m_tenths < 10; }

private:
    double m_tenths = 0;
};

// The refusal of a typed discount.
inline constexpr ShownText DiscountTypingText = {
    "DiscountRate",
    QT_TRANSLATE_NOOP("DiscountRate", "折扣率只能输入 0（不打折）或小于 10、最多两位小数的数字，如 8.5，请重新设定。")};
