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
#include "ui/printing/SpreadsheetExport.h"

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
#include <type_traits>

namespace {

// The screen's name in the operator log: data, Chinese whatever language is shown.
const QString LogName = QStringLiteral("商品编码");

struct BoxText
{
    const char* name;
    const char* column;
    const char* label;
};

// The boxes in the order they stand.
const BoxText Boxes[] = {{"codeBox", "headcode", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品编码")},
                         {"nameBox", "name", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品名称")},
                         {"mnemonicBox", "spjm", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品简码")},
                         {"unitBox", "spdw", QT_TRANSLATE_NOOP("CatalogueScreen", " 计量单位")},
                         {"priceBox", "spdj", QT_TRANSLATE_NOOP("CatalogueScreen", " 商品单价")},
                         {"memberReductionBox", "sp_max", QT_TRANSLATE_NOOP("CatalogueScreen", " 会员优惠 ")},
                         {"guestReductionBox", "sp_mix", QT_TRANSLATE_NOOP("CatalogueScreen", "非会员优惠")},
                         {"sizeAndModelBox", "spgg", QT_TRANSLATE_NOOP("CatalogueScreen", " 规格型号")},
                         {"originBox", "spcd", QT_TRANSLATE_NOOP("CatalogueScreen", " 产    地")},
                         {"departmentBox", "bm_sort", QT_TRANSLATE_NOOP("CatalogueScreen", " 仓库编码")},
                         {"departmentNameBox", "bm_name", QT_TRANSLATE_NOOP("CatalogueScreen", " 仓库名称")},
                         {"levelBox", "point_h", QT_TRANSLATE_NOOP("CatalogueScreen", " 编码级别")}};

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
    mapBoxes();
    goToRow(m_model->rowCount() - 1);
    showMode(RecordEditMode::Mode::Browse);
    if (m_model->rowCount() > 0)
        markUsed();
}

void CatalogueScreen::done(int result)
{
    if (m_mode.typing())
        cancel();
    if (const Result kept = CatalogueUpkeep::run(m_state.DbConn, m_structure); !kept)
        showError(kept);
    if (const Result closed = m_log.close(); !closed)
        showError(closed);
    QDialog::done(result);
}

void CatalogueScreen::buildScreen()
{
    auto* toolbar = new KeyToolbar(this);
    RecordEditMode::Controls controls;
    const auto key = [toolbar](const char* name, const QString& caption, QStyle::StandardPixmap icon, auto slot) {
        return toolbar->addKey(name, caption, icon, slot);
    };
    controls.browseKeys = {
        key("PrintView", tr("预览"), QStyle::SP_FileDialogContentsView, [this] { printCatalogue(true); }),
        key("print", tr("打印"), QStyle::SP_DialogSaveButton, [this] { printCatalogue(false); }),
        key("exportExcel", SpreadsheetExport::caption(), QStyle::SP_DriveFDIcon, [this] { exportCatalogue(); })};
    toolbar->addSeparator();
    controls.browseKeys.append(key("Add", tr("增加"), QStyle::SP_FileDialogNewFolder, [this] { add(); }));
    controls.browseKeys.append(key("Edit", tr("修改"), QStyle::SP_FileDialogDetailedView, [this] { edit(); }));
    controls.typingKeys = {key("Save", tr("保存"), QStyle::SP_DialogApplyButton, [this] { save(); }),
                           key("Cancel", tr("撤消"), QStyle::SP_DialogCancelButton, [this] { cancel(); })};
    controls.browseKeys.append(key("Find", tr("查询"), QStyle::SP_FileDialogStart, [this] { find(); }));
    m_deleteKey = key("Dele", tr("删除"), QStyle::SP_TrashIcon, [this] { remove(); });
    controls.browseKeys.append(m_deleteKey);
    toolbar->addSeparator();
    key("Help", tr("帮助"), QStyle::SP_DialogHelpButton, [] {});
    key("Calc", tr("计算器"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    controls.browseKeys.append(key("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); }));

    m_model = new GoodsCatalogueModel(this, m_state.DbConn);
    const char* const headers[][2] = {{"headcode", QT_TRANSLATE_NOOP("CatalogueScreen", "商品编码")},
                                      {"name", QT_TRANSLATE_NOOP("CatalogueScreen", "商品名称")},
                                      {"spjm", QT_TRANSLATE_NOOP("CatalogueScreen", "商品简码")},
                                      {"spdw", QT_TRANSLATE_NOOP("CatalogueScreen", "计量单位")},
                                      {"spdj", QT_TRANSLATE_NOOP("CatalogueScreen", "商品单价")}};
    for (const auto& [name, header] : headers)
        m_model->setHeaderData(column(name), Qt::Horizontal, QCoreApplication::translate("CatalogueScreen", header));

    m_codeList = grid(QStringLiteral("codeList"), this);
    m_codeList->setModel(m_model);
    m_goodsList = grid(QStringLiteral("goodsList"), this);
    m_goodsList->setModel(m_model);
    NumberDelegate::install(m_goodsList, {column("spdj")});
    for (int c = 0; c < m_model->record().count(); ++c) {
        m_codeList->setColumnHidden(c, c != column("headcode") && c != column("name"));
        m_goodsList->setColumnHidden(c, c != column("headcode") && c != column("name") && c != column("spjm") &&
                                            c != column("spdw") && c != column("spdj"));
    }
    // Both lists share one selection, so they and the boxes show one row.
    m_goodsList->setSelectionModel(m_codeList->selectionModel());
    connect(m_codeList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != m_mapper->currentIndex())
                    m_mapper->setCurrentIndex(current.row());
            });
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("listTabs"));
    tabs->addTab(m_codeList, tr("商品编码"));
    tabs->addTab(m_goodsList, tr("商品列表"));

    auto* update = new QPushButton(tr("更新"), this);
    update->setObjectName(QStringLiteral("importButton"));
    update->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, [this] { importOldCatalogue(); });

    auto* right = new QVBoxLayout;
    right->addWidget(buildBoxes(&controls.moves));
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

    controls.mapper = m_mapper;
    const std::array<QLineEdit*, 10> written = writtenBoxes();
    controls.boxes = QList<QLineEdit*>(written.begin(), written.end());
    controls.browseWidgets = {m_codeList, m_goodsList};
    m_mode.setControls(std::move(controls));
}

QWidget* CatalogueScreen::buildBoxes(QList<QPushButton*>* moves)
{
    auto* pane = new QWidget(this);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    NumberDelegate::install(m_mapper);
    // The boxes reach the model only through the checked values of save().
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(m_mapper, &QDataWidgetMapper::currentIndexChanged, this, [this](int row) {
        m_codeList->selectRow(row);
        m_mode.showMoves();
        if (!m_mode.typing())
            showProtection();
    });
    QLineEdit** const targets[] = {&m_codeBox,           &m_nameBox,           &m_mnemonicBox,
                                   &m_unitBox,           &m_priceBox,          &m_memberReductionBox,
                                   &m_guestReductionBox, &m_sizeAndModelBox,   &m_originBox,
                                   &m_departmentBox,     &m_departmentNameBox, &m_levelBox};
    static_assert(std::extent_v<decltype(targets)> == std::size(Boxes));
    int line = 0;
    for (const BoxText& text : Boxes) {
        auto* box = new QLineEdit(pane);
        box->setObjectName(QLatin1String(text.name));
        box->installEventFilter(this);
        auto* label = new QLabel(QCoreApplication::translate("CatalogueScreen", text.label), pane);
        label->setBuddy(box);
        grid->addWidget(label, line / 2, (line % 2) * 2);
        grid->addWidget(box, line / 2, (line % 2) * 2 + 1);
        *targets[line] = box;
        ++line;
    }
    // Shown from the catalogue, never typed.
    for (QLineEdit* shown : {m_departmentNameBox, m_levelBox}) {
        shown->setFocusPolicy(Qt::NoFocus);
        shown->setReadOnly(true);
    }
    auto* moveRow = new QHBoxLayout;
    *moves = addMoveButtons(moveRow, pane);
    moveRow->addStretch();
    connect(moves->at(0), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toFirst);
    connect(moves->at(1), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toPrevious);
    connect(moves->at(2), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toNext);
    connect(moves->at(3), &QPushButton::clicked, m_mapper, &QDataWidgetMapper::toLast);
    grid->addLayout(moveRow, (line + 1) / 2, 0, 1, 4);
    return pane;
}

std::array<QLineEdit*, 10> CatalogueScreen::writtenBoxes() const
{
    return {m_codeBox,           m_nameBox,         m_mnemonicBox, m_unitBox,      m_priceBox, m_memberReductionBox,
            m_guestReductionBox, m_sizeAndModelBox, m_originBox,   m_departmentBox};
}

int CatalogueScreen::column(const char* name) const
{
    return m_model->fieldIndex(QLatin1String(name));
}

std::array<QLineEdit*, 12> CatalogueScreen::allBoxes() const
{
    return {m_codeBox,           m_nameBox,           m_mnemonicBox,
            m_unitBox,           m_priceBox,          m_memberReductionBox,
            m_guestReductionBox, m_sizeAndModelBox,   m_originBox,
            m_departmentBox,     m_departmentNameBox, m_levelBox};
}

void CatalogueScreen::mapBoxes()
{
    m_mapper->clearMapping();
    const std::array<QLineEdit*, 12> boxes = allBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        m_mapper->addMapping(boxes[i], column(Boxes[i].column));
}

void CatalogueScreen::add()
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
    for (QLineEdit* box : allBoxes())
        box->clear();
    m_codeBox->setText(next);
    m_originalCode.clear();
    showMode(RecordEditMode::Mode::Add);
    m_codeBox->setFocus();
    m_codeBox->selectAll();
}

void CatalogueScreen::edit()
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_originalCode = m_model->data(m_model->index(row, column("headcode"))).toString();
    showMode(RecordEditMode::Mode::Edit);
    m_nameBox->setFocus();
}

bool CatalogueScreen::save()
{
    if (!m_mode.typing())
        return false;
    GoodsCatalogue::Typed typed;
    const std::array<QLineEdit*, 10> written = writtenBoxes();
    for (std::size_t i = 0; i < written.size(); ++i)
        typed.boxes[i] = written[i]->text();
    const GoodsCatalogue::Checked checked = GoodsCatalogue::check(m_state.DbConn, m_structure, typed, m_originalCode);
    if (!checked.result) {
        showError(checked.result);
        return false;
    }
    if (!checked.accepted()) {
        Messages::tell(checked.refusal);
        written[std::size_t(checked.box)]->setFocus();
        written[std::size_t(checked.box)]->selectAll();
        return false;
    }
    const int row = m_mapper->currentIndex();
    // An edited entry keeps its leaf flag and use mark until the closing upkeep.
    const qsizetype count = m_mode.adding() ? checked.values.size() : checked.values.size() - 2;
    for (qsizetype i = 0; i < count; ++i)
        m_model->setData(m_model->index(row, column(GoodsCatalogue::WrittenColumns[std::size_t(i)])),
                         checked.values.at(i));
    if (!m_model->submitAll()) {
        showError(Result::fromSqlError(m_model->lastError()));
        return false;
    }
    const QString code = checked.values.at(0).toString();
    m_originalCode.clear();
    showMode(RecordEditMode::Mode::Browse);
    int saved = m_model->rowCount() - 1;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        if (m_model->data(m_model->index(r, column("headcode"))).toString() == code)
            saved = r;
    }
    goToRow(saved);
    return true;
}

