#include "ui/reports/DailyTakingsScreen.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/SettingsStore.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/reports/TakingsReport.h"
#include "core/reports/TakingsSlip.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/NumberDelegate.h"
#include "ui/printing/ReportPreview.h"
#include "ui/printing/SpreadsheetExport.h"
#include "ui/reports/HandOverBlock.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QSqlError>
#include <QTableView>

#include <memory>

namespace {

const char* const Headers[] = {
    QT_TRANSLATE_NOOP("DailyTakingsScreen", "日  期"), QT_TRANSLATE_NOOP("DailyTakingsScreen", "台 位 号"),
    QT_TRANSLATE_NOOP("DailyTakingsScreen", "时  长"), QT_TRANSLATE_NOOP("DailyTakingsScreen", "单  价"),
    QT_TRANSLATE_NOOP("DailyTakingsScreen", "金  额")};

} // namespace

DailyTakingsScreen::DailyTakingsScreen(AppState& state, Kind kind, QWidget* parent)
    : TakingsScreen(state, kind == Kind::Shift ? tr("操作员营业日报") : tr("营业日报"),
                    kind == Kind::Shift ? tr("营业报告") : tr("营业日报"), parent)
    , m_kind(kind)
{
    m_slipPrinter.setMaxThreadCount(1);
    m_slipPrinterCheck = new QCheckBox(tr("使用专用打印机"), this);
    m_slipPrinterCheck->setObjectName(QStringLiteral("slipPrinterCheck"));
    choices()->addStretch();
    choices()->addWidget(m_slipPrinterCheck);

    grid()->setModel(&m_rows);
    NumberDelegate::install(grid(), {3, 4});
    grid()->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    if (kind == Kind::Shift) {
        m_handOverBlock = new HandOverBlock(this);
        putBeside(m_handOverBlock);
    }

    KeyToolbar* keys = toolbar();
    keys->addKey("PrintView", tr("预览"), QStyle::SP_FileDialogContentsView, [this] { preview(); });
    keys->addKey("print", tr("打印"), QStyle::SP_DialogSaveButton, [this] { print(); });
    keys->addKey("exportExcel", SpreadsheetExport::caption(), QStyle::SP_DriveFDIcon, [this] { exportReport(); });
    if (kind == Kind::Day)
        keys->addKey("Find", tr("查询"), QStyle::SP_BrowserReload, [this] { query(); });
    keys->addKey("Add", tr("结账"), QStyle::SP_DialogApplyButton, [this] { settle(); });
    keys->addKey("Calc", tr("计算"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    keys->addSeparator();
    keys->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });
}

DailyTakingsScreen::~DailyTakingsScreen()
{
    m_slipPrinter.waitForDone();
}

void DailyTakingsScreen::query()
{
    const DayTakings::Filter chosen = filter();
    const ResultOf<DayTakings::Totals> totals = DayTakings::totals(m_state.DbConn, chosen);
    if (!totals) {
        showError(totals.result());
        return;
    }
    if (const Result listed = DayTakings::list(m_state.DbConn, chosen); !listed) {
        showError(listed);
        return;
    }
    ShiftHandOver::Figures handOver;
    if (m_handOverBlock) {
        const ResultOf<ShiftHandOver::Figures> figures =
            ShiftHandOver::figures(m_state.DbConn, chosen.date, chosen.operatorName);
        if (!figures) {
            showError(figures.result());
            return;
        }
        handOver = *figures;
    }
    m_tableFees = DayTakings::amountText(totals->tableFees);
    m_other = DayTakings::amountText(totals->other);
    m_total = DayTakings::amountText(totals->total());
    showTotals(m_tableFees, m_other, m_total);
    if (m_handOverBlock) {
        m_handOver = ShiftHandOver::lines(handOver);
        m_handOverBlock->fill(m_handOver);
    }

    m_rows.setQuery(DayTakings::listedRows(), m_state.DbConn);
    if (m_rows.lastError().isValid()) {
        showError(Result::fromSqlError(m_rows.lastError()));
        return;
    }
    for (int column = 0; column < int(std::size(Headers)); ++column)
        m_rows.setHeaderData(column, Qt::Horizontal,
                             QCoreApplication::translate("DailyTakingsScreen", Headers[column]));
}

void DailyTakingsScreen::preview()
{
    previewReport(takingsReport(DayTakings::rowTexts(m_rows), clerk(), m_tableFees, m_other, m_total, m_handOver),
                  windowTitle(), this);
}

void DailyTakingsScreen::exportReport()
{
    SpreadsheetExport::offer(
        takingsReport(DayTakings::rowTexts(m_rows), clerk(), m_tableFees, m_other, m_total, m_handOver),
        SpreadsheetExport::fileName(windowTitle(), filter().date), this);
}

void DailyTakingsScreen::print()
{
    if (!m_slipPrinterCheck->isChecked()) {
        if (!printReport(
                takingsReport(DayTakings::rowTexts(m_rows), clerk(), m_tableFees, m_other, m_total, m_handOver)))
            Messages::exclamation(tr("报表没有打印：打印机不能使用。"));
        return;
    }
    // The receipt printer is written off the screen's thread: one that is
    // off or jammed holds nothing but its own slip.
    auto printer = std::make_shared<RawReceiptPrinter>(SettingsStore());
    // The screen waits for the pool before it goes, so it is there to be told.
    m_slipPrinter.start([this, printer, slip = slip()] {
        const Result result = printTakingsSlip(slip, *printer);
        if (!result) {
            QMetaObject::invokeMethod(
                this, [result] { Messages::exclamation(result.message()); }, Qt::QueuedConnection);
        }
    });
}

TakingsSlip DailyTakingsScreen::slip() const
{
    TakingsSlip slip;
    slip.companyName = m_state.params.companyName;
    slip.businessDate = m_state.BusinessDate;
    slip.printedAt = Clock::timeOfDay();
    if (m_kind == Kind::Shift)
        slip.operatorName = m_state.OperatorName;
    for (QStringList row : DayTakings::rowTexts(m_rows)) {
        row.removeFirst();
        slip.rows.append(row);
    }
    slip.tableFees = m_tableFees;
    slip.other = m_other;
    slip.total = m_total;
    slip.handOver = m_handOver;
    return slip;
}

void DailyTakingsScreen::settle()
{
    const Result result = m_kind == Kind::Shift ? DayTakings::settleShift(m_state.DbConn, m_state.OperatorName)
                                                : DayTakings::settleDay(m_state.DbConn);
    if (!result) {
        Messages::critical(tr("账务没有结清，什么也没有改动：%1").arg(errorText(result.number(), result.message())));
        return;
    }
    Messages::information(m_kind == Kind::Shift ? tr("当前营业员，账务已结清，可以下班了!")
                                                : tr("当前营业日，账务已结清，可以下班了!"));
}
