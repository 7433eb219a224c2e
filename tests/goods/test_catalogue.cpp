#include "core/goods/CatalogueImport.h"
#include "core/goods/GoodsCatalogue.h"
#include "core/goods/GoodsCatalogueModel.h"
#include "core/goods/StockBalance.h"
#include "core/goods/StockBalanceReport.h"
#include "support/HallFixture.h"
#include "support/PdfText.h"
#include "ui/goods/CatalogueScreen.h"
#include "ui/goods/StockBalanceScreen.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using StockBalance::Grouping;

namespace {

// Documents written as "sr|zc date name count amount", separated by ";".
bool addDocuments(HallFixture& f, const QString& documents)
{
    for (const QString& document : documents.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QStringList p = document.trimmed().split(QLatin1Char(' '));
        const QString table = p[0] == QStringLiteral("sr") ? QStringLiteral("ckv_sr") : QStringLiteral("ckv_zc");
        if (!f.hall.exec(
                QStringLiteral("insert into %1 (rc, wlcode, count, amount, jzbj) values (?, ?, ?, ?, 1)").arg(table),
                {p[1].replace(QLatin1Char('_'), QLatin1Char(' ')), p[2], p[3].toDouble(), p[4].toDouble()}))
            return false;
    }
    return true;
}

bool addCatalogue(HallFixture& f)
{
    return f.hall.exec(QStringLiteral("insert into spzd (headcode, name, spdw) values ('002', '雪碧', '瓶'), "
                                      "('001', '可乐', '瓶')"));
}

QString figures(const StockBalance::Figures& values)
{
    QStringList texts;
    for (int f = 0; f < StockBalance::FigureCount; ++f)
        texts.append(stockFigure(values[std::size_t(f)], StockBalance::Figure(f)));
    return texts.join(QLatin1Char(' '));
}

// Lines as "name: figures", separated by "|".
QString lines(const StockBalance::Balance& balance)
{
    QStringList texts;
    for (const StockBalance::Line& line : balance.lines)
        texts.append(line.name + QStringLiteral(": ") + figures(line.figures));
    return texts.join(QLatin1Char('|'));
}

// Cola bought and partly sold before December, Sprite bought and sold in it.
const char* const December =
    "sr 2026-11-20 可乐 10 30; zc 2026-11-25 可乐 4 20; sr 2026-12-06 雪碧 24 48; zc 2026-12-31 雪碧 3 7.5";

int scratchRows(HallFixture& f)
{
    return f.value(QStringLiteral("select (select count(*) from sfjctemp) + (select count(*) from sfjctemp1)")).toInt();
}

} // namespace

// The goods catalogue: sales and the stock balance find goods by these rows,
// so what may reach them, and what must never be removed, is checked here;
// and the stock balance the documents add up to.
class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void codeCheck_data();
    void codeCheck();
    void enterChainSavesAndStartsTheNext();
    void protectedEntriesStay_data();
    void protectedEntriesStay();
    void closingDropsNamelessAndSetsFlags();
    void importTwiceAddsOnce();
    void findValuesAreBound_data();
    void findValuesAreBound();
    void balance_data();
    void balance();
    void scratchTablesStayEmpty();
    void screenShowsTheMonth();
    void reportAsPdf();

private:
    bool addEntry(const QString& code, const QVariant& name, int zzbj = 1);
    std::unique_ptr<HallFixture> m_hall;
};

bool TestCatalogue::addEntry(const QString& code, const QVariant& name, int zzbj)
{
    return m_hall->hall.exec(
        QStringLiteral("insert into spzd (headcode, name, spdw, spdj, zzbj) values (?, ?, '瓶', 5, ?)"),
        {code, name, zzbj});
}

void TestCatalogue::init()
{
    m_hall.reset(); // its message recorder must be gone before the next one is installed
    m_hall = std::make_unique<HallFixture>();
    QVERIFY2(m_hall->ready(), qPrintable(m_hall->error()));
}

