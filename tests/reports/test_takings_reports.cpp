#include "core/base/Messages.h"
#include "core/base/Schema.h"
#include "core/billing/Checkout.h"
#include "core/members/MemberRecord.h"
#include "core/members/MemberTopUp.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/reports/DayTakings.h"
#include "core/reports/ShiftHandOver.h"
#include "core/reports/TakingsReport.h"
#include "support/HallFixture.h"
#include "support/PdfText.h"
#include "ui/reports/DayReportScreen.h"
#include "ui/reports/ShiftReportScreen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The night the tests look at: the system operator's visits of the day and
// one of the day before never closed by a shift, another operator's visit,
// and goods paid by both, with one not yet paid.
bool addNight(HallFixture& f)
{
    return f.hall.exec(QStringLiteral(
               "INSERT INTO waimxd (zhao, ksrc, jsrc, sc1, dj, je, rc, czyname, dzbj) VALUES "
               "(2, '2026-12-06 19:45:00', '2026-12-06 21:15:00', '1:30', 30, 45.5, '2026-12-06', 'system', '1'), "
               "(1, '2026-12-06 12:30:00', '2026-12-06 14:30:00', '2:00', 15, 30, '2026-12-06', 'system', '1'), "
               "(3, '2026-12-06 18:00:00', '2026-12-06 19:00:00', '1:00', 20, 20, '2026-12-06', 'li', '1'), "
               "(4, '2026-12-05 23:20:00', '2026-12-05 23:50:00', '0:30', 24, 12, '2026-12-05', 'system', '1')")) &&
           f.hall.exec(
               QStringLiteral("INSERT INTO ckv_zc (rc, wlcode, count, price, amount, czyname, jzbj, dzbj) VALUES "
                              "('2026-12-06', '可乐', 2, 5, 10, 'system', 1, '1'), "
                              "('2026-12-06', '香烟', 1, 15.5, 15.5, 'li', 1, '1'), "
                              "('2026-12-06', '啤酒', 1, 8, 8, 'system', 0, NULL)"));
}

// The reconciliation marks of the visits and the goods, each in the order
// they were written: "1,1,1,1|1,1,".
QString marks(HallFixture& f)
{
    return f.hall.rows(QStringLiteral("SELECT dzbj FROM waimxd ORDER BY id")).join(QLatin1Char(',')) +
           QLatin1Char('|') + f.hall.rows(QStringLiteral("SELECT dzbj FROM ckv_zc ORDER BY id")).join(QLatin1Char(','));
}

void press(QWidget* screen, const char* key)
{
    control<QAction>(screen, QLatin1String(key))->trigger();
}

std::unique_ptr<QWidget> openScreen(HallFixture& f, const QString& name)
{
    if (name == QLatin1String("ShiftReportScreen"))
        return std::make_unique<ShiftReportScreen>(f.hall.state);
    return std::make_unique<DayReportScreen>(f.hall.state);
}

QString box(const QWidget* screen, const char* name)
{
    return control<QLineEdit>(screen, QLatin1String(name))->text();
}

// What a screen shows: each row's table and hours, then the three totals.
QString shown(const QWidget* screen)
{
    const QAbstractItemModel* rows = control<QTableView>(screen, QStringLiteral("MSGrid"))->model();
    QStringList cells;
    for (int row = 0; row < rows->rowCount(); ++row)
        cells.append(rows->index(row, 1).data().toString() + QLatin1Char(' ') + rows->index(row, 2).data().toString());
    for (const char* name : {"tableFeesEdit", "otherEdit", "totalEdit"})
        cells.append(QLatin1Char('=') + box(screen, name));
    return cells.join(QLatin1Char(','));
}

// The card money of the hand-over, "paid/credited/cash due".
QString cardMoney(const HallFixture& f)
{
    const ResultOf<ShiftHandOver::Figures> figures =
        ShiftHandOver::figures(f.hall.state.DbConn, f.hall.state.BusinessDate, f.hall.state.OperatorName);
    if (!figures)
        return QStringLiteral("failed");
    return QStringLiteral("%1/%2/%3").arg(figures->topUpsPaid).arg(figures->topUpsCredited).arg(figures->cashDue());
}

