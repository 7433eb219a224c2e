#pragma once

#include "core/admin/ScreenLog.h"

#include <QDialog>

struct AppState;
class KeyToolbar;
class MemberList;
class QTableView;

// The member list: every member in a grid that opens on the last row, with
// the member form for adding and editing, deletion and the top-up of the
// current member.
class MemberListScreen : public QDialog
{
    Q_OBJECT

public:
    explicit MemberListScreen(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

    // Reads the list again and stays on the card it stood on, or near its
    // place when that card is gone; for whoever changed members meanwhile.
    void requery();

    QString currentCard() const;
    QString currentName() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    void addToolbarKeys(KeyToolbar* toolbar);
    void refresh();
    void goToRow(int row);
    int currentRow() const;
    void addMember();
    void editMember();
    void deleteMember();
    void topUp();
    void startCalculator();
    void exportList();

    AppState& m_state;
    ScreenLog m_log;
    MemberList* m_model = nullptr;
    QTableView* m_grid = nullptr;
};
