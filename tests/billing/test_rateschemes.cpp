#include "core/billing/BandStore.h"
#include "core/billing/RateSchemes.h"
#include "support/HallFixture.h"
#include "ui/billing/RateBandsScreen.h"
#include "ui/billing/RateSchemesScreen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString DayAndEvening = QStringLiteral("7@08:00:00-18:00:00=8/10;8@18:00:00-23:59:00=12/15");

// A table's bands in id order, as "08:00:00-18:00:00=8.0/10.0x1.0;...".
QString bandsOf(HallFixture& hall, int zhao)
{
    QStringList bands = hall.hall.rows(
        QStringLiteral("select kssj, jssj, hybz, fhybz, jfdw from jfbz where zhao=? order by id"), {zhao});
    for (QString& band : bands) {
        const QStringList f = band.split(QLatin1Char('|'));
        band = QStringLiteral("%1-%2=%3/%4x%5").arg(f.value(0), f.value(1), f.value(2), f.value(3), f.value(4));
    }
    return bands.join(QLatin1Char(';'));
}

} // namespace

// The rate bands and schemes: a band checked against its neighbours before
// it is saved, a scheme given to tables whole or not at all, and the two
// editors that do it.
class RateSchemesTest : public QObject
{
    Q_OBJECT

private slots:
    void bandCheckedBeforeSaving_data();
    void bandCheckedBeforeSaving();
    void assignment_data();
    void assignment();
    void olderFileGainsFirstScheme();
    void typedBandSavedOnlyWhenChecked_data();
    void typedBandSavedOnlyWhenChecked();
    void checkedTablesGetTheScheme();
};

void RateSchemesTest::bandCheckedBeforeSaving_data()
{
    QTest::addColumn<QVariant>("id");
    QTest::addColumn<QStringList>("typed"); // table, member, non-member, start, end, units
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("table3");

    const QString unchanged = QStringLiteral("08:00:00-18:00:00=8.0/10.0x1.0;18:00:00-23:59:00=12.0/15.0x1.0");
    const auto row = [](const char* name, const QVariant& id, const char* typed, const char* refusal,
                        const QString& table3) {
        QTest::newRow(name) << id << QString::fromUtf8(typed).split(QLatin1Char('|')) << QString::fromUtf8(refusal)
                            << table3;
    };
    row("overlaps the day band", {}, "3|9|9|17:00|19:00|1", "08:00:00-18:00:00（编号 7）", unchanged);
    row("inside the evening band", {}, "3|9|9|20:00|21:00|1", "18:00:00-23:59:00（编号 8）", unchanged);
    row("moved onto its neighbour", 7, "3|8|10|08:00|19:00|1", "（编号 8）", unchanged);
    row("start after end", {}, "3|9|9|23:59:30|00:01|1", "开始时间必须早于结束时间", unchanged);
    row("not a time of day", {}, "3|9|9|24:00|23:59:59|1", "一天中的时间", unchanged);
    row("negative rate", {}, "3|-5|9|00:01|08:00|1", "0 到 100000", unchanged);
    row("rate not a number", {}, "3|8|1e-50|00:01|08:00|1", "0 到 100000", unchanged);
    row("no units", {}, "3|8|9|00:01|08:00|0", "计费单位", unchanged);
    row("part of a unit", {}, "3|8|9|00:01|08:00|1.5", "计费单位", unchanged);
    row("table not a number", {}, "三|8|9|00:01|08:00|1", "台号", unchanged);
    row("meets both neighbours", {}, "3|6.5|7.25|00:01|08:00|1", "",
        QStringLiteral("08:00:00-18:00:00=8.0/10.0x1.0;18:00:00-23:59:00=12.0/15.0x1.0;"
                       "00:01:00-08:00:00=6.5/7.25x1.0"));
    row("its own span widened", 7, "3|8|10|07:00|18:00|1", "",
        QStringLiteral("07:00:00-18:00:00=8.0/10.0x1.0;18:00:00-23:59:00=12.0/15.0x1.0"));
}