void TestCatalogue::codeCheck_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("proposal");
    const auto row = [](const char* name, const QStringList& existing, const char* original, const char* refusal,
                        const char* proposal) {
        QTest::newRow(name) << existing << original << refusal << proposal;
    };
    row("empty catalogue", {}, "", "商品长度应为3", "1");
    row("past nine", {QStringLiteral("009")}, "", "编码长度超过定义总长度3", "0010");
    row("taken code", {QStringLiteral("003"), QStringLiteral("004")}, "", "商品编码重复！", "004");
    row("own code when editing", {QStringLiteral("002"), QStringLiteral("003")}, "003", "", "003");
}

// A new entry's code is proposed from the current row and checked as the
// operator's Enter in the code box checks it.
void TestCatalogue::codeCheck()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, original);
    QFETCH(QString, refusal);
    for (const QString& code : existing)
        QVERIFY(addEntry(code, code));
    const QString current = original.isEmpty() && !existing.isEmpty() ? existing.first() : original;
    const QString code = original.isEmpty() ? GoodsCode::proposed(current, existing.isEmpty()) : original;
    QTEST(code, "proposal");
    const GoodsCode::Checked checked = GoodsCode::check(m_hall->hall.db(), {}, code, original);
    QVERIFY(checked.result);
    QCOMPARE(checked.refusal.text, refusal);
}

void TestCatalogue::enterChainSavesAndStartsTheNext()
{
    QVERIFY(addEntry(QStringLiteral("001"), QStringLiteral("矿泉水")));
    CatalogueScreen screen(m_hall->hall.state);
    control<QAction>(&screen, QStringLiteral("Add"))->trigger();
    const auto box = [&screen](const char* name) {
        return control<QLineEdit>(&screen, QLatin1String(name));
    };
    QCOMPARE(box("codeBox")->text(), QStringLiteral("002"));
    const QList<std::pair<const char*, QString>> typing = {{"codeBox", QString()},
                                                           {"nameBox", QStringLiteral("可乐")},
                                                           {"mnemonicBox", QStringLiteral("kl")},
                                                           {"unitBox", QStringLiteral("罐")},
                                                           {"priceBox", QStringLiteral("6.5")},
                                                           {"memberReductionBox", QStringLiteral("1")},
                                                           {"guestReductionBox", QStringLiteral("0.5")}};
    for (const auto& [i, text] : typing) {
        if (!text.isEmpty())
            box(i)->setText(text);
        QTest::keyClick(box(i), Qt::Key_Return);
    }
    QCOMPARE(m_hall->messages.count(), 0);
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select spjm, spdj, sp_max, sp_mix from spzd where headcode = '002'")),
             QStringList{QStringLiteral("KL|6.5|1.0|0.5")});
    QCOMPARE(box("codeBox")->text(), QStringLiteral("003"));
    // A price that is not a plain amount never reaches the catalogue.
    box("codeBox")->setText(QStringLiteral("003"));
    box("nameBox")->setText(QStringLiteral("雪碧"));
    box("unitBox")->setText(QStringLiteral("罐"));
    box("priceBox")->setText(QStringLiteral("1e-50"));
    QTest::keyClick(box("guestReductionBox"), Qt::Key_Return);
    QCOMPARE(m_hall->messages.count(), 1);
    QCOMPARE(m_hall->value(QStringLiteral("select count(*) from spzd where headcode = '003'")), QVariant(0));
}

void TestCatalogue::protectedEntriesStay_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("category") << "010" << false;
    QTest::newRow("purchased by name") << "002" << false;
    QTest::newRow("purchased by code") << "003" << false;
    QTest::newRow("free item") << "004" << true;
}

