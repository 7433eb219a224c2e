#pragma once

#include "core/reports/ShiftHandOver.h"

#include <QGroupBox>

class QLineEdit;

// The shift's hand-over "交班汇总" beside the shift report's grid: one
// read-only box per figure, "HandOver_i" in the order of ShiftHandOver::lines.
class HandOverBlock : public QGroupBox
{
    Q_OBJECT

public:
    explicit HandOverBlock(QWidget* parent = nullptr);

    void fill(const ShiftHandOver::Lines& lines);

private:
    QList<QLineEdit*> m_boxes;
};
