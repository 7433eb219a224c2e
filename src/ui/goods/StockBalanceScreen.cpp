#include "ui/goods/StockBalanceScreen.h"

#include "core/base/AppState.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/goods/StockBalanceReport.h"
#include "ui/base/DatePicker.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/ProgramFolder.h"
#include "ui/base/WindowPlacement.h"
#include "ui/goods/StockGridHeader.h"
#include "ui/printing/ReportPreview.h"
#include "ui/printing/SpreadsheetExport.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>
#include <utility>

namespace {

// The screen's name in the operator log: data, Chinese whatever language is shown.
const QString LogName = QStringLiteral("收发结存");

// The total boxes in order, each with the figure it shows.
struct TotalBox
{
    const char* name;
    const char* label;
    StockBalance::Figure figure;
};
const TotalBox TotalBoxes[] = {
    {"openingCountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "上期数量"), StockBalance::OpeningCount},
    {"inCountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "入库数量"), StockBalance::InCount},
    {"outCountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "销售数量"), StockBalance::OutCount},
    {"closingCountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "结存数量"), StockBalance::ClosingCount},
    {"openingAmountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "上期金额"), StockBalance::OpeningAmount},
    {"inAmountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "入库金额"), StockBalance::InAmount},
    {"outAmountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "销售金额"), StockBalance::OutAmount},
    {"closingAmountTotal", QT_TRANSLATE_NOOP("StockBalanceScreen", "结存金额"), StockBalance::ClosingAmount},
};

} // namespace

StockBalanceScreen::StockBalanceScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
{
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    setGridHeaders();
    clearTotals();
    centerOnScreen(this);
}

void StockBalanceScreen::done(int result)
{
    const Result closed = m_log.close();
    if (!closed)
        showError(closed);
    QDialog::done(result);
}

void StockBalanceScreen::buildScreen()
{
    setObjectName(QStringLiteral("StockBalanceScreen"));
    setWindowTitle(tr("收发结存"));
    resize(1000, 620);

    auto* toolbar = new KeyToolbar(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->addKey("PrintView", tr("预览"), QStyle::SP_FileDialogContentsView, [this] { printBalance(true); });
    toolbar->addKey("print", tr("打印"), QStyle::SP_DialogSaveButton, [this] { printBalance(false); });
    toolbar->addKey("exportExcel", SpreadsheetExport::caption(), QStyle::SP_DriveFDIcon, [this] { exportBalance(); });
    toolbar->addKey("Find", tr("查询"), QStyle::SP_BrowserReload, [this] { showBalance(); });
    toolbar->addKey("Calc", tr("计算"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    toolbar->addSeparator();
    toolbar->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });

    auto* title = new QLabel(tr("商品结存账"), this);
    title->setObjectName(QStringLiteral("title"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);

    m_grid = new QTableWidget(0, 1 + StockBalance::FigureCount, this);
    m_grid->setObjectName(QStringLiteral("balanceGrid"));
    m_grid->setHorizontalHeader(new StockGridHeader({tr(" 上期"), tr(" 领入"), tr(" 销售"), tr(" 结余")}, m_grid));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->setDefaultSectionSize(24);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(toolbar);
    layout->addWidget(title);
    layout->addWidget(buildChoices());
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildTotals());
}

QWidget* StockBalanceScreen::buildChoices()
{
    auto* pane = new QWidget(this);
    const QDate today = m_state.BusinessDate;
    const QDate first(today.year(), today.month(), 1);
    m_start = datePicker(QStringLiteral("startDate"), first, pane);
    m_end = datePicker(QStringLiteral("endDate"), first.addMonths(1).addDays(-1), pane);

    m_byStore = new QRadioButton(tr("按仓库"), pane);
    m_byStore->setObjectName(QStringLiteral("byStoreButton"));
    m_byStore->setChecked(true);
    auto* byCategory = new QRadioButton(tr("按商品分类"), pane);
    byCategory->setObjectName(QStringLiteral("byCategoryButton"));
    m_includeZero = new QCheckBox(tr("包括为零的数据"), pane);
    m_includeZero->setObjectName(QStringLiteral("includeZeroBox"));

    // The name box and its button select nothing: the balance covers every goods item.
    auto* name = new QLineEdit(pane);
    name->setObjectName(QStringLiteral("goodsNameBox"));
    auto* nameButton = new QPushButton(QStringLiteral("..."), pane);
    nameButton->setObjectName(QStringLiteral("goodsNameButton"));
    nameButton->setFixedWidth(30);

    auto* row = new QHBoxLayout(pane);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(tr("开始日期"), pane));
    row->addWidget(m_start);
    row->addWidget(new QLabel(tr("结束日期"), pane));
    row->addWidget(m_end);
    row->addSpacing(16);
    row->addWidget(m_byStore);
    row->addWidget(byCategory);
    row->addSpacing(16);
    row->addWidget(m_includeZero);
    row->addSpacing(16);
    row->addWidget(new QLabel(tr("商品名称"), pane));
    row->addWidget(name);
    row->addWidget(nameButton);
    row->addStretch();
    return pane;
}

QWidget* StockBalanceScreen::buildTotals()
{
    auto* pane = new QWidget(this);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < int(std::size(TotalBoxes)); ++i) {
        auto* box = new QLineEdit(pane);
        box->setObjectName(QLatin1String(TotalBoxes[i].name));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        auto* label = new QLabel(QCoreApplication::translate("StockBalanceScreen", TotalBoxes[i].label), pane);
        label->setBuddy(box);
        grid->addWidget(label, i / 4, 2 * (i % 4));
        grid->addWidget(box, i / 4, 2 * (i % 4) + 1);
        m_totals.append(box);
    }
    return pane;
}

void StockBalanceScreen::showBalance()
{
    const QDate start = m_start->date();
    const QDate end = m_end->date();
    const ResultOf<StockBalance::Balance> balance = StockBalance::compute(
        m_state.DbConn, start, end,
        m_byStore->isChecked() ? StockBalance::Grouping::ByStore : StockBalance::Grouping::ByCategory,
        m_includeZero->isChecked());
    if (!balance) {
        showError(balance.result());
        return;
    }
    if (!balance->anyBusiness) {
        Messages::exclamation(tr("本月无业务发生！"), tr("收发结存"));
        return;
    }
    m_balance = *balance;
    m_shownStart = start;
    m_shownEnd = end;
    for (int i = 0; i < int(std::size(TotalBoxes)); ++i)
        m_totals[i]->setText(stockFigure(m_balance.totals[std::size_t(TotalBoxes[i].figure)], TotalBoxes[i].figure));
    m_grid->setRowCount(int(m_balance.lines.size()));
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const StockBalance::Line& line = m_balance.lines[row];
        m_grid->setItem(row, 0, new QTableWidgetItem(line.name));
        for (int f = 0; f < StockBalance::FigureCount; ++f) {
            auto* item = new QTableWidgetItem(stockFigure(line.figures[std::size_t(f)], StockBalance::Figure(f)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(row, 1 + f, item);
        }
    }
    setGridHeaders();
}

void StockBalanceScreen::setGridHeaders()
{
    QStringList captions = {tr("  商品名称")};
    for (int group = 0; group < StockBalance::FigureCount / 2; ++group)
        captions << tr("数  量") << tr("金  额");
    m_grid->setHorizontalHeaderLabels(captions);
    m_grid->setColumnWidth(0, 180);
    for (int c = 1; c < m_grid->columnCount(); ++c)
        m_grid->setColumnWidth(c, 95);
}

void StockBalanceScreen::clearTotals()
{
    for (QLineEdit* box : std::as_const(m_totals))
        box->clear();
}

std::pair<QDate, QDate> StockBalanceScreen::shownPeriod() const
{
    return {m_shownStart.isValid() ? m_shownStart : m_start->date(), m_shownEnd.isValid() ? m_shownEnd : m_end->date()};
}

void StockBalanceScreen::printBalance(bool preview)
{
    const auto [start, end] = shownPeriod();
    const ReportDocument document = stockBalanceReport(m_balance, start, end);
    if (preview)
        previewReport(document, tr("收发结存表"), this);
    else if (!printReport(document))
        Messages::exclamation(tr("收发结存表没有打印：打印机不能使用。"), tr("收发结存"));
}

void StockBalanceScreen::exportBalance()
{
    const auto [start, end] = shownPeriod();
    SpreadsheetExport::offer(stockBalanceReport(m_balance, start, end),
                             SpreadsheetExport::fileName(tr("收发结存表"), start, end), this);
}

void StockBalanceScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"));
}
