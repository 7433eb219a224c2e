#include "app/Form_main.h"

#include "admin/DatabaseBackup.h"
#include "admin/Formstop.h"
#include "admin/FrmClearData.h"
#include "admin/Frm_czy_setup.h"
#include "admin/Frm_czyrz.h"
#include "admin/frm_czy_password.h"
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
    for (const GuardedItem& item : m_guarded)
        item.action->setEnabled(OperatorRights::grants(rights.*(item.group), item.letter));
}

QAction* Form_main::addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> slot)
{
    QAction* action = menu->addAction(caption, this, std::move(slot));
    action->setObjectName(name);
    return action;
}

void Form_main::guard(QAction* action, QString OperatorRights::*group, char letter)
{
    // Items that need a right stay disabled until a login proves it.
    action->setEnabled(false);
    m_guarded.append({action, group, QLatin1Char(letter)});
}

void Form_main::buildMenus()
{
    QMenu* set = menuBar()->addMenu(QStringLiteral("基础数据设置(&S)"));
    set->setObjectName(QStringLiteral("menu_set"));
    addItem(set, QStringLiteral("mset_0"), QStringLiteral("&1.锁定计算机"), [this] { open<Formstop>(); });
    set->addSeparator();
    addItem(set, QStringLiteral("mset_3"), QStringLiteral("&3.换    班"), [this] { Q_EMIT shiftChangeRequested(); });
    guard(addItem(set, QStringLiteral("mset_5"), QStringLiteral("&5.系统参数设置"), [this] { open<FrmstcsSET>(); }),
          &OperatorRights::zhda, 'E');
    guard(addItem(set, QStringLiteral("mset_6"), QStringLiteral("&6.清空历史数据"), [this] { open<FrmClearData>(); }),
          &OperatorRights::zhda, 'D');
    set->addSeparator();
    addItem(set, QStringLiteral("mset_10"), QStringLiteral("&9.选择数据库位置"), [this] { openDatabaseLocation(); });
    addItem(set, QStringLiteral("mset_11"), QStringLiteral("&A.数 据 库 备 份"), [this] { databaseBackup(m_state); });
    addItem(set, QStringLiteral("mset_12"), QStringLiteral("退出系统"), [this] { close(); });

    QMenu* operators = menuBar()->addMenu(QStringLiteral("操作员管理(&O)"));
    operators->setObjectName(QStringLiteral("menuczy"));
    guard(addItem(operators, QStringLiteral("czygl_0"), QStringLiteral("&1.操作员设置"),
                  [this] { open<Frm_czy_setup>(); }),
          &OperatorRights::zwcl, 'A');
    operators->addSeparator();
    addItem(operators, QStringLiteral("czygl_2"), QStringLiteral("&2.操作员口令变更"),
            [this] { open<frm_czy_password>(); });
    guard(addItem(operators, QStringLiteral("czygl_3"), QStringLiteral("&3.操员日志"), [this] { open<Frm_czyrz>(); }),
          &OperatorRights::zwcl, 'B');
}

template <typename Screen>
void Form_main::open()
{
    Screen screen(m_state, this);
    screen.exec();
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
    backupOnExit(m_state);
    event->accept();
}
