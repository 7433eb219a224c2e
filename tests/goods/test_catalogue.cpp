#include "core/goods/CatalogueImport.h"
#include "core/goods/GoodsCatalogue.h"
#include "core/goods/GoodsCatalogueModel.h"
#include "support/HallFixture.h"
#include "ui/goods/CatalogueScreen.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QTest>

// The goods catalogue: sales and the stock balance find goods by these rows,
// so what may reach them, and what must never be removed, is checked here.
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
    QFETCH(QString, proposal);
    for (const QString& code : existing)
        QVERIFY(addEntry(code, code));
    const QString current = original.isEmpty() && !existing.isEmpty() ? existing.first() : original;
    const QString code = original.isEmpty() ? GoodsCode::proposed(current, existing.isEmpty()) : original;
    QCOMPARE(code, proposal);
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
    QFETCH(int, rows);
    for (const char* code : {"001", "002", "003"})
        QVERIFY(addEntry(QLatin1String(code),
                         code == QByteArray("002") ? QStringLiteral("可乐") : QString::fromLatin1(code)));
    GoodsCatalogueModel model(nullptr, m_hall->hall.db());
    model.setCondition(GoodsCatalogue::findCondition(QString(), from, QString(), name));
    QVERIFY(model.select());
    QCOMPARE(model.rowCount(), rows);
}

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
