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
    const auto addBox = [this](const char* name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    m_departmentBox = addBox("departmentBox");
    m_codeFromBox = addBox("codeFromBox");
    m_codeToBox = addBox("codeToBox");
    m_nameBox = addBox("nameBox");
    grid->addWidget(new QLabel(tr("仓库编码"), this), 0, 0);
    grid->addWidget(m_departmentBox, 0, 1);
    grid->addWidget(new QLabel(tr("商品编码"), this), 1, 0);
    grid->addWidget(m_codeFromBox, 1, 1);
    grid->addWidget(new QLabel(tr("至"), this), 1, 2);
    grid->addWidget(m_codeToBox, 1, 3);
    grid->addWidget(new QLabel(tr("商品名称"), this), 2, 0);
    grid->addWidget(m_nameBox, 2, 1);

    auto* yes = new QPushButton(tr("&Y.确定"), this);
    yes->setObjectName(QStringLiteral("okButton"));
    yes->setDefault(true);
    auto* no = new QPushButton(tr("&N.放弃"), this);
    no->setObjectName(QStringLiteral("cancelButton"));
    no->setAutoDefault(false);
    connect(yes, &QPushButton::clicked, this, [this] {
        m_condition = GoodsCatalogue::findCondition(m_departmentBox->text(), m_codeFromBox->text(), m_codeToBox->text(),
                                                    m_nameBox->text());
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
