#include "ui/board/TableDefinitionsScreen.h"

#include "core/base/AppState.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/board/TableDefinitions.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/MoveButtons.h"
#include "ui/base/ProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("TableDefinitionsScreen", "位号设置");

// zhdy has no primary key of its own; its unique number serves, so that a
// row is found by the number it was read with, also when it is renumbered.
class TableRows : public QSqlTableModel
{
public:
    TableRows(QObject* parent, const QSqlDatabase& db)
        : QSqlTableModel(parent, db)
    {
        setTable(QStringLiteral("zhdy"));
        QSqlIndex key(QString(), QStringLiteral("zhao"));
        key.append(record().field(QStringLiteral("zhao")));
        setPrimaryKey(key);
        setEditStrategy(QSqlTableModel::OnManualSubmit);
        setSort(fieldIndex(QStringLiteral("zhao")), Qt::AscendingOrder);
    }
};

struct BoxText
{
    const char* label;
    const char* hint;
};

const BoxText Boxes[] = {
    {QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 位    号"), nullptr},
    {QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 名    称"), nullptr},
    {QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 使用标记"), nullptr},
    {QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 服务费率："), nullptr},
    {QT_TRANSLATE_NOOP("TableDefinitionsScreen", "最小计费分钟"),
     QT_TRANSLATE_NOOP("TableDefinitionsScreen",
                       "   最小计费分钟数据为：如设置为15， 客人消费时间20分钟则系统按30分钟计算。")},
    {QT_TRANSLATE_NOOP("TableDefinitionsScreen", "最低消费分钟 "),
     QT_TRANSLATE_NOOP("TableDefinitionsScreen", "   最低消费分钟：如设成0，则不计最低消费，如最低消费60 "
                                                 "客人消费不足60分钟按60分钟计算超过则按时间时间计算。")},
    {QT_TRANSLATE_NOOP("TableDefinitionsScreen", "开台结帐卡号"),
     QT_TRANSLATE_NOOP("TableDefinitionsScreen", "开台卡号输入：此卡号不能是会员卡，只能是是会员卡中没有此卡号，"
                                                 "在营业界面中刷此卡后回车，自动执行开台或结帐操作。")},
};

const char* const Headers[] = {QT_TRANSLATE_NOOP("TableDefinitionsScreen", "位号"),
                               QT_TRANSLATE_NOOP("TableDefinitionsScreen", "名称"),
                               QT_TRANSLATE_NOOP("TableDefinitionsScreen", "使用标记"),
                               QT_TRANSLATE_NOOP("TableDefinitionsScreen", "服务费率"),
                               QT_TRANSLATE_NOOP("TableDefinitionsScreen", "最小计费分钟"),
                               QT_TRANSLATE_NOOP("TableDefinitionsScreen", "最低消费分钟"),
                               QT_TRANSLATE_NOOP("TableDefinitionsScreen", "开台结帐卡号")};

QTableView* grid(const QString& name, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(24);
    return view;
}

} // namespace

TableDefinitionsScreen::TableDefinitionsScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("TableDefinitionsScreen"));
    setWindowTitle(tr(Caption));
    resize(900, 600);
    bool upgraded = false;
    if (const Result result = TableDefinitions::upgrade(m_state.DbConn, &upgraded); !result)
        showError(result);
    else if (upgraded)
        Messages::exclamation(tr("数据库升级完成：台位增加了最小计费分钟、最低消费分钟和开台结帐卡号，"
                                 "现有台位按最小计费 15 分钟、最低消费 60 分钟计费，请核对。"),
                              tr(Caption));
    buildScreen();
    zd_star();
}

void TableDefinitionsScreen::buildScreen()
{
    auto* toolbar = new KeyToolbar(this);
    m_browseActions = {toolbar->addKey("Add", tr("增加"), QStyle::SP_FileDialogNewFolder, [this] { sp_add(); }),
                       toolbar->addKey("Edit", tr("修改"), QStyle::SP_FileDialogDetailedView, [this] { edit(); })};
    m_editActions = {toolbar->addKey("Save", tr("保存"), QStyle::SP_DialogSaveButton, [this] { save(); }),
                     toolbar->addKey("Cancel", tr("取消"), QStyle::SP_DialogCancelButton, [this] { qy_upda(); })};
    m_browseActions.append(toolbar->addKey("Dele", tr("删除"), QStyle::SP_TrashIcon, [this] { sp_dele(); }));
    toolbar->addSeparator();
    m_browseActions.append(toolbar->addKey("Find", tr("查找"), QStyle::SP_FileDialogContentsView, [this] { find(); }));
    toolbar->addKey("Calc", tr("计算器"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    toolbar->addSeparator();
    toolbar->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });

    m_combzd = new QComboBox(this);
    m_combzd->setObjectName(QStringLiteral("Combzd"));
    m_combzd->setMinimumWidth(160);
    auto* kinds = new QSqlQueryModel(m_combzd);
    kinds->setQuery(QStringLiteral("select ct_name, ct_dm from ztinfo"), m_state.DbConn);
    m_combzd->setModel(kinds);
    connect(m_combzd, &QComboBox::activated, this, [this] {
        if (!m_adding && !m_editing)
            zd_star();
    });
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(tr("台位类型"), this));
    chooser->addWidget(m_combzd);
    chooser->addStretch();

    m_model = new TableRows(this, m_state.DbConn);
    for (int i = 0; i < int(TableDefinitions::Columns.size()); ++i)
        m_model->setHeaderData(column(TableDefinitions::Columns[std::size_t(i)]), Qt::Horizontal, tr(Headers[i]));
    m_list = grid(QStringLiteral("DaGridLy"), this);
    m_list->setModel(m_model);
    m_list->setMinimumWidth(200);
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_list->setColumnHidden(c, c != column("zhao") && c != column("mc"));
    m_detail = grid(QStringLiteral("daGridDy"), this);
    m_detail->setModel(m_model);
    m_detail->setColumnHidden(column("tx"), true);
    m_detail->horizontalHeader()->setStretchLastSection(true);
    // Both lists share the list's selection, so they and the boxes show one row.
    m_detail->setSelectionModel(m_list->selectionModel());
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != m_mapper->currentIndex())
                    m_mapper->setCurrentIndex(current.row());
            });

    auto* right = new QVBoxLayout;
    right->addWidget(buildBoxes());
    right->addWidget(m_detail, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list);
    middle->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(toolbar);
    layout->addLayout(chooser);
    layout->addLayout(middle, 1);
}

