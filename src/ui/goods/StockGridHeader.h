#pragma once

#include <QHeaderView>
#include <QStringList>

// A horizontal header of two rows: the first column's caption spans both,
// and every following pair of columns stands under one group caption, with
// the columns' own captions in the lower row.
class StockGridHeader : public QHeaderView
{
public:
    StockGridHeader(const QStringList& groups, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void paintCell(QPainter* painter, const QRect& rect, const QString& text) const;

    QStringList m_groups;
};