void CatalogueScreen::cancel()
{
    const int row = m_mapper->currentIndex();
    m_model->revertAll();
    m_originalCode.clear();
    showMode(RecordEditMode::Mode::Browse);
    goToRow(std::min(row, m_model->rowCount() - 1));
}

void CatalogueScreen::remove()
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
    if (dialog.exec() == QDialog::Accepted && !dialog.condition().isEmpty())
        narrowTo(dialog.condition());
}

void CatalogueScreen::narrowTo(const GoodsCatalogue::FindCondition& condition)
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

void CatalogueScreen::markUsed()
{
    if (const Result marked = GoodsCatalogue::markUsed(m_state.DbConn); !marked) {
        showError(marked);
        return;
    }
    showProtection();
}

// A protected entry is neither deleted nor recoded, nor moved to another
// department, from under its documents.
void CatalogueScreen::showProtection()
{
    const int row = m_mapper->currentIndex();
    bool locked = false;
    if (row >= 0 && row < m_model->rowCount()) {
        const QString code = m_model->data(m_model->index(row, column("headcode"))).toString();
        const ResultOf<bool> checked = GoodsCatalogue::isProtected(m_state.DbConn, code);
        if (!checked)
            showError(checked.result());
        // An entry whose protection could not be read is kept as protected.
        locked = !checked || *checked;
    }
    m_deleteKey->setEnabled(!m_mode.typing() && !locked);
    m_codeBox->setReadOnly(!m_mode.typing() || locked);
    m_departmentBox->setReadOnly(!m_mode.typing() || locked);
}

