#include "web/pages/PageFrame.h"

#include "web/pages/HtmlText.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

QString nav()
{
    const std::pair<const char*, QString> links[] = {
        {"/", QCoreApplication::translate("OwnerPages", "台位")},
        {"/takings", QCoreApplication::translate("OwnerPages", "营业额")},
        {"/statistics", QCoreApplication::translate("OwnerPages", "统计")},
        {"/stock", QCoreApplication::translate("OwnerPages", "库存")},
        {"/giveaways", QCoreApplication::translate("OwnerPages", "优惠")},
    };
    QString html = QStringLiteral("<nav>");
    for (const auto& [href, text] : links)
        html += QStringLiteral("<a href=\"%1\">%2</a>").arg(QLatin1String(href), HtmlText::escaped(text));
    html += QStringLiteral("<form method=\"post\" action=\"/logout\"><button type=\"submit\">%1</button></form></nav>")
                .arg(HtmlText::escaped(QCoreApplication::translate("OwnerPages", "退出")));
    return html;
}

OwnerPages::Page frame(const QString& title, const QString& body, bool withNav, int status)
{
    // The translation names its own language, so that the page says which one it is written in.
    const QString language = QCoreApplication::translate("OwnerPages", "zh-CN");
    const QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                       "<title>%2</title><link rel=\"stylesheet\" href=\"/owner.css\">"
                       "<script src=\"/owner.js\" defer></script></head><body>%3<main>%4</main></body></html>\n")
            .arg(HtmlText::escaped(language), HtmlText::escaped(title), withNav ? nav() : QString(), body);
    return {status, QByteArrayLiteral("text/html; charset=utf-8"), html.toUtf8()};
}

} // namespace

namespace PageFrame {

OwnerPages::Page html(const QString& title, const QString& body, int status)
{
    return frame(title, heading(title) + body, true, status);
}

OwnerPages::Page bare(const QString& title, const QString& body)
{
    return frame(title, heading(title) + body, false, 200);
}

OwnerPages::Page badRequest(const QString& why)
{
    return html(QCoreApplication::translate("OwnerPages", "请求有误"),
                QStringLiteral("<p class=\"refusal\">%1</p>").arg(HtmlText::escaped(why)), 400);
}

OwnerPages::Page booksUnreadable(const QString& detail)
{
    qWarning().noquote() << "owner's page: the books could not be read:" << detail;
    return html(
        QCoreApplication::translate("OwnerPages", "无法读取账目"),
        QStringLiteral("<p class=\"refusal\">%1</p>")
            .arg(HtmlText::escaped(QCoreApplication::translate("OwnerPages", "账目暂时无法读取，请稍后再试。"))),
        500);
}

QString heading(const QString& text)
{
    return QStringLiteral("<h1>%1</h1>").arg(HtmlText::escaped(text));
}

} // namespace PageFrame
