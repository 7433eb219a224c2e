#include "support/BoardBench.h"

#include "app/BoardMenus.h"

#include <QAction>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

BoardScreen& BoardBench::board(bool drivesLamps)
{
    if (!m_board) {
        m_devices = std::make_unique<BoardDevices>(hall.state, drivesLamps);
        m_board = std::make_unique<BoardScreen>(hall.state, *m_devices);
        new BoardMenus(hall.state, m_board.get());
        control<QAction>(m_board.get(), QStringLiteral("print"))->setChecked(false);
        m_board->show();
    }
    return *m_board;
}

BoardDevices& BoardBench::devices()
{
    board();
    return *m_devices;
}

BoardModel* BoardBench::model()
{
    return board().findChild<BoardModel*>();
}

bool BoardBench::inUse(int row)
{
    return model()->index(row, 0).data(BoardModel::InUseRole).toBool();
}

void BoardBench::click(int row)
{
    auto* grid = control<QTableView>(&board(), QStringLiteral("boardGrid"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
}

void BoardBench::run(const char* action)
{
    control<QAction>(&board(), QLatin1String(action))->trigger();
}

QLineEdit* BoardBench::box(const char* name)
{
    return control<QLineEdit>(&board(), QLatin1String(name));
}

int BoardBench::openVisits(int zhao)
{
    return value(QStringLiteral("select count(*) from waimxd where zhao=? and jsrc is null"), {zhao}).toInt();
}