QWidget* TableDefinitionsScreen::buildBoxes()
{
    auto* pane = new QWidget(this);
    auto* boxes = new QGridLayout(pane);
    boxes->setContentsMargins(0, 0, 0, 0);
    boxes->setColumnStretch(2, 1);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    // The boxes reach the model only through the checked values of save().
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(m_mapper, &QDataWidgetMapper::currentIndexChanged, this, [this](int row) {
        m_list->selectRow(row);
        cmd_yd();
    });
    for (int i = 0; i < int(std::size(Boxes)); ++i) {
        auto* label = new QLabel(tr(Boxes[i].label), pane);
        auto* box = new QLineEdit(pane);
        box->setObjectName(QStringLiteral("Text1_") + QString::number(i));
        box->installEventFilter(this);
        label->setBuddy(box);
        boxes->addWidget(label, i, 0);
        boxes->addWidget(box, i, 1);
        if (Boxes[i].hint) {
            auto* hint = new QLabel(tr(Boxes[i].hint), pane);
            hint->setWordWrap(true);
            hint->setForegroundRole(QPalette::PlaceholderText);
            boxes->addWidget(hint, i, 2);
        }
        m_boxes.append(box);
    }
    auto* moves = new QHBoxLayout;
    m_moves = addMoveButtons(moves, pane);
    moves->addStretch();
    connect(m_moves[0], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toFirst);
    connect(m_moves[1], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toPrevious);
    connect(m_moves[2], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toNext);
    connect(m_moves[3], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toLast);
    boxes->addLayout(moves, int(std::size(Boxes)), 1, 1, 2);
    return pane;
}

int TableDefinitionsScreen::column(const char* name) const
{
    return m_model->fieldIndex(QLatin1String(name));
}

void TableDefinitionsScreen::zd_star()
{
    if (!m_model->select())
        showError(Result::fromSqlError(m_model->lastError()));
    bmbm_set();
    kongjian_enabled(false);
}

void TableDefinitionsScreen::bmbm_set()
{
    m_mapper->clearMapping();
    for (int i = 0; i < m_boxes.size(); ++i)
        m_mapper->addMapping(m_boxes[i], column(TableDefinitions::Columns[std::size_t(i)]));
    m_mapper->toFirst();
    if (m_model->rowCount() == 0)
        for (QLineEdit* box : std::as_const(m_boxes))
            box->clear();
}

void TableDefinitionsScreen::sp_add()
{
    const bool empty = m_model->rowCount() == 0;
    const int current = m_mapper->currentIndex();
    const QString number = empty ? QString() : m_model->data(m_model->index(current, column("zhao"))).toString();
    const QString proposal = TableDefinitions::proposedNumber(number, empty);
    // A new table usually follows the rules of the one it is numbered after.
    const QString unit =
        empty ? QStringLiteral("0") : m_model->data(m_model->index(current, column("zxjffz"))).toString();
    const QString minimum =
        empty ? QStringLiteral("0") : m_model->data(m_model->index(current, column("zdxffz"))).toString();
    const int row = m_model->rowCount();
    if (!m_model->insertRow(row)) {
        showError(Result::fromSqlError(m_model->lastError()));
        return;
    }
    m_mapper->setCurrentIndex(row);
    const QStringList texts = {proposal, QString(), QStringLiteral("0"), QStringLiteral("0"), unit, minimum, QString()};
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setText(texts.at(i));
    m_adding = true;
    m_original.reset();
    kongjian_enabled(true);
    m_boxes[0]->setFocus();
    m_boxes[0]->selectAll();
}