void TestCatalogue::protectedEntriesStay()
{
    QFETCH(QString, code);
    QFETCH(bool, deleted);
    QVERIFY(addEntry(QStringLiteral("002"), QStringLiteral("可乐")));
    QVERIFY(addEntry(QStringLiteral("003"), QStringLiteral("雪碧")));
    QVERIFY(addEntry(QStringLiteral("004"), QStringLiteral("红牛")));
    QVERIFY(addEntry(QStringLiteral("010"), QStringLiteral("饮料"), 0));
    // A purchase keeps what the goods box held: the name after a lookup.
    QVERIFY(m_hall->hall.exec(QStringLiteral("insert into ckv_sr (wlcode, count, price, amount) values "
                                             "('可乐', 10, 3, 30), ('003', 5, 2, 10)")));
    {
        CatalogueScreen screen(m_hall->hall.state);
        auto* dele = control<QAction>(&screen, QStringLiteral("Dele"));
        for (int row = 0;; ++row) {
            auto* view = screen.findChild<QAbstractItemView*>(QStringLiteral("codeList"));
            QVERIFY(row < view->model()->rowCount());
            if (view->model()->index(row, 0).data().toString() == code) {
                view->setCurrentIndex(view->model()->index(row, 0));
                break;
            }
        }
        QCOMPARE(dele->isEnabled(), deleted);
        QCOMPARE(control<QLineEdit>(&screen, QStringLiteral("codeBox"))->text(), code);
    }
    const GoodsCatalogue::Removal removal = GoodsCatalogue::remove(m_hall->hall.db(), code);
    QVERIFY(removal.result);
    QCOMPARE(removal.refusal.isEmpty(), deleted);
    QCOMPARE(m_hall->value(QStringLiteral("select count(*) from spzd where headcode = ?"), {code}).toInt(),
             deleted ? 0 : 1);
}

void TestCatalogue::closingDropsNamelessAndSetsFlags()
{
    QVERIFY(addEntry(QStringLiteral("001"), QVariant(), 0));
    QVERIFY(addEntry(QStringLiteral("002"), QStringLiteral("  "), 0));
    QVERIFY(addEntry(QStringLiteral("003"), QStringLiteral("可乐"), 0));
    QVERIFY(addEntry(QStringLiteral("004"), QStringLiteral("饮料"), 0));
    QVERIFY(addEntry(QStringLiteral("004001"), QStringLiteral("橙汁"), 0));
    {
        CatalogueScreen screen(m_hall->hall.state);
        screen.reject();
    }
    QCOMPARE(m_hall->hall
                 .rows(QStringLiteral("select headcode || ':' || zzbj || ':' || coalesce(point_h || '', '-') from spzd "
                                      "order by headcode"))
                 .join(QLatin1Char(' ')),
             QStringLiteral("003:1:1 004:0:1 004001:1:-"));
}

void TestCatalogue::importTwiceAddsOnce()
{
    QVERIFY(m_hall->hall.exec(QStringLiteral("insert into spfl99 (sort, name, bm_sort, bm_name) values "
                                             "(' 01 ', '饮料', '1', '吧台'), ('02', '零食', '1', '吧台')")));
    QVERIFY(m_hall->hall.exec(QStringLiteral("insert into spml99 (headcode, speccode, name, unit, handcode) values "
                                             "('01', 'x1', '可乐', '罐', 'KL'), ('02', 'x1', '薯片', '袋', 'SP')")));
    QVERIFY(m_hall->hall.exec(QStringLiteral("insert into bmzd99 (sort, name) values ('1', '吧台')")));
    const QList<std::pair<int, int>> expected = {{4, 1}, {0, 0}};
    for (const auto& [goods, departments] : expected) {
        const CatalogueImport::Imported imported = CatalogueImport::run(m_hall->hall.db());
        QVERIFY2(imported.result, qPrintable(imported.result.message()));
        QCOMPARE(imported.goods, goods);
        QCOMPARE(imported.departments, departments);
    }
    QCOMPARE(m_hall->hall.rows(QStringLiteral("select headcode from spzd order by headcode")).join(QLatin1Char(' ')),
             QStringLiteral("01 011 02 021"));
    QVERIFY(m_hall->hall.dropTable(QStringLiteral("spml99")));
    const CatalogueImport::Imported missing = CatalogueImport::run(m_hall->hall.db());
    QVERIFY(missing.result);
    QVERIFY(missing.refusal.text.contains(QStringLiteral("spml99")));
}

void TestCatalogue::findValuesAreBound_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("rows");
    // Typed quotes reach the same condition in test_bad_text's lookups.
    QTest::newRow("name") << QStringLiteral("可乐") << QString() << 1;
    QTest::newRow("code range") << QString() << QStringLiteral("002") << 2;
}

