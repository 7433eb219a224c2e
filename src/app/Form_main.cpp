#include "app/Form_main.h"

#include "admin/OperatorRights.h"
#include "app/AppState.h"
#include "app/DateText.h"
#include "app/Frm_pathset.h"
#include "app/Messages.h"
#include "app/ModCWCl.h"
#include "app/SettingsStore.h"
#include "data/FrmstcsSET.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

Form_main::Form_main(AppState& state, QWidget* splash, QWidget* parent)
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

    buildMenus();

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

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Form_main::onTimer);
    m_timer->start();
}

void Form_main::applyLogin()
{
    m_panels.at(1)->setText(QStringLiteral("日期:") + DateText::date(m_state.BusinessDate));
    m_panels.at(3)->setText(QStringLiteral("操作员:") + m_state.OperatorName);
    m_panels.at(4)->setText(QStringLiteral("班次:") + m_state.ShiftName);

    OperatorRights rights;
    const Result loaded = loadOperatorRights(m_state.DbConn, m_state.OperatorName, &rights);
    if (!loaded)
        ShowErr(loaded);
    m_parameterEditor->setEnabled(OperatorRights::grants(rights.zhda, QLatin1Char('E')));
}

void Form_main::buildMenus()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("基础数据设置(&S)"));
    menu->setObjectName(QStringLiteral("menu_set"));
    auto item = [this, menu](int index, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption, this, slot);
        action->setObjectName(QStringLiteral("mset_") + QString::number(index));
        return action;
    };
    item(3, QStringLiteral("&3.换    班"), [this] { Q_EMIT shiftChangeRequested(); });
    m_parameterEditor = item(5, QStringLiteral("&5.系统参数设置"), [this] { openParameterEditor(); });
    m_parameterEditor->setEnabled(false);
    menu->addSeparator();
    item(10, QStringLiteral("&9.选择数据库位置"), [this] { openDatabaseLocation(); });
    menu->addSeparator();
    item(12, QStringLiteral("退出系统"), [this] { close(); });
}

void Form_main::openParameterEditor()
{
    FrmstcsSET editor(m_state, this);
    editor.exec();
}

void Form_main::openDatabaseLocation()
{
    SettingsStore settings;
    Frm_pathset screen(settings, this);
    connect(&screen, &Frm_pathset::endProgram, this, &Form_main::endProgram);
    screen.exec();
}

void Form_main::onTimer()
{
    if (m_splash)
        m_splash->close();
    unsetCursor();
}

void Form_main::closeEvent(QCloseEvent* event)
{
    if (!Messages::ask(QStringLiteral("是否退出") + Messages::AppTitle + QStringLiteral("？"))) {
        event->ignore();
        return;
    }
    Q_EMIT aboutToEnd();
    event->accept();
}
