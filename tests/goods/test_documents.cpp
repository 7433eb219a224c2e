#include "core/billing/Checkout.h"
#include "core/goods/DocumentNumber.h"
#include "core/goods/GoodsDocument.h"
#include "core/goods/GoodsLookup.h"
#include "support/HallFixture.h"
#include "ui/goods/GoodsDocumentsScreen.h"
#include "ui/goods/GoodsPickList.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using GoodsDocument::Kind;
Q_DECLARE_METATYPE(Messages::Answer)

class DocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_hall.reset(); }
    void numbersContinueFromTheLargest_data();
    void numbersContinueFromTheLargest();
    void typedRowsRefused_data();
    void typedRowsRefused();
    void counterSaleBookedOnce();
    void failureAfterBookingLeavesNothing();
    void saleToTableNeedsOpenVisit();
    void saleToTableSettledByCheckout();
    void settledSaleNeitherEditedNorDeleted();
    void lookup_data();
    void lookup();
    void helpListKeepsCents();
    void screenEntersCounterSale();
    void farDateAskedFirst_data();
    void farDateAskedFirst();

private:
    // Two beers for `amount`, over the counter or to the table.
    GoodsDocument::Typed sale(const QString& amount, const QString& table = QString())
    {
        return typedDocument(m_hall->hall.state, QStringLiteral("啤酒"), QStringLiteral("2"), {}, amount, table);
    }
    GoodsDocument::Saved save(Kind kind, const GoodsDocument::Typed& typed, qint64 editedId = 0)
    {
        return saveDocument(m_hall->hall.state, kind, typed, editedId);
    }
    qint64 count(const QString& table)
    {
        return m_hall->value(QStringLiteral("select count(*) from ") + table).toLongLong();
    }

    std::unique_ptr<HallFixture> m_hall;
};

void DocumentsTest::init()
{
    m_hall = std::make_unique<HallFixture>();
    QVERIFY2(m_hall->ready() && m_hall->addTables(3) &&
                 m_hall->hall.exec(QStringLiteral("insert into spzd (headcode, name, spjm, spdj, sp_max, sp_mix) "
                                                  "values ('101', '啤酒', 'PJ', 6.5, 0, 0)")),
             qPrintable(m_hall->error()));
}

void DocumentsTest::numbersContinueFromTheLargest_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("purchase") << Kind::Purchase;
    QTest::newRow("sale") << Kind::Sale;
}

void DocumentsTest::numbersContinueFromTheLargest()
{
    QFETCH(Kind, kind);
    const QString table = GoodsDocument::tableOf(kind);
    const auto next = [&] {
        const ResultOf<qint64> number = DocumentNumber::next(m_hall->hall.db(), table);
        return number ? *number : -1;
    };
    QCOMPARE(next(), 1);
    QList<qint64> ids;
    for (int i = 0; i < 3; ++i) {
        const GoodsDocument::Saved saved = save(kind, sale(QStringLiteral("1")));
        QVERIFY2(saved.done(), qPrintable(saved.result.message() + saved.refusal.text));
        ids.append(saved.id);
    }
    const QString remove = QStringLiteral("delete from ") + table + QStringLiteral(" where id=?");
    QVERIFY(m_hall->hall.exec(remove, {ids[1]}));
    QCOMPARE(next(), 4);
    QVERIFY(m_hall->hall.exec(remove, {ids[2]}));
    QCOMPARE(next(), 2);
}

void DocumentsTest::typedRowsRefused_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("no goods") << 2 << QStringLiteral(" ") << QStringLiteral("商品不能为空，请输入，再保存");
    QTest::newRow("no such day") << 1 << QStringLiteral("2026-02-30")
                                 << QStringLiteral("日期格式错误，请重新输入，再保存");
    QTest::newRow("comma") << 3 << QStringLiteral("8,5") << QStringLiteral("数量 请输入数字，请重新输入，再保存");
    QTest::newRow("negative quantity") << 3 << QStringLiteral("-2")
                                       << QStringLiteral("数量 请输入数字，请重新输入，再保存");
    QTest::newRow("exponent") << 4 << QStringLiteral("1e-50") << QStringLiteral("单价 请输入数字，请重新输入，再保存");
    QTest::newRow("sub-cent") << 5 << QStringLiteral("12.001") << QStringLiteral("金额 请输入数字，请重新输入，再保存");
    QTest::newRow("amount a cent above the bound")
        << 5 << QStringLiteral("100000.01") << QStringLiteral("金额 不能超过 100000，请重新输入，再保存");
}

// A refused row writes nothing, the counter's money least of all.
void DocumentsTest::typedRowsRefused()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    GoodsDocument::Typed typed = sale(QStringLiteral("12"));
    QString* const boxes[] = {nullptr, &typed.date, &typed.goods, &typed.count, &typed.price, &typed.amount};
    *boxes[box] = text;
    const GoodsDocument::Saved saved = save(Kind::Sale, typed);
    QVERIFY(saved.result);
    QTEST(saved.refusal.text, "message");
    QCOMPARE(saved.box, box);
    QCOMPARE(count(QStringLiteral("ckv_zc")) + count(QStringLiteral("srmx")), 0);
}