void TableDefinitionsScreen::edit()
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_original = m_model->data(m_model->index(row, column("zhao"))).toInt();
    m_editing = true;
    kongjian_enabled(true);
    m_boxes[0]->setFocus();
}

void TableDefinitionsScreen::save()
{
    if (!m_adding && !m_editing)
        return;
    std::array<QString, 7> typed;
    for (int i = 0; i < m_boxes.size(); ++i)
        typed[std::size_t(i)] = m_boxes[i]->text();
    const TableDefinitions::Checked checked = TableDefinitions::check(m_state.DbConn, typed, m_original);
    if (!checked.result) {
        showError(checked.result);
        return;
    }
    if (!checked.accepted()) {
        Messages::tell(checked.refusal);
        m_boxes[checked.box]->setFocus();
        m_boxes[checked.box]->selectAll();
        return;
    }
    const int row = m_mapper->currentIndex();
    for (int i = 0; i < checked.values.size(); ++i)
        m_model->setData(m_model->index(row, column(TableDefinitions::Columns[std::size_t(i)])), checked.values.at(i));
    if (!m_model->submitAll()) {
        showError(Result::fromSqlError(m_model->lastError()));
        return;
    }
    m_adding = false;
    m_editing = false;
    m_original.reset();
    kongjian_enabled(false);
    goToRow(rowOfNumber(checked.values.at(0).toString()));
}

void TableDefinitionsScreen::qy_upda()
{
    const int row = m_mapper->currentIndex();
    m_model->revertAll();
    m_adding = false;
    m_editing = false;
    m_original.reset();
    kongjian_enabled(false);
    goToRow(std::min(row, m_model->rowCount() - 1));
}

void TableDefinitionsScreen::sp_dele()
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (!Messages::askDefaultNo(tr("确认删除当前记录"), tr(Caption)))
        return;
    const int zhao = m_model->data(m_model->index(row, column("zhao"))).toInt();
    const TableDefinitions::Removal removal = TableDefinitions::remove(m_state.DbConn, zhao);
    if (showStopped(removal.result, removal.refusal))
        return;
    if (!m_model->select())
        showError(Result::fromSqlError(m_model->lastError()));
    goToRow(std::min(row, m_model->rowCount() - 1));
}

void TableDefinitionsScreen::find()
{
    bool answered = false;
    const QString number =
        QInputDialog::getText(this, tr("查询"), tr("请输入位号:"), QLineEdit::Normal, QString(), &answered);
    if (answered && !number.trimmed().isEmpty())
        find_set(number);
}

void TableDefinitionsScreen::find_set(const QString& number)
{
    const int row = rowOfNumber(number.trimmed());
    if (row < 0) {
        Messages::exclamation(tr("无符合条件记录"), tr(Caption));
        return;
    }
    goToRow(row);
}

int TableDefinitionsScreen::rowOfNumber(const QString& number) const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->data(m_model->index(row, column("zhao"))).toString() == number)
            return row;
    }
    return -1;
}

void TableDefinitionsScreen::goToRow(int row)
{
    if (row < 0) {
        for (QLineEdit* box : std::as_const(m_boxes))
            box->clear();
        cmd_yd();
        return;
    }
    m_mapper->setCurrentIndex(row);
    // The same row again is not a change: the boxes still need its values.
    m_mapper->revert();
}

void TableDefinitionsScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"), tr(Caption));
}

void TableDefinitionsScreen::kongjian_enabled(bool editing)
{
    for (QAction* action : std::as_const(m_browseActions))
        action->setEnabled(!editing);
    for (QAction* action : std::as_const(m_editActions))
        action->setEnabled(editing);
    for (QLineEdit* box : std::as_const(m_boxes))
        box->setReadOnly(!editing);
    // Moving to another row while one is being edited would leave its
    // typing behind in the boxes of the wrong row.
    m_list->setEnabled(!editing);
    m_detail->setEnabled(!editing);
    m_combzd->setEnabled(!editing);
    cmd_yd();
}

void TableDefinitionsScreen::cmd_yd()
{
    const bool browsing = !m_adding && !m_editing;
    const int row = m_mapper->currentIndex();
    const int last = m_model->rowCount() - 1;
    m_moves[0]->setEnabled(browsing && row > 0);
    m_moves[1]->setEnabled(browsing && row > 0);
    m_moves[2]->setEnabled(browsing && row >= 0 && row < last);
    m_moves[3]->setEnabled(browsing && row >= 0 && row < last);
}

bool TableDefinitionsScreen::eventFilter(QObject* watched, QEvent* event)
{
    const int i = int(m_boxes.indexOf(qobject_cast<QLineEdit*>(watched)));
    if (i < 0 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (i == 0 && m_boxes[0]->text().trimmed().isEmpty())
        Messages::critical(tr("位号不能为空"), tr(Caption));
    else if (i == 1 && m_boxes[1]->text().trimmed().isEmpty())
        Messages::critical(tr("名称不能为空"), tr(Caption));
    else if (i + 1 < m_boxes.size())
        m_boxes[i + 1]->setFocus();
    return true;
}
