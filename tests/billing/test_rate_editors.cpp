#include "support/HallFixture.h"
#include "ui/billing/RateBandsScreen.h"
#include "ui/billing/RateSchemesScreen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

class RateEditorsTest : public QObject
{
    Q_OBJECT

private slots:
    void typedBandSavedOnlyWhenChecked_data();
    void typedBandSavedOnlyWhenChecked();
    void checkedTablesGetTheScheme();
};

void RateEditorsTest::typedBandSavedOnlyWhenChecked_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("bandsOfTable2");

    QTest::newRow("meets the evening band") << QStringLiteral("18:00") << QString() << 3;
    QTest::newRow("runs into the evening band") << QStringLiteral("19:00") << QStringLiteral("（编号 8）") << 2;
}

// A new band for table 2 typed into the grid, its end still in the open cell
// when the operator saves.
void RateEditorsTest::typedBandSavedOnlyWhenChecked()
{
    QFETCH(QString, end);
    QFETCH(QString, refusal);
    QFETCH(int, bandsOfTable2);

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
    QCOMPARE(hall.value(QStringLiteral("select count(*) from jfbz where zhao=2")).toInt(), bandsOfTable2);
    QCOMPARE(save->isEnabled(), !refusal.isEmpty());
    if (!refusal.isEmpty())
        QVERIFY2(hall.messages.count() == 1 && hall.messages.last().text.contains(refusal),
                 qPrintable(hall.messages.texts().join(QLatin1Char('|'))));
}

void RateEditorsTest::checkedTablesGetTheScheme()
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

QTEST_MAIN(RateEditorsTest)
#include "test_rate_editors.moc"
