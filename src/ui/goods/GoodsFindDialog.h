#pragma once

#include "core/goods/GoodsCatalogue.h"

#include <QDialog>
#include <QList>

class QLineEdit;

// The goods find dialog: department, code range and name. "&Y.确定" leaves
// the condition for the caller; "&N.放弃" leaves it empty.
class GoodsFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GoodsFindDialog(QWidget* parent = nullptr);

    const GoodsCatalogue::FindCondition& FindCondition() const { return m_condition; }

private:
    QList<QLineEdit*> m_boxes;
    GoodsCatalogue::FindCondition m_condition;
};
