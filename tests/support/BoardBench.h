#pragma once

#include "core/board/BoardDevices.h"
#include "core/board/BoardModel.h"
#include "support/HallFixture.h"
#include "ui/board/BoardScreen.h"

#include <memory>

class QLineEdit;

// The hall of HallFixture with the counter's board on show. The board, its
// menus and its devices are made at the first call of board(), after
// whatever the test laid out first (tables, visits, the lamps' port), and
// go before the hall; the receipt printer is switched off.
class BoardBench : public HallFixture
{
public:
    using HallFixture::HallFixture;

    BoardScreen& board(bool drivesLamps = true);
    BoardDevices& devices();
    BoardModel* model();
    bool inUse(int row);
    // The row's table picked on the grid with the mouse.
    void click(int row);
    // The board's action of that object name triggered, as its key or item would.
    void run(const char* action);
    QLineEdit* box(const char* name);
    // Open visits of the table of that number.
    int openVisits(int zhao);

private:
    std::unique_ptr<BoardDevices> m_devices;
    std::unique_ptr<BoardScreen> m_board;
};
