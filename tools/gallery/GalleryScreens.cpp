#include "GalleryScreens.h"

#include "GalleryShift.h"
#include "app/MainWindow.h"
#include "app/SplashScreen.h"
#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/board/CheckoutReceipt.h"
#include "core/board/TableOpening.h"
#include "core/goods/CatalogueReport.h"
#include "core/goods/GoodsCatalogueModel.h"
#include "core/goods/StockBalance.h"
#include "core/goods/StockBalanceReport.h"
#include "core/members/ConsumptionDictionary.h"
#include "core/members/ConsumptionQuery.h"
#include "core/printing/BillReport.h"
#include "core/printing/Receipt.h"
#include "core/reports/DayTakings.h"
#include "core/reports/ListingReport.h"
#include "core/reports/PeriodChoice.h"
#include "core/reports/StatisticsReport.h"
#include "core/reports/TakingsReport.h"
#include "ui/admin/DatabaseFileDialog.h"
#include "ui/admin/DateDialog.h"
#include "ui/admin/HistoryClearingScreen.h"
#include "ui/admin/LockScreen.h"
#include "ui/admin/LoginScreen.h"
#include "ui/admin/OperatorAddDialog.h"
#include "ui/admin/OperatorLoadingNotice.h"
#include "ui/admin/OperatorLogScreen.h"
#include "ui/admin/OperatorRightsScreen.h"
#include "ui/admin/OwnerPasswordDialog.h"
#include "ui/admin/PasswordChangeDialog.h"
#include "ui/admin/PasswordDialog.h"
#include "ui/billing/RateBandsScreen.h"
#include "ui/billing/RateSchemesScreen.h"
#include "ui/board/BoardScreen.h"
#include "ui/board/DepositDialog.h"
#include "ui/board/HallSetupWizard.h"
#include "ui/board/ProvisionalBillScreen.h"
#include "ui/board/ReminderDialog.h"
#include "ui/board/TableDefinitionsScreen.h"
#include "ui/board/TableSwapDialog.h"
#include "ui/data/ParametersScreen.h"
#include "ui/goods/CatalogueScreen.h"
#include "ui/goods/GoodsDocumentsScreen.h"
#include "ui/goods/GoodsFindDialog.h"
#include "ui/goods/GoodsPickList.h"
#include "ui/goods/StockBalanceScreen.h"
#include "ui/members/ConsumptionDetailScreen.h"
#include "ui/members/ConsumptionTotalsScreen.h"
#include "ui/members/MemberFormScreen.h"
#include "ui/members/MemberListScreen.h"
#include "ui/members/TopUpDialog.h"
#include "ui/printing/ReportPreview.h"
#include "ui/program/AboutBox.h"
#include "ui/program/HelpWindow.h"
#include "ui/program/LanguageChoice.h"
#include "ui/reports/DayReportScreen.h"
#include "ui/reports/GoodsStatisticsScreen.h"
#include "ui/reports/IncomeStatisticsScreen.h"
#include "ui/reports/ShiftReportScreen.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

#include <cstdio>
#include <utility>

