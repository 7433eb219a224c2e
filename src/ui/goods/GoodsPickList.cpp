#include "ui/goods/GoodsPickList.h"

#include "core/base/ErrorReporter.h"
#include "core/base/Result.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QVBoxLayout>

GoodsPickList::GoodsPickList(const QSqlDatabase& db, QWidget* parent)
    : QDialog(parent)
    , m_model(new QSqlQueryModel(this))
    , m_listly(new QListView(this))
{
    setObjectName(QStringLiteral("GoodsPickList"));
    setWindowTitle(tr("商品帮助"));
    m_model->setQuery(GoodsLookup::HelpList, db);
    if (m_model->lastError().isValid())
        showError(Result::fromSqlError(m_model->lastError()));
    m_listly->setObjectName(QStringLiteral("Listly"));
    m_listly->setModel(m_model);
    m_listly->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listly->installEventFilter(this);
    if (m_model->rowCount() > 0)
        m_listly->setCurrentIndex(m_model->index(0, 0));
    connect(m_listly, &QListView::doubleClicked, this, &GoodsPickList::CmdYes_Click);

    auto* yes = new QPushButton(tr("&Y.确定"), this);
    yes->setObjectName(QStringLiteral("CmdYes"));
    yes->setAutoDefault(false);
    connect(yes, &QPushButton::clicked, this, &GoodsPickList::CmdYes_Click);
    auto* no = new QPushButton(tr("&C.放弃"), this);
    no->setObjectName(QStringLiteral("CmdNo"));
    no->setAutoDefault(false);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listly, 1);
    layout->addLayout(buttons);
    resize(260, 340);
}

bool GoodsPickList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_listly && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CmdYes_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GoodsPickList::CmdYes_Click()
{
    const int row = m_listly->currentIndex().row();
    if (row < 0)
        return;
    m_chosen = GoodsLookup::Goods{m_model->index(row, 0).data().toString(), m_model->index(row, 1).data().toDouble()};
    accept();
}
