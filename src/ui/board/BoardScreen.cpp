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
#include "core/board/BoardDevices.h"
#include "core/board/BoardPricing.h"
#include "core/board/CheckoutReceipt.h"
#include "core/board/LampRound.h"
#include "core/board/TableMarks.h"
#include "core/board/TableNewsListener.h"
#include "core/devices/CardReader.h"
#include "core/devices/LightController.h"
#include "ui/admin/LockScreen.h"
#include "ui/base/ProgramFolder.h"
#include "ui/board/ActiveScreenTimers.h"
#include "ui/board/BoardGrid.h"
#include "ui/board/BoardList.h"
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

constexpr int DefaultRowHeight = 450; // twips

std::optional<qint16> tableOf(const QString& text)
{
    return Notation::CInt(Notation::Val(text));
}

} // namespace

BoardScreen::BoardScreen(AppState& state, BoardDevices& devices, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_model(new BoardModel(this))
    , m_light(&devices.light())
    , m_cardReader(&devices.cardReader())
    , m_lampRound(&devices.lampRound())
    , m_news(&devices.news())
    , m_drivesLamps(devices.drivesLamps())
{
    setObjectName(QStringLiteral("BoardScreen"));
    buildScreen();
    startUp();
}

void BoardScreen::buildScreen()
{
    m_receipts = new ReceiptPrinter(m_state.params, this);
    connect(m_receipts, &ReceiptPrinter::printed, this, [](const Result& printed) {
        if (!printed)
            Messages::exclamation(printed.message());
    });

    m_grid = new BoardGrid(this);
    // The list is filled once at start-up and never refreshed, so the grid
    // is the presentation the operator sees.
    m_list = new BoardList(this);
    m_list->hide();
    m_panel = new BoardPanel(this);
    m_panel->setFixedWidth(300);
    m_transfer = new TransferPanel(m_state, m_light, this);
    m_transfer->setFixedWidth(300);
    connect(m_transfer, &TransferPanel::moved, this, &BoardScreen::refreshBoard);

    auto* board = new QWidget(this);
    auto* layout = new QHBoxLayout(board);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_list, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(m_panel, 1);
    side->addWidget(m_transfer);
    layout->addLayout(side);

    m_background = new QLabel(this);
    m_background->setObjectName(QStringLiteral("background"));
    m_background->setAlignment(Qt::AlignCenter);
    m_background->setStyleSheet(QStringLiteral("QLabel { background: #1f5e3d; color: #f4f1e8; }"));
    QFont big = m_background->font();
    big.setPointSize(36);
    big.setBold(true);
    m_background->setFont(big);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(board);
    m_pages->addWidget(m_background);
    setCentralWidget(m_pages);

    // A row that cannot be priced shows no total; the refresh goes on without
    // a message for it, every 50 s.
    m_model->setPricing(boardPricing(m_state));
    const BoardPictures pictures = BoardPictures::load();
    m_grid->setBoard(m_model, pictures);
    m_list->setBoard(m_model, pictures);
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) { takeRow(index.row()); });
    m_grid->installEventFilter(this);
    // Moving with the keys selects as a click does, but leaves the focus on
    // the board; a click's own selection comes with its release.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (!m_selecting && current.row() != previous.row() && QApplication::mouseButtons() == Qt::NoButton)
                    selectRow(current.row());
            });
    connect(m_list, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        takeListedTable(index.siblingAtColumn(BoardModel::Number).data().toString());
    });
    connect(m_panel->tableChoice, &QComboBox::activated, this, [this] {
        if (const std::optional<qint16> number = tableOf(m_panel->tableChoice->currentText()))
            selectRow(m_model->rowOf(*number));
    });
    connect(m_panel->card, &QLineEdit::returnPressed, this, &BoardScreen::enterCard);
    for (QLineEdit* box : {m_panel->password, m_panel->discount, m_panel->reminder, m_panel->deposit})
        connect(box, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    connect(m_panel->allLights, &QPushButton::clicked, m_light, &LightController::sendAllTables);
    connect(m_cardReader, &CardReader::swiped, m_panel->card, &QLineEdit::setText);
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
    connect(m_news, &TableNewsListener::tableChanged, this, &BoardScreen::showChangedElsewhere);
    connect(m_news, &TableNewsListener::resumed, this, &BoardScreen::fillList);

    auto* timers = new ActiveScreenTimers(this);
    timers->add(QStringLiteral("clockTimer"), 6000, [this] { tickClock(); });
    timers->add(QStringLiteral("refreshTimer"), 50000, [this] { refreshBoard(); });
    connect(timers, &ActiveScreenTimers::resumed, this, &BoardScreen::tickClock);
}

