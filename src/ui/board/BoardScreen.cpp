#include "ui/board/BoardScreen.h"

#include "core/admin/OperatorRights.h"
#include "core/admin/OperatorStore.h"
#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/Notation.h"
#include "core/base/SettingsStore.h"
#include "core/billing/Checkout.h"
#include "core/billing/DiscountCheck.h"
#include "core/billing/OpenVisit.h"
#include "core/billing/RunningCharge.h"
#include "core/board/BoardPricing.h"
#include "core/board/CheckoutReceipt.h"
#include "core/board/LampRound.h"
#include "core/board/TableMarks.h"
#include "core/devices/CardReader.h"
#include "core/devices/LightController.h"
#include "ui/admin/LockScreen.h"
#include "ui/base/ProgramFolder.h"
#include "ui/board/ActiveScreenTimers.h"
#include "ui/board/BoardGrid.h"
#include "ui/board/BoardList.h"
#include "ui/board/BoardMenus.h"
#include "ui/board/BoardPanel.h"
#include "ui/board/BoardPictures.h"
#include "ui/board/DepositDialog.h"
#include "ui/board/ProvisionalBillScreen.h"
#include "ui/board/ReminderDialog.h"
#include "ui/board/TableSwapDialog.h"
#include "ui/board/TransferPanel.h"
#include "ui/goods/GoodsDocumentsScreen.h"
#include "ui/printing/ReceiptPrinting.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStatusBar>

namespace {

const QString OpeningKey = QStringLiteral("js");
const QString CheckoutKey = QStringLiteral("jz");
constexpr int DefaultRowHeight = 450; // twips

std::optional<qint16> tableOf(const QString& text)
{
    return Notation::CInt(Notation::Val(text));
}

} // namespace

