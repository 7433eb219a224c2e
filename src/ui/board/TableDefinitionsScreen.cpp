#include "ui/board/TableDefinitionsScreen.h"

#include "core/base/AppState.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/MoveButtons.h"
#include "ui/base/ProgramFolder.h"

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
#include <QSqlQueryModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("TableDefinitionsScreen", "位号设置");

struct BoxText
{
    const char* name;
    const char* label;
    const char* hint;
};

const BoxText Boxes[] = {
    {"numberBox", QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 位    号"), nullptr},
    {"nameBox", QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 名    称"), nullptr},
    {"inUseBox", QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 使用标记"), nullptr},
    {"depositBox", QT_TRANSLATE_NOOP("TableDefinitionsScreen", " 服务费率："), nullptr},
    {"billingUnitBox", QT_TRANSLATE_NOOP("TableDefinitionsScreen", "最小计费分钟"),
     QT_TRANSLATE_NOOP("TableDefinitionsScreen",
                       "   最小计费分钟数据为：如设置为15， 客人消费时间20分钟则系统按30分钟计算。")},
    {"minimumBox", QT_TRANSLATE_NOOP("TableDefinitionsScreen", "最低消费分钟 "),
     QT_TRANSLATE_NOOP("TableDefinitionsScreen", "   最低消费分钟：如设成0，则不计最低消费，如最低消费60 "
                                                 "客人消费不足60分钟按60分钟计算超过则按时间时间计算。")},
    {"cardBox", QT_TRANSLATE_NOOP("TableDefinitionsScreen", "开台结帐卡号"),
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
    if (const ResultOf<bool> upgraded = TableDefinitions::upgrade(m_state.DbConn); !upgraded)
        showError(upgraded.result());
    else if (*upgraded)
        Messages::exclamation(tr("数据库升级完成：台位增加了最小计费分钟、最低消费分钟和开台结帐卡号，"
                                 "现有台位按最小计费 15 分钟、最低消费 60 分钟计费，请核对。"),
                              tr(Caption));
    buildScreen();
    reload();
}

void TableDefinitionsScreen::buildScreen()
{
    auto* toolbar = new KeyToolbar(this);
    RecordEditMode::Controls controls;
    controls.browseKeys = {toolbar->addKey("Add", tr("增加"), QStyle::SP_FileDialogNewFolder, [this] { add(); }),
                           toolbar->addKey("Edit", tr("修改"), QStyle::SP_FileDialogDetailedView, [this] { edit(); })};
    controls.typingKeys = {toolbar->addKey("Save", tr("保存"), QStyle::SP_DialogSaveButton, [this] { save(); }),
                           toolbar->addKey("Cancel", tr("取消"), QStyle::SP_DialogCancelButton, [this] { cancel(); })};
    controls.browseKeys.append(toolbar->addKey("Dele", tr("删除"), QStyle::SP_TrashIcon, [this] { remove(); }));
    toolbar->addSeparator();
    controls.browseKeys.append(
        toolbar->addKey("Find", tr("查找"), QStyle::SP_FileDialogContentsView, [this] { find(); }));
    toolbar->addKey("Calc", tr("计算器"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    toolbar->addSeparator();
    toolbar->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });

    m_kindChooser = new QComboBox(this);
    m_kindChooser->setObjectName(QStringLiteral("kindChooser"));
    m_kindChooser->setMinimumWidth(160);
    auto* kinds = new QSqlQueryModel(m_kindChooser);
    kinds->setQuery(TableDefinitions::KindsListing, m_state.DbConn);
    m_kindChooser->setModel(kinds);
    connect(m_kindChooser, &QComboBox::activated, this, [this] {
        if (!m_mode.typing())
            reload();
    });
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(tr("台位类型"), this));
    chooser->addWidget(m_kindChooser);
    chooser->addStretch();

    m_model = new TableDefinitionsModel(this, m_state.DbConn);
    for (int i = 0; i < int(TableDefinitions::Columns.size()); ++i)
        m_model->setHeaderData(m_model->column(TableDefinitions::Columns[std::size_t(i)]), Qt::Horizontal,
                               tr(Headers[i]));
    m_tableList = grid(QStringLiteral("tableList"), this);
    m_tableList->setModel(m_model);
    m_tableList->setMinimumWidth(200);
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_tableList->setColumnHidden(c, c != m_model->column("zhao") && c != m_model->column("mc"));
    m_detailList = grid(QStringLiteral("detailList"), this);
    m_detailList->setModel(m_model);
    m_detailList->setColumnHidden(m_model->column("tx"), true);
    m_detailList->horizontalHeader()->setStretchLastSection(true);
    // Both lists share the list's selection, so they and the boxes show one row.
    m_detailList->setSelectionModel(m_tableList->selectionModel());
    connect(m_tableList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != m_mapper->currentIndex())
                    m_mapper->setCurrentIndex(current.row());
            });

    auto* right = new QVBoxLayout;
    right->addWidget(buildBoxes(&controls.moves));
    right->addWidget(m_detailList, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_tableList);
    middle->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(toolbar);
    layout->addLayout(chooser);
    layout->addLayout(middle, 1);

    controls.mapper = m_mapper;
    const std::array<QLineEdit*, 7> all = boxes();
    controls.boxes = QList<QLineEdit*>(all.begin(), all.end());
    controls.browseWidgets = {m_tableList, m_detailList, m_kindChooser};
    m_mode.setControls(std::move(controls));
}

QWidget* TableDefinitionsScreen::buildBoxes(QList<QPushButton*>* moves)
{
    auto* pane = new QWidget(this);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(2, 1);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    // The boxes reach the model only through the checked values of save().
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(m_mapper, &QDataWidgetMapper::currentIndexChanged, this, [this](int row) {
        m_tableList->selectRow(row);
        m_mode.showMoves();
    });
    QLineEdit** const targets[] = {&m_numberBox,      &m_nameBox,    &m_inUseBox, &m_depositBox,
                                   &m_billingUnitBox, &m_minimumBox, &m_cardBox};
    for (int i = 0; i < int(std::size(Boxes)); ++i) {
        auto* label = new QLabel(tr(Boxes[i].label), pane);
        auto* box = new QLineEdit(pane);
        box->setObjectName(QLatin1String(Boxes[i].name));
        box->installEventFilter(this);
        label->setBuddy(box);
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        if (Boxes[i].hint) {
            auto* hint = new QLabel(tr(Boxes[i].hint), pane);
            hint->setWordWrap(true);
            hint->setForegroundRole(QPalette::PlaceholderText);
            grid->addWidget(hint, i, 2);
        }
        *targets[i] = box;
    }
    auto* moveRow = new QHBoxLayout;
    *moves = addMoveButtons(moveRow, pane);
    moveRow->addStretch();
    connect(moves->at(0), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toFirst);
    connect(moves->at(1), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toPrevious);
    connect(moves->at(2), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toNext);
    connect(moves->at(3), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toLast);
    grid->addLayout(moveRow, int(std::size(Boxes)), 1, 1, 2);
    return pane;
}

std::array<QLineEdit*, 7> TableDefinitionsScreen::boxes() const
{
    return {m_numberBox, m_nameBox, m_inUseBox, m_depositBox, m_billingUnitBox, m_minimumBox, m_cardBox};
}

void TableDefinitionsScreen::reload()
{
    if (!m_model->select())
        showError(Result::fromSqlError(m_model->lastError()));
    mapBoxes();
    m_mode.set(RecordEditMode::Mode::Browse);
}

void TableDefinitionsScreen::mapBoxes()
{
    m_mapper->clearMapping();
    const std::array<QLineEdit*, 7> all = boxes();
    for (std::size_t i = 0; i < all.size(); ++i)
        m_mapper->addMapping(all[i], m_model->column(TableDefinitions::Columns[i]));
    m_mapper->toFirst();
    if (m_model->rowCount() == 0)
        for (QLineEdit* box : all)
            box->clear();
}

void TableDefinitionsScreen::add()
{
    const std::optional<TableDefinitions::Typed> proposed = m_model->appendRow(m_mapper->currentIndex());
    if (!proposed) {
        showError(Result::fromSqlError(m_model->lastError()));
        return;
    }
    m_mapper->setCurrentIndex(m_model->rowCount() - 1);
    const std::array<QLineEdit*, 7> all = boxes();
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i]->setText((*proposed)[i]);
    m_originalNumber.reset();
    m_mode.set(RecordEditMode::Mode::Add);
    m_numberBox->setFocus();
    m_numberBox->selectAll();
}