// Up to the first refresh a failing step leaves its part empty and the next
// one runs; from the operator's row on, a failure ends the start-up without
// the operator's rights, so that the menus keep their guarded items disabled.
void BoardScreen::startUp()
{
    // Listening before the board and the lamps are read, a change told
    // meanwhile is not missed.
    m_news->start();
    // Another counter's lamps are not this one's to switch: its port stays
    // closed, and every lamp command of this counter sends nothing.
    const bool lamps = m_state.params.lightControl && m_drivesLamps;
    if (lamps) {
        m_light->openPort(m_state.DbConn);
        m_lampRound->start();
    }
    m_panel->allLights->setVisible(lamps);
    m_cardReader->setCardLength(m_state.params.cardNumberLength);
    m_cardReader->openPort(m_state.DbConn);
    setWindowTitle(Messages::AppTitle);

    buildRows();
    applyRowHeight();
    makeCurrent(0);
    m_grid->setFocus();
    m_list->setSortingEnabled(true);
    m_panel->operatorName->setText(m_state.OperatorName);
    tickClock();

    const ResultOf<std::optional<OperatorRecord>> self = OperatorStore(m_state.DbConn).find(m_state.OperatorName);
    if (!self) {
        showError(self.result());
        return;
    }
    m_panel->discount->setReadOnly(!(*self && (*self)->discountLimit && *(*self)->discountLimit > 0));
    const ResultOf<OperatorRights> rights = loadOperatorRights(m_state.DbConn, m_state.OperatorName);
    if (!rights) {
        showError(rights.result());
        return;
    }
    m_rights = *rights;
    setWindowTitle(windowTitle() + QStringLiteral("   ") + m_state.DbFullName);
}

// The rows are laid out here once; a table added later shows when the
// board is next built.
void BoardScreen::buildRows()
{
    m_panel->tableChoice->clear();
    // A board that cannot be read stays empty and says why; the start-up
    // goes on, as its steps up to the first refresh do past a failure.
    const Result built = m_model->build(m_state.DbConn);
    if (!built) {
        showError(built);
        return;
    }
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_panel->tableChoice->addItem(QString::number(m_model->table(row).number));
    fillList();
}

void BoardScreen::reloadTables()
{
    buildRows();
    makeCurrent(0);
}

void BoardScreen::applyRowHeight()
{
    if (m_state.params.gridRowHeight == 0)
        m_state.params.gridRowHeight = DefaultRowHeight;
    m_grid->setRowHeights(std::max(m_state.params.gridRowHeight / 15, m_grid->fontMetrics().height() + 8));
}

// The list and the grid show the same rows, so filling the list is the
// board's refresh. Reminders that came due while the program was closed are
// asked about at the first timed refresh, once the board is on the screen.
void BoardScreen::fillList()
{
    refresh(false);
}

void BoardScreen::refreshBoard()
{
    refresh(true);
}

void BoardScreen::refresh(bool mayAsk)
{
    const Result refreshed = m_model->refresh(m_state.DbConn, Clock::now());
    // A server that is down fails every timed refresh until it is back: it
    // is told once, not every 50 seconds.
    const bool lost = refreshed.number() == Result::ConnectionLost;
    if (!refreshed && !(lost && m_toldConnectionLost))
        showError(refreshed);
    m_toldConnectionLost = !refreshed && lost;
    if (!refreshed)
        return;
    QList<DueReminder> due;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (const std::optional<DueReminder> reminder = dueReminder(row))
            due.append(*reminder);
    }
    if (mayAsk)
        askDueReminders(due);
}

void BoardScreen::showRow(int row, const BoardModel::Bill* bill)
{
    // A row that cannot be read keeps what it showed, and the operator is told.
    const Result shown = m_model->refreshOne(m_state.DbConn, row, Clock::now(), m_state.params.clearOnCheckout, bill);
    if (!shown)
        showError(shown);
}

// A row that cannot be read keeps what it showed; the operator did nothing
// to be told of it, and the timed refresh tells of a lost server once.
// A table added since the board was built has no row until the next build.
void BoardScreen::showChangedElsewhere(qint16 table)
{
    if (const int row = m_model->rowOf(table); row >= 0)
        (void)m_model->refreshOne(m_state.DbConn, row, Clock::now(), m_state.params.clearOnCheckout);
}