void RateSchemesTest::bandCheckedBeforeSaving()
{
    QFETCH(QVariant, id);
    QFETCH(QStringList, typed);
    QFETCH(QString, refusal);

    HallFixture hall;
    QVERIFY(hall.ready() && hall.addTables(4) && hall.hall.exec(QStringLiteral("delete from jfbz where zhao=3")) &&
            hall.addBands(3, DayAndEvening));
    TypedBand band{id, typed.at(0), typed.at(1), typed.at(2), typed.at(3), typed.at(4), typed.at(5)};
    const ResultOf<QString> refused = BandStore::tables(hall.hall.db()).save(band);
    QVERIFY2(refused, qPrintable(refused.result().message()));
    QVERIFY2(refusal.isEmpty() ? refused->isEmpty() : refused->contains(refusal), qPrintable(*refused));
    QTEST(bandsOf(hall, 3), "table3");
}

void RateSchemesTest::assignment_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("assigned");

    QTest::newRow("replaces every band") << QStringLiteral("夜场") << QString() << true;
    QTest::newRow("second table fails") << QStringLiteral("夜场") << QStringLiteral("before insert on jfbz") << false;
    QTest::newRow("scheme without bands") << QStringLiteral("无此方案") << QString() << false;
}

// Table 2 has five bands, table 4 one; both get the scheme, table 3 not.
void RateSchemesTest::assignment()
{
    QFETCH(QString, scheme);
    QFETCH(QString, trigger);
    QFETCH(bool, assigned);

    HallFixture hall;
    QVERIFY(hall.ready() && hall.addTables(4) && hall.hall.exec(QStringLiteral("delete from jfbz where zhao=2")) &&
            hall.addBands(2, QStringLiteral("00:01:00-08:00:00=5/6;08:00:00-12:00:00=8/10;12:00:00-18:00:00=9/11;"
                                            "18:00:00-22:00:00=12/15;22:00:00-23:59:00=14/18")));
    QVERIFY(hall.hall.exec(QStringLiteral("insert into jfbzfa(name, lx, kssj, jssj, hybz, fhybz) values "
                                          "('夜场', '标准', '18:00:00', '23:59:00', 12, 15), "
                                          "('夜场', '标准', '00:01:00', '18:00:00', 8.5, 10)")));
    if (!trigger.isEmpty())
        QVERIFY(hall.hall.refuse(QStringLiteral("fail"), trigger, QStringLiteral("disk on fire"),
                                 QStringLiteral("new.zhao=4")));
    const QStringList before = {bandsOf(hall, 2), bandsOf(hall, 3), bandsOf(hall, 4)};

    const ResultOf<QString> refusal = RateSchemes::assign(hall.hall.db(), scheme, {2, 4});
    QCOMPARE(refusal && refusal->isEmpty(), assigned);
    const QString schemeBands = QStringLiteral("18:00:00-23:59:00=12.0/15.0x1.0;00:01:00-18:00:00=8.5/10.0x1.0");
    const QStringList expected = assigned ? QStringList{schemeBands, before.at(1), schemeBands} : before;
    QCOMPARE((QStringList{bandsOf(hall, 2), bandsOf(hall, 3), bandsOf(hall, 4)}), expected);
}

void RateSchemesTest::olderFileGainsFirstScheme()
{
    HallFixture hall;
    QVERIFY(hall.ready() && hall.addTables(1) && hall.hall.exec(QStringLiteral("delete from jfbz")) &&
            hall.addBands(1, DayAndEvening) && hall.hall.dropTable(QStringLiteral("jfbzfa")));
    QVERIFY(RateSchemes::upgrade(hall.hall.db()));
    QVERIFY(RateSchemes::upgrade(hall.hall.db()));
    const ResultOf<QList<TypedBand>> rows = BandStore::scheme(hall.hall.db(), RateSchemes::FirstScheme).load();
    QVERIFY(rows);
    QCOMPARE(rows->size(), 2);
    QCOMPARE(rows->at(1).start + rows->at(1).end + rows->at(1).nonMemberRate, QStringLiteral("18:00:0023:59:0015.00"));
}