void TableDefinitionsScreen::edit()
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_originalNumber = m_model->numberAt(row).toInt();
    m_mode.set(RecordEditMode::Mode::Edit);
    m_numberBox->setFocus();
}

void TableDefinitionsScreen::save()
{
    if (!m_mode.typing())
        return;
    TableDefinitions::Typed typed;
    const std::array<QLineEdit*, 7> all = boxes();
    for (std::size_t i = 0; i < all.size(); ++i)
        typed[i] = all[i]->text();
    const TableDefinitions::Checked checked = m_model->save(m_mapper->currentIndex(), typed, m_originalNumber);
    if (!checked.result) {
        showError(checked.result);
        return;
    }
    if (!checked.accepted()) {
        Messages::tell(checked.refusal);
        all[std::size_t(checked.box)]->setFocus();
        all[std::size_t(checked.box)]->selectAll();
        return;
    }
    m_originalNumber.reset();
    m_mode.set(RecordEditMode::Mode::Browse);
    goToRow(m_model->rowOfNumber(checked.values.at(0).toString()));
}

void TableDefinitionsScreen::cancel()
{
    const int row = m_mapper->currentIndex();
    m_model->revertAll();
    m_originalNumber.reset();
    m_mode.set(RecordEditMode::Mode::Browse);
    goToRow(std::min(row, m_model->rowCount() - 1));
}

void TableDefinitionsScreen::remove()
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (!Messages::askDefaultNo(tr("确认删除当前记录"), tr(Caption)))
        return;
    const TableDefinitions::Removal removal = TableDefinitions::remove(m_state.DbConn, m_model->numberAt(row).toInt());
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
        showNumber(number);
}

void TableDefinitionsScreen::showNumber(const QString& number)
{
    const int row = m_model->rowOfNumber(number.trimmed());
    if (row < 0) {
        Messages::exclamation(tr("无符合条件记录"), tr(Caption));
        return;
    }
    goToRow(row);
}

void TableDefinitionsScreen::goToRow(int row)
{
    if (row < 0) {
        for (QLineEdit* box : boxes())
            box->clear();
        m_mode.showMoves();
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

bool TableDefinitionsScreen::eventFilter(QObject* watched, QEvent* event)
{
    const std::array<QLineEdit*, 7> all = boxes();
    const auto found = std::find(all.begin(), all.end(), watched);
    if (found == all.end() || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (watched == m_numberBox && m_numberBox->text().trimmed().isEmpty())
        Messages::critical(tr("位号不能为空"), tr(Caption));
    else if (watched == m_nameBox && m_nameBox->text().trimmed().isEmpty())
        Messages::critical(tr("名称不能为空"), tr(Caption));
    else if (std::next(found) != all.end())
        (*std::next(found))->setFocus();
    return true;
}
