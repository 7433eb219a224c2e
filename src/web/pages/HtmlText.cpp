#include "web/pages/HtmlText.h"

namespace HtmlText {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString money(double amount)
{
    // A sum that comes to -0.004 is no debt.
    const QString text = QString::number(amount, 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

QString cell(const QString& caption, const QString& text, const QString& cssClass)
{
    const QString classes = cssClass.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(cssClass);
    return QStringLiteral("<td data-label=\"%1\"%2>%3</td>").arg(escaped(caption), classes, escaped(text));
}

} // namespace HtmlText
