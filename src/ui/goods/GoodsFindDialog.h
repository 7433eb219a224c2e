#pragma once

#include "core/goods/GoodsCatalogue.h"

#include <QDialog>

class QLineEdit;

// The goods find dialog: department, code range and name. "&Y.确定" leaves
// the condition for the caller; "&N.放弃" leaves it empty.
class GoodsFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GoodsFindDialog(QWidget* parent = nullptr);

    const GoodsCatalogue::FindCondition& condition() const { return m_condition; }

private:
    QLineEdit* m_departmentBox = nullptr;
    QLineEdit* m_codeFromBox = nullptr;
    QLineEdit* m_codeToBox = nullptr;
    QLineEdit* m_nameBox = nullptr;
    GoodsCatalogue::FindCondition m_condition;
};
