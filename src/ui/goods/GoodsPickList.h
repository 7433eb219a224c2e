#pragma once

#include "core/goods/GoodsLookup.h"

#include <QDialog>
#include <QSqlDatabase>

#include <optional>

class QListView;
class QSqlQueryModel;

// The goods help list: the catalogue's names to pick one from. Accepting
// leaves the picked item, with its price as the catalogue holds it.
class GoodsPickList : public QDialog
{
    Q_OBJECT

public:
    explicit GoodsPickList(const QSqlDatabase& db, QWidget* parent = nullptr);

    const std::optional<GoodsLookup::Goods>& chosen() const { return m_chosen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Leaves the current item as the chosen one.
    void choose();

    QSqlQueryModel* m_model;
    QListView* m_list;
    std::optional<GoodsLookup::Goods> m_chosen;
};
