#pragma once

#include <QTableView>

class QTimer;

class BoardModel;
struct BoardPictures;

// The board: a view of the board's rows under ten columns, each row
// painted free or in use (picture in the first cell, colour across the
// row), in the same row order as the model. Digits typed on it make a table
// number instead of searching the rows; Backspace takes one back, Escape, any
// other key or a pause of a few seconds drops them.
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

    // The table number typed so far, given up: the digits start again.
    QString takeTypedNumber();

Q_SIGNALS:
    // The digits typed so far; empty once they are dropped or taken.
    void typedNumberChanged(const QString& digits);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setPointSize(int pointSize);
    QList<int> columnWidths(int pointSize) const;
    void fitColumns();
    void setTypedNumber(const QString& digits);

    QString m_typed;
    QTimer* m_typingPause;
};
