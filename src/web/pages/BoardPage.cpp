#include "web/pages/BoardPage.h"

#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/board/BoardModel.h"
#include "core/board/BoardPricing.h"
#include "core/members/MemberRecord.h"
#include "web/pages/HallState.h"
#include "web/pages/HtmlText.h"
#include "web/pages/PageFrame.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using Column = BoardModel::Column;

// The columns the owner sees, with the board's own captions, in the order
// the page and the script write them.
constexpr Column Shown[] = {BoardModel::Number, BoardModel::Name,  BoardModel::Start, BoardModel::Duration,
                            BoardModel::Rate,   BoardModel::Total, BoardModel::Card,  BoardModel::Reminder};

QString caption(const BoardModel& model, Column column)
{
    return model.headerData(column, Qt::Horizontal).toString();
}

// The text of a line's column, the card with its holder's name.
QString text(const BoardPage::Line& line, Column column)
{
    switch (column) {
    case BoardModel::Number:
        return line.number;
    case BoardModel::Name:
        return line.name;
    case BoardModel::Start:
        return line.start;
    case BoardModel::Duration:
        return line.duration;
    case BoardModel::Rate:
        return line.rate;
    case BoardModel::Total:
        return line.total;
    case BoardModel::Card:
        return line.holder.isEmpty() ? line.card : line.card + QStringLiteral(" ") + line.holder;
    case BoardModel::Reminder:
        return line.reminder;
    default:
        return {};
    }
}

QStringList captions()
{
    const BoardModel model;
    QStringList shown;
    for (const Column column : Shown)
        shown.append(caption(model, column));
    return shown;
}

} // namespace

namespace BoardPage {

ResultOf<QList<Line>> lines(QSqlDatabase& db, const QDateTime& now)
{
    const ResultOf<AppState> state = hallState(db);
    if (!state)
        return state.result();
    BoardModel model;
    model.setPricing(boardPricing(*state));
    if (const Result built = model.build(db); !built)
        return built;
    if (const Result refreshed = model.refresh(db, now); !refreshed)
        return refreshed;
    QList<Line> found;
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto cell = [&](Column column) {
            return model.data(model.index(row, column)).toString();
        };
        Line line;
        line.number = cell(BoardModel::Number);
        line.name = cell(BoardModel::Name);
        line.inUse = model.table(row).visit.has_value();
        if (line.inUse) {
            line.start = cell(BoardModel::Start);
            line.duration = cell(BoardModel::Duration);
            line.rate = cell(BoardModel::Rate);
            line.total = cell(BoardModel::Total);
            line.card = cell(BoardModel::Card);
            line.reminder = cell(BoardModel::Reminder);
            line.due = model.isDue(row);
        }
        found.append(line);
    }
    // The holders' names in one statement: one each would cost the page a
    // query per table in play.
    QStringList cards;
    for (const Line& line : found) {
        if (!line.card.isEmpty())
            cards.append(line.card);
    }
    const ResultOf<QHash<QString, QString>> holders = MemberRecord::holderNames(db, cards);
    if (!holders)
        return holders.result();
    for (Line& line : found)
        line.holder = holders->value(line.card);
    return found;
}

OwnerPages::Page html(QSqlDatabase& db)
{
    const QDateTime now = Clock::now();
    const ResultOf<QList<Line>> found = lines(db, now);
    if (!found)
        return PageFrame::booksUnreadable(found.result().message());
    const QStringList heads = captions();
    QString body =
        QStringLiteral("<p class=\"stamp\" id=\"stamp\">%1</p><table class=\"cards\" id=\"board\"><thead><tr>")
            .arg(HtmlText::escaped(DateText::dateTime(now)));
    for (const QString& head : heads)
        body += QStringLiteral("<th>%1</th>").arg(HtmlText::escaped(head));
    body += QStringLiteral("</tr></thead><tbody>");
    for (const Line& line : *found) {
        const QString classes = line.due     ? QStringLiteral("inuse due")
                                : line.inUse ? QStringLiteral("inuse")
                                             : QStringLiteral("free");
        body += QStringLiteral("<tr class=\"%1\">").arg(classes);
        for (qsizetype i = 0; i < heads.size(); ++i)
            body += HtmlText::cell(heads.at(i), text(line, Shown[i]));
        body += QStringLiteral("</tr>");
    }
    body += QStringLiteral("</tbody></table>");
    return PageFrame::html(QCoreApplication::translate("OwnerPages", "台位"), body);
}

OwnerPages::Page json(QSqlDatabase& db)
{
    const QDateTime now = Clock::now();
    const ResultOf<QList<Line>> found = lines(db, now);
    if (!found) {
        OwnerPages::Page failed = PageFrame::booksUnreadable(found.result().message());
        failed.contentType = QByteArrayLiteral("application/json");
        failed.body = QJsonDocument(QJsonObject{{QStringLiteral("error"), true}}).toJson(QJsonDocument::Compact);
        return failed;
    }
    QJsonArray rows;
    for (const Line& line : *found) {
        QJsonArray cells;
        for (const Column column : Shown)
            cells.append(text(line, column));
        rows.append(QJsonObject{{QStringLiteral("number"), line.number},
                                {QStringLiteral("inUse"), line.inUse},
                                {QStringLiteral("due"), line.due},
                                {QStringLiteral("total"), line.total},
                                {QStringLiteral("cells"), cells}});
    }
    const QJsonObject board{{QStringLiteral("now"), DateText::dateTime(now)},
                            {QStringLiteral("columns"), QJsonArray::fromStringList(captions())},
                            {QStringLiteral("rows"), rows}};
    return {200, QByteArrayLiteral("application/json"), QJsonDocument(board).toJson(QJsonDocument::Compact)};
}

} // namespace BoardPage