BoardScreen::BoardScreen(AppState& state, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_model(new BoardModel(this))
    , m_light(new LightController(this))
    , m_cardReader(new CardReader(this))
    , m_lampRound(new LampRound(state, m_light, this))
{
    setObjectName(QStringLiteral("BoardScreen"));
    buildScreen();
    startUp();
}

void BoardScreen::buildScreen()
{
    m_menus = new BoardMenus(m_state, this, [this](const QString& key) { runCommand(key); });
    connect(m_menus, &BoardMenus::shiftChangeRequested, this, &BoardScreen::shiftChangeRequested);
    connect(m_menus, &BoardMenus::exitRequested, this, &BoardScreen::exitRequested);
    connect(m_menus, &BoardMenus::endProgram, this, &BoardScreen::endProgram);
    connect(m_menus, &BoardMenus::reminderRequested, this,
            [this] { showTableScreen<ReminderDialog>(m_panel->Txttx->text()); });
    connect(m_menus, &BoardMenus::depositRequested, this,
            [this] { showTableScreen<DepositDialog>(m_panel->Txtyj->text()); });
    m_receipts = new ReceiptPrinter(m_state.params, this);
    connect(m_receipts, &ReceiptPrinter::printed, this, [](const Result& printed) {
        if (!printed)
            Messages::exclamation(printed.message());
    });
    connect(m_menus, &BoardMenus::reprintRequested, this, [this] { m_receipts->reprint(SettingsStore()); });

    m_grid = new BoardGrid(this);
    // The list is filled once at start-up and never refreshed, so the grid
    // is the presentation the operator sees.
    m_list = new BoardList(this);
    m_list->hide();
    m_panel = new BoardPanel(this);
    m_panel->setFixedWidth(300);
    m_transfer = new TransferPanel(m_state, m_light, this);
    m_transfer->setFixedWidth(300);
    connect(m_transfer, &TransferPanel::moved, this, &BoardScreen::usersubGridStar);

    auto* board = new QWidget(this);
    auto* layout = new QHBoxLayout(board);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_list, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(m_panel, 1);
    side->addWidget(m_transfer);
    layout->addLayout(side);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignCenter);
    m_image1->setStyleSheet(QStringLiteral("QLabel { background: #1f5e3d; color: #f4f1e8; }"));
    QFont big = m_image1->font();
    big.setPointSize(36);
    big.setBold(true);
    m_image1->setFont(big);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(board);
    m_pages->addWidget(m_image1);
    setCentralWidget(m_pages);

    // A row that cannot be priced shows no total; the refresh goes on without
    // a message for it, every 50 s.
    m_model->setPricing(boardPricing(m_state));
    const BoardPictures pictures = BoardPictures::load();
    m_grid->setBoard(m_model, pictures);
    m_list->setBoard(m_model, pictures);
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) { FlGrid_Click(index.row()); });
    m_grid->installEventFilter(this);
    // Moving with the keys selects as a click does, but leaves the focus on
    // the board; a click's own selection comes with its release.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (!m_selecting && current.row() != previous.row() && QApplication::mouseButtons() == Qt::NoButton)
                    selectRow(current.row());
            });
    connect(m_list, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        ListView1_ItemClick(index.siblingAtColumn(BoardModel::Zhao).data().toString());
    });
    connect(m_panel->DataCombo1, &QComboBox::activated, this, [this] {
        if (const std::optional<qint16> zhao = tableOf(m_panel->DataCombo1->currentText()))
            selectRow(m_model->rowOf(*zhao));
    });
    connect(m_panel->Txtkhao, &QLineEdit::returnPressed, this, &BoardScreen::Txtkhao_Enter);
    for (QLineEdit* box : {m_panel->Txtpassword, m_panel->Txtzk, m_panel->Txttx, m_panel->Txtyj})
        connect(box, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    connect(m_panel->Command3, &QPushButton::clicked, m_light, &LightController::sendAllTables);
    connect(m_cardReader, &CardReader::swiped, m_panel->Txtkhao, &QLineEdit::setText);
    // What a device tells stays in the status bar until it tells something else.
    // Both share the bar's width, so the whole text is in the tooltip too.
    const auto statusLabel = [this](const QString& name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        statusBar()->addWidget(label);
        return [label](const QString& text) {
            label->setText(text);
            label->setToolTip(text);
        };
    };
    const auto lightStatus = statusLabel(QStringLiteral("lightStatus"));
    connect(m_light, &LightController::notice, this, lightStatus);
    connect(m_lampRound, &LampRound::notice, this, lightStatus);
    m_typedStatus = statusLabel(QStringLiteral("tableNumberStatus"));
    connect(m_grid, &BoardGrid::typedNumberChanged, this, [this](const QString& digits) {
        m_typedStatus(digits.isEmpty() ? QString() : tr("台号：%1").arg(digits));
    });
    connect(m_cardReader, &CardReader::notice, this, statusLabel(QStringLiteral("cardReaderStatus")));

    auto* timers = new ActiveScreenTimers(this);
    timers->add(QStringLiteral("Timer1"), 6000, [this] { tickClock(); });
    timers->add(QStringLiteral("Timer2"), 50000, [this] { usersubGridStar(); });
    connect(timers, &ActiveScreenTimers::resumed, this, &BoardScreen::tickClock);
}

// Up to the first refresh a failing step leaves its part empty and the next
// one runs; from the operator's row on, a failure ends the start-up with the
// guarded menu items still disabled.
void BoardScreen::startUp()
{
    if (m_state.params.lightControl) {
        m_light->stardkset(m_state.DbConn);
        m_lampRound->start();
    }
    m_panel->Command3->setVisible(m_state.params.lightControl);
    m_cardReader->setCardLength(m_state.params.cardNumberLength);
    m_cardReader->stardkqset(m_state.DbConn);
    setWindowTitle(Messages::AppTitle);

    user_set();
    user_setGRid();
    makeCurrent(0);
    m_grid->setFocus();
    m_list->setSortingEnabled(true);
    m_panel->Text2->setText(m_state.OperatorName);
    tickClock();

    std::optional<OperatorRecord> self;
    Result result = OperatorStore(m_state.DbConn).find(m_state.OperatorName, &self);
    if (!result) {
        showError(result);
        return;
    }
    m_panel->Txtzk->setReadOnly(!(self && self->zk && *self->zk > 0));
    OperatorRights rights;
    result = loadOperatorRights(m_state.DbConn, m_state.OperatorName, &rights);
    if (!result) {
        showError(result);
        return;
    }
    m_menus->applyRights(rights);
    setWindowTitle(windowTitle() + QStringLiteral("   ") + m_state.DbFullName);
}