void TestCatalogue::findValuesAreBound()
{
    QFETCH(QString, name);
    QFETCH(QString, from);
    for (const char* code : {"001", "002", "003"})
        QVERIFY(addEntry(QLatin1String(code),
                         code == QByteArray("002") ? QStringLiteral("可乐") : QString::fromLatin1(code)));
    GoodsCatalogueModel model(nullptr, m_hall->hall.db());
    model.setCondition(GoodsCatalogue::findCondition(QString(), from, QString(), name));
    QVERIFY(model.select());
    QTEST(model.rowCount(), "rows");
}

// The period is December 2026 throughout.
void TestCatalogue::balance_data()
{
    QTest::addColumn<QString>("documents");
    QTest::addColumn<bool>("includeZero");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("totals");

    const auto row = [](const char* name, const char* documents, bool includeZero, const char* expected,
                        const char* totals) {
        QTest::newRow(name) << documents << includeZero << expected << totals;
    };
    row("opening from documents before the period", "sr 2026-11-20 可乐 10 30; zc 2026-11-25 可乐 4 20", false,
        "可乐: 6.00 10.00 0.00 0.00 0.00 0.00 6.00 10.00", "6.00 10.00 0.00 0.00 0.00 0.00 6.00 10.00");
    row("both ends of the period inside, the next day outside",
        "sr 2026-12-01 可乐 5 15; zc 2026-12-31 可乐 2 8; zc 2026-12-31_18:30:00 可乐 1 4; zc 2027-01-01 可乐 1 4; "
        "sr 2026-11-30 雪碧 1 2.5",
        false, "可乐: 0.00 0.00 5.00 15.00 3.00 12.00 2.00 3.00|雪碧: 1.00 2.50 0.00 0.00 0.00 0.00 1.00 2.50",
        "1.00 2.50 5.00 15.00 3.00 12.00 3.00 5.50");
    row("zero closing left out, also from binary fractions",
        "sr 2026-11-02 可乐 10 30; zc 2026-12-02 可乐 10 30; sr 2026-12-03 雪碧 1 0.1; sr 2026-12-03 雪碧 1 0.2; "
        "zc 2026-12-04 雪碧 2 0.3",
        false, "", "10.00 30.00 2.00 0.30 12.00 30.30 0.00 0.00");
    row("zero closing shown when asked", "sr 2026-11-02 可乐 10 30; zc 2026-12-02 可乐 10 30", true,
        "可乐: 10.00 30.00 0.00 0.00 10.00 30.00 0.00 0.00", "10.00 30.00 0.00 0.00 10.00 30.00 0.00 0.00");
    row("a name the catalogue does not know has no line but counts", "sr 2026-12-05 可乐 2 6; sr 2026-12-05 旧可乐 1 3",
        false, "可乐: 0.00 0.00 2.00 6.00 0.00 0.00 2.00 6.00", "0.00 0.00 3.00 9.00 0.00 0.00 3.00 9.00");
}

void TestCatalogue::balance()
{
    QFETCH(QString, documents);
    QFETCH(bool, includeZero);
    QFETCH(QString, totals);
    HallFixture& f = *m_hall;
    QVERIFY(addCatalogue(f));
    QVERIFY(addDocuments(f, documents));

    const ResultOf<StockBalance::Balance> result =
        StockBalance::compute(f.hall.db(), QDate(2026, 12, 1), QDate(2026, 12, 31), Grouping::ByStore, includeZero);
    QVERIFY2(result, qPrintable(result.result().message()));
    QVERIFY(result->anyBusiness);
    QTEST(lines(*result), "expected");
    QCOMPARE(figures(result->totals), totals);
}

