#pragma once

#include "board/BoardRows.h"

#include <QPixmap>
#include <QTreeWidget>

struct BoardPictures;

// ListView1, the second presentation of the tables: filled once when the
// board loads and not refreshed afterwards; a header click sorts by that
// column.
class BoardList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit BoardList(QWidget* parent = nullptr);

    void setPictures(const BoardPictures& pictures);

    // One item per table, its picture by the in-use mark.
    void build(const QList<BoardRow>& tables);
    // Start, duration, rate, card and status of each table with an open visit;
    // the other items are shown free.
    void showVisits(const QList<BoardRow>& tables, const QDateTime& now);

private:
    QPixmap m_free;
    QPixmap m_inUse;
};
