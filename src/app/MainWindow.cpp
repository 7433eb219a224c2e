#include "app/MainWindow.h"

#include "app/BoardMenus.h"
#include "core/base/AppState.h"
#include "core/base/DateText.h"
#include "core/base/Messages.h"
#include "core/base/SettingsStore.h"
#include "core/billing/OpenVisit.h"
#include "core/board/BoardDevices.h"
#include "ui/admin/DatabaseBackup.h"
#include "ui/board/BoardScreen.h"
#include "ui/board/HallSetupRun.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow(AppState& state, QWidget* splash, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_splash(splash)
{
    setWindowTitle(Messages::AppTitle);
    setCursor(Qt::WaitCursor);
    resize(1024, 700);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setBackground(QColor(0xdd, 0xe4, 0xe8));
    setCentralWidget(m_mdiArea);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 1; i <= 5; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1_") + QString::number(i));
        panel->setContentsMargins(4, 0, 4, 0);
        // The file name takes what room is left; the other panels keep to their text.
        bar->addWidget(panel, i == 3 ? 1 : 0);
        m_panels.append(panel);
    }
    const QString company = m_state.params.companyName.trimmed();
    m_panels.at(0)->setText(company.isEmpty() ? Messages::AppTitle
                                              : Messages::AppTitle + QStringLiteral("  ") + company);
    m_panels.at(2)->setText(m_state.DbFullName);
    m_panels.at(2)->setToolTip(m_state.DbFullName);
    // Beside the books it works on, so that counters sharing them are told apart.
    auto* counter = new QLabel(tr("终端:%1").arg(m_state.CounterName), bar);
    counter->setObjectName(QStringLiteral("StatusBar1_6"));
    counter->setContentsMargins(4, 0, 4, 0);
    bar->insertWidget(3, counter);

    m_splashTimer = new QTimer(this);
    m_splashTimer->setObjectName(QStringLiteral("splashTimer"));
    m_splashTimer->setSingleShot(true);
    m_splashTimer->setInterval(1000);
    connect(m_splashTimer, &QTimer::timeout, this, &MainWindow::closeSplash);
    m_splashTimer->start();
}

void MainWindow::applyLogin()
{
    m_panels.at(1)->setText(tr("日期:%1").arg(DateText::date(m_state.BusinessDate)));
    m_panels.at(3)->setText(tr("操作员:%1").arg(m_state.OperatorName));
    m_panels.at(4)->setText(tr("班次:%1").arg(m_state.ShiftName));
    openBoard();
}

void MainWindow::offerHallSetup()
{
    if (!m_setupPutOff && board())
        m_setupPutOff = offerSetupOnEmptyHall(m_state, board());
}

BoardScreen* MainWindow::board() const
{
    return m_boardFrame ? qobject_cast<BoardScreen*>(m_boardFrame->widget()) : nullptr;
}

void MainWindow::openBoard()
{
    closeBoard();
    m_boardDevices = new BoardDevices(m_state, SettingsStore().drivesLamps(), this);
    auto* board = new BoardScreen(m_state, *m_boardDevices);
    auto* menus = new BoardMenus(m_state, board);
    connect(menus, &BoardMenus::shiftChangeRequested, this, [this] {
        closeBoard();
        Q_EMIT shiftChangeRequested();
    });
    connect(menus, &BoardMenus::exitRequested, this, &QWidget::close);
    connect(menus, &BoardMenus::endProgram, this, &MainWindow::endProgram);
    m_boardFrame = m_mdiArea->addSubWindow(board, Qt::FramelessWindowHint);
    m_boardFrame->showMaximized();
    m_mdiArea->setActiveSubWindow(m_boardFrame);
}

// The board may be closing from one of its own menu items: it leaves the
// window at once and is deleted once that item has finished, its devices
// (their ports closed, the lamp round stopped) after it.
void MainWindow::closeBoard()
{
    if (!m_boardFrame)
        return;
    QMdiSubWindow* frame = m_boardFrame;
    m_boardFrame = nullptr;
    m_mdiArea->removeSubWindow(frame);
    frame->deleteLater();
    if (m_boardDevices)
        m_boardDevices->deleteLater();
    m_boardDevices = nullptr;
}

void MainWindow::closeSplash()
{
    if (m_splash)
        m_splash->close();
    unsetCursor();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A count that cannot be read still leaves the question; the board shows the tables.
    const ResultOf<int> open = countOpenTables(m_state.DbConn);
    const QString question =
        open && *open > 0
            ? tr("还有 %1 张台没有结账，退出后它们继续计时。\n是否退出%2？").arg(*open).arg(Messages::AppTitle)
            : tr("是否退出%1？").arg(Messages::AppTitle);
    if (!Messages::askDefaultNo(question)) {
        event->ignore();
        return;
    }
    backupOnExit(m_state);
    event->accept();
}