// The rows are laid out here once; a table added later shows when the
// board is next built.
void BoardScreen::user_set()
{
    m_panel->DataCombo1->clear();
    // A board that cannot be read stays empty and says why; the start-up
    // goes on, as its steps up to the first refresh do past a failure.
    const Result built = m_model->build(m_state.DbConn);
    if (!built) {
        showError(built);
        return;
    }
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_panel->DataCombo1->addItem(QString::number(m_model->table(row).zhao));
    usersubListStar();
}

void BoardScreen::user_setGRid()
{
    if (m_state.params.gridRowHeight == 0)
        m_state.params.gridRowHeight = DefaultRowHeight;
    m_grid->setRowHeights(std::max(m_state.params.gridRowHeight / 15, m_grid->fontMetrics().height() + 8));
}

// The list and the grid show the same rows, so filling the list is the
// board's refresh. Reminders that came due while the program was closed are
// asked about at the first timed refresh, once the board is on the screen.
void BoardScreen::usersubListStar()
{
    refresh(false);
}

void BoardScreen::usersubGridStar()
{
    refresh(true);
}

void BoardScreen::refresh(bool mayAsk)
{
    const Result refreshed = m_model->refresh(m_state.DbConn, Clock::now());
    if (!refreshed) {
        showError(refreshed);
        return;
    }
    QList<DueReminder> due;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (const std::optional<DueReminder> reminder = getTx(row))
            due.append(*reminder);
    }
    if (mayAsk)
        askDueReminders(due);
}

void BoardScreen::usersubGridRow(qint16 row)
{
    showRow(row - 1, nullptr);
}

void BoardScreen::showRow(int row, const BoardModel::Bill* bill)
{
    // A row that cannot be read keeps what it showed, and the operator is told.
    const Result shown = m_model->refreshOne(m_state.DbConn, row, Clock::now(), m_state.params.clearOnCheckout, bill);
    if (!shown)
        showError(shown);
}

// The question a row's reminder asks, once its minutes are reached.
std::optional<BoardScreen::DueReminder> BoardScreen::getTx(int row) const
{
    if (!m_model->isDue(row) || !m_state.params.reminderOffersCheckout)
        return std::nullopt;
    const BoardRow& table = m_model->table(row);
    return DueReminder{table.zhao, table.visit->id};
}

// A checkout started from a question refreshes the board again; the
// questions of that refresh are left to the one still asking.
void BoardScreen::askDueReminders(const QList<DueReminder>& due)
{
    if (m_asking)
        return;
    const QScopedValueRollback<bool> asking(m_asking, true);
    for (const DueReminder& reminder : due) {
        if (!m_answeredYes.contains(reminder.visitId))
            remind(reminder);
    }
}

// The table in question becomes current so that a Yes settles it; a No gives
// the operator back the table and boxes they were working on.
void BoardScreen::remind(const DueReminder& reminder)
{
    const Selection before = saveSelection();
    selectRow(m_model->rowOf(reminder.zhao));
    for (int i = 0; i < 4; ++i)
        QApplication::beep();
    const Messages::Answer answer =
        Messages::show({tr("%1台位是否结帐").arg(reminder.zhao), Messages::Icon::Exclamation, Messages::AppTitle,
                        Messages::Buttons::YesNo, Messages::Answer::No});
    if (answer == Messages::Answer::Yes) {
        m_answeredYes.insert(reminder.visitId);
        runCommand(CheckoutKey);
        return;
    }
    restoreSelection(before);
}

BoardScreen::Selection BoardScreen::saveSelection() const
{
    const BoardPanel& p = *m_panel;
    return {m_current ? m_current->row : -1,
            p.Txtkhao->text(),
            p.Txtpassword->text(),
            p.Txtzk->text(),
            p.Txtyj->text(),
            p.Txtmony->text(),
            p.TxtCkv_zc->text(),
            p.TxtHj->text()};
}