bool topUp(HallFixture& f, const char* card, const char* credited, const char* paid)
{
    return MemberTopUp::topUp(f.hall.state, {QLatin1String(card), QLatin1String(credited), QLatin1String(paid)})
        .refusal.isEmpty();
}

} // namespace

// The takings of a shift and of a day: what each screen lists and settles,
// the hand-over's figures, the slip and the report on paper.
class TestTakingsReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void settles_data();
    void settles();
    void listsAndTotals_data();
    void listsAndTotals();
    void everySaleOfABusyBarIsListed();
    void slipOnTheReceiptPrinter_data();
    void slipOnTheReceiptPrinter();
    void reportAsPdf();
    void figuresOfAHandBuiltShift();
    void cardMoneyCountsInOneShift();
    void olderFileKeepsItsTopUpsCounted();

private:
    QTemporaryDir m_settings;
};

// The screens find the receipt printer through the user's settings: the
// tests' own, in a folder of their own.
void TestTakingsReports::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void TestTakingsReports::settles_data()
{
    QTest::addColumn<QString>("settles"); // the screens whose "Add" is pressed, in turn
    QTest::addColumn<bool>("lastFails");  // the goods refuse the last settle's update
    QTest::addColumn<QString>("marks");
    const QString shiftClosed = QStringLiteral("2,2,1,2|2,1,");
    QTest::newRow("a shift takes its own paid rows of every date") << "ShiftReportScreen" << false << shiftClosed;
    QTest::newRow("a second shift settle changes nothing")
        << "ShiftReportScreen,ShiftReportScreen" << false << shiftClosed;
    QTest::newRow("a day settle before the shifts moves nothing") << "DayReportScreen" << false << "1,1,1,1|1,1,";
    QTest::newRow("the day takes what the shifts closed")
        << "ShiftReportScreen,DayReportScreen" << false << "3,3,1,3|3,1,";
    // The visits must not stay marked without their goods: the next settle
    // would split the night.
    QTest::newRow("a failed shift settle") << "ShiftReportScreen" << true << "1,1,1,1|1,1,";
    QTest::newRow("a failed day settle") << "ShiftReportScreen,DayReportScreen" << true << shiftClosed;
}

void TestTakingsReports::settles()
{
    QFETCH(QString, settles);
    QFETCH(bool, lastFails);
    QFETCH(QString, marks);
    HallFixture f;
    QVERIFY(f.ready() && addNight(f));
    const QStringList screens = settles.split(QLatin1Char(','));
    for (const QString& screen : screens) {
        if (lastFails && &screen == &screens.last())
            QVERIFY(f.hall.refuse(QStringLiteral("refuse"), QStringLiteral("before update on ckv_zc"),
                                  QStringLiteral("disk gone")));
        press(openScreen(f, screen).get(), "Add");
    }
    QCOMPARE(::marks(f), marks);
    QCOMPARE(f.messages.count(), screens.size());
    QCOMPARE(f.messages.last().icon, lastFails ? Messages::Icon::Critical : Messages::Icon::Information);
    if (!lastFails)
        QCOMPARE(f.messages.last().text, screens.last() == QLatin1String("ShiftReportScreen")
                                             ? QStringLiteral("当前营业员，账务已结清，可以下班了!")
                                             : QStringLiteral("当前营业日，账务已结清，可以下班了!"));
}

void TestTakingsReports::listsAndTotals_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QDateTime>("from"); // invalid: the screen as it opens
    QTest::addColumn<QDateTime>("to");   // invalid: no time range
    QTest::addColumn<QString>("shown");
    const QDateTime opened;
    QTest::newRow("shift: the operator's day in the order it ended")
        << "ShiftReportScreen" << opened << opened << "1 2:00,2 1:30,可乐 2.00,=75.5,=10,=85.5";
    QTest::newRow("day: every operator") << "DayReportScreen" << opened << opened
                                         << "1 2:00,3 1:00,2 1:30,可乐 2.00,香烟 1.00,=95.5,=25.5,=121";
    QTest::newRow("a range takes its last minute whole") << "DayReportScreen" << today("19:00:00") << today("21:15:00")
                                                         << "3 1:00,2 1:30,可乐 2.00,香烟 1.00,=95.5,=25.5,=121";
    QTest::newRow("a range over midnight: the totals stay with the date")
        << "DayReportScreen" << QDateTime(QDate(2026, 12, 5), QTime(23, 0)) << today("15:00:00")
        << "4 0:30,1 2:00,=12,=,=12";
    QTest::newRow("an empty day") << "DayReportScreen" << QDateTime(QDate(2026, 12, 7), QTime(0, 0)) << opened
                                  << "=,=,=0";
}

