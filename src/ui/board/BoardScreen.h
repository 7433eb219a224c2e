#pragma once

#include "core/admin/OperatorRights.h"
#include "core/board/BoardModel.h"
#include "core/board/TableOpening.h"
#include "ui/board/BoardCommand.h"

#include <QMainWindow>
#include <QSet>

#include <functional>
#include <optional>

struct AppState;
class BoardGrid;
class BoardDevices;
class BoardList;
class BoardPanel;
class CardReader;
class LampRound;
class LightController;
class QLabel;
class QStackedWidget;
class ReceiptPrinter;
class TableNewsListener;
class TransferPanel;

// The table board: every table with its state and the working panel; the
// program puts the menus and toolbar of the working day on it. It drives the
// light controller, the card reader and the lamp round, which the program
// makes and keeps while the board is open, and sets them up at its start-up.
// Its clock (6 s) and refresh (50 s) run only while it is the active screen
// of the program; a refresh asks about each reminder that has come due. A
// table another counter changed is read again as soon as that counter tells.
class BoardScreen : public QMainWindow
{
    Q_OBJECT

public:
    BoardScreen(AppState& state, BoardDevices& devices, QWidget* parent = nullptr);

    // The toolbar's commands; the business menu items come here too. Unlock
    // and AutoPrint do nothing here.
    void runCommand(BoardCommand command);

    // The number of the table every command acts on; empty before there is one.
    QString currentTable() const;
    // Whether the bill is printed at checkout; it is until switched off.
    bool autoPrint() const;
    void setAutoPrint(bool on);
    // The operator's rights as read at start-up; nothing when they could not
    // be read, and then no guarded item may be enabled.
    const std::optional<OperatorRights>& operatorRights() const;

    // The reminder and deposit screens for the current table, whether or
    // not it is in use, and the last receipt printed again.
    void showReminder();
    void showDeposit();
    void reprint();

    // Every row from the open visits, then the question for each reminder
    // that has come due. Shows no messages of its own.
    void refreshBoard();
    // Lays the rows out again from the tables there are now, for tables
    // just set up; the board otherwise lays them out once, when it is built.
    void reloadTables();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DueReminder
    {
        qint16 number;
        qint64 visitId;
    };
    // The boxes a reminder question changes, to give them back on No.
    struct Selection
    {
        int row;
        QString card, password, discount, deposit, timeCharge, goodsTotal, grandTotal;
    };

    void buildScreen();
    void startUp();
    struct CurrentTable
    {
        qint16 number;
        int row;
    };

    void buildRows();
    void applyRowHeight();
    void fillList();
    void refresh(bool mayAsk);
    void showRow(int row, const BoardModel::Bill* bill);
    void showChangedElsewhere(qint16 table);
    std::optional<DueReminder> dueReminder(int row) const;
    void askDueReminders(const QList<DueReminder>& due);
    void remind(const DueReminder& reminder);
    Selection saveSelection() const;
    void restoreSelection(const Selection& selection);

    void makeCurrent(int row);
    void selectRow(int row);
    void selectTyped(const QString& digits);
    void takeRow(int row);
    void takeListedTable(const QString& table);
    void openTable();
    void prepareTransfer();
    // The reminder, deposit and swap screens for the current table; the
    // board is shown again after each save.
    template <typename Screen>
    void showTableScreen(const QString& value);
    void showSwap();
    void runOnTableInUse(BoardCommand command);
    void settleTable();
    void showProvisionalBill();
    void enterCard();
    void acceptDiscount(const TableOpening::MemberCheck& member);
    void showBackground();
    void tickClock();
    int cardLength() const;

    AppState& m_state;
    BoardModel* m_model;
    std::optional<CurrentTable> m_current;
    BoardGrid* m_grid;
    BoardList* m_list;
    BoardPanel* m_panel;
    TransferPanel* m_transfer;
    bool m_autoPrint = true;
    std::optional<OperatorRights> m_rights;
    ReceiptPrinter* m_receipts;
    QStackedWidget* m_pages;
    QLabel* m_background;
    LightController* m_light;
    CardReader* m_cardReader;
    LampRound* m_lampRound;
    TableNewsListener* m_news;
    bool m_drivesLamps;
    std::function<void(const QString&)> m_typedStatus;
    QSet<qint64> m_answeredYes;
    bool m_asking = false;
    bool m_toldConnectionLost = false;
    bool m_selecting = false;
};
