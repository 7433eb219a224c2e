#pragma once

#include <QString>

// Text as the pages write it: every value from the books escaped before it
// reaches the HTML, money always with two decimals.
namespace HtmlText {

QString escaped(const QString& text);
QString money(double amount);
// A cell of a table that folds into a card on a phone: the caption goes into
// data-label, which the style sheet shows beside the value.
QString cell(const QString& caption, const QString& text, const QString& cssClass = QString());

} // namespace HtmlText
