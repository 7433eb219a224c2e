#include "ui/admin/OperatorLogScreen.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "ui/base/ProgramFolder.h"
#include "ui/printing/GridDocument.h"
#include "ui/printing/SpreadsheetExport.h"

#include <QCheckBox>
#include <QCursor>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The screen's name in the operator log, which stays Chinese whatever the language.
const QString LogName = QStringLiteral("操作员日志");

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

OperatorLogScreen::OperatorLogScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
{
    if (!m_log.opened())
        showError(m_log.opened());
    setObjectName(QStringLiteral("OperatorLogScreen"));
    setWindowTitle(tr("操作员日志"));
    buildScreen();
    list(m_filter);
}

void OperatorLogScreen::buildScreen()
{
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto action = [&](const char* key, const QString& text, auto slot) {
        QAction* a = toolbar->addAction(text, this, slot);
        a->setObjectName(QLatin1String(key));
        return a;
    };
    action("find", tr("查询"), [this] { find(); });
    action("delete", tr("删除"), [this] { deleteAll(); });
    // Printing the log is not offered; the button stays to keep the toolbar familiar.
    action("printer_view", tr("预览"), [] {})->setEnabled(false);
    action("exportExcel", SpreadsheetExport::caption(), [this] { exportLog(); });
    action("exit", tr("退出"), [this] { close(); });

    auto* picture = label("Image1", QString(), this);
    const QPixmap book = programPicture(QStringLiteral("book.wmf"));
    if (!book.isNull())
        picture->setPixmap(book.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    QLabel* title = label("Label1", tr("员工工作情况"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    QLabel* nameLabel = label("Label2", tr("姓名"), this);
    nameLabel->setBuddy(m_nameEdit);

    // The date counts only while it is ticked, as a date picker with a check box.
    m_fromDateCheck = new QCheckBox(this);
    m_fromDateCheck->setObjectName(QStringLiteral("fromDateCheck"));
    m_fromDateEdit = new QDateEdit(Clock::today(), this);
    m_fromDateEdit->setObjectName(QStringLiteral("fromDateEdit"));
    m_fromDateEdit->setDisplayFormat(DateText::DateFormat);
    m_fromDateEdit->setCalendarPopup(true);
    m_fromDateEdit->setMinimumWidth(120);
    m_fromDateEdit->setEnabled(false);
    connect(m_fromDateCheck, &QCheckBox::toggled, m_fromDateEdit, &QDateEdit::setEnabled);
    QLabel* dateLabel = label("Label3", tr("开始日期"), this);
    dateLabel->setBuddy(m_fromDateCheck);

    const QStringList captions{tr("序号"), tr("操作员姓名"), tr("内  容"), tr("开始时间"), tr("结束时间"), tr("终端")};
    m_grid = new QTableWidget(0, int(captions.size()), this);
    m_grid->setObjectName(QStringLiteral("MSGrid"));
    m_grid->setHorizontalHeaderLabels(captions);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    constexpr int widths[] = {60, 110, 160, 190, 190, 100};
    for (int column = 0; column < int(std::size(widths)); ++column)
        m_grid->setColumnWidth(column, widths[column]);

    auto* heading = new QHBoxLayout;
    heading->addWidget(picture);
    heading->addWidget(title);
    heading->addStretch();

    auto* filters = new QHBoxLayout;
    filters->addWidget(nameLabel);
    filters->addWidget(m_nameEdit);
    filters->addSpacing(16);
    filters->addWidget(dateLabel);
    filters->addWidget(m_fromDateCheck);
    filters->addWidget(m_fromDateEdit);
    filters->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(toolbar);
    layout->addLayout(heading);
    layout->addLayout(filters);
    layout->addWidget(m_grid, 1);
    resize(860, 480);
}

void OperatorLogScreen::list(const OperatorLogList::Filter& filter)
{
    const ResultOf<QList<OperatorLogList::Entry>> entries = OperatorLogList::find(m_state.DbConn, filter);
    if (!entries) {
        showError(entries.result());
        return;
    }
    m_filter = filter;
    m_grid->setRowCount(int(entries->size()));
    for (int row = 0; row < entries->size(); ++row) {
        const OperatorLogList::Entry& entry = entries->at(row);
        const QStringList cells{
            QString::number(entry.tag), entry.operatorName, entry.screenName, entry.initTime, entry.lastTime,
            entry.counterName};
        for (int column = 0; column < cells.size(); ++column)
            m_grid->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

void OperatorLogScreen::find()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    OperatorLogList::Filter filter;
    filter.name = m_nameEdit->text();
    if (m_fromDateCheck->isChecked())
        filter.from = m_fromDateEdit->date();
    list(filter);
    QGuiApplication::restoreOverrideCursor();
}

void OperatorLogScreen::deleteAll()
{
    if (!Messages::askDefaultNo(tr("确认删除所有日志吗?")))
        return;
    const Result deleted = OperatorLogList::deleteClosed(m_state.DbConn);
    if (!deleted) {
        showError(deleted);
        return;
    }
    list(m_filter);
}

void OperatorLogScreen::exportLog()
{
    const QString title = tr("员工工作情况");
    // The times stay as the log shows them, with their AM and PM.
    SpreadsheetExport::offer(GridDocument::fromGrid(*m_grid, title, {{0, CellKind::Number}}),
                             SpreadsheetExport::fileName(title), this);
}

void OperatorLogScreen::done(int result)
{
    const Result closed = m_log.close();
    if (!closed)
        showError(closed);
    QDialog::done(result);
}