void TestTakingsReports::listsAndTotals()
{
    QFETCH(QString, screen);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(QString, shown);
    HallFixture f;
    QVERIFY(f.ready() && addNight(f));
    const std::unique_ptr<QWidget> opened = openScreen(f, screen);
    if (from.isValid()) {
        control<QCheckBox>(opened.get(), QStringLiteral("timeRangeCheck"))->setChecked(to.isValid());
        control<QDateTimeEdit>(opened.get(), QStringLiteral("fromEdit"))->setDateTime(from);
        if (to.isValid())
            control<QDateTimeEdit>(opened.get(), QStringLiteral("toEdit"))->setDateTime(to);
        press(opened.get(), "Find");
    }
    QCOMPARE(::shown(opened.get()), shown);
    QCOMPARE(f.messages.count(), 0);
}

// A bar's night has more sales than the list writes in one go: each is
// listed once, in the order sold, with its quantity.
void TestTakingsReports::everySaleOfABusyBarIsListed()
{
    HallFixture f;
    QVERIFY(f.ready());
    constexpr int Sales = 450;
    QVERIFY(f.hall.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                       "INSERT INTO ckv_zc (rc, wlcode, count, price, amount, czyname, jzbj) "
                                       "SELECT '2026-12-06', 'G' || i, i * 0.5, 2, i, 'system', 1 FROM n"),
                        {Sales}));
    QVERIFY(DayTakings::list(f.hall.db(), DayTakings::Filter{QDate(2026, 12, 6), QString(), std::nullopt}));
    QStringList expected;
    for (int i = 1; i <= Sales; ++i)
        expected.append(QStringLiteral("G%1|%2|%3.0").arg(i).arg(i * 0.5, 0, 'f', 2).arg(i));
    QCOMPARE(f.hall.rows(QStringLiteral("SELECT zhao, sc1, je FROM printbiao ORDER BY rowid")), expected);
}

void TestTakingsReports::slipOnTheReceiptPrinter_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("lines");
    QTest::newRow("an empty day has no column header")
        << "DayReportScreen" << QDate(2026, 12, 7)
        << "====星光台球日报====|2026-12-07  20:00:00|台位费：       元|其他费：       元|"
           "========================|合  计：      0 元| | | | ";
    QTest::newRow("a shift")
        << "ShiftReportScreen" << QDate(2026, 12, 6)
        << "=====星光台球对账单=====|2026-12-06  20:00:00|操作员： system|"
           "位号  时长  单价  金额|1     2:00   15   30|2     1:30   30   45.5|可乐     2.00   5   10|"
           "台位费：      75.5 元|其他费：      10 元|========================|合  计：      85.5 元|"
           "-----交班汇总-----|现金台费：  75.5 元|会员卡台费：  0 元|吧台商品：  10 元|台位商品：  0 元|"
           "会员充值实收：  0 元|会员充值到账：  0 元|未结台押金：  0 元|应有现金：  85.5 元| | | | ";
}

