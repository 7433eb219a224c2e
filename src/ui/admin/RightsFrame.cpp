#include "ui/admin/RightsFrame.h"

#include "core/admin/OperatorRights.h"

#include <QCheckBox>
#include <QGridLayout>

RightsFrame::RightsFrame(const RightsGroup& group, QWidget* parent)
    : QGroupBox(group.shownCaption(), parent)
    , m_storedCount(group.storedCount)
{
    setObjectName(QStringLiteral("Frame_") + group.column);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(10);
    const int rows = int(group.rights.size() + 1) / 2;
    for (int i = 0; i < group.rights.size(); ++i) {
        auto* box = new QCheckBox(group.shownRight(i), this);
        box->setObjectName(group.array + QLatin1Char('_') + QString::number(i));
        box->setEnabled(false);
        connect(box, &QCheckBox::clicked, this, &RightsFrame::rightsClicked);
        grid->addWidget(box, i % rows, i / rows);
        m_boxes.append(box);
    }
    grid->setRowStretch(rows, 1);
    grid->setColumnStretch(2, 1);
}

void RightsFrame::showLetters(const QString& letters, bool editable)
{
    for (int i = 0; i < m_boxes.size(); ++i) {
        m_boxes.at(i)->setChecked(OperatorRights::grants(letters, RightsGroup::letter(i)));
        m_boxes.at(i)->setEnabled(editable && i < m_storedCount);
    }
}

QString RightsFrame::letters() const
{
    QList<bool> ticked;
    for (const QCheckBox* box : m_boxes)
        ticked.append(box->isChecked());
    return rightsLetters(ticked, m_storedCount);
}
