#include "app/BoardMenus.h"

#include "core/base/AppState.h"
#include "core/base/SettingsStore.h"
#include "core/board/HallSetup.h"
#include "ui/admin/DatabaseBackup.h"
#include "ui/admin/DatabaseFileDialog.h"
#include "ui/admin/HistoryClearingScreen.h"
#include "ui/admin/OperatorLogScreen.h"
#include "ui/admin/OperatorRightsScreen.h"
#include "ui/admin/OwnerPasswordDialog.h"
#include "ui/admin/PasswordChangeDialog.h"
#include "ui/billing/RateBandsScreen.h"
#include "ui/billing/RateSchemesScreen.h"
#include "ui/board/BoardScreen.h"
#include "ui/board/HallSetupRun.h"
#include "ui/board/TableDefinitionsScreen.h"
#include "ui/data/ParametersScreen.h"
#include "ui/goods/CatalogueScreen.h"
#include "ui/goods/GoodsDocumentsScreen.h"
#include "ui/goods/StockBalanceScreen.h"
#include "ui/members/ConsumptionDetailScreen.h"
#include "ui/members/ConsumptionTotalsScreen.h"
#include "ui/members/MemberListScreen.h"
#include "ui/program/AboutBox.h"
#include "ui/program/HelpWindow.h"
#include "ui/program/LanguageChoice.h"
#include "ui/reports/DayReportScreen.h"
#include "ui/reports/GoodsStatisticsScreen.h"
#include "ui/reports/IncomeStatisticsScreen.h"
#include "ui/reports/ShiftReportScreen.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

BoardMenus::BoardMenus(AppState& state, QMainWindow* board, Dispatch run)
    : QObject(board)
    , m_state(state)
    , m_board(board)
    , m_run(std::move(run))
{
    buildToolbar();
    buildMenus();
}

BoardMenus::BoardMenus(AppState& state, BoardScreen* board)
    : BoardMenus(state, board, [board](BoardCommand command) { board->runCommand(command); })
{
    connect(this, &BoardMenus::reminderRequested, board, &BoardScreen::showReminder);
    connect(this, &BoardMenus::depositRequested, board, &BoardScreen::showDeposit);
    connect(this, &BoardMenus::reprintRequested, board, &BoardScreen::reprint);
    connect(m_print, &QAction::toggled, board, &BoardScreen::setAutoPrint);
    board->setAutoPrint(m_print->isChecked());
    if (board->operatorRights())
        applyRights(*board->operatorRights());
}

void BoardMenus::applyRights(const OperatorRights& rights)
{
    for (const GuardedItem& item : m_guarded)
        item.action->setEnabled(OperatorRights::grants(rights.*(item.group), item.letter));
    m_ownerPassword->setEnabled(m_state.IsSystemOperator);
    m_hallSetup->setEnabled(HallSetup::mayRun(rights));
}

bool BoardMenus::autoPrint() const
{
    return m_print->isChecked();
}

QAction* BoardMenus::addButton(BoardCommand command, const QString& name, const QString& caption,
                               const QString& toolTip)
{
    QAction* action = m_toolbar->addAction(caption, this, [this, command] { m_run(command); });
    action->setObjectName(name);
    action->setToolTip(toolTip);
    return action;
}

