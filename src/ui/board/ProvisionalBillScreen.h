#pragma once

#include "core/printing/Receipt.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// 预结单: the bill of the current table as it stands, shown as the receipt
// printer would print it. It settles nothing; "打印" asks for it on paper
// (printRequested), "关闭" and Esc close it.
class ProvisionalBillScreen : public QDialog
{
    Q_OBJECT

public:
    ProvisionalBillScreen(const Receipt& receipt, QWidget* parent = nullptr);

Q_SIGNALS:
    void printRequested();

private:
    QPlainTextEdit* m_bill;
    QPushButton* m_printButton;
    QPushButton* m_closeButton;
};