// The question a row's reminder asks, once its minutes are reached.
std::optional<BoardScreen::DueReminder> BoardScreen::dueReminder(int row) const
{
    if (!m_model->isDue(row) || !m_state.params.reminderOffersCheckout)
        return std::nullopt;
    const BoardRow& table = m_model->table(row);
    return DueReminder{table.number, table.visit->id};
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
    selectRow(m_model->rowOf(reminder.number));
    for (int i = 0; i < 4; ++i)
        QApplication::beep();
    const Messages::Answer answer =
        Messages::show({tr("%1台位是否结帐").arg(reminder.number), Messages::Icon::Exclamation, Messages::AppTitle,
                        Messages::Buttons::YesNo, Messages::Answer::No});
    if (answer == Messages::Answer::Yes) {
        m_answeredYes.insert(reminder.visitId);
        runCommand(BoardCommand::Checkout);
        return;
    }
    restoreSelection(before);
}

BoardScreen::Selection BoardScreen::saveSelection() const
{
    const BoardPanel& p = *m_panel;
    return {m_current ? m_current->row : -1,
            p.card->text(),
            p.password->text(),
            p.discount->text(),
            p.deposit->text(),
            p.timeCharge->text(),
            p.goodsTotal->text(),
            p.grandTotal->text()};
}

void BoardScreen::restoreSelection(const Selection& selection)
{
    makeCurrent(selection.row);
    BoardPanel& p = *m_panel;
    p.card->setText(selection.card);
    p.password->setText(selection.password);
    p.discount->setText(selection.discount);
    p.deposit->setText(selection.deposit);
    p.timeCharge->setText(selection.timeCharge);
    p.goodsTotal->setText(selection.goodsTotal);
    p.grandTotal->setText(selection.grandTotal);
}

// The current table is kept here; the grid's current row, tableChoice and
// rowNumber only show it, so a command acts on the table and row it names.
void BoardScreen::makeCurrent(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_current = CurrentTable{m_model->table(row).number, row};
    {
        const QScopedValueRollback<bool> selecting(m_selecting, true);
        m_grid->setCurrentIndex(m_grid->model()->index(row, BoardModel::Number));
    }
    m_panel->tableChoice->setCurrentIndex(m_panel->tableChoice->findText(currentTable()));
    m_panel->rowNumber->setText(QString::number(row + 1));
}

void BoardScreen::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    makeCurrent(row);
    BoardPanel& p = *m_panel;
    for (QLineEdit* box : {p.goodsTotal, p.grandTotal, p.password, p.timeCharge})
        box->clear();
    const ResultOf<std::optional<BoardRow>> loaded = BoardRows::loadOne(m_state.DbConn, m_current->number);
    if (!loaded) {
        showError(loaded.result());
        return;
    }
    const std::optional<BoardRow>& found = *loaded;
    // A free table shows no card, whatever its row still shows of the last guest.
    p.card->setText(found && found->visit ? found->visit->card : QString());
    if (!found || !found->visit) {
        p.deposit->setText(QString::number(m_state.params.memberDeposit));
        return;
    }
    const ResultOf<float> charge = runningCharge(m_state, *found);
    if (charge)
        p.timeCharge->setText(QString::number(double(*charge), 'f', 2));
    else
        showError(charge.result());
    p.deposit->setText(QString::number(found->deposit, 'g', 15));
}

// A number the board has no table for selects nothing and says so.
void BoardScreen::selectTyped(const QString& digits)
{
    const std::optional<qint16> number = tableOf(digits);
    const int row = number ? m_model->rowOf(*number) : -1;
    if (row < 0) {
        m_typedStatus(tr("没有%1号台").arg(digits));
        return;
    }
    takeRow(row);
}

void BoardScreen::takeRow(int row)
{
    selectRow(row);
    m_panel->card->setFocus();
}

void BoardScreen::takeListedTable(const QString& table)
{
    if (const std::optional<qint16> number = tableOf(table))
        takeRow(m_model->rowOf(*number));
}

QString BoardScreen::currentTable() const
{
    return m_current ? QString::number(m_current->number) : QString();
}

bool BoardScreen::autoPrint() const
{
    return m_autoPrint;
}

void BoardScreen::setAutoPrint(bool on)
{
    m_autoPrint = on;
}

const std::optional<OperatorRights>& BoardScreen::operatorRights() const
{
    return m_rights;
}

void BoardScreen::showReminder()
{
    showTableScreen<ReminderDialog>(m_panel->reminder->text());
}