namespace {

// A screen made from the state alone, under its class name.
template <typename Screen>
GalleryScreen fromState(const char* name)
{
    return {QString::fromLatin1(name), [](GalleryContext& c) {
                return std::make_unique<Screen>(c.state);
            }};
}

// A goods document being entered: the first catalogue item, its quantity
// typed, the amount following.
std::unique_ptr<QWidget> goodsDocument(AppState& state, GoodsDocument::Kind kind, const QString& quantity)
{
    auto screen = std::make_unique<GoodsDocumentsScreen>(state, kind);
    if (auto* add = screen->findChild<QAction*>(QStringLiteral("Add")))
        add->trigger();
    QSqlQuery first(state.DbConn);
    if (first.exec(QStringLiteral("select name, spdj from spzd where name <> '' order by headcode limit 1")) &&
        first.next()) {
        screen->findChild<QLineEdit*>(QStringLiteral("goodsBox"))->setText(first.value(0).toString());
        screen->findChild<QLineEdit*>(QStringLiteral("priceBox"))->setText(first.value(1).toString());
    }
    screen->findChild<QLineEdit*>(QStringLiteral("countBox"))->setText(quantity);
    return screen;
}

// The set-up at one of its pages; the pages before it are skipped, which
// writes nothing to the demo hall.
GalleryScreen hallSetupAt(const char* name, HallSetupWizard::Page page)
{
    return {QString::fromLatin1(name), [page](GalleryContext& c) {
                auto wizard = std::make_unique<HallSetupWizard>(c.state);
                wizard->restart();
                while (wizard->currentId() != page)
                    wizard->skip();
                return wizard;
            }};
}

// An evening in the demo hall: some tables opened a while ago, cash guests
// and members, two of them past their reminder.
void openDemoTables(const AppState& state)
{
    struct Open
    {
        int table;
        const char* card;
        const char* password;
        int reminder;
        int minutesAgo;
    };
    const QList<Open> tables = {
        {1, "", "", 0, 95}, {3, "8000000001", "1001", 60, 47}, {5, "8000000005", "", 120, 130}, {6, "", "", 30, 12},
        {9, "", "", 0, 20}, {11, "8000000003", "1003", 60, 62}};
    for (const Open& open : tables) {
        const TableOpening::Request request{QString::number(open.table), QString::fromUtf8(open.card),
                                            QString::fromUtf8(open.password), QString::number(open.reminder),
                                            QStringLiteral("100")};
        const ResultOf<TableOpening::Opened> opened = TableOpening::openTable(state, request);
        Result result = opened.result();
        if (result)
            result = Sql::exec(state.DbConn,
                               QStringLiteral("update waimxd set ksrc=datetime(ksrc, ?) where zhao=? and jsrc is null"),
                               {QStringLiteral("-%1 minutes").arg(open.minutesAgo), open.table});
        if (!result || opened->outcome != TableOpening::Outcome::Opened)
            std::fprintf(stderr, "cannot open table %d of the demo hall: %s\n", open.table,
                         qUtf8Printable(result.message()));
    }
}

// The member at table 3 about to move, before or after the transfer-out.
std::unique_ptr<QWidget> boardTransferring(AppState& state, bool confirmed)
{
    auto screen = std::make_unique<MainWindow>(state);
    screen->applyLogin();
    screen->setWindowState(Qt::WindowMaximized);
    BoardScreen* board = screen->board();
    if (auto* grid = board->findChild<QTableView*>(QStringLiteral("boardGrid")))
        grid->setCurrentIndex(grid->model()->index(2, 0));
    board->runCommand(BoardCommand::Transfer);
    QWidget* panel = board->findChild<QWidget*>(QStringLiteral("transferPanel"));
    if (confirmed && panel)
        if (auto* out = panel->findChild<QPushButton*>(QStringLiteral("transferOutButton")))
            out->click();
    return screen;
}

// The provisional bill of a cash guest at table 2 since 17:10, across the
// evening rate, with two goods sold to the table and a deposit of 100:
// staged, quoted, and left as the demo hall has them.
std::unique_ptr<QWidget> provisionalBill(AppState& state)
{
    QSqlDatabase& db = state.DbConn;
    const QVariant start = DateText::dateTime(QDateTime(Clock::today(), QTime(17, 10)));
    const bool staged =
        db.transaction() && Sql::exec(db, QStringLiteral("update zhdy set sybj=1, fwfl=100 where zhao=2")) &&
        Sql::exec(db,
                  QStringLiteral("insert into waimxd (zhao, ksrc, dj, dj1, czyname) select zhao, ?, fhybz, fhybz, ? "
                                 "from jfbz where zhao=2 and kssj='08:00:00'"),
                  {start, state.OperatorName}) &&
        Sql::exec(db,
                  QStringLiteral("insert into ckv_zc (zhao, wlcode, count, price, amount, czyname, jzbj) "
                                 "select '2', name, 2, spdj, 2 * spdj, ?, 0 from spzd where name <> '' "
                                 "order by headcode limit 2"),
                  {state.OperatorName});
    const Checkout::Bill bill =
        Checkout::quote(state, {QStringLiteral("2"), QString(), QString(), QStringLiteral("0")});
    if (!staged || bill.outcome != Checkout::Outcome::Quoted)
        std::fprintf(stderr, "cannot quote a visit in the demo hall: %s\n", qUtf8Printable(bill.error.message()));
    auto screen = std::make_unique<ProvisionalBillScreen>(provisionalReceipt(state, bill, 100));
    db.rollback();
    return screen;
}

} // namespace