// A run that fails half-way, and one after rows an older program left
// behind: neither leaves rows, and the stale rows count for nothing.
void TestCatalogue::scratchTablesStayEmpty()
{
    HallFixture& f = *m_hall;
    QVERIFY(addCatalogue(f));
    QVERIFY(addDocuments(f, QStringLiteral("sr 2026-11-20 可乐 10 30; zc 2026-11-25 可乐 4 20")));
    const QDate start(2026, 12, 1);
    const QDate end(2026, 12, 31);

    QVERIFY(f.hall.refuse(QStringLiteral("injected"), QStringLiteral("after insert on sfjctemp1"),
                          QStringLiteral("injected failure")));
    const ResultOf<StockBalance::Balance> failed =
        StockBalance::compute(f.hall.db(), start, end, Grouping::ByStore, true);
    QVERIFY(!failed);
    QVERIFY(failed.result().message().contains(QStringLiteral("injected failure")));
    QCOMPARE(scratchRows(f), 0);

    QVERIFY(f.hall.allow(QStringLiteral("injected")));
    QVERIFY(f.hall.exec(QStringLiteral("insert into sfjctemp (headcode, jysl, jyje) values ('可乐', 100, 300)")));
    ResultOf<StockBalance::Balance> result = StockBalance::compute(f.hall.db(), start, end, Grouping::ByStore, true);
    QVERIFY2(result, qPrintable(result.result().message()));
    QCOMPARE(lines(*result), QStringLiteral("可乐: 6.00 10.00 0.00 0.00 0.00 0.00 6.00 10.00"));
    QCOMPARE(scratchRows(f), 0);

    result = StockBalance::compute(f.hall.db(), start, end, Grouping::ByCategory, true);
    QVERIFY2(result, qPrintable(result.result().message()));
    QVERIFY(!result->anyBusiness);
    QCOMPARE(scratchRows(f), 0);
}

// Opened on the business date's month, a run fills the grid and the total
// boxes; "按商品分类" finds nothing, says so and keeps what was shown.
void TestCatalogue::screenShowsTheMonth()
{
    HallFixture& f = *m_hall;
    QVERIFY(addCatalogue(f));
    QVERIFY(addDocuments(f, QString::fromUtf8(December)));
    StockBalanceScreen screen(f.hall.state);
    QCOMPARE(control<QDateEdit>(&screen, QStringLiteral("startDate"))->date(), QDate(2026, 12, 1));
    QCOMPARE(control<QDateEdit>(&screen, QStringLiteral("endDate"))->date(), QDate(2026, 12, 31));

    control<QAction>(&screen, QStringLiteral("Find"))->trigger();
    auto* grid = control<QTableWidget>(&screen, QStringLiteral("balanceGrid"));
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("雪碧"));
    QCOMPARE(grid->item(1, 8)->text(), QStringLiteral("40.50"));
    QStringList boxes;
    for (const char* name : {"openingCountTotal", "inCountTotal", "outCountTotal", "closingCountTotal",
                             "openingAmountTotal", "inAmountTotal", "outAmountTotal", "closingAmountTotal"})
        boxes.append(control<QLineEdit>(&screen, QLatin1String(name))->text());
    QCOMPARE(boxes.join(QLatin1Char(' ')), QStringLiteral("6.00 24.00 3.00 27.00 10.00 48.00 7.50 50.50"));
    QCOMPARE(f.messages.count(), 0);

    control<QRadioButton>(&screen, QStringLiteral("byCategoryButton"))->setChecked(true);
    control<QAction>(&screen, QStringLiteral("Find"))->trigger();
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("本月无业务发生！")});
    QCOMPARE(grid->rowCount(), 2);
}

// The balance on paper, read back from the PDF's text with its totals.
void TestCatalogue::reportAsPdf()
{
    HallFixture& f = *m_hall;
    QVERIFY(addCatalogue(f));
    QVERIFY(addDocuments(f, QString::fromUtf8(December)));
    const ResultOf<StockBalance::Balance> balance =
        StockBalance::compute(f.hall.db(), QDate(2026, 12, 1), QDate(2026, 12, 31), Grouping::ByStore, false);
    QVERIFY2(balance, qPrintable(balance.result().message()));
    const QString text = pdfText(stockBalanceReport(*balance, QDate(2026, 12, 1), QDate(2026, 12, 31)));
    const QStringList totalsLine = text.split(QLatin1Char('\n')).filter(QStringLiteral("合计"));
    QVERIFY2(totalsLine.size() == 1, qPrintable(text));
    QCOMPARE(totalsLine.first().simplified(), QStringLiteral("合计 6.00 10.00 24.00 48.00 3.00 7.50 27.00 50.50"));
    for (const QString& drawn : {QStringLiteral("收发结存表"), QStringLiteral("2026-12-01 至 2026-12-31"),
                                 QStringLiteral("002"), QStringLiteral("雪碧"), QStringLiteral("40.50")})
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" is not in:\n") + text));
}

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