void DocumentsTest::counterSaleBookedOnce()
{
    QVERIFY(save(Kind::Sale, sale(QStringLiteral("12"))).done());
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select rc, czyname, je, js, xm, khao from srmx order by rowid")),
             QStringList{QStringLiteral("2026-12-06|system|12.0|0.0|商品现金|0000")});
    QCOMPARE(m_hall->hall.rows(
                 QStringLiteral("select dj_id, amount, jzbj, dzbj, fkfs, coalesce(zhao, '-') from ckv_zc order by id")),
             QStringList{QStringLiteral("1|12.0|1|1|现金|-")});
    // The list price of the moment, none for goods the catalogue does not name.
    GoodsDocument::Typed unlisted = sale(QStringLiteral("3"));
    unlisted.goods = QStringLiteral("白开水");
    QVERIFY(save(Kind::Sale, unlisted).done());
    QVERIFY(m_hall->hall.exec(QStringLiteral("update spzd set spdj=7")));
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select spdj from ckv_zc order by id")),
             (QStringList{QStringLiteral("6.5"), QString()}));
}

void DocumentsTest::failureAfterBookingLeavesNothing()
{
    QVERIFY(m_hall->hall.refuse(QStringLiteral("fail_sale"), QStringLiteral("before insert on ckv_zc"),
                                QStringLiteral("injected")));
    const GoodsDocument::Saved saved = save(Kind::Sale, sale(QStringLiteral("12")));
    QVERIFY(!saved.result);
    QVERIFY(saved.result.message().contains(QStringLiteral("injected")));
    QCOMPARE(count(QStringLiteral("srmx")), 0);
    QCOMPARE(count(QStringLiteral("ckv_zc")), 0);
}

void DocumentsTest::saleToTableNeedsOpenVisit()
{
    // Table 2 was open when the screen listed it and has been settled since.
    QVERIFY(m_hall->openVisit(2, today("19:00:00")));
    QVERIFY(Checkout::settle(m_hall->hall.state, {QStringLiteral("2"), {}, {}, QStringLiteral("0")}).settled());
    for (const QString& table : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("x")}) {
        const GoodsDocument::Saved saved = save(Kind::Sale, sale(QStringLiteral("12"), table));
        QVERIFY(saved.result);
        QCOMPARE(saved.refusal.text, table + QStringLiteral(" 号台已结账或未开台，不能记入该台！"));
    }
    QCOMPARE(count(QStringLiteral("ckv_zc")) + count(QStringLiteral("srmx")), 0);
}

void DocumentsTest::saleToTableSettledByCheckout()
{
    QVERIFY(m_hall->openVisit(1, today("19:00:00")));
    const qint64 visit = m_hall->value(QStringLiteral("select id from waimxd where zhao=1")).toLongLong();
    const GoodsDocument::Saved saved = save(Kind::Sale, sale(QStringLiteral("13"), QStringLiteral("1")));
    QVERIFY2(saved.done(), qPrintable(saved.result.message() + saved.refusal.text));
    QCOMPARE(m_hall->value(QStringLiteral("select zhao || '|' || hyid || '|' || jzbj || '|' || fkfs from ckv_zc"))
                 .toString(),
             QStringLiteral("1|%1|0|刷卡").arg(visit));
    QCOMPARE(count(QStringLiteral("srmx")), 0);

    const Checkout::Bill bill =
        Checkout::settle(m_hall->hall.state, {QStringLiteral("1"), {}, {}, QStringLiteral("0")});
    QVERIFY(bill.settled());
    QCOMPARE(bill.goods.size(), 1);
    QCOMPARE(bill.goods.first().id, saved.id);
    QCOMPARE(bill.goodsTotal, 13.0);
    QCOMPARE(m_hall->value(QStringLiteral("select jzbj || '|' || dzbj from ckv_zc")).toString(), QStringLiteral("1|1"));
}

// Its money has moved: changing or removing it would book the sale twice or lose it.
void DocumentsTest::settledSaleNeitherEditedNorDeleted()
{
    const GoodsDocument::Saved saved = save(Kind::Sale, sale(QStringLiteral("12")));
    QVERIFY(saved.done());
    const GoodsDocument::Saved edited = save(Kind::Sale, sale(QStringLiteral("20")), saved.id);
    QVERIFY(edited.result);
    QCOMPARE(edited.refusal.text, QString(GoodsDocument::SettledNoEdit));
    const ResultOf<bool> refused = GoodsDocument::remove(m_hall->hall.db(), Kind::Sale, saved.id);
    QVERIFY2(refused, qPrintable(refused.result().message()));
    QVERIFY(*refused);
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select count(*), sum(je) from srmx")),
             QStringList{QStringLiteral("1|12.0")});
    QCOMPARE(m_hall->value(QStringLiteral("select amount from ckv_zc")).toDouble(), 12.0);
}

void DocumentsTest::lookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("code") << QStringLiteral("101") << QStringLiteral("啤酒");
    QTest::newRow("mnemonic") << QStringLiteral("PJ") << QStringLiteral("啤酒");
    QTest::newRow("name") << QStringLiteral("啤酒") << QStringLiteral("啤酒");
    QTest::newRow("other") << QStringLiteral("102") << QString();
}

