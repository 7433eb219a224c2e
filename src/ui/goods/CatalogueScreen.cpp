#include "ui/goods/CatalogueScreen.h"

#include "core/base/AppState.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/goods/CatalogueImport.h"
#include "core/goods/CatalogueReport.h"
#include "core/goods/CatalogueUpkeep.h"
#include "core/goods/GoodsCatalogueModel.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/MoveButtons.h"
#include "ui/base/NumberDelegate.h"
#include "ui/base/ProgramFolder.h"
#include "ui/goods/GoodsFindDialog.h"
#include "ui/printing/ReportPreview.h"

#include <QCoreApplication>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The screen's name in the operator log: data, Chinese whatever language is shown.
const QString LogName = QStringLiteral("商品编码");

struct BoxText
{
    int index;
    const char* column;
    const char* label;
};

// Text1's boxes in the order they stand; 9 shows the department's name.
const BoxText Boxes[] = {{0, "headcode", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品编码")},
                         {1, "name", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品名称")},
                         {2, "spjm", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品简码")},
                         {3, "spdw", QT_TRANSLATE_NOOP("CatalogueScreen", " 计量单位")},
                         {15, "spdj", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品单价")},
                         {5, "sp_max", QT_TRANSLATE_NOOP("CatalogueScreen", " 会员优惠 ")},
                         {6, "sp_mix", QT_TRANSLATE_NOOP("CatalogueScreen", "非会员优惠")},
                         {7, "spgg", QT_TRANSLATE_NOOP("CatalogueScreen", " 规格型号")},
                         {8, "spcd", QT_TRANSLATE_NOOP("CatalogueScreen", " 产    地")},
                         {4, "bm_sort", QT_TRANSLATE_NOOP("CatalogueScreen", " 仓库编码")},
                         {9, "bm_name", QT_TRANSLATE_NOOP("CatalogueScreen", " 仓库名称")},
                         {13, "point_h", QT_TRANSLATE_NOOP("CatalogueScreen", " 编码级别")}};

const char* const Notes = QT_TRANSLATE_NOOP(
    "CatalogueScreen",
    "【会员优惠】 与 【非会员优惠】使用说明\n"
    "会员优惠：如果【商品单价】10 元 会员优惠 为 2  在商品销售时如果为会员购买则此种商品价格将为 8 元\n"
    "非会员优惠：如果【商品单价】10 元 非会员优惠 为 1  在商品销售时如果是非会员购买，则此种商品价格将为 9 元");

QTableView* grid(const QString& name, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(24);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

} // namespace

CatalogueScreen::CatalogueScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
{
    setObjectName(QStringLiteral("CatalogueScreen"));
    setWindowTitle(tr("商品编码"));
    resize(960, 640);
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    if (!m_model->select())
        showError(Result::fromSqlError(m_model->lastError()));
    spbm_set();
    goToRow(m_model->rowCount() - 1);
    kongjian_enabled(true);
    if (m_model->rowCount() > 0)
        use_tag_check();
}

void CatalogueScreen::done(int result)
{
    if (editing())
        qy_upda();
    if (const Result kept = CatalogueUpkeep::run(m_state.DbConn, m_structure); !kept)
        showError(kept);
    if (const Result closed = m_log.close(); !closed)
        showError(closed);
    QDialog::done(result);
}

void CatalogueScreen::buildScreen()
{
    auto* toolbar = new KeyToolbar(this);
    const auto key = [this, toolbar](const char* name, const QString& caption, QStyle::StandardPixmap icon, auto slot) {
        m_keys.insert(QLatin1String(name), toolbar->addKey(name, caption, icon, slot));
    };
    key("PrintView", tr("预览"), QStyle::SP_FileDialogContentsView, [this] { print_set(1); });
    key("print", tr("打印"), QStyle::SP_DialogSaveButton, [this] { print_set(2); });
    toolbar->addSeparator();
    key("Add", tr("增加"), QStyle::SP_FileDialogNewFolder, [this] { spbm_add(); });
    key("Edit", tr("修改"), QStyle::SP_FileDialogDetailedView, [this] { edit(); });
    key("Save", tr("保存"), QStyle::SP_DialogApplyButton, [this] { sp_save(); });
    key("Cancel", tr("撤消"), QStyle::SP_DialogCancelButton, [this] { qy_upda(); });
    key("Find", tr("查询"), QStyle::SP_FileDialogStart, [this] { find(); });
    key("Dele", tr("删除"), QStyle::SP_TrashIcon, [this] { sp_dele(); });
    toolbar->addSeparator();
    key("Help", tr("帮助"), QStyle::SP_DialogHelpButton, [] {});
    key("Calc", tr("计算器"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    key("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });

    m_model = new GoodsCatalogueModel(this, m_state.DbConn);
    const char* const headers[][2] = {{"headcode", QT_TRANSLATE_NOOP("CatalogueScreen", "商品编码")},
                                      {"name", QT_TRANSLATE_NOOP("CatalogueScreen", "商品名称")},
                                      {"spjm", QT_TRANSLATE_NOOP("CatalogueScreen", "商品简码")},
                                      {"spdw", QT_TRANSLATE_NOOP("CatalogueScreen", "计量单位")},
                                      {"spdj", QT_TRANSLATE_NOOP("CatalogueScreen", "商品单价")}};
    for (const auto& [name, header] : headers)
        m_model->setHeaderData(column(name), Qt::Horizontal, QCoreApplication::translate("CatalogueScreen", header));

    m_dy = grid(QStringLiteral("daGridDy"), this);
    m_dy->setModel(m_model);
    m_ly = grid(QStringLiteral("DaGridLy"), this);
    m_ly->setModel(m_model);
    NumberDelegate::install(m_ly, {column("spdj")});
    for (int c = 0; c < m_model->record().count(); ++c) {
        m_dy->setColumnHidden(c, c != column("headcode") && c != column("name"));
        m_ly->setColumnHidden(c, c != column("headcode") && c != column("name") && c != column("spjm") &&
                                     c != column("spdw") && c != column("spdj"));
    }
    // Both lists share one selection, so they and the boxes show one row.
    m_ly->setSelectionModel(m_dy->selectionModel());
    connect(m_dy->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && current.row() != m_mapper->currentIndex())
            m_mapper->setCurrentIndex(current.row());
    });
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->addTab(m_dy, tr("商品编码"));
    tabs->addTab(m_ly, tr("商品列表"));

    auto* update = new QPushButton(tr("更新"), this);
    update->setObjectName(QStringLiteral("Command1"));
    update->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, [this] { dr1(); });

    auto* right = new QVBoxLayout;
    right->addWidget(buildBoxes());
    auto* notes = new QLabel(QCoreApplication::translate("CatalogueScreen", Notes), this);
    notes->setWordWrap(true);
    right->addWidget(notes);
    right->addStretch();
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(update);
    right->addLayout(commands);

    auto* middle = new QHBoxLayout;
    middle->addWidget(tabs, 1);
    middle->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(toolbar);
    layout->addLayout(middle, 1);
}

QWidget* CatalogueScreen::buildBoxes()
{
    auto* pane = new QWidget(this);
    auto* boxes = new QGridLayout(pane);
    boxes->setContentsMargins(0, 0, 0, 0);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    NumberDelegate::install(m_mapper);
    // The boxes reach the model only through the checked values of sp_save().
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(m_mapper, &QDataWidgetMapper::currentIndexChanged, this, [this](int row) {
        m_dy->selectRow(row);
        cmd_yd();
        if (!editing())
            use_check();
    });
    int line = 0;
    for (const BoxText& text : Boxes) {
        auto* box = new QLineEdit(pane);
        box->setObjectName(QStringLiteral("Text1_") + QString::number(text.index));
        box->installEventFilter(this);
        auto* label = new QLabel(QCoreApplication::translate("CatalogueScreen", text.label), pane);
        label->setBuddy(box);
        boxes->addWidget(label, line / 2, (line % 2) * 2);
        boxes->addWidget(box, line / 2, (line % 2) * 2 + 1);
        m_boxes.insert(text.index, box);
        ++line;
    }
    box(9)->setFocusPolicy(Qt::NoFocus);
    box(13)->setFocusPolicy(Qt::NoFocus);
    auto* moves = new QHBoxLayout;
    m_moves = addMoveButtons(moves, pane);
    moves->addStretch();
    connect(m_moves[0], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toFirst);
    connect(m_moves[1], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toPrevious);
    connect(m_moves[2], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toNext);
    connect(m_moves[3], &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toLast);
    boxes->addLayout(moves, (line + 1) / 2, 0, 1, 4);
    return pane;
}

int CatalogueScreen::column(const char* name) const
{
    return m_model->fieldIndex(QLatin1String(name));
}

void CatalogueScreen::spbm_set()
{
    m_mapper->clearMapping();
    for (const BoxText& text : Boxes)
        m_mapper->addMapping(box(text.index), column(text.column));
}

void CatalogueScreen::spbm_add()
{
    const bool empty = m_model->rowCount() == 0;
    const int current = m_mapper->currentIndex();
    const QString code =
        empty || current < 0 ? QString() : m_model->data(m_model->index(current, column("headcode"))).toString();
    const QString next = GoodsCode::proposed(code, empty);
    const int row = m_model->rowCount();
    if (!m_model->insertRow(row)) {
        showError(Result::fromSqlError(m_model->lastError()));
        return;
    }
    m_mapper->setCurrentIndex(row);
    for (QLineEdit* field : std::as_const(m_boxes))
        field->clear();
    box(0)->setText(next);
    m_adding = true;
    m_original.clear();
    kongjian_enabled(false);
    box(0)->setFocus();
    box(0)->selectAll();
}

void CatalogueScreen::edit()
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_original = m_model->data(m_model->index(row, column("headcode"))).toString();
    m_editing = true;
    kongjian_enabled(false);
    box(1)->setFocus();
}

bool CatalogueScreen::sp_save()
{
    if (!editing())
        return false;
    GoodsCatalogue::Typed typed;
    for (std::size_t i = 0; i < GoodsCatalogue::Boxes.size(); ++i)
        typed.boxes[i] = box(GoodsCatalogue::Boxes[i])->text();
    const GoodsCatalogue::Checked checked = GoodsCatalogue::check(m_state.DbConn, m_structure, typed, m_original);
    if (!checked.result) {
        showError(checked.result);
        return false;
    }
    if (!checked.accepted()) {
        Messages::tell(checked.refusal);
        box(checked.box)->setFocus();
        box(checked.box)->selectAll();
        return false;
    }
    const int row = m_mapper->currentIndex();
    // An edited entry keeps its leaf flag and use mark until the closing upkeep.
    const qsizetype written = m_adding ? checked.values.size() : checked.values.size() - 2;
    for (qsizetype i = 0; i < written; ++i)
        m_model->setData(m_model->index(row, column(GoodsCatalogue::WrittenColumns[std::size_t(i)])),
                         checked.values.at(i));
    if (!m_model->submitAll()) {
        showError(Result::fromSqlError(m_model->lastError()));
        return false;
    }
    const QString code = checked.values.at(0).toString();
    m_adding = false;
    m_editing = false;
    m_original.clear();
    kongjian_enabled(true);
    int saved = m_model->rowCount() - 1;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        if (m_model->data(m_model->index(r, column("headcode"))).toString() == code)
            saved = r;
    }
    goToRow(saved);
    return true;
}

void CatalogueScreen::qy_upda()
{
    const int row = m_mapper->currentIndex();
    m_model->revertAll();
    m_adding = false;
    m_editing = false;
    m_original.clear();
    kongjian_enabled(true);
    goToRow(std::min(row, m_model->rowCount() - 1));
}

void CatalogueScreen::sp_dele()
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (!Messages::askDefaultNo(tr("是否删除当前记录"), Messages::AppTitle))
        return;
    const QString code = m_model->data(m_model->index(row, column("headcode"))).toString();
    const GoodsCatalogue::Removal removal = GoodsCatalogue::remove(m_state.DbConn, code);
    if (showStopped(removal.result, removal.refusal))
        return;
    if (!m_model->select())
        showError(Result::fromSqlError(m_model->lastError()));
    // The row that took the deleted one's place, or the one before it at the end.
    goToRow(std::min(row, m_model->rowCount() - 1));
}

void CatalogueScreen::find()
{
    GoodsFindDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted && !dialog.FindCondition().isEmpty())
        find_set(dialog.FindCondition());
}

