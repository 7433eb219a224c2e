#pragma once

#include "core/goods/GoodsCatalogue.h"

#include <QSqlTableModel>

// The catalogue rows in code order, found by the code they were read with
// (spzd has no key of its own), optionally narrowed by a find condition
// whose values stay bound on every re-select.
class GoodsCatalogueModel : public QSqlTableModel
{
public:
    GoodsCatalogueModel(QObject* parent, const QSqlDatabase& db);

    void setCondition(const GoodsCatalogue::FindCondition& condition) { m_condition = condition; }
    bool select() override;

private:
    GoodsCatalogue::FindCondition m_condition;
};