void BoardScreen::showDeposit()
{
    showTableScreen<DepositDialog>(m_panel->deposit->text());
}

void BoardScreen::reprint()
{
    m_receipts->reprint(SettingsStore());
}

void BoardScreen::runCommand(BoardCommand command)
{
    switch (command) {
    case BoardCommand::StartTiming:
        openTable();
        return;
    case BoardCommand::Checkout:
        settleTable();
        return;
    case BoardCommand::ProvisionalBill:
        showProvisionalBill();
        return;
    case BoardCommand::Sale: {
        GoodsDocumentsScreen screen(m_state, GoodsDocument::Kind::Sale, this);
        screen.exec();
        // A sale to a table shows in that table's goods at once.
        refreshBoard();
        return;
    }
    case BoardCommand::Lock: {
        LockScreen screen(m_state, this);
        screen.exec();
        return;
    }
    case BoardCommand::Refresh:
        refreshBoard();
        return;
    case BoardCommand::ShowBackground:
        showBackground();
        return;
    case BoardCommand::Transfer:
        prepareTransfer();
        return;
    case BoardCommand::Reminder:
    case BoardCommand::Deposit:
    case BoardCommand::Swap:
        runOnTableInUse(command);
        return;
    case BoardCommand::Unlock:
    case BoardCommand::AutoPrint:
        return;
    }
}

// The buttons of the reminder, deposit and swap open their screens only for
// a table in use; a failed check is shown and opens nothing.
void BoardScreen::runOnTableInUse(BoardCommand command)
{
    if (!m_current)
        return;
    const ResultOf<bool> inUse = isTableInUse(m_state.DbConn, currentTable());
    if (!inUse) {
        showError(inUse.result());
        return;
    }
    if (!*inUse)
        return;
    if (command == BoardCommand::Reminder)
        showTableScreen<ReminderDialog>(m_panel->reminder->text());
    else if (command == BoardCommand::Deposit)
        showTableScreen<DepositDialog>(m_panel->deposit->text());
    else
        showSwap();
}

void BoardScreen::prepareTransfer()
{
    if (m_current)
        m_transfer->prepare(m_current->number);
}

template <typename Screen>
void BoardScreen::showTableScreen(const QString& value)
{
    if (!m_current)
        return;
    Screen screen(m_state, currentTable(), value, this);
    if (screen.exec() == QDialog::Accepted)
        refreshBoard();
}

void BoardScreen::showSwap()
{
    TableSwapDialog screen(m_state, currentTable(), this);
    if (screen.exec() == QDialog::Accepted)
        refreshBoard();
}

// The card is checked before anything is written: a refused card leaves the
// table free and its lamp off.
void BoardScreen::openTable()
{
    BoardPanel& p = *m_panel;
    const QString table = currentTable();
    if (Notation::Trim(table).isEmpty())
        return;
    if (p.reminder->text().isEmpty())
        p.reminder->setText(QStringLiteral("0"));
    const TableOpening::Request request{table, p.card->text(), p.password->text(), p.reminder->text(),
                                        p.deposit->text()};
    const ResultOf<TableOpening::Opened> opened = TableOpening::openTable(m_state, request);
    if (!opened) {
        showError(opened.result());
        return;
    }
    switch (opened->outcome) {
    case TableOpening::Outcome::AlreadyOpen:
        // Opened from another counter since the board was read: show it as it is.
        Messages::information(opened->openedAt.isEmpty()
                                  ? tr("%1号台已经开台（可能是在另一台电脑上），台位已刷新。").arg(table)
                                  : tr("%1号台已经在 %2 开台，台位已刷新。").arg(table, opened->openedAt));
        refreshBoard();
        return;
    case TableOpening::Outcome::CardRefused:
        Messages::information(tr("会员卡号错误，请重新输入 "));
        p.card->setFocus();
        return;
    case TableOpening::Outcome::ReminderRefused:
        Messages::exclamation(TableMarks::reminderRefused());
        p.reminder->setFocus();
        return;
    case TableOpening::Outcome::DepositRefused:
        Messages::exclamation(TableMarks::depositRefused());
        p.deposit->setFocus();
        return;
    case TableOpening::Outcome::Opened:
        break;
    }
    if (!request.card.isEmpty())
        acceptDiscount(opened->member);
    if (m_state.params.lightControl)
        m_light->sendTable(1, table);
    showRow(m_current->row, nullptr);
}