void CatalogueScreen::find_set(const GoodsCatalogue::FindCondition& condition)
{
    m_model->setCondition(condition);
    if (!m_model->select()) {
        showError(Result::fromSqlError(m_model->lastError()));
        return;
    }
    if (m_model->rowCount() == 0) {
        Messages::information(tr("无符合条件的记录!"), Messages::AppTitle);
        m_model->setCondition({});
        if (!m_model->select())
            showError(Result::fromSqlError(m_model->lastError()));
    }
    goToRow(m_model->rowCount() > 0 ? 0 : -1);
}

void CatalogueScreen::use_tag_check()
{
    if (const Result marked = GoodsCatalogue::markUsed(m_state.DbConn); !marked) {
        showError(marked);
        return;
    }
    use_check();
}

void CatalogueScreen::use_check()
{
    const int row = m_mapper->currentIndex();
    bool locked = false;
    if (row >= 0 && row < m_model->rowCount()) {
        const QString code = m_model->data(m_model->index(row, column("headcode"))).toString();
        if (const Result checked = GoodsCatalogue::isProtected(m_state.DbConn, code, &locked); !checked)
            showError(checked);
    }
    m_keys.value(QStringLiteral("Dele"))->setEnabled(!editing() && !locked);
    box(0)->setReadOnly(!editing() || locked);
    box(4)->setReadOnly(!editing() || locked);
}