// Byte for byte as the printer gets them: reset, large type, then each line
// in the printer's modes, every one closed by CR LF.
void TestTakingsReports::slipOnTheReceiptPrinter()
{
    QFETCH(QString, screen);
    QFETCH(QDate, date);
    QFETCH(QString, lines);
    HallFixture f;
    QVERIFY(f.ready() && addNight(f));
    f.hall.state.BusinessDate = date;
    f.hall.state.params.companyName = QStringLiteral("星光");
    QTemporaryDir ports;
    const QString lpt1 = ports.filePath(QStringLiteral("LPT1.out"));
    QVERIFY(QFile(lpt1).open(QIODevice::WriteOnly));
    QSettings(QStringLiteral("Tavoro"), QStringLiteral("Tavoro")).setValue(QStringLiteral("printer_ports/LPT1"), lpt1);
    {
        const std::unique_ptr<QWidget> opened = openScreen(f, screen);
        control<QCheckBox>(opened.get(), QStringLiteral("slipPrinterCheck"))->setChecked(true);
        press(opened.get(), "print");
    } // closing the screen waits for its slip
    QByteArray expected("\x1B\x63\x01\r\n\x1B\x57\x02\r\n", 10);
    for (const QString& line : lines.split(QLatin1Char('|')))
        expected += RawReceiptPrinter::converted(line) + "\r\n";
    QFile printed(lpt1);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QCOMPARE(printed.readAll(), expected);
    QCOMPARE(f.messages.count(), 0);
}

// The day on paper, read back from the PDF's text: the operator, the rows
// and the three totals as the screen shows them.
void TestTakingsReports::reportAsPdf()
{
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC")));
    HallFixture f;
    QVERIFY(f.ready() && addNight(f));
    DayReportScreen screen(f.hall.state);
    const QAbstractItemModel* rows = control<QTableView>(&screen, QStringLiteral("MSGrid"))->model();
    const QString text =
        pdfText(takingsReport(DayTakings::rowTexts(*rows), box(&screen, "clerkEdit"), box(&screen, "tableFeesEdit"),
                              box(&screen, "otherEdit"), box(&screen, "totalEdit")))
            .simplified();
    for (const QString& drawn :
         {QStringLiteral("营业报告"), QStringLiteral("营业员：system"), QStringLiteral("香烟 1.00 15.5 15.5"),
          QStringLiteral("台位费用现金：95.5"), QStringLiteral("其他销费：25.5"), QStringLiteral("合 计：121")})
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" is not in:\n") + text));
}

// A shift worked through the program's own paths, beside rows not its money:
// another operator's, a settled shift's, an account opening, goods still open.
void TestTakingsReports::figuresOfAHandBuiltShift()
{
    HallFixture f;
    auto& state = f.hall.state;
    QVERIFY(f.ready() && f.addTables(5) &&
            f.addMember(QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡"), 0, 200) &&
            f.addMember(QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡")) &&
            f.openVisit(1, today("19:00:00")) && f.openVisit(2, today("19:30:00"), QStringLiteral("C1")) &&
            f.openVisit(3, today("19:00:00"), QStringLiteral("Y1")) &&
            f.openVisit(4, today("18:00:00"), QString(), 30, 0, 50.5) &&
            f.openVisit(5, today("19:45:00"), QString(), 30, 0, 20));
    // Sold as the documents screen sells: over the counter, or to a table.
    for (const QString& sale : QStringLiteral("2 可乐 10|5 啤酒 8| 香烟 12.35").split(QLatin1Char('|'))) {
        const QStringList v = sale.split(QLatin1Char(' '));
        QVERIFY(saveDocument(state, GoodsDocument::Kind::Sale,
                             typedDocument(state, v[1], QStringLiteral("1"), v[2], v[2], v[0]))
                    .done());
    }
    const QStringList cards{QString(), QStringLiteral("C1"), QStringLiteral("Y1")};
    for (int table = 1; table <= 3; ++table)
        QVERIFY(Checkout::settle(state, {QString::number(table), cards[table - 1], {}, QStringLiteral("0")}).settled());
    QVERIFY(topUp(f, "C1", "100", "89.99") && topUp(f, "Y1", "50", "50"));
    QVERIFY(f.hall.exec(QStringLiteral("INSERT INTO waimxd (zhao, jsrc, je, rc, czyname, fkfs, dzbj) VALUES "
                                       "(1, '2026-12-06 11:00:00', 40, '2026-12-06', 'system', '现金', '2'), "
                                       "(2, '2026-12-06 11:00:00', 25, '2026-12-06', 'system', '刷卡', '2'), "
                                       "(3, '2026-12-06 19:00:00', 20, '2026-12-06', 'li', '现金', '1')")) &&
            f.hall.exec(QStringLiteral("INSERT INTO ckv_zc (rc, wlcode, amount, czyname, zhao, jzbj, dzbj) VALUES "
                                       "('2026-12-06', '可乐', 6, 'system', NULL, 1, '2'), "
                                       "('2026-12-06', '可乐', 9, 'system', '1', 1, '2'), "
                                       "('2026-12-06', '香烟', 7, 'li', NULL, 1, '1'), "
                                       "('2026-12-06', '香烟', 3, 'li', '3', 1, '1')")) &&
            f.hall.exec(QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, kzje) VALUES "
                                       "('2026-12-06', 'li', 30, 0, '加款', 'Y1', 30), "
                                       "('2026-12-05', 'system', 60, 0, '加款', 'C1', 70), "
                                       "('2026-12-06', 'system', 200, 0, '开户', 'C1', NULL)")));
    ShiftReportScreen screen(f.hall.state);
    QStringList shown;
    for (int i = 0; i < 8; ++i)
        shown.append(control<QLineEdit>(&screen, QStringLiteral("HandOver_%1").arg(i))->text());
    // Cash fees: an hour each of the cash guest and of the card paying cash.
    QCOMPARE(shown.join(QLatin1Char(',')), QStringLiteral("50,15,12.35,10,139.99,150,70.5,282.84"));
}

