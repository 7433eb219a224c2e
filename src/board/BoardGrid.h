#pragma once

#include "board/BoardRows.h"

#include <QPixmap>
#include <QTableWidget>

struct BoardPictures;

// FlGrid, the board: one row per table under ten columns. The rows are laid
// out once; the refreshes rewrite their cells and paint each row free or in
// use (picture in the first cell, colour across the row).
class BoardGrid : public QTableWidget
{
    Q_OBJECT

public:
    enum Column
    {
        Zhao,
        Start,
        End,
        Duration,
        Rate,
        Total,
        Card,
        Status,
        Name,
        Reminder,
        ColumnCount
    };

    static const QColor FreeColour;
    static const QColor InUseColour;

    explicit BoardGrid(QWidget* parent = nullptr);

    void setPictures(const BoardPictures& pictures);

    // One row per table in the given order, showing its number and name,
    // painted by its in-use mark; rowHeight in pixels.
    void build(const QList<BoardRow>& tables, int rowHeight);

    // The widget row showing the table, or -1.
    int rowOf(qint16 zhao) const;
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);

    // Columns 1 to 4, 6, 7 and 9 from the open visit; the row painted in use.
    void showInUse(int row, const BoardRow::Visit& visit, const QString& duration, const BoardRows::Reminder& reminder);
    // The status emptied and the row painted free; the rest stays as it was.
    void showFree(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintRow(int row, bool inUse);
    void setPointSize(int pointSize);
    QList<int> columnWidths(int pointSize) const;
    void fitColumns();

    QPixmap m_free;
    QPixmap m_inUse;
};