void BoardScreen::restoreSelection(const Selection& selection)
{
    makeCurrent(selection.row);
    BoardPanel& p = *m_panel;
    p.Txtkhao->setText(selection.khao);
    p.Txtpassword->setText(selection.password);
    p.Txtzk->setText(selection.zk);
    p.Txtyj->setText(selection.yj);
    p.Txtmony->setText(selection.mony);
    p.TxtCkv_zc->setText(selection.ckvZc);
    p.TxtHj->setText(selection.hj);
}

// The current table is kept here; the grid's current row, DataCombo1 and
// TxtHs only show it, so a command acts on the table and row it names.
void BoardScreen::makeCurrent(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_current = CurrentTable{m_model->table(row).zhao, row};
    {
        const QScopedValueRollback<bool> selecting(m_selecting, true);
        m_grid->setCurrentIndex(m_grid->model()->index(row, BoardModel::Zhao));
    }
    m_panel->DataCombo1->setCurrentIndex(m_panel->DataCombo1->findText(currentTable()));
    m_panel->TxtHs->setText(QString::number(row + 1));
}

void BoardScreen::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    makeCurrent(row);
    BoardPanel& p = *m_panel;
    for (QLineEdit* box : {p.TxtCkv_zc, p.TxtHj, p.Txtpassword, p.Txtmony})
        box->clear();
    const QString table = currentTable();
    std::optional<BoardRow> found;
    const Result loaded = BoardRows::loadOne(m_state.DbConn, m_current->zhao, &found);
    if (!loaded) {
        showError(loaded);
        return;
    }
    // A free table shows no card, whatever its row still shows of the last guest.
    p.Txtkhao->setText(found && found->visit ? found->visit->khao : QString());
    if (!found || !found->visit) {
        p.Txtyj->setText(QString::number(m_state.params.memberDeposit));
        return;
    }
    RunningCharge charge(m_state);
    charge.setStrkh(found->visit->khao);
    charge.setStrZh(table);
    const Result priced = charge.GETJe();
    if (priced)
        p.Txtmony->setText(QString::number(double(charge.intzje()), 'f', 2));
    else
        showError(priced);
    p.Txtyj->setText(QString::number(found->fwfl, 'g', 15));
}

// A number the board has no table for selects nothing and says so.
void BoardScreen::selectTyped(const QString& digits)
{
    const std::optional<qint16> zhao = tableOf(digits);
    const int row = zhao ? m_model->rowOf(*zhao) : -1;
    if (row < 0) {
        m_typedStatus(tr("没有%1号台").arg(digits));
        return;
    }
    FlGrid_Click(row);
}

void BoardScreen::FlGrid_Click(int row)
{
    selectRow(row);
    m_panel->Txtkhao->setFocus();
}

void BoardScreen::ListView1_ItemClick(const QString& table)
{
    if (const std::optional<qint16> zhao = tableOf(table))
        FlGrid_Click(m_model->rowOf(*zhao));
}

QString BoardScreen::currentTable() const
{
    return m_current ? QString::number(m_current->zhao) : QString();
}

bool BoardScreen::autoPrint() const
{
    return m_menus->autoPrint();
}

void BoardScreen::runCommand(const QString& key)
{
    if (key == OpeningKey) {
        js();
    } else if (key == CheckoutKey) {
        jzZh();
    } else if (key == QLatin1String("yjd")) {
        showProvisionalBill();
    } else if (key == QLatin1String("Xs")) {
        m_state.GoodsMode = QStringLiteral("zc");
        GoodsDocumentsScreen screen(m_state, this);
        screen.exec();
        // A sale to a table shows in that table's goods at once.
        usersubGridStar();
    } else if (key == QLatin1String("Sd")) {
        LockScreen screen(m_state, this);
        screen.exec();
    } else if (key == QLatin1String("Refh")) {
        usersubGridStar();
    } else if (key == QLatin1String("Showtp")) {
        showBackground();
    } else if (key == QLatin1String("zhuantai")) {
        zhuantaiSet();
    } else if (key == QLatin1String("tx") || key == QLatin1String("yj") || key == QLatin1String("hh")) {
        if (!m_current)
            return;
        Result checked = Result::success();
        const bool inUse = IsZhUse(m_state.DbConn, currentTable(), &checked);
        if (!checked)
            showError(checked);
        if (!inUse)
            return;
        if (key == QLatin1String("tx"))
            showTableScreen<ReminderDialog>(m_panel->Txttx->text());
        else if (key == QLatin1String("yj"))
            showTableScreen<DepositDialog>(m_panel->Txtyj->text());
        else
            showSwap();
    }
}