void CatalogueScreen::print_set(int lx)
{
    const ReportDocument document = catalogueReport(*m_model);
    if (lx == 1)
        previewReport(document, tr("商品编码"), this);
    else if (!printReport(document))
        Messages::exclamation(tr("商品编码没有打印：打印机不能使用。"), Messages::AppTitle);
}

void CatalogueScreen::dr1()
{
    if (!Messages::ask(tr("数据转换,如果你已执行一次，请不要再次执行。"), Messages::AppTitle))
        return;
    const CatalogueImport::Imported imported = CatalogueImport::run(m_state.DbConn);
    if (showStopped(imported.result, imported.refusal))
        return;
    m_model->setCondition({});
    if (!m_model->select())
        showError(Result::fromSqlError(m_model->lastError()));
    goToRow(m_model->rowCount() - 1);
    Messages::information(
        tr("数据转换完成! 新增商品 %1 条，仓库 %2 条。").arg(imported.goods).arg(imported.departments),
        Messages::AppTitle);
}

void CatalogueScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"), Messages::AppTitle);
}

void CatalogueScreen::goToRow(int row)
{
    if (row < 0) {
        for (QLineEdit* field : std::as_const(m_boxes))
            field->clear();
        cmd_yd();
        use_check();
        return;
    }
    m_mapper->setCurrentIndex(row);
    // The same row again is not a change: the boxes still need its values.
    m_mapper->revert();
    use_check();
}