// A statistics screen showing this month, grouped by its item when asked.
template <typename Screen>
std::unique_ptr<QWidget> statisticsOfMonth(AppState& state, bool byItem)
{
    auto screen = std::make_unique<Screen>(state);
    if (byItem) {
        if (auto* option = screen->template findChild<QRadioButton*>(QStringLiteral("Option2")))
            option->setChecked(true);
    }
    if (auto* kind = screen->template findChild<QComboBox*>(QStringLiteral("CmdKind"))) {
        kind->setCurrentIndex(int(PeriodChoice::Kind::ThisMonth));
        emit kind->activated(kind->currentIndex());
    }
    return screen;
}

QList<GalleryScreen> galleryScreens()
{
    return {
        {QStringLiteral("SplashScreen"),
         [](GalleryContext&) {
             return std::make_unique<SplashScreen>();
         }},
        fromState<LoginScreen>("LoginScreen"),
        {QStringLiteral("DatabaseFileDialog"),
         [](GalleryContext& c) {
             return std::make_unique<DatabaseFileDialog>(c.settings, c.state.DbConn);
         }},
        fromState<ParametersScreen>("ParametersScreen"),
        {QStringLiteral("MainWindow"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<MainWindow>(c.state);
             screen->applyLogin();
             screen->setWindowState(Qt::WindowMaximized);
             return screen;
         }},
        {QStringLiteral("BoardScreen"),
         [](GalleryContext& c) {
             openDemoTables(c.state);
             auto screen = std::make_unique<MainWindow>(c.state);
             screen->applyLogin();
             screen->setWindowState(Qt::WindowMaximized);
             // The member's table at 3 selected, as the operator would with the arrow keys.
             if (auto* grid = screen->board()->findChild<QTableView*>(QStringLiteral("boardGrid")))
                 grid->setCurrentIndex(grid->model()->index(2, 0));
             return screen;
         }},
        {QStringLiteral("BoardScreen-checkout"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<MainWindow>(c.state);
             screen->applyLogin();
             screen->setWindowState(Qt::WindowMaximized);
             BoardScreen* board = screen->board();
             // The cash guest at table 6 settled, without a printer to print on.
             if (auto* print = board->findChild<QAction*>(QStringLiteral("print")))
                 print->setChecked(false);
             if (auto* grid = board->findChild<QTableView*>(QStringLiteral("boardGrid")))
                 grid->setCurrentIndex(grid->model()->index(5, 0));
             board->runCommand(BoardCommand::Checkout);
             return screen;
         }},
        {QStringLiteral("BoardScreen-transfer"),
         [](GalleryContext& c) {
             return boardTransferring(c.state, false);
         }},
        {QStringLiteral("BoardScreen-transfer-confirmed"),
         [](GalleryContext& c) {
             return boardTransferring(c.state, true);
         }},
        {QStringLiteral("TableSwapDialog"),
         [](GalleryContext& c) {
             return std::make_unique<TableSwapDialog>(c.state, QStringLiteral("3"));
         }},
        {QStringLiteral("ProvisionalBillScreen"),
         [](GalleryContext& c) {
             return provisionalBill(c.state);
         }},
        {QStringLiteral("ReminderDialog"),
         [](GalleryContext& c) {
             return std::make_unique<ReminderDialog>(c.state, QStringLiteral("3"), QStringLiteral("60"));
         }},
        {QStringLiteral("DepositDialog"),
         [](GalleryContext& c) {
             return std::make_unique<DepositDialog>(c.state, QStringLiteral("3"), QStringLiteral("100"));
         }},
        hallSetupAt("HallSetupWizard-name", HallSetupWizard::NamePage),
        hallSetupAt("HallSetupWizard-tables", HallSetupWizard::TablesPage),
        hallSetupAt("HallSetupWizard-rates", HallSetupWizard::RatesPage),
        hallSetupAt("HallSetupWizard-devices", HallSetupWizard::DevicesPage),
        fromState<TableDefinitionsScreen>("TableDefinitionsScreen-browse"),
        {QStringLiteral("TableDefinitionsScreen-edit"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<TableDefinitionsScreen>(c.state);
             // A new table being added after the last one, its name still to type.
             if (auto* add = screen->findChild<QAction*>(QStringLiteral("Add"))) {
                 if (auto* last = screen->findChild<QPushButton*>(QStringLiteral("CmdMove_3")))
                     last->click();
                 add->trigger();
             }
             return screen;
         }},
        {QStringLiteral("MemberFormScreen-adding"),
         [](GalleryContext& c) {
             return std::make_unique<MemberFormScreen>(c.state, QString());
         }},
        {QStringLiteral("MemberFormScreen-editing"),
         [](GalleryContext& c) {
             return std::make_unique<MemberFormScreen>(c.state, QStringLiteral("8000000001"));
         }},
        fromState<OperatorRightsScreen>("OperatorRightsScreen"),
        fromState<OperatorAddDialog>("OperatorAddDialog"),
        {QStringLiteral("OperatorLoadingNotice"),
         [](GalleryContext&) {
             return std::make_unique<OperatorLoadingNotice>();
         }},
        fromState<PasswordChangeDialog>("PasswordChangeDialog"),
        fromState<OwnerPasswordDialog>("OwnerPasswordDialog"),
        fromState<LockScreen>("LockScreen"),
        fromState<HistoryClearingScreen>("HistoryClearingScreen"),
        {QStringLiteral("PasswordDialog"),
         [](GalleryContext&) {
             return std::make_unique<PasswordDialog>();
         }},
        {QStringLiteral("DateDialog"),
         [](GalleryContext&) {
             return std::make_unique<DateDialog>(QDate());
         }},
        fromState<OperatorLogScreen>("OperatorLogScreen"),
        fromState<RateBandsScreen>("RateBandsScreen"),
        fromState<RateSchemesScreen>("RateSchemesScreen"),
        {QStringLiteral("RateSchemesScreen-tables"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<RateSchemesScreen>(c.state);
             screen->tabs()->setCurrentIndex(1);
             // The first three tables checked, as before an assignment.
             if (auto* list = screen->findChild<QTreeWidget*>(QStringLiteral("tableList"))) {
                 for (int i = 0; i < qMin(3, list->topLevelItemCount()); ++i)
                     list->topLevelItem(i)->setCheckState(0, Qt::Checked);
             }
             return screen;
         }},
        {QStringLiteral("GoodsDocumentsScreen-purchase"),
         [](GalleryContext& c) {
             return goodsDocument(c.state, GoodsDocument::Kind::Purchase, QStringLiteral("10"));
         }},
        {QStringLiteral("GoodsDocumentsScreen-sale"),
         [](GalleryContext& c) {
             return goodsDocument(c.state, GoodsDocument::Kind::Sale, QStringLiteral("3"));
         }},
        {QStringLiteral("GoodsPickList"),
         [](GalleryContext& c) {
             return std::make_unique<GoodsPickList>(c.state.DbConn);
         }},
        fromState<MemberListScreen>("MemberListScreen"),
        {QStringLiteral("TopUpDialog"),
         [](GalleryContext& c) {
             // The last member of the demo hall, where the list opens.
             QSqlQuery last(c.state.DbConn);
             const bool found =
                 last.exec(QStringLiteral("select khao, yhm from user_lb order by rowid desc limit 1")) && last.next();
             auto screen = std::make_unique<TopUpDialog>(c.state, found ? last.value(0).toString() : QString(),
                                                         found ? last.value(1).toString() : QString());
             screen->findChild<QLineEdit*>(QStringLiteral("creditedEdit"))->setText(QStringLiteral("500"));
             screen->findChild<QLineEdit*>(QStringLiteral("paidEdit"))->setText(QStringLiteral("450"));
             return screen;
         }},
        fromState<ConsumptionDetailScreen>("ConsumptionDetailScreen-conditions"),
        {QStringLiteral("ConsumptionDetailScreen-results"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<ConsumptionDetailScreen>(c.state);
             if (auto* find = screen->findChild<QAction*>(QStringLiteral("find")))
                 find->trigger();
             return screen;
         }},
        {QStringLiteral("ConsumptionTotalsScreen"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<ConsumptionTotalsScreen>(c.state);
             if (auto* find = screen->findChild<QAction*>(QStringLiteral("find")))
                 find->trigger();
             return screen;
         }},
        {QStringLiteral("ReportMod"),
         [](GalleryContext& c) {
             QSqlQueryModel rows;
             ReportDictionary dictionary;
             bool listed = ConsumptionDictionary::addDetailColumns(c.state.DbConn) &&
                           ConsumptionQuery::run(c.state.DbConn, ConsumptionQuery::Kind::Detail, {}, &rows);
             if (listed) {
                 const ResultOf<ReportDictionary> read =
                     ReportDictionary::read(c.state.DbConn, QStringLiteral("hyxf"), true);
                 listed = bool(read);
                 if (read)
                     dictionary = *read;
             }
             if (!listed)
                 std::fprintf(stderr, "cannot list the member visits of the demo hall\n");
             auto preview = makeReportPreview(ListingReport::document(dictionary, rows));
             preview->setWindowTitle(QStringLiteral("报表打印"));
             return preview;
         }},
        {QStringLiteral("StockBalanceScreen"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<StockBalanceScreen>(c.state);
             if (auto* find = screen->findChild<QAction*>(QStringLiteral("Find")))
                 find->trigger();
             return screen;
         }},
        {QStringLiteral("stockBalanceReport"),
         [](GalleryContext& c) {
             const QDate first(c.state.BusinessDate.year(), c.state.BusinessDate.month(), 1);
             const QDate last = first.addMonths(1).addDays(-1);
             const ResultOf<StockBalance::Balance> balance =
                 StockBalance::compute(c.state.DbConn, first, last, StockBalance::Grouping::ByStore, false);
             if (!balance)
                 std::fprintf(stderr, "cannot compute the stock balance: %s\n",
                              qUtf8Printable(balance.result().message()));
             return makeReportPreview(stockBalanceReport(balance ? *balance : StockBalance::Balance(), first, last));
         }},
        {QStringLiteral("IncomeStatisticsScreen"),
         [](GalleryContext& c) {
             return statisticsOfMonth<IncomeStatisticsScreen>(c.state, false);
         }},
        {QStringLiteral("GoodsStatisticsScreen"),
         [](GalleryContext& c) {
             // The goods count once a shift report has reconciled them: shown as
             // if it had, and left as the demo hall has them.
             QSqlDatabase& db = c.state.DbConn;
             const bool marked = db.transaction() &&
                                 Sql::exec(db, QStringLiteral("update ckv_zc set dzbj = '2' where dzbj = '1'")) &&
                                 Sql::exec(db, QStringLiteral("update waimxd set dzbj = '2' where dzbj = '1'"));
             if (!marked)
                 std::fprintf(stderr, "cannot reconcile the demo hall's takings\n");
             auto screen = statisticsOfMonth<GoodsStatisticsScreen>(c.state, true);
             db.rollback();
             return screen;
         }},
        {QStringLiteral("statisticsReport"),
         [](GalleryContext& c) {
             const auto month = PeriodChoice::period(PeriodChoice::Kind::ThisMonth, c.state.BusinessDate);
             const IncomeAnalysis::Question question{IncomeAnalysis::Subject::TableFees,
                                                     IncomeAnalysis::Grouping::ByDay, false, month->first,
                                                     month->second};
             const ResultOf<IncomeAnalysis::Analysis> analysis = IncomeAnalysis::run(c.state.DbConn, question);
             if (!analysis)
                 std::fprintf(stderr, "cannot sum the month's takings: %s\n",
                              qUtf8Printable(analysis.result().message()));
             return makeReportPreview(
                 statisticsReport(analysis ? *analysis : IncomeAnalysis::Analysis(), question, c.state.OperatorName));
         }},
        fromState<CatalogueScreen>("CatalogueScreen-browse"),
        {QStringLiteral("CatalogueScreen-adding"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<CatalogueScreen>(c.state);
             // The next drink being added after the last one, its name still to type.
             if (auto* add = screen->findChild<QAction*>(QStringLiteral("Add")))
                 add->trigger();
             return screen;
         }},
        {QStringLiteral("GoodsFindDialog"),
         [](GalleryContext&) {
             return std::make_unique<GoodsFindDialog>();
         }},
        {QStringLiteral("catalogueReport"),
         [](GalleryContext& c) {
             GoodsCatalogueModel goods(nullptr, c.state.DbConn);
             goods.select();
             return makeReportPreview(catalogueReport(goods));
         }},
        {QStringLiteral("ShiftReportScreen"),
         [](GalleryContext& c) {
             stageShift(c.state);
             return std::make_unique<ShiftReportScreen>(c.state);
         }},
        fromState<DayReportScreen>("DayReportScreen"),
        {QStringLiteral("takingsReport"),
         [](GalleryContext& c) {
             // The day report's preview, as its "PrintView" key shows it.
             DayReportScreen screen(c.state);
             const QAbstractItemModel* rows = screen.findChild<QTableView*>(QStringLiteral("MSGrid"))->model();
             const auto box = [&](const char* name) {
                 return screen.findChild<QLineEdit*>(QLatin1String(name))->text();
             };
             return makeReportPreview(takingsReport(DayTakings::rowTexts(*rows), box("clerkEdit"), box("tableFeesEdit"),
                                                    box("otherEdit"), box("totalEdit")));
         }},
        {QStringLiteral("billReport"),
         [](GalleryContext& c) {
             Receipt receipt = newReceipt(c.state);
             receipt.table = 5;
             receipt.cardNumber = QStringLiteral("0000000012");
             receipt.start = QDateTime(QDate(2026, 12, 6), QTime(18, 43));
             receipt.end = QDateTime(QDate(2026, 12, 6), QTime(20, 30));
             receipt.timeUsed = QStringLiteral("1:47");
             receipt.discount = 8;
             receipt.timeCharge = 16;
             receipt.goods = {{QStringLiteral("可乐"), 2, 10}, {QStringLiteral("香烟"), 1, 15.5}};
             receipt.goodsTotal = 25.5;
             receipt.grandTotal = 41.5;
             receipt.deposit = 50;
             return makeReportPreview(billReport(receipt));
         }},
        {QStringLiteral("HelpWindow"),
         [](GalleryContext&) {
             return std::unique_ptr<QWidget>(HelpWindow::open(HelpWindow::Page::Contents));
         }},
        {QStringLiteral("AboutBox"),
         [](GalleryContext&) {
             return std::make_unique<AboutBox>();
         }},
        {QStringLiteral("LanguageChoice"),
         [](GalleryContext& context) {
             return std::make_unique<LanguageChoice>(context.settings);
         }},
    };
}
