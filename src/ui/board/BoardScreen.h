#pragma once

#include "core/board/BoardModel.h"
#include "core/board/TableOpening.h"

#include <QMainWindow>
#include <QSet>

#include <functional>
#include <optional>

struct AppState;
class BoardGrid;
class BoardList;
class BoardMenus;
class BoardPanel;
class CardReader;
class LampRound;
class LightController;
class QLabel;
class QStackedWidget;
class ReceiptPrinter;
class TransferPanel;

// The table board: every table with its state, the working panel, the
// menus and toolbar of the working day. It owns the light controller and
// the card reader. Its clock (6 s) and refresh (50 s) run only while it is
// the active screen of the program; a refresh asks about each reminder that
// has come due.
class BoardScreen : public QMainWindow
{
    Q_OBJECT

public:
    explicit BoardScreen(AppState& state, QWidget* parent = nullptr);

    // The toolbar dispatch by key ("js", "jz", "yjd", "zhuantai", "Sd", "Refh",
    // "Showtp", "tx", "yj", "hh"); the business menu items come here too.
    // Other keys do nothing.
    void runCommand(const QString& key);

    // The member check of opening and checkout. An accepted card's type is
    // kept (cardType()) and its member discount, when it has one, goes into
    // Txtzk. A failed query is shown and refuses.
    bool hykCheck(const QString& card, const QString& password);

    // The number of the table every command acts on; empty before there is one.
    QString currentTable() const;
    const QString& cardType() const { return m_cardType; }
    // The "print" button: print the bill at checkout.
    bool autoPrint() const;

    // Every row from the open visits, then the question for each reminder
    // that has come due. Shows no messages of its own.
    void usersubGridStar();
    // The grid row (counted from 1) from the current table's open visit.
    void usersubGridRow(qint16 row);

Q_SIGNALS:
    void shiftChangeRequested();
    void exitRequested();
    // A new database location was stored; it is used from the next start.
    void endProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DueReminder
    {
        qint16 zhao;
        qint64 visitId;
    };
    // The boxes a reminder question changes, to give them back on No.
    struct Selection
    {
        int row;
        QString khao, password, zk, yj, mony, ckvZc, hj;
    };

    void buildScreen();
    void startUp();
    struct CurrentTable
    {
        qint16 zhao;
        int row;
    };

    void user_set();
    void user_setGRid();
    void usersubListStar();
    void refresh(bool mayAsk);
    void showRow(int row, const BoardModel::Bill* bill);
    std::optional<DueReminder> getTx(int row) const;
    void askDueReminders(const QList<DueReminder>& due);
    void remind(const DueReminder& reminder);
    Selection saveSelection() const;
    void restoreSelection(const Selection& selection);

    void makeCurrent(int row);
    void selectRow(int row);
    void selectTyped(const QString& digits);
    void FlGrid_Click(int row);
    void ListView1_ItemClick(const QString& table);
    void js();
    void zhuantaiSet();
    // The reminder, deposit and swap screens for the current table; the
    // board is shown again after each save.
    template <typename Screen>
    void showTableScreen(const QString& value);
    void showSwap();
    void jzZh();
    void showProvisionalBill();
    void Txtkhao_Enter();
    void acceptMember(const TableOpening::MemberCheck& member);
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
    BoardMenus* m_menus;
    ReceiptPrinter* m_receipts;
    QStackedWidget* m_pages;
    QLabel* m_image1;
    LightController* m_light;
    CardReader* m_cardReader;
    LampRound* m_lampRound;
    QString m_cardType;
    std::function<void(const QString&)> m_typedStatus;
    QSet<qint64> m_answeredYes;
    bool m_asking = false;
    bool m_selecting = false;
};