void CatalogueScreen::printCatalogue(bool preview)
{
    const ReportDocument document = catalogueReport(*m_model);
    if (preview)
        previewReport(document, tr("商品编码"), this);
    else if (!printReport(document))
        Messages::exclamation(tr("商品编码没有打印：打印机不能使用。"), Messages::AppTitle);
}

void CatalogueScreen::exportCatalogue()
{
    const ReportDocument document = catalogueReport(*m_model);
    SpreadsheetExport::offer(document, SpreadsheetExport::fileName(document.title.caption), this);
}

void CatalogueScreen::importOldCatalogue()
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
        for (QLineEdit* box : allBoxes())
            box->clear();
        m_mode.showMoves();
        showProtection();
        return;
    }
    m_mapper->setCurrentIndex(row);
    // The same row again is not a change: the boxes still need its values.
    m_mapper->revert();
    showProtection();
}

void CatalogueScreen::showMode(RecordEditMode::Mode mode)
{
    m_mode.set(mode);
    showProtection();
}

void CatalogueScreen::enterPressed(QLineEdit* box)
{
    if (box == m_codeBox) {
        const GoodsCode::Checked checked =
            GoodsCode::check(m_state.DbConn, m_structure, m_codeBox->text().trimmed(), m_originalCode);
        if (!showStopped(checked.result, checked.refusal)) {
            m_levelBox->setText(QString::number(checked.level));
            m_nameBox->setFocus();
        }
        return;
    }
    if (box == m_nameBox) {
        if (m_nameBox->text().trimmed().isEmpty())
            Messages::critical(tr("商品名称不能为空"), Messages::AppTitle);
        else
            m_mnemonicBox->setFocus();
        return;
    }
    if (box == m_mnemonicBox) {
        m_mnemonicBox->setText(m_mnemonicBox->text().toUpper());
        m_unitBox->setFocus();
        return;
    }
    if (box == m_unitBox) {
        if (m_unitBox->text().trimmed().isEmpty())
            Messages::exclamation(tr("计量单位不能为空"), Messages::AppTitle);
        else
            m_priceBox->setFocus();
        return;
    }
    if (box == m_priceBox) {
        m_memberReductionBox->setFocus();
        return;
    }
    if (box == m_memberReductionBox) {
        m_guestReductionBox->setFocus();
        return;
    }
    if (box != m_guestReductionBox)
        return;
    // The last box: the entry is saved, and an added one starts the next.
    if (m_unitBox->text().trimmed().isEmpty()) {
        Messages::exclamation(tr("计量单位不能为空"), Messages::AppTitle);
        return;
    }
    if (m_codeBox->text().trimmed().isEmpty())
        return;
    if (m_mode.adding()) {
        if (save())
            add();
        return;
    }
    if (m_mode.typing() && save()) {
        const int row = m_mapper->currentIndex();
        if (row + 1 < m_model->rowCount())
            goToRow(row + 1);
    }
    m_codeBox->setFocus();
}

bool CatalogueScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const std::array<QLineEdit*, 12> boxes = allBoxes();
    const auto box = std::find(boxes.begin(), boxes.end(), watched);
    if (box == boxes.end() || (key != Qt::Key_Return && key != Qt::Key_Enter))
        return QDialog::eventFilter(watched, event);
    if (m_mode.typing())
        enterPressed(*box);
    return true;
}
