#include "ui/reports/HandOverBlock.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

HandOverBlock::HandOverBlock(QWidget* parent)
    : QGroupBox(ShiftHandOver::heading(), parent)
{
    setObjectName(QStringLiteral("HandOver"));
    setMaximumWidth(260);
    auto* layout = new QFormLayout(this);
    const ShiftHandOver::Lines captions = ShiftHandOver::lines({});
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("HandOver_%1").arg(i));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        auto* label = new QLabel(captions.at(i).first, this);
        label->setBuddy(box);
        layout->addRow(label, box);
        m_boxes.append(box);
    }
}

void HandOverBlock::fill(const ShiftHandOver::Lines& lines)
{
    for (qsizetype i = 0; i < lines.size() && i < m_boxes.size(); ++i)
        m_boxes.at(i)->setText(lines.at(i).second);
}