void BoardScreen::zhuantaiSet()
{
    if (m_current)
        m_transfer->prepare(m_current->zhao);
}

template <typename Screen>
void BoardScreen::showTableScreen(const QString& value)
{
    if (!m_current)
        return;
    Screen screen(m_state, currentTable(), value, this);
    if (screen.exec() == QDialog::Accepted)
        usersubGridStar();
}

void BoardScreen::showSwap()
{
    TableSwapDialog screen(m_state, currentTable(), this);
    if (screen.exec() == QDialog::Accepted)
        usersubGridStar();
}

// The card is checked before anything is written: a refused card leaves the
// table free and its lamp off.
void BoardScreen::js()
{
    BoardPanel& p = *m_panel;
    const QString table = currentTable();
    if (Notation::Trim(table).isEmpty())
        return;
    if (p.Txttx->text().isEmpty())
        p.Txttx->setText(QStringLiteral("0"));
    const TableOpening::Request request{table, p.Txtkhao->text(), p.Txtpassword->text(), p.Txttx->text(),
                                        p.Txtyj->text()};
    TableOpening::Opened opened;
    const Result result = TableOpening::openTable(m_state, request, &opened);
    if (!result) {
        showError(result);
        return;
    }
    switch (opened.outcome) {
    case TableOpening::Outcome::AlreadyOpen:
        // Opened from another counter since the board was read: show it as it is.
        Messages::information(tr("%1号台已经开台（可能是在另一台电脑上），台位已刷新。").arg(table));
        usersubGridStar();
        return;
    case TableOpening::Outcome::CardRefused:
        Messages::information(tr("会员卡号错误，请重新输入 "));
        p.Txtkhao->setFocus();
        return;
    case TableOpening::Outcome::ReminderRefused:
        Messages::exclamation(TableMarks::reminderRefused());
        p.Txttx->setFocus();
        return;
    case TableOpening::Outcome::DepositRefused:
        Messages::exclamation(TableMarks::depositRefused());
        p.Txtyj->setFocus();
        return;
    case TableOpening::Outcome::Opened:
        break;
    }
    if (!request.card.isEmpty())
        acceptMember(opened.member);
    if (m_state.params.lightControl)
        m_light->SendDAta(1, table);
    usersubGridRow(qint16(m_current->row + 1));
}

// The whole bill is settled in one transaction by the checkout, which also
// checks that the table is in use and the discount within the operator's
// authority; the lamp, the board and the receipt follow only a bill that was
// really settled.
void BoardScreen::jzZh()
{
    BoardPanel& p = *m_panel;
    const QString table = currentTable();
    const Checkout::Bill bill =
        Checkout::settle(m_state, {table, p.Txtkhao->text(), p.Txtpassword->text(), p.Txtzk->text()});
    Messages::tell(Checkout::notice(bill));
    if (!bill.settled())
        return;

    if (m_state.params.lightControl)
        m_light->SendDAta(0, table);
    p.Txtmony->setText(receiptNumber(bill.timeCharge()));
    p.TxtCkv_zc->setText(receiptNumber(bill.goodsTotal));
    p.TxtHj->setText(receiptNumber(bill.grandTotal));
    const int row = m_current->row;
    const BoardModel::Bill shown{p.Txtmony->text(), bill.end};

    const Receipt receipt = checkoutReceipt(m_state, bill, Notation::Val(p.Txtyj->text()));
    m_receipts->print(receipt, autoPrint(), SettingsStore());

    showRow(row, &shown);
    p.Txtzk->setText(QStringLiteral("0"));
}