// The whole bill is settled in one transaction by the checkout, which also
// checks that the table is in use and the discount within the operator's
// authority; the lamp, the board and the receipt follow only a bill that was
// really settled.
void BoardScreen::settleTable()
{
    BoardPanel& p = *m_panel;
    const QString table = currentTable();
    const Checkout::Bill bill =
        Checkout::settle(m_state, {table, p.card->text(), p.password->text(), p.discount->text()});
    Messages::tell(Checkout::notice(bill));
    if (bill.outcome == Checkout::Outcome::SettledMeanwhile)
        refreshBoard();
    if (!bill.settled())
        return;

    if (m_state.params.lightControl)
        m_light->sendTable(0, table);
    p.timeCharge->setText(receiptNumber(bill.timeCharge()));
    p.goodsTotal->setText(receiptNumber(bill.goodsTotal));
    p.grandTotal->setText(receiptNumber(bill.grandTotal));
    const int row = m_current->row;
    const BoardModel::Bill shown{p.timeCharge->text(), bill.end};

    const Receipt receipt = checkoutReceipt(m_state, bill, Notation::Val(p.deposit->text()));
    m_receipts->print(receipt, autoPrint(), SettingsStore());

    showRow(row, &shown);
    p.discount->setText(QStringLiteral("0"));
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
        Checkout::quote(m_state, {currentTable(), p.card->text(), p.password->text(), p.discount->text()});
    if (bill.outcome == Checkout::Outcome::NoOpenVisit) {
        Messages::information(tr("%1号台没有开台，没有预结单。").arg(currentTable()));
        return;
    }
    Messages::tell(Checkout::notice(bill));
    if (bill.outcome != Checkout::Outcome::Quoted && bill.outcome != Checkout::Outcome::ShortBalance)
        return;
    const Receipt receipt = provisionalReceipt(m_state, bill, Notation::Val(p.deposit->text()));
    ProvisionalBillScreen screen(receipt, this);
    connect(&screen, &ProvisionalBillScreen::printRequested, m_receipts,
            [this, &receipt] { m_receipts->printProvisional(receipt, SettingsStore()); });
    screen.exec();
}

void BoardScreen::acceptDiscount(const TableOpening::MemberCheck& member)
{
    if (member.discount)
        m_panel->discount->setText(discountText(*member.discount));
}

// A positioning card selects its table as a click would (so an opening is a
// cash guest's and a checkout uses the visit's own card) and offers the
// command that fits the table's state.
void BoardScreen::enterCard()
{
    QLineEdit* box = m_panel->card;
    box->setText(Notation::Mid(box->text(), 1, cardLength()));
    const ResultOf<std::optional<TableOpening::PositioningCard>> card =
        TableOpening::findPositioningCard(m_state, box->text());
    if (!card) {
        showError(card.result());
        return;
    }
    const std::optional<TableOpening::PositioningCard>& found = *card;
    if (!found) {
        m_panel->password->setFocus();
        return;
    }
    const int row = m_model->rowOf(found->number);
    if (row >= 0) {
        selectRow(row);
        const QString number = QString::number(found->number);
        const ResultOf<bool> inUse = isTableInUse(m_state.DbConn, number);
        if (!inUse) {
            showError(inUse.result());
        } else if (*inUse) {
            if (Messages::askDefaultNo(tr("此为定位卡 台号为  %1 ' %2 是否结帐？").arg(number, found->name)))
                runCommand(BoardCommand::Checkout);
        } else if (Messages::ask(tr("此为定位卡 台号为  %1  ’名称为 %2 是否开台 ?").arg(number, found->name))) {
            runCommand(BoardCommand::StartTiming);
        }
    }
    refreshBoard();
    box->clear();
}

// Without a readable "back.wmf" the hall's name stands in for the picture.
void BoardScreen::showBackground()
{
    if (m_pages->currentWidget() != m_background) {
        const QPixmap picture = programPicture(QStringLiteral("back.wmf"));
        if (picture.isNull()) {
            const QString company = m_state.params.companyName.trimmed();
            m_background->setText(company.isEmpty() ? Messages::AppTitle : company);
        } else {
            m_background->setPixmap(picture.scaled(m_pages->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
        m_pages->setCurrentWidget(m_background);
        return;
    }
    m_background->clear();
    m_pages->setCurrentIndex(0);
}

void BoardScreen::tickClock()
{
    m_panel->clock->setText(DateText::dateTime(Clock::now()));
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
                takeRow(m_grid->currentIndex().row());
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
