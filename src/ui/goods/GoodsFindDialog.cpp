#include "ui/goods/GoodsFindDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GoodsFindDialog::GoodsFindDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("GoodsFindDialog"));
    setWindowTitle(tr("查找"));
    auto* grid = new QGridLayout;
    const auto addBox = [this, grid](int row, int column, const QString& label) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text1_") + QString::number(m_boxes.size()));
        if (!label.isEmpty())
            grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(box, row, column);
        m_boxes.append(box);
    };
    addBox(0, 1, tr("仓库编码"));
    addBox(1, 1, tr("商品编码"));
    grid->addWidget(new QLabel(tr("至"), this), 1, 2);
    addBox(1, 3, QString());
    addBox(2, 1, tr("商品名称"));
    grid->addWidget(m_boxes[3], 2, 1, 1, 3);

    auto* yes = new QPushButton(tr("&Y.确定"), this);
    yes->setObjectName(QStringLiteral("CmdYes"));
    yes->setDefault(true);
    auto* no = new QPushButton(tr("&N.放弃"), this);
    no->setObjectName(QStringLiteral("CmdNo"));
    no->setAutoDefault(false);
    connect(yes, &QPushButton::clicked, this, [this] {
        m_condition = GoodsCatalogue::findCondition(m_boxes[0]->text(), m_boxes[1]->text(), m_boxes[2]->text(),
                                                    m_boxes[3]->text());
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        m_condition = {};
        reject();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(420, 160);
}
