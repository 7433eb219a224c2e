#pragma once

#include "core/admin/OperatorRights.h"
#include "core/goods/GoodsDocument.h"
#include "ui/board/BoardCommand.h"

#include <QList>
#include <QObject>

#include <functional>

struct AppState;
class BoardScreen;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The board's menu bar and its toolbar, which the program puts on the board
// it opens. Toolbar buttons are actions
// named by their old key ("js", "Refh", ...), menu items by menu and index
// ("mset_5", "menu_yygl_1"): tests and the gallery find them by these names.
// The toolbar's commands, and the business menu items that stand for them,
// run through the board's command dispatch; the other
// items open their screens here. Items governed by a rights letter start
// disabled. Each board command has its function key on its menu item, so the
// key works from any control of the board and from none of its modal screens.
class BoardMenus : public QObject
{
    Q_OBJECT

public:
    using Dispatch = std::function<void(BoardCommand command)>;

    // Menus on any window, whose commands go to run.
    BoardMenus(AppState& state, QMainWindow* board, Dispatch run);
    // The menus of the table board: its commands, screens, print switch and
    // the operator's rights as the board read them at its start-up.
    BoardMenus(AppState& state, BoardScreen* board);

    // Enables exactly the governed items whose letters the rights hold.
    void applyRights(const OperatorRights& rights);

    // The "print" button: pressed means the bill is printed at checkout.
    bool autoPrint() const;

Q_SIGNALS:
    void shiftChangeRequested();
    void exitRequested();
    void reprintRequested();
    // The reminder and deposit items, which open their screens for the
    // current table whether or not it is in use.
    void reminderRequested();
    void depositRequested();
    // A new database location was stored; it is used from the next start.
    void endProgram();

private:
    struct GuardedItem
    {
        QAction* action;
        QString OperatorRights::*group;
        QChar letter;
    };

    void buildToolbar();
    void buildMenus();
    QAction* addButton(BoardCommand command, const QString& name, const QString& caption, const QString& toolTip);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> slot);
    void guard(QAction* action, QString OperatorRights::*group, char letter);
    template <typename Screen>
    void open();
    // The goods documents in purchase ("sr") or sale ("zc") mode.
    void openDocuments(GoodsDocument::Kind kind);
    void openDatabaseLocation();

    AppState& m_state;
    QMainWindow* m_board;
    Dispatch m_run;
    QToolBar* m_toolbar;
    // The owner's view password: the system operator's alone, whatever the rights say.
    QAction* m_ownerPassword = nullptr;
    QAction* m_hallSetup = nullptr;
    QAction* m_print;
    QList<GuardedItem> m_guarded;
};