void CatalogueScreen::kongjian_enabled(bool jzbl)
{
    for (const char* name : {"PrintView", "print", "Add", "Edit", "Find", "Dele", "Quit"})
        m_keys.value(QLatin1String(name))->setEnabled(jzbl);
    for (const char* name : {"Cancel", "Save"})
        m_keys.value(QLatin1String(name))->setEnabled(!jzbl);
    for (QLineEdit* field : std::as_const(m_boxes))
        field->setReadOnly(jzbl);
    box(9)->setReadOnly(true);
    box(13)->setReadOnly(true);
    // Moving to another row while one is being edited would leave its typing
    // behind in the boxes of the wrong row.
    m_dy->setEnabled(jzbl);
    m_ly->setEnabled(jzbl);
    cmd_yd();
    use_check();
}

void CatalogueScreen::cmd_yd()
{
    const int row = m_mapper->currentIndex();
    const int last = m_model->rowCount() - 1;
    m_moves[0]->setEnabled(!editing() && row > 0);
    m_moves[1]->setEnabled(!editing() && row > 0);
    m_moves[2]->setEnabled(!editing() && row >= 0 && row < last);
    m_moves[3]->setEnabled(!editing() && row >= 0 && row < last);
}

void CatalogueScreen::enterPressed(int index)
{
    switch (index) {
    case 0: {
        const GoodsCode::Checked checked =
            GoodsCode::check(m_state.DbConn, m_structure, box(0)->text().trimmed(), m_original);
        if (!showStopped(checked.result, checked.refusal)) {
            box(13)->setText(QString::number(checked.level));
            box(1)->setFocus();
        }
        return;
    }
    case 1:
        if (box(1)->text().trimmed().isEmpty())
            Messages::critical(tr("商品名称不能为空"), Messages::AppTitle);
        else
            box(2)->setFocus();
        return;
    case 2:
        box(2)->setText(box(2)->text().toUpper());
        box(3)->setFocus();
        return;
    case 3:
        if (box(3)->text().trimmed().isEmpty())
            Messages::exclamation(tr("计量单位不能为空"), Messages::AppTitle);
        else
            box(15)->setFocus();
        return;
    case 15:
        box(5)->setFocus();
        return;
    case 5:
        box(6)->setFocus();
        return;
    case 6:
        break;
    default:
        return;
    }
    if (box(3)->text().trimmed().isEmpty()) {
        Messages::exclamation(tr("计量单位不能为空"), Messages::AppTitle);
        return;
    }
    if (box(0)->text().trimmed().isEmpty())
        return;
    if (m_adding) {
        if (sp_save())
            spbm_add();
        return;
    }
    if (m_editing && sp_save()) {
        const int row = m_mapper->currentIndex();
        if (row + 1 < m_model->rowCount())
            goToRow(row + 1);
    }
    box(0)->setFocus();
}

bool CatalogueScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int index = m_boxes.key(qobject_cast<QLineEdit*>(watched), -1);
    if (index < 0 || (key != Qt::Key_Return && key != Qt::Key_Enter))
        return QDialog::eventFilter(watched, event);
    if (editing())
        enterPressed(index);
    return true;
}
