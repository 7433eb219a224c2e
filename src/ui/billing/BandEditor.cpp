#include "ui/billing/BandEditor.h"

#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The grid's columns; a scheme's bands have no table and no unit.
enum Column
{
    TableColumn,
    MemberRateColumn,
    NonMemberRateColumn,
    StartColumn,
    EndColumn,
    UnitsColumn
};

} // namespace

BandEditor::BandEditor(const BandStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_model(new QStandardItemModel(this))
    , m_grid(new QTableView(this))
{
    m_model->setHorizontalHeaderLabels({tr("台号"), tr("会员价(元/小时)"), tr("非会员价(元/小时)"), tr("开始时间"),
                                        tr("结束时间"), tr("计费单位(小时)")});
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const bool scheme = store.owner() == BandCheck::Owner::Scheme;
    m_grid->setColumnHidden(TableColumn, scheme);
    m_grid->setColumnHidden(UnitsColumn, scheme);

    auto* buttons = new QGridLayout;
    const auto browse = [this](const char* name, const QString& caption) {
        QPushButton* button = addButton(QString::fromLatin1(name), caption);
        m_browseButtons.append(button);
        return button;
    };
    connect(browse("cmdmove1", tr("首记录")), &QPushButton::clicked, this, [this] { moveTo(0); });
    connect(browse("cmdmove2", tr("上一条")), &QPushButton::clicked, this,
            [this] { moveTo(qMax(0, m_grid->currentIndex().row() - 1)); });
    connect(browse("cmdmove3", tr("下一条")), &QPushButton::clicked, this,
            [this] { moveTo(qMin(m_model->rowCount() - 1, m_grid->currentIndex().row() + 1)); });
    connect(browse("cmdmove4", tr("末记录")), &QPushButton::clicked, this, [this] { moveTo(m_model->rowCount() - 1); });
    connect(browse("addButton", tr("增 加")), &QPushButton::clicked, this, &BandEditor::addRow);
    connect(browse("editButton", tr("修 改")), &QPushButton::clicked, this, &BandEditor::editRow);
    m_editButtons.append(addButton(QStringLiteral("saveButton"), tr("保 存")));
    m_editButtons.append(addButton(QStringLiteral("cancelButton"), tr("取 消")));
    connect(m_editButtons.at(0), &QPushButton::clicked, this, &BandEditor::saveRows);
    connect(m_editButtons.at(1), &QPushButton::clicked, this, &BandEditor::reload);
    connect(browse("deleteButton", tr("删 除")), &QPushButton::clicked, this, &BandEditor::deleteRow);
    connect(browse("exitButton", tr("退 出")), &QPushButton::clicked, this, &BandEditor::closeRequested);
    const QList<QPushButton*> order = findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < order.size(); ++i)
        buttons->addWidget(order.at(i), i / 5, i % 5);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    reload();
}

QPushButton* BandEditor::addButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void BandEditor::setStore(const BandStore& store)
{
    m_store = store;
    reload();
}

void BandEditor::reload()
{
    const int current = m_grid->currentIndex().row();
    const ResultOf<QList<TypedBand>> rows = m_store.load();
    if (!rows)
        showError(rows.result());
    m_rows = rows ? *rows : QList<TypedBand>();
    m_model->setRowCount(0);
    for (int row = 0; row < m_rows.size(); ++row)
        showRow(row, m_rows.at(row));
    setEditing(false);
    moveTo(qMin(qMax(current, 0), m_model->rowCount() - 1));
}

void BandEditor::showRow(int row, const TypedBand& band)
{
    const QStringList texts = {band.tableNumber, band.memberRate, band.nonMemberRate,
                               band.start,       band.end,        band.billingUnits};
    for (int column = 0; column < texts.size(); ++column)
        m_model->setItem(row, column, new QStandardItem(texts.at(column)));
}

TypedBand BandEditor::typedRow(int row) const
{
    TypedBand band = row < m_rows.size() ? m_rows.at(row) : TypedBand();
    const auto text = [this, row](int column) {
        return m_model->index(row, column).data().toString();
    };
    band.tableNumber = text(TableColumn);
    band.memberRate = text(MemberRateColumn);
    band.nonMemberRate = text(NonMemberRateColumn);
    band.start = text(StartColumn);
    band.end = text(EndColumn);
    band.billingUnits = text(UnitsColumn);
    return band;
}

void BandEditor::setEditing(bool editing)
{
    m_editing = editing;
    m_grid->setEditTriggers(editing ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    for (QPushButton* button : std::as_const(m_browseButtons))
        button->setEnabled(!editing);
    for (QPushButton* button : std::as_const(m_editButtons))
        button->setEnabled(editing);
    Q_EMIT editingChanged(editing);
}

void BandEditor::moveTo(int row)
{
    if (row < 0)
        return;
    const int first = m_grid->isColumnHidden(TableColumn) ? MemberRateColumn : TableColumn;
    m_grid->setCurrentIndex(m_model->index(row, first));
}

void BandEditor::addRow()
{
    const int row = m_model->rowCount();
    TypedBand band;
    if (m_store.owner() == BandCheck::Owner::Table)
        band.billingUnits = QStringLiteral("1");
    showRow(row, band);
    setEditing(true);
    moveTo(row);
    m_grid->setFocus();
}

void BandEditor::editRow()
{
    if (m_model->rowCount() == 0)
        return;
    setEditing(true);
    moveTo(qMax(0, m_grid->currentIndex().row()));
    m_grid->setFocus();
}

void BandEditor::saveRows()
{
    // The click on the button has already taken the focus from an open cell,
    // which committed what was typed in it.
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    TypedBand band = typedRow(row);
    const ResultOf<QString> refusal = m_store.save(band);
    if (!refusal) {
        showError(refusal.result());
        return;
    }
    if (!refusal->isEmpty()) {
        Messages::exclamation(*refusal);
        return;
    }
    reload();
}

void BandEditor::deleteRow()
{
    const int row = m_grid->currentIndex().row();
    if (row < 0 || row >= m_rows.size())
        return;
    if (!Messages::askDefaultNo(tr("是否真的删除此条记录？")))
        return;
    if (const Result result = m_store.remove(m_rows.at(row).id); !result)
        showError(result);
    reload();
}