void DocumentsTest::lookup()
{
    QFETCH(QString, typed);
    const ResultOf<std::optional<GoodsLookup::Goods>> lookedUp = GoodsLookup::find(m_hall->hall.db(), typed);
    QVERIFY2(lookedUp, qPrintable(lookedUp.result().message()));
    const std::optional<GoodsLookup::Goods>& goods = *lookedUp;
    QTEST(goods ? goods->name : QString(), "found");
    if (goods)
        QCOMPARE(goods->price, 6.5);
}

void DocumentsTest::helpListKeepsCents()
{
    GoodsPickList list(m_hall->hall.db());
    control<QListView>(&list, QStringLiteral("goodsList"))
        ->setCurrentIndex(control<QListView>(&list, QStringLiteral("goodsList"))->model()->index(0, 0));
    control<QPushButton>(&list, QStringLiteral("okButton"))->click();
    QVERIFY(list.chosen());
    QCOMPARE(list.chosen()->price, 6.5);
    QCOMPARE(GoodsLookup::priceText(list.chosen()->price), QStringLiteral("6.5"));
}

namespace {

// A new document on the shown screen, its goods found by typing "PJ" and Enter.
void startWithBeer(GoodsDocumentsScreen& screen)
{
    screen.show();
    control<QAction>(&screen, QStringLiteral("Add"))->trigger();
    auto* goods = control<QLineEdit>(&screen, QStringLiteral("goodsBox"));
    QTest::keyClicks(goods, QStringLiteral("PJ"));
    QTest::keyClick(goods, Qt::Key_Return);
}

} // namespace

// The screen's own path: the code looked up on Enter, the amount following
// quantity and price, and the save booking the counter sale.
void DocumentsTest::screenEntersCounterSale()
{
    GoodsDocumentsScreen screen(m_hall->hall.state, Kind::Sale);
    startWithBeer(screen);
    QCOMPARE(control<QLineEdit>(&screen, QStringLiteral("goodsBox"))->text(), QStringLiteral("啤酒"));
    QCOMPARE(control<QLineEdit>(&screen, QStringLiteral("priceBox"))->text(), QStringLiteral("6.5"));
    auto* price = control<QLineEdit>(&screen, QStringLiteral("priceBox"));
    price->clear();
    QTest::keyClicks(price, QStringLiteral("2.5"));
    QTest::keyClicks(control<QLineEdit>(&screen, QStringLiteral("countBox")), QStringLiteral("3"));
    QCOMPARE(control<QLineEdit>(&screen, QStringLiteral("amountBox"))->text(), QStringLiteral("7.5"));
    control<QAction>(&screen, QStringLiteral("Save"))->trigger();
    QCOMPARE(m_hall->messages.count(), 0);
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select count, price, amount, jzbj from ckv_zc order by id")),
             QStringList{QStringLiteral("3.0|2.5|7.5|1")});
    QCOMPARE(m_hall->value(QStringLiteral("select je from srmx")).toDouble(), 7.5);
    // Saving starts the next document at once.
    QCOMPARE(control<QLineEdit>(&screen, QStringLiteral("numberBox"))->text(), QStringLiteral("2"));
}

void DocumentsTest::farDateAskedFirst_data()
{
    QTest::addColumn<int>("days"); // from the business date
    QTest::addColumn<bool>("asked");
    QTest::addColumn<Messages::Answer>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("30 days back") << -30 << false << Messages::Answer::No << true;
    QTest::newRow("31 days back, No") << -31 << true << Messages::Answer::No << false;
    QTest::newRow("tomorrow, No") << 1 << true << Messages::Answer::No << false;
    QTest::newRow("four years on, Yes") << 1461 << true << Messages::Answer::Yes << true;
}

// A slip of the year books stock into a period nobody looks at.
void DocumentsTest::farDateAskedFirst()
{
    QFETCH(int, days);
    QFETCH(bool, asked);
    QFETCH(Messages::Answer, answer);
    QFETCH(bool, saved);
    GoodsDocumentsScreen screen(m_hall->hall.state, Kind::Purchase);
    startWithBeer(screen);
    QTest::keyClicks(control<QLineEdit>(&screen, QStringLiteral("countBox")), QStringLiteral("2"));
    const QString date = m_hall->hall.state.BusinessDate.addDays(days).toString(Qt::ISODate);
    control<QLineEdit>(&screen, QStringLiteral("dateBox"))->setText(date);
    m_hall->messages.answerNext(answer);
    control<QAction>(&screen, QStringLiteral("Save"))->trigger();
    QCOMPARE(m_hall->messages.count(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(m_hall->messages.last().buttons, Messages::Buttons::YesNo);
        QCOMPARE(m_hall->messages.last().defaultAnswer, std::optional(Messages::Answer::No));
    }
    QCOMPARE(m_hall->value(QStringLiteral("select count(*) from ckv_sr where rc=?"), {date}).toInt(), saved ? 1 : 0);
}

QTEST_MAIN(DocumentsTest)
#include "test_documents.moc"
