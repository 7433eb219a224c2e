#include "core/billing/Checkout.h"
#include "core/board/BoardPricing.h"
#include "core/board/BoardRows.h"
#include "core/goods/StockBalance.h"
#include "core/members/MemberTopUp.h"
#include "core/reports/DayTakings.h"
#include "core/reports/IncomeAnalysis.h"
#include "core/reports/ShiftHandOver.h"
#include "support/HallFixture.h"
#include "web/pages/OwnerPages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

class TestOwnerPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void figuresAreTheCounters();
    void boardFollowsTheClock();
    void requestsRefused_data();
    void requestsRefused();
    void valuesFromTheBooksStayText();
};

namespace {

OwnerPages::Page get(HallFixture& f, const QString& pathAndQuery)
{
    const QUrl url(pathAndQuery);
    const std::optional<OwnerPages::Page> page = OwnerPages::page(f.hall.db(), url.path(), QUrlQuery(url));
    return page.value_or(OwnerPages::Page{404, {}, {}});
}

// The amount a page writes after `caption`, in the next amount cell.
QString amountAfter(const QByteArray& body, const QString& caption)
{
    const QRegularExpression pattern(QRegularExpression::escape(caption) +
                                     QStringLiteral("</t[hd]>.*?class=\"amount[^\"]*\">([^<]*)<"));
    return pattern.match(QString::fromUtf8(body)).captured(1);
}

QString money(double amount)
{
    return QString::number(amount, 'f', 2);
}

bool sell(HallFixture& f, const QString& goods, const QString& amount, const QString& table)
{
    return saveDocument(f.hall.state, GoodsDocument::Kind::Sale,
                        typedDocument(f.hall.state, goods, QStringLiteral("1"), amount, amount, table))
        .done();
}

// Three tables settled (cash, a cash card, a discount card), two still
// running, goods sold over the counter and to a table, a top-up, and an
// older settled visit and sale of another operator, handed over.
bool buildHall(HallFixture& f)
{
    auto& state = f.hall.state;
    if (!(f.ready() && f.addTables(5, QStringLiteral("00:00:00-18:00:00=20/30;18:00:00-23:59:59=24/36")) &&
          f.addMember(QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡"), 0, 200) &&
          f.addMember(QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡"), 8.5) &&
          f.openVisit(1, today("17:10:00")) && f.openVisit(2, today("19:30:00"), QStringLiteral("C1")) &&
          f.openVisit(3, today("16:00:00"), QStringLiteral("Y1"))))
        return false;
    if (!(sell(f, QStringLiteral("可乐"), QStringLiteral("10"), QStringLiteral("1")) &&
          sell(f, QStringLiteral("香烟"), QStringLiteral("12.35"), QString())))
        return false;
    const QStringList cards{QString(), QStringLiteral("C1"), QStringLiteral("Y1")};
    for (int table = 1; table <= 3; ++table) {
        if (!Checkout::settle(state, {QString::number(table), cards[table - 1], {}, QStringLiteral("0")}).settled())
            return false;
    }
    if (!MemberTopUp::topUp(state, {QStringLiteral("C1"), QStringLiteral("100"), QStringLiteral("89.99")})
             .refusal.isEmpty())
        return false;
    return f.openVisit(4, today("19:10:00"), QStringLiteral("Y1"), 36, 60) && f.openVisit(5, today("19:55:00")) &&
           f.hall.exec(QStringLiteral("INSERT INTO waimxd (zhao, jsrc, je, rc, czyname, fkfs, dzbj) VALUES "
                                      "(2, '2026-12-04 11:00:00', 40, '2026-12-04', 'li', '现金', '3')")) &&
           f.hall.exec(QStringLiteral("INSERT INTO ckv_zc (rc, wlcode, amount, czyname, zhao, jzbj, dzbj) VALUES "
                                      "('2026-12-04', '可乐', 6, 'li', NULL, 1, '3')"));
}

} // namespace

// Each page writes the figure the counter's own report gives for the same
// books and the same moment, two decimals.
void TestOwnerPages::figuresAreTheCounters()
{
    HallFixture f;
    QVERIFY2(buildHall(f), qPrintable(f.error()));
    QSqlDatabase& db = f.hall.db();
    const QDate day = f.hall.state.BusinessDate;

    const OwnerPages::Page takings = get(f, QStringLiteral("/takings"));
    QCOMPARE(takings.status, 200);
    const ResultOf<DayTakings::Totals> totals = DayTakings::totals(db, {day, QString(), std::nullopt});
    QVERIFY(totals && totals->total() > 0);
    QCOMPARE(amountAfter(takings.body, QStringLiteral("合计")), money(totals->total()));
    const ResultOf<ShiftHandOver::Figures> shift = ShiftHandOver::figures(db, day, QStringLiteral("system"));
    QVERIFY(shift && shift->cashDue() > 0);
    QCOMPARE(amountAfter(takings.body, QStringLiteral("应有现金")), money(shift->cashDue()));
    // The other operator's visit is handed over already: no shift of theirs.
    QVERIFY(!takings.body.contains("· li<"));

    for (const auto& [subject, by] :
         {std::pair("fees", "day"), std::pair("fees", "item"), std::pair("goods", "item")}) {
        const OwnerPages::Page page =
            get(f, QStringLiteral("/statistics?subject=%1&by=%2&from=2026-12-01&to=2026-12-06")
                       .arg(QLatin1String(subject), QLatin1String(by)));
        QCOMPARE(page.status, 200);
        const IncomeAnalysis::Question question{
            qstrcmp(subject, "goods") == 0 ? IncomeAnalysis::Subject::Goods : IncomeAnalysis::Subject::TableFees,
            qstrcmp(by, "day") == 0 ? IncomeAnalysis::Grouping::ByDay : IncomeAnalysis::Grouping::ByItem, false,
            QDate(2026, 12, 1), day};
        const ResultOf<IncomeAnalysis::Analysis> analysis = IncomeAnalysis::run(db, question);
        QVERIFY(analysis && !analysis->rows.isEmpty());
        const QRegularExpression total(QStringLiteral("class=\"amount total\">([^<]*)<"));
        QCOMPARE(total.match(QString::fromUtf8(page.body)).captured(1), money(analysis->amount()));
        QCOMPARE(QString::fromUtf8(page.body).count(QStringLiteral("<rect class=\"bar\"")), analysis->rows.size());
    }

    const OwnerPages::Page stock = get(f, QStringLiteral("/stock?month=2026-12"));
    QCOMPARE(stock.status, 200);
    const ResultOf<StockBalance::Balance> balance =
        StockBalance::compute(db, QDate(2026, 12, 1), QDate(2026, 12, 31), StockBalance::Grouping::ByStore, false);
    QVERIFY(balance && balance->anyBusiness);
    const QRegularExpression closing(QStringLiteral("<tfoot>.*data-label=\"期末金额\" class=\"amount\">([^<]*)<"));
    QCOMPARE(closing.match(QString::fromUtf8(stock.body)).captured(1),
             money(balance->totals[StockBalance::ClosingAmount]));
}

// The board's JSON prices each running table as the checkout would at the
// clock's moment, and marks a reminder that has come due.
void TestOwnerPages::boardFollowsTheClock()
{
    HallFixture f;
    QVERIFY2(buildHall(f), qPrintable(f.error()));
    for (const int minutes : {0, 47}) {
        f.clock.advanceMinutes(minutes);
        const OwnerPages::Page page = get(f, QStringLiteral("/board.json"));
        QCOMPARE(page.status, 200);
        const QJsonArray rows = QJsonDocument::fromJson(page.body).object().value(QStringLiteral("rows")).toArray();
        const ResultOf<QList<BoardRow>> tables = BoardRows::load(f.hall.db());
        QVERIFY(tables);
        QCOMPARE(rows.size(), tables->size());
        int running = 0;
        for (qsizetype i = 0; i < tables->size(); ++i) {
            const BoardRow& table = tables->at(i);
            const QJsonObject row = rows.at(i).toObject();
            QCOMPARE(row.value(QStringLiteral("inUse")).toBool(), table.visit.has_value());
            if (!table.visit)
                continue;
            ++running;
            const ResultOf<float> charge = runningCharge(f.hall.state, table);
            QVERIFY(charge);
            QCOMPARE(row.value(QStringLiteral("total")).toString(), money(*charge));
            QCOMPARE(row.value(QStringLiteral("due")).toBool(),
                     BoardRows::reminder(table.reminderMinutes, table.visit->start, f.clock.now()).due);
        }
        QCOMPARE(running, 2);
        // Table 4 was opened at 19:10 with a reminder at 60 minutes.
        QCOMPARE(rows.at(3).toObject().value(QStringLiteral("due")).toBool(), minutes > 0);
    }
    const OwnerPages::Page html = get(f, QStringLiteral("/"));
    QCOMPARE(html.status, 200);
    QVERIFY(html.body.contains("<tr class=\"inuse due\">"));
}

void TestOwnerPages::requestsRefused_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("status");
    QTest::newRow("defaults") << "/statistics" << 200;
    QTest::newRow("stock default month") << "/stock" << 200;
    QTest::newRow("giveaways default") << "/giveaways" << 200;
    QTest::newRow("no such subject") << "/statistics?subject=salaries" << 400;
    QTest::newRow("no such grouping") << "/statistics?by=%27%3B--" << 400;
    QTest::newRow("31 February") << "/statistics?from=2026-02-31" << 400;
    QTest::newRow("not a date") << "/statistics?from=1e-50" << 400;
    QTest::newRow("huge year") << "/giveaways?to=99999999-01-01" << 400;
    QTest::newRow("year 1900") << "/giveaways?from=1900-01-01" << 400;
    QTest::newRow("from after to") << "/giveaways?from=2026-12-06&to=2026-12-01" << 400;
    QTest::newRow("given twice") << "/statistics?from=2026-12-01&from=2026-12-02" << 400;
    QTest::newRow("empty month") << "/stock?month=" << 400;
    QTest::newRow("month 13") << "/stock?month=2026-13" << 400;
    QTest::newRow("quote in month") << "/stock?month=2026-12%22%3E" << 400;
    QTest::newRow("no such page") << "/owner.css/../etc" << 404;
}

// A parameter that is there must be right: a 400 page says what was wrong
// and echoes nothing of the request as markup.
void TestOwnerPages::requestsRefused()
{
    QFETCH(QString, request);
    QFETCH(int, status);
    HallFixture f;
    QVERIFY(f.ready());
    const OwnerPages::Page page = get(f, request);
    QCOMPARE(page.status, status);
    QVERIFY(!page.body.contains("\">\""));
    if (status == 400)
        QVERIFY(page.body.contains("class=\"refusal\""));
}

void TestOwnerPages::valuesFromTheBooksStayText()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addTables(1));
    QVERIFY(f.hall.exec(QStringLiteral("UPDATE zhdy SET mc = ? WHERE zhao = 1"),
                        {QStringLiteral("<script>alert(1)</script>\"'&")}));
    QVERIFY(f.openVisit(1, today("19:00:00")));
    const OwnerPages::Page board = get(f, QStringLiteral("/"));
    QVERIFY(!board.body.contains("<script>alert"));
    QVERIFY(board.body.contains("&lt;script&gt;alert(1)&lt;/script&gt;&quot;'&amp;"));
    const QJsonArray rows = QJsonDocument::fromJson(get(f, QStringLiteral("/board.json")).body)
                                .object()
                                .value(QStringLiteral("rows"))
                                .toArray();
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("cells")).toArray().at(1).toString(),
             QStringLiteral("<script>alert(1)</script>\"'&"));

    // Two settled visits below the guest price, one by an operator whose
    // name must not become markup.
    for (const auto& [name, charged] : {std::pair{QStringLiteral("<b>li</b>"), 17.5}, {QStringLiteral("system"), 29.5}})
        QVERIFY(
            f.hall.exec(QStringLiteral("INSERT INTO waimxd (zhao, khao, ksrc, jsrc, sc, dj, dj1, je, je1, djid, rc, "
                                       "czyname, fkfs, dzbj) VALUES (1, '', '2026-12-05 10:00:00', "
                                       "'2026-12-05 11:00:00', 60, 30, 30, ?, 30, '1', '2026-12-05', ?, '现金', '1')"),
                        {charged, name}));
    const OwnerPages::Page giveaways = get(f, QStringLiteral("/giveaways?from=2026-12-01&to=2026-12-06"));
    QCOMPARE(giveaways.status, 200);
    QVERIFY(giveaways.body.contains("&lt;b&gt;li&lt;/b&gt;") && !giveaways.body.contains("<b>li"));
    QCOMPARE(amountAfter(giveaways.body, QStringLiteral("合计")), QStringLiteral("13.00"));

    const OwnerPages::Page login = OwnerPages::login(QStringLiteral("<i>密码不对</i>"));
    QVERIFY(login.body.contains("&lt;i&gt;密码不对") && login.body.contains("type=\"password\""));
    QVERIFY(OwnerPages::asset(QStringLiteral("/owner.js")).has_value());
    QVERIFY(!OwnerPages::asset(QStringLiteral("/../owner.js")).has_value());
}

QTEST_MAIN(TestOwnerPages)
#include "test_owner_pages.moc"
