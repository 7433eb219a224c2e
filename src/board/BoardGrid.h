#pragma once

#include <QTableView>

class BoardModel;
struct BoardPictures;

// FlGrid, the board: a view of the board's rows under ten columns, each row
// painted free or in use (picture in the first cell, colour across the
// row), in the same row order as the model.
class BoardGrid : public QTableView
{
    Q_OBJECT

public:
    static const QColor FreeColour;
    static const QColor InUseColour;

    explicit BoardGrid(QWidget* parent = nullptr);

    void setBoard(BoardModel* board, const BoardPictures& pictures);
    // Every row this many pixels high.
    void setRowHeights(int rowHeight);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setPointSize(int pointSize);
    QList<int> columnWidths(int pointSize) const;
    void fitColumns();
};