void BoardMenus::buildToolbar()
{
    m_toolbar = new QToolBar(m_board);
    m_toolbar->setObjectName(QStringLiteral("boardToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QFont big = m_toolbar->font();
    big.setPointSize(13);
    m_toolbar->setFont(big);
    m_board->addToolBar(m_toolbar);

    addButton(BoardCommand::StartTiming, QStringLiteral("js"), tr("计时"), tr("开始计时"));
    addButton(BoardCommand::Checkout, QStringLiteral("jz"), tr("结账"), tr("结账计时停止"));
    addButton(BoardCommand::ProvisionalBill, QStringLiteral("yjd"), tr("预结"), tr("预结单（不结帐）"));
    addButton(BoardCommand::Transfer, QStringLiteral("zhuantai"), tr("转台"), QString());
    addButton(BoardCommand::Sale, QStringLiteral("Xs"), tr("销售"), tr("商品销售"));
    m_toolbar->addSeparator();
    addButton(BoardCommand::Lock, QStringLiteral("Sd"), tr("锁定"), tr("锁定计算机"));
    // Unlocking happens on the lock screen itself; the key does nothing here.
    addButton(BoardCommand::Unlock, QStringLiteral("Js"), tr("解锁"), tr("解除锁定计算机"));
    m_toolbar->addSeparator();
    addButton(BoardCommand::Refresh, QStringLiteral("Refh"), tr("刷新"), tr("刷新"));
    addButton(BoardCommand::ShowBackground, QStringLiteral("Showtp"), tr("显示"), tr("显示桌面"));
    m_print = addButton(BoardCommand::AutoPrint, QStringLiteral("print"), tr("打印"), tr("选中后结账后自动打印账单"));
    m_print->setCheckable(true);
    addButton(BoardCommand::Reminder, QStringLiteral("tx"), tr("提醒"), tr("客人到时提醒时间录入"));
    addButton(BoardCommand::Deposit, QStringLiteral("yj"), tr("押金"), tr("输入押金"));
    addButton(BoardCommand::Swap, QStringLiteral("hh"), tr("互换"), tr("台位互换"));
}

QAction* BoardMenus::addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> slot)
{
    QAction* action = menu->addAction(caption, this, std::move(slot));
    action->setObjectName(name);
    return action;
}

void BoardMenus::guard(QAction* action, QString OperatorRights::*group, char letter)
{
    action->setEnabled(false);
    m_guarded.append({action, group, QLatin1Char(letter)});
}

void BoardMenus::buildMenus()
{
    QMenuBar* bar = m_board->menuBar();

    QMenu* set = bar->addMenu(tr("基础数据设置(&S)"));
    set->setObjectName(QStringLiteral("menu_set"));
    addItem(set, QStringLiteral("mset_0"), tr("&1.锁定计算机"), [this] {
        m_run(BoardCommand::Lock);
    })->setShortcut(Qt::Key_F12);
    guard(addItem(set, QStringLiteral("mset_1"), tr("&2.台位设置"), [this] { open<TableDefinitionsScreen>(); }),
          &OperatorRights::memberRights, 'B');
    set->addSeparator();
    addItem(set, QStringLiteral("mset_3"), tr("&3.换    班"), [this] { Q_EMIT shiftChangeRequested(); });
    guard(addItem(set, QStringLiteral("mset_4"), tr("&4.台位时段收费标准设置"), [this] { open<RateBandsScreen>(); }),
          &OperatorRights::memberRights, 'C');
    guard(addItem(set, QStringLiteral("mset_5"), tr("&5.系统参数设置"), [this] { open<ParametersScreen>(); }),
          &OperatorRights::memberRights, 'E');
    guard(addItem(set, QStringLiteral("mset_6"), tr("&6.清空历史数据"), [this] { open<HistoryClearingScreen>(); }),
          &OperatorRights::memberRights, 'D');
    set->addSeparator();
    guard(addItem(set, QStringLiteral("mset_9"), tr("&8.计费方案设定"), [this] { open<RateSchemesScreen>(); }),
          &OperatorRights::memberRights, 'F');
    addItem(set, QStringLiteral("mset_10"), tr("&9.选择数据库位置"), [this] { openDatabaseLocation(); });
    addItem(set, QStringLiteral("mset_11"), tr("&A.数 据 库 备 份"), [this] { databaseBackup(m_state); });
    m_ownerPassword =
        addItem(set, QStringLiteral("mset_13"), tr("&B.店主网页口令"), [this] { open<OwnerPasswordDialog>(); });
    m_ownerPassword->setEnabled(m_state.IsSystemOperator);
    // It writes tables, parameters and schemes: it needs the rights of all three items.
    m_hallSetup =
        addItem(set, QStringLiteral("mset_14"), tr("&C.开店向导"), [this] { runHallSetup(m_state, m_board); });
    m_hallSetup->setEnabled(false);
    addItem(set, QStringLiteral("mset_12"), tr("退出系统"), [this] { Q_EMIT exitRequested(); });

    QMenu* members = bar->addMenu(tr("会员管理(&M)"));
    members->setObjectName(QStringLiteral("menu_mage"));
    guard(addItem(members, QStringLiteral("gl_0"), tr("&1.会员登记"), [this] { open<MemberListScreen>(); }),
          &OperatorRights::memberRights, 'A');

    QMenu* business = bar->addMenu(tr("营业管理"));
    business->setObjectName(QStringLiteral("menu_yy"));
    addItem(business, QStringLiteral("menu_yygl_1"), tr("&1.台位计时"), [this] {
        m_run(BoardCommand::StartTiming);
    })->setShortcut(Qt::Key_F2);
    addItem(business, QStringLiteral("menu_yygl_2"), tr("&2.台位结帐"), [this] {
        m_run(BoardCommand::Checkout);
    })->setShortcut(Qt::Key_F3);
    addItem(business, QStringLiteral("menu_yygl_3"), tr("&3.转    台"), [this] {
        m_run(BoardCommand::Transfer);
    })->setShortcut(Qt::Key_F6);
    addItem(business, QStringLiteral("menu_yygl_4"), tr("&4.刷新台位状态"), [this] {
        m_run(BoardCommand::Refresh);
    })->setShortcut(Qt::Key_F5);
    addItem(business, QStringLiteral("menu_yygl_5"), tr("&5.显示背景图"),
            [this] { m_run(BoardCommand::ShowBackground); });
    QAction* autoPrint = business->addAction(tr("&6.是否自动打印"));
    autoPrint->setObjectName(QStringLiteral("menu_yygl_6"));
    autoPrint->setCheckable(true);
    // The item and the button are one switch: either changes both.
    connect(autoPrint, &QAction::toggled, m_print, &QAction::setChecked);
    connect(m_print, &QAction::toggled, autoPrint, &QAction::setChecked);
    m_print->setChecked(true);
    // Unlike their buttons, these two items open for a free table as well.
    addItem(business, QStringLiteral("menu_yygl_7"), tr("&7.客人提醒"), [this] {
        Q_EMIT reminderRequested();
    })->setShortcut(Qt::Key_F9);
    addItem(business, QStringLiteral("menu_yygl_8"), tr("&8.客人押金录入"), [this] {
        Q_EMIT depositRequested();
    })->setShortcut(Qt::Key_F10);
    addItem(business, QStringLiteral("menu_yygl_9"), tr("&9.台位互换"), [this] {
        m_run(BoardCommand::Swap);
    })->setShortcut(Qt::Key_F7);
    // Open to whoever may settle a table, as the settle item is.
    addItem(business, QStringLiteral("menu_yygl_10"), tr("&A.重打上一张小票"), [this] { Q_EMIT reprintRequested(); });
    addItem(business, QStringLiteral("menu_yygl_11"), tr("&B.预结单（非正式收据）"), [this] {
        m_run(BoardCommand::ProvisionalBill);
    })->setShortcut(Qt::Key_F4);
    // The sale of the toolbar, open to everyone as its button is.
    addItem(business, QStringLiteral("menu_yygl_12"), tr("&C.商品销售"), [this] {
        m_run(BoardCommand::Sale);
    })->setShortcut(Qt::Key_F8);

    QMenu* goods = bar->addMenu(tr("商品管理(&D)"));
    goods->setObjectName(QStringLiteral("menuspgl"));
    guard(addItem(goods, QStringLiteral("spgl_0"), tr("&1.商品类别设置"), [this] { open<CatalogueScreen>(); }),
          &OperatorRights::goodsRights, 'A');
    goods->addSeparator();
    guard(addItem(goods, QStringLiteral("spgl_2"), tr("&2.商品进货"),
                  [this] { openDocuments(GoodsDocument::Kind::Purchase); }),
          &OperatorRights::goodsRights, 'B');
    goods->addSeparator();
    guard(addItem(goods, QStringLiteral("spgl_4"), tr("&3.商品销售"),
                  [this] { openDocuments(GoodsDocument::Kind::Sale); }),
          &OperatorRights::goodsRights, 'C');
    goods->addSeparator();
    addItem(goods, QStringLiteral("spgl_6"), tr("&4.商品盘点"), [this] { open<StockBalanceScreen>(); });

    QMenu* queries = bar->addMenu(tr("数据查询(&F)"));
    queries->setObjectName(QStringLiteral("menu_FIND"));
    guard(addItem(queries, QStringLiteral("find_0"), tr("&1.当前班次营业报告"), [this] { open<ShiftReportScreen>(); }),
          &OperatorRights::reportRights, 'A');
    guard(addItem(queries, QStringLiteral("find_1"), tr("&2.当日营业报告"), [this] { open<DayReportScreen>(); }),
          &OperatorRights::reportRights, 'B');
    queries->addSeparator();
    guard(addItem(queries, QStringLiteral("find_3"), tr("&3.营业收入统计"), [this] { open<IncomeStatisticsScreen>(); }),
          &OperatorRights::reportRights, 'C');
    guard(addItem(queries, QStringLiteral("find_4"), tr("&4.商品销售统计"), [this] { open<GoodsStatisticsScreen>(); }),
          &OperatorRights::reportRights, 'D');
    queries->addSeparator();
    addItem(queries, QStringLiteral("find_6"), tr("&5.会员消费明细"), [this] { open<ConsumptionDetailScreen>(); });
    addItem(queries, QStringLiteral("find_7"), tr("&6.会员消费汇总"), [this] { open<ConsumptionTotalsScreen>(); });

    QMenu* operators = bar->addMenu(tr("操作员管理(&O)"));
    operators->setObjectName(QStringLiteral("menuczy"));
    guard(addItem(operators, QStringLiteral("czygl_0"), tr("&1.操作员设置"), [this] { open<OperatorRightsScreen>(); }),
          &OperatorRights::operatorRights, 'A');
    operators->addSeparator();
    addItem(operators, QStringLiteral("czygl_2"), tr("&2.操作员口令变更"), [this] { open<PasswordChangeDialog>(); });
    guard(addItem(operators, QStringLiteral("czygl_3"), tr("&3.操员日志"), [this] { open<OperatorLogScreen>(); }),
          &OperatorRights::operatorRights, 'B');

    QMenu* help = bar->addMenu(tr("帮助(&H)"));
    help->setObjectName(QStringLiteral("menu_help"));
    addItem(help, QStringLiteral("help_0"), tr("&1.帮助"), [] { HelpWindow::open(); });
    addItem(help, QStringLiteral("help_1"), tr("&2.搜索有关帮助的信息"),
            [] { HelpWindow::open(HelpWindow::Page::Search); });
    addItem(help, QStringLiteral("help_2"), tr("&3.常见问题回答"),
            [] { HelpWindow::open(HelpWindow::Page::Questions); });
    help->addSeparator();
    addItem(help, QStringLiteral("help_4"), tr("&4.关于 Tavoro"), [this] {
        AboutBox box(m_board);
        box.exec();
    });
    // Named in both languages, for an operator who cannot read the one shown.
    addItem(help, QStringLiteral("help_5"), tr("&5.界面语言 Language"), [this] {
        SettingsStore settings;
        LanguageChoice choice(settings, m_board);
        choice.exec();
    });
}

template <typename Screen>
void BoardMenus::open()
{
    Screen screen(m_state, m_board);
    screen.exec();
}

void BoardMenus::openDocuments(GoodsDocument::Kind kind)
{
    GoodsDocumentsScreen screen(m_state, kind, m_board);
    screen.exec();
}

void BoardMenus::openDatabaseLocation()
{
    SettingsStore settings;
    DatabaseFileDialog screen(settings, m_state.DbConn, m_board);
    connect(&screen, &DatabaseFileDialog::endProgram, this, &BoardMenus::endProgram);
    screen.exec();
}