void RateSchemesTest::typedBandSavedOnlyWhenChecked_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("bandsOfTable2");

    QTest::newRow("meets the evening band") << QStringLiteral("18:00") << QString() << 3;
    QTest::newRow("runs into the evening band") << QStringLiteral("19:00") << QStringLiteral("（编号 8）") << 2;
}

// A new band for table 2 typed into the grid, its end still in the open cell
// when the operator saves.
void RateSchemesTest::typedBandSavedOnlyWhenChecked()
{
    QFETCH(QString, end);
    QFETCH(QString, refusal);

    HallFixture hall;
    QVERIFY(hall.ready() && hall.addTables(1) &&
            hall.addBands(2, QStringLiteral("7@08:00:00-12:00:00=8/10;8@18:00:00-23:59:00=12/15")));
    RateBandsScreen screen(hall.hall.state);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* grid = control<QTableView>(&screen, QStringLiteral("DataGrid1"));
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("addButton")), Qt::LeftButton);
    const int row = grid->model()->rowCount() - 1;
    const QStringList typed = {QStringLiteral("2"), QStringLiteral("9"), QStringLiteral("11"), QStringLiteral("12:00")};
    for (int column = 0; column < typed.size(); ++column)
        grid->model()->setData(grid->model()->index(row, column), typed.at(column));
    grid->setCurrentIndex(grid->model()->index(row, 4));
    grid->edit(grid->currentIndex());
    auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(cell);
    cell->setText(end);

    auto* save = control<QPushButton>(&screen, QStringLiteral("saveButton"));
    QTest::mouseClick(save, Qt::LeftButton);
    QTEST(hall.value(QStringLiteral("select count(*) from jfbz where zhao=2")).toInt(), "bandsOfTable2");
    QCOMPARE(save->isEnabled(), !refusal.isEmpty());
    if (!refusal.isEmpty())
        QVERIFY2(hall.messages.count() == 1 && hall.messages.last().text.contains(refusal),
                 qPrintable(hall.messages.texts().join(QLatin1Char('|'))));
}

void RateSchemesTest::checkedTablesGetTheScheme()
{
    HallFixture hall;
    QVERIFY(hall.ready() && hall.addTables(1, QStringLiteral("08:00:00-18:00:00=8/10")) &&
            hall.addBands(2, QStringLiteral("00:00:00-23:59:59=20/30")) &&
            hall.addBands(3, QStringLiteral("00:00:00-23:59:59=20/30")) &&
            hall.hall.exec(QStringLiteral("insert into zhdy(zhao, mc) values(2, '2号台'), (3, '3号台')")));
    RateSchemesScreen screen(hall.hall.state);
    control<QTabWidget>(&screen, QStringLiteral("SSTab1"))->setCurrentIndex(1);
    control<QTreeWidget>(&screen, QStringLiteral("tableList"))->topLevelItem(2)->setCheckState(0, Qt::Checked);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("assignSchemeButton")), Qt::LeftButton);

    QCOMPARE(hall.messages.texts(),
             (QStringList{QStringLiteral("标准方案1分配给选中台位吗？"), QStringLiteral("方案设定完成！")}));
    const QString bands = QStringLiteral("select kssj, jssj, fhybz from jfbz where zhao=? order by id");
    QCOMPARE(hall.hall.rows(bands, {2}), QStringList{QStringLiteral("00:00:00|23:59:59|30.0")});
    QCOMPARE(hall.hall.rows(bands, {3}), QStringList{QStringLiteral("08:00:00|18:00:00|10.0")});
}

QTEST_MAIN(RateSchemesTest)
#include "test_rateschemes.moc"