// Priced by the checkout's own pricing from the same boxes, so that the
// guest is shown what settling now would take; nothing is written, and the
// receipt is not kept for a reprint.
void BoardScreen::showProvisionalBill()
{
    if (!m_current)
        return;
    BoardPanel& p = *m_panel;
    const Checkout::Bill bill =
        Checkout::quote(m_state, {currentTable(), p.Txtkhao->text(), p.Txtpassword->text(), p.Txtzk->text()});
    if (bill.outcome == Checkout::Outcome::NoOpenVisit) {
        Messages::information(tr("%1号台没有开台，没有预结单。").arg(currentTable()));
        return;
    }
    Messages::tell(Checkout::notice(bill));
    if (bill.outcome != Checkout::Outcome::Quoted && bill.outcome != Checkout::Outcome::ShortBalance)
        return;
    const Receipt receipt = provisionalReceipt(m_state, bill, Notation::Val(p.Txtyj->text()));
    ProvisionalBillScreen screen(receipt, this);
    connect(&screen, &ProvisionalBillScreen::printRequested, m_receipts,
            [this, &receipt] { m_receipts->printProvisional(receipt, SettingsStore()); });
    screen.exec();
}

bool BoardScreen::hykCheck(const QString& card, const QString& password)
{
    TableOpening::MemberCheck member;
    const Result result = TableOpening::hykCheck(m_state, card, password, &member);
    if (!result) {
        showError(result);
        return false;
    }
    if (member.accepted)
        acceptMember(member);
    return member.accepted;
}

void BoardScreen::acceptMember(const TableOpening::MemberCheck& member)
{
    m_cardType = member.cardType;
    if (member.discount)
        m_panel->Txtzk->setText(discountText(*member.discount));
}

// A positioning card selects its table as a click would (so an opening is a
// cash guest's and a checkout uses the visit's own card) and offers the
// command that fits the table's state.
void BoardScreen::Txtkhao_Enter()
{
    QLineEdit* box = m_panel->Txtkhao;
    box->setText(Notation::Mid(box->text(), 1, cardLength()));
    std::optional<TableOpening::PositioningCard> found;
    const Result result = TableOpening::findPositioningCard(m_state, box->text(), &found);
    if (!result) {
        showError(result);
        return;
    }
    if (!found) {
        m_panel->Txtpassword->setFocus();
        return;
    }
    const int row = m_model->rowOf(found->zhao);
    if (row >= 0) {
        selectRow(row);
        const QString number = QString::number(found->zhao);
        if (IsZhUse(m_state.DbConn, number)) {
            if (Messages::askDefaultNo(tr("此为定位卡 台号为  %1 ' %2 是否结帐？").arg(number, found->mc)))
                runCommand(CheckoutKey);
        } else if (Messages::ask(tr("此为定位卡 台号为  %1  ’名称为 %2 是否开台 ?").arg(number, found->mc))) {
            runCommand(OpeningKey);
        }
    }
    usersubGridStar();
    box->clear();
}

// Without a readable "back.wmf" the hall's name stands in for the picture.
void BoardScreen::showBackground()
{
    if (m_pages->currentWidget() != m_image1) {
        const QPixmap picture = programPicture(QStringLiteral("back.wmf"));
        if (picture.isNull()) {
            const QString company = m_state.params.companyName.trimmed();
            m_image1->setText(company.isEmpty() ? Messages::AppTitle : company);
        } else {
            m_image1->setPixmap(picture.scaled(m_pages->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
        m_pages->setCurrentWidget(m_image1);
        return;
    }
    m_image1->clear();
    m_pages->setCurrentIndex(0);
}

void BoardScreen::tickClock()
{
    m_panel->Text3->setText(DateText::dateTime(Clock::now()));
}

bool BoardScreen::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on the board takes the table whose number was typed, else the
    // current table, as a click does.
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QString typed = m_grid->takeTypedNumber();
            if (typed.isEmpty())
                FlGrid_Click(m_grid->currentIndex().row());
            else
                selectTyped(typed);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

int BoardScreen::cardLength() const
{
    // A length of 0 would empty every card typed or read.
    return m_state.params.cardNumberLength > 0 ? m_state.params.cardNumberLength : -1;
}
