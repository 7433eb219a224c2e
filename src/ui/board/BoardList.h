#pragma once

#include <QTreeView>

class BoardModel;
struct BoardPictures;

// The second presentation of the board's rows: eight columns,
// the member rate and the minutes without a leading zero, red text for a
// table in use and blue for a free one; a header click sorts by that column.
class BoardList : public QTreeView
{
    Q_OBJECT

public:
    explicit BoardList(QWidget* parent = nullptr);

    void setBoard(BoardModel* board, const BoardPictures& pictures);
};
