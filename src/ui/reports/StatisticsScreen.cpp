#include "ui/reports/StatisticsScreen.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/reports/PeriodChoice.h"
#include "core/reports/StatisticsReport.h"
#include "ui/base/DatePicker.h"
#include "ui/base/KeyToolbar.h"
#include "ui/printing/BarChart.h"
#include "ui/printing/ReportPreview.h"
#include "ui/printing/SpreadsheetExport.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>

#include <utility>

namespace {

// An empty result still shows a grid to read, not a blank box.
constexpr int EmptyRows = 10;

} // namespace

StatisticsScreen::StatisticsScreen(AppState& state, IncomeAnalysis::Subject subject, const QString& title,
                                   const QString& byItemCaption, QWidget* parent)
    : TakingsScreen(state, tr("营业收入分析"), title, parent)
    , m_subject(subject)
    , m_title(title)
{
    toolbar()->addKey("PrintView", tr("预览"), QStyle::SP_FileDialogContentsView, [this] { showReport(true); });
    toolbar()->addKey("print", tr("打印"), QStyle::SP_DialogSaveButton, [this] { showReport(false); });
    toolbar()->addKey("exportExcel", SpreadsheetExport::caption(), QStyle::SP_DriveFDIcon, [this] { exportReport(); });
    toolbar()->addKey("Find", tr("查询"), QStyle::SP_BrowserReload, [this] { query(); });
    toolbar()->addKey("Calc", tr("计算"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    toolbar()->addSeparator();
    toolbar()->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("CmdKind"));
    m_kind->addItems(PeriodChoice::captions());
    const QDate today = Clock::today();
    m_start = datePicker(QStringLiteral("pstar"), today, this);
    m_end = datePicker(QStringLiteral("Pfinish"), today, this);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_byDay = new QRadioButton(tr("按日期"), frame);
    m_byDay->setObjectName(QStringLiteral("Option1"));
    m_byDay->setChecked(true);
    auto* byItem = new QRadioButton(byItemCaption, frame);
    byItem->setObjectName(QStringLiteral("Option2"));
    auto* options = new QHBoxLayout(frame);
    options->setContentsMargins(8, 2, 8, 2);
    options->addWidget(m_byDay);
    options->addWidget(byItem);

    const auto addLabelled = [this](const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        choices()->addWidget(label);
        choices()->addWidget(box);
    };
    choices()->addWidget(m_kind);
    addLabelled(tr("日期从"), m_start);
    addLabelled(tr("到"), m_end);
    choices()->addWidget(frame);
    choices()->addStretch();

    m_rows = new QStandardItemModel(0, 2, this);
    grid()->setModel(m_rows);
    grid()->setColumnWidth(0, 160);
    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("Chart"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    putBeside(m_chart);

    connect(m_kind, &QComboBox::activated, this, &StatisticsScreen::chooseKind);
    query();
}

void StatisticsScreen::chooseKind(int index)
{
    const auto period = PeriodChoice::period(PeriodChoice::Kind(index), Clock::today());
    if (period) {
        m_start->setDate(period->first);
        m_end->setDate(period->second);
    }
    query();
}

void StatisticsScreen::query()
{
    const IncomeAnalysis::Question question{
        m_subject, m_byDay->isChecked() ? IncomeAnalysis::Grouping::ByDay : IncomeAnalysis::Grouping::ByItem,
        m_state.params.reportsUseMark, m_start->date(), m_end->date()};
    const ResultOf<IncomeAnalysis::Analysis> analysis = IncomeAnalysis::run(m_state.DbConn, question);
    if (!analysis) {
        showError(analysis.result());
        return;
    }
    m_question = question;
    m_analysis = *analysis;
    showRows();
}

void StatisticsScreen::showRows()
{
    showTotals(IncomeAnalysis::money(m_analysis.tableFees), QString(), QString());
    m_rows->setRowCount(0);
    for (const IncomeAnalysis::Row& row : std::as_const(m_analysis.rows)) {
        auto* amount = new QStandardItem(IncomeAnalysis::money(row.amount));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rows->appendRow({new QStandardItem(row.label), amount});
    }
    if (m_analysis.rows.isEmpty())
        m_rows->setRowCount(EmptyRows);
    m_rows->setHorizontalHeaderLabels({groupCaption(m_question), tr("金  额")});

    QChart* previous = m_chart->chart();
    const ReportChart chart = amountChart(m_analysis, m_question);
    m_chart->setChart(chart.bars.isEmpty() ? new QChart : makeBarChart(chart, font()));
    m_chart->setVisible(!chart.bars.isEmpty());
    delete previous;
}

void StatisticsScreen::showReport(bool preview)
{
    const ReportDocument document = statisticsReport(m_analysis, m_question, clerk());
    if (preview)
        previewReport(document, tr("营业报告"), this);
    else if (!printReport(document))
        Messages::exclamation(tr("营业报告没有打印：打印机不能使用。"), windowTitle());
}

void StatisticsScreen::exportReport()
{
    SpreadsheetExport::offer(statisticsReport(m_analysis, m_question, clerk()),
                             SpreadsheetExport::fileName(m_title, m_question.start, m_question.end), this);
}