// A card opened with money, edited twice (each edit records the whole
// balance again), and topped up before and after the operator settles the
// shift on the same business date: each amount counts once, in its shift.
void TestTakingsReports::cardMoneyCountsInOneShift()
{
    HallFixture f;
    auto& state = f.hall.state;
    QVERIFY(f.ready());
    MemberRecord::Typed member;
    member.card = QStringLiteral("N1");
    member.name = QStringLiteral("新会员");
    member.balance = QStringLiteral("200.05");
    member.cardType = QStringLiteral("现金卡");
    const MemberRecord::Opening opening{state.BusinessDate, state.OperatorName};
    QVERIFY(MemberRecord::save(state.DbConn, opening, member, QString()).done());
    member.name = QStringLiteral("改名");
    QVERIFY(MemberRecord::save(state.DbConn, opening, member, QStringLiteral("N1")).done());
    QVERIFY(topUp(f, "N1", "100", "89.99"));
    QCOMPARE(cardMoney(f), QStringLiteral("290.04/300.05/290.04"));

    QVERIFY(DayTakings::settleShift(state.DbConn, state.OperatorName));
    QCOMPARE(cardMoney(f), QStringLiteral("0/0/0"));
    QVERIFY(MemberRecord::save(state.DbConn, opening, member, QStringLiteral("N1")).done());
    QVERIFY(topUp(f, "N1", "50.5", "50.5"));
    QCOMPARE(cardMoney(f), QStringLiteral("50.5/50.5/50.5"));
    QCOMPARE(f.value(QStringLiteral("select yk from user_lb where khao='N1'")).toDouble(), 350.55);
}

// A file from before the shift mark: its top-ups of the day still count
// until the shift settles, and new ones are written with the mark.
void TestTakingsReports::olderFileKeepsItsTopUpsCounted()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addMember(QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡")));
    QVERIFY(f.hall.exec(QStringLiteral("alter table srmx drop column dzbj")));
    QVERIFY(f.hall.exec(QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, kzje) VALUES "
                                       "('2026-12-06', 'system', 30, 0, '加款', 'C1', 35), "
                                       "('2026-12-06', 'system', 80, 0, '开户', 'C1', NULL)")));
    const ResultOf<QStringList> added = Schema::addMissingColumns(f.hall.state.DbConn);
    QVERIFY2(added, qPrintable(added.result().message()));
    QCOMPARE(*added, QStringList{QStringLiteral("srmx.dzbj")});
    QVERIFY(topUp(f, "C1", "10", "10"));
    QCOMPARE(cardMoney(f), QStringLiteral("40/45/40"));
    const ResultOf<QStringList> addedAgain = Schema::addMissingColumns(f.hall.state.DbConn);
    QVERIFY(addedAgain && addedAgain->isEmpty());
}

QTEST_MAIN(TestTakingsReports)
#include "test_takings_reports.moc"
