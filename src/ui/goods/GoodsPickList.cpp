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
    , m_list(new QListView(this))
{
    setObjectName(QStringLiteral("GoodsPickList"));
    setWindowTitle(tr("商品帮助"));
    m_model->setQuery(GoodsLookup::HelpList, db);
    if (m_model->lastError().isValid())
        showError(Result::fromSqlError(m_model->lastError()));
    m_list->setObjectName(QStringLiteral("goodsList"));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->installEventFilter(this);
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
    connect(m_list, &QListView::doubleClicked, this, &GoodsPickList::choose);

    auto* yes = new QPushButton(tr("&Y.确定"), this);
    yes->setObjectName(QStringLiteral("okButton"));
    yes->setAutoDefault(false);
    connect(yes, &QPushButton::clicked, this, &GoodsPickList::choose);
    auto* no = new QPushButton(tr("&C.放弃"), this);
    no->setObjectName(QStringLiteral("cancelButton"));
    no->setAutoDefault(false);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(260, 340);
}

bool GoodsPickList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GoodsPickList::choose()
{
    const int row = m_list->currentIndex().row();
    if (row < 0)
        return;
    m_chosen = GoodsLookup::Goods{m_model->index(row, 0).data().toString(), m_model->index(row, 1).data().toDouble()};
    accept();
}
