#include "ui/goods/GoodsDocumentsScreen.h"

#include "core/base/AppState.h"
#include "core/base/DateText.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/Sql.h"
#include "core/goods/DocumentNumber.h"
#include "core/goods/GoodsLookup.h"
#include "ui/admin/DateDialog.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/MoveButtons.h"
#include "ui/base/NumberDelegate.h"
#include "ui/base/ProgramFolder.h"
#include "ui/base/WindowPlacement.h"
#include "ui/goods/GoodsPickList.h"
#include "ui/printing/GridDocument.h"
#include "ui/printing/SpreadsheetExport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {

// The screen's name in the operator log: data, Chinese whatever language is shown.
const QString LogName = QStringLiteral("商品进货");
// The payment ways as fkfs stores them; the payment chooser shows them
// translated and keeps these as its items' data.
const QString Cash = QStringLiteral("现金");
const QString Card = QStringLiteral("刷卡");

struct BoxText
{
    const char* name;
    const char* label;
    const char* column;
    // In a spreadsheet. A unit price may carry more than cents: a number.
    CellKind kind = CellKind::Text;
};

// In the order of GoodsDocument::Box; the payment way is shown through the
// payment chooser.
const BoxText Boxes[] = {{"numberBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "单据号"), "dj_id"},
                         {"dateBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "日  期"), "rc", CellKind::Date},
                         {"goodsBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "商品名称"), "wlcode"},
                         {"countBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "数  量"), "count", CellKind::Number},
                         {"priceBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "单  价"), "price", CellKind::Number},
                         {"amountBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "金  额"), "amount", CellKind::Money},
                         {"handlerBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "经手人"), "jsr"},
                         {"preparerBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "制  单"), "czyname"},
                         {"remarkBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "备  注"), "abs"},
                         {"paymentBox", QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "付款方式"), "fkfs"}};
constexpr int BoxCount = int(std::size(Boxes));

QPushButton* smallButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFixedWidth(32);
    return button;
}

} // namespace

GoodsDocumentsScreen::GoodsDocumentsScreen(AppState& state, GoodsDocument::Kind kind, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("GoodsDocumentsScreen"));
    setWindowTitle(m_kind == GoodsDocument::Kind::Sale ? tr("商品销售") : tr("商品进货"));
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    fillChoosers();
    reload();
    goToRow(m_model->rowCount() - 1);
    m_mode.set(RecordEditMode::Mode::Browse);
    centerOnScreen(this);
}

void GoodsDocumentsScreen::done(int result)
{
    if (const Result closed = m_log.close(); !closed)
        showError(closed);
    QDialog::done(result);
}

std::array<QLineEdit*, 10> GoodsDocumentsScreen::boxes() const
{
    return {m_numberBox, m_dateBox,    m_goodsBox,    m_countBox,  m_priceBox,
            m_amountBox, m_handlerBox, m_preparerBox, m_remarkBox, m_paymentBox};
}

void GoodsDocumentsScreen::buildScreen()
{
    auto* toolbar = new KeyToolbar(this);
    const auto inert = [toolbar](const char* key, const QString& caption, QStyle::StandardPixmap icon) {
        // Keys the documents share with the other record screens but do not use.
        toolbar->addKey(key, caption, icon, [] {})->setEnabled(false);
    };
    m_model = new QSqlQueryModel(this);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    NumberDelegate::install(m_mapper);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    RecordEditMode::Controls controls;
    controls.mapper = m_mapper;
    inert("PrintView", tr("预览"), QStyle::SP_FileDialogContentsView);
    inert("print", tr("打印"), QStyle::SP_DialogSaveButton);
    toolbar->addKey("exportExcel", SpreadsheetExport::caption(), QStyle::SP_DriveFDIcon, [this] { exportDocuments(); });
    toolbar->addSeparator();
    controls.browseKeys = {toolbar->addKey("Add", tr("增加"), QStyle::SP_FileDialogNewFolder, [this] { add(); }),
                           toolbar->addKey("Edit", tr("修改"), QStyle::SP_FileDialogDetailedView, [this] { edit(); })};
    controls.typingKeys = {toolbar->addKey("Save", tr("保存"), QStyle::SP_DialogApplyButton, [this] { save(); }),
                           toolbar->addKey("Cancel", tr("撤消"), QStyle::SP_DialogCancelButton, [this] { cancel(); })};
    // With Ctrl+N to start and Enter from box to box, ending on the table
    // with a save, a sale needs no mouse.
    controls.browseKeys.first()->setShortcut(QKeySequence::New);
    inert("Find", tr("查询"), QStyle::SP_FileDialogListView);
    controls.browseKeys.append(toolbar->addKey("Dele", tr("删除"), QStyle::SP_TrashIcon, [this] { remove(); }));
    toolbar->addSeparator();
    inert("Help", tr("帮助"), QStyle::SP_DialogHelpButton);
    controls.browseKeys.append(
        toolbar->addKey("Calc", tr("计算"), QStyle::SP_ComputerIcon, [this] { startCalculator(); }));
    controls.browseKeys.append(toolbar->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); }));

    auto* title = new QLabel(m_kind == GoodsDocument::Kind::Sale ? tr("商品销售管理 ") : tr("商品进货管理 "), this);
    title->setObjectName(QStringLiteral("title"));
    title->setAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    title->setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(toolbar);
    layout->addWidget(title);
    layout->addWidget(buildBoxes());
    layout->addWidget(buildMoves(&controls.moves));
    layout->addStretch();
    resize(640, 420);

    // The number is given when the document is written, never typed.
    const std::array<QLineEdit*, 10> all = boxes();
    controls.boxes = QList<QLineEdit*>(all.begin() + 1, all.end());
    controls.typingWidgets = {m_dateButton, m_goodsListButton, m_paymentChooser, m_tableChooser};
    m_mode.setControls(std::move(controls));
}

QWidget* GoodsDocumentsScreen::buildBoxes()
{
    auto* pane = new QWidget(this);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, 16);
    QLineEdit** const targets[] = {&m_numberBox, &m_dateBox,    &m_goodsBox,    &m_countBox,  &m_priceBox,
                                   &m_amountBox, &m_handlerBox, &m_preparerBox, &m_remarkBox, &m_paymentBox};
    static_assert(int(std::extent_v<decltype(targets)>) == BoxCount);
    for (int i = 0; i < BoxCount; ++i) {
        auto* edit = new QLineEdit(pane);
        edit->setObjectName(QLatin1String(Boxes[i].name));
        edit->installEventFilter(this);
        *targets[i] = edit;
    }
    m_numberBox->setReadOnly(true);
    m_paymentBox->hide();
    connect(m_countBox, &QLineEdit::textChanged, this, &GoodsDocumentsScreen::computeAmount);
    connect(m_priceBox, &QLineEdit::textChanged, this, &GoodsDocumentsScreen::computeAmount);

    m_dateButton = smallButton(QStringLiteral("dateButton"), QStringLiteral("..."), pane);
    connect(m_dateButton, &QPushButton::clicked, this, &GoodsDocumentsScreen::pickDate);
    m_goodsListButton = smallButton(QStringLiteral("goodsListButton"), QStringLiteral("..."), pane);
    connect(m_goodsListButton, &QPushButton::clicked, this, &GoodsDocumentsScreen::showGoodsList);

    const auto place = [grid, pane](int line, int column, const QString& label, QWidget* field,
                                    QPushButton* button = nullptr) {
        auto* caption = new QLabel(label, pane);
        caption->setBuddy(field);
        grid->addWidget(caption, line, column);
        if (!button) {
            grid->addWidget(field, line, column + 1);
            return caption;
        }
        auto* pair = new QHBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(field, 1);
        pair->addWidget(button);
        grid->addLayout(pair, line, column + 1);
        return caption;
    };
    const auto label = [](GoodsDocument::Box box) {
        return QCoreApplication::translate("GoodsDocumentsScreen", Boxes[box].label);
    };
    using enum GoodsDocument::Box;
    place(0, 0, label(Number), m_numberBox);
    place(0, 3, label(Date), m_dateBox, m_dateButton);
    place(1, 0, label(Goods), m_goodsBox, m_goodsListButton);
    place(1, 3, label(Count), m_countBox);
    place(2, 0, label(Price), m_priceBox);
    place(2, 3, label(Amount), m_amountBox);
    place(3, 0, label(Handler), m_handlerBox);
    place(3, 3, label(Preparer), m_preparerBox);
    auto* remark = new QLabel(label(Remark), pane);
    grid->addWidget(remark, 4, 0);
    grid->addWidget(m_remarkBox, 4, 1, 1, 4);

    m_paymentChooser = new QComboBox(pane);
    m_paymentChooser->setObjectName(QStringLiteral("paymentChooser"));
    m_tableChooser = new QComboBox(pane);
    m_tableChooser->setObjectName(QStringLiteral("tableChooser"));
    m_tableChooser->installEventFilter(this);
    m_settledLabel = new QLabel(pane);
    m_settledLabel->setObjectName(QStringLiteral("settledLabel"));
    m_settledLabel->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    QLabel* payment = place(5, 0, label(Payment), m_paymentChooser);
    QLabel* table = place(5, 3, tr("选择台号"), m_tableChooser);
    auto* settled = new QLabel(tr("是否结账"), pane);
    grid->addWidget(settled, 6, 0);
    grid->addWidget(m_settledLabel, 6, 1);
    if (m_kind == GoodsDocument::Kind::Purchase) {
        for (QWidget* hidden : {static_cast<QWidget*>(payment), static_cast<QWidget*>(m_paymentChooser),
                                static_cast<QWidget*>(table), static_cast<QWidget*>(m_tableChooser),
                                static_cast<QWidget*>(settled), static_cast<QWidget*>(m_settledLabel)})
            hidden->hide();
    }
    connect(m_paymentChooser, &QComboBox::activated, this, [this] {
        m_paymentBox->setText(m_paymentChooser->currentData().toString());
        if (m_paymentChooser->currentData().toString() == Cash)
            m_tableChooser->setCurrentIndex(0);
    });
    connect(m_tableChooser, &QComboBox::activated, this, [this] {
        if (m_tableChooser->currentText().isEmpty())
            return;
        m_paymentChooser->setCurrentIndex(m_paymentChooser->findData(Card));
        m_paymentBox->setText(Card);
    });
    return pane;
}

QWidget* GoodsDocumentsScreen::buildMoves(QList<QPushButton*>* moves)
{
    auto* pane = new QWidget(this);
    auto* row = new QHBoxLayout(pane);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    *moves = addMoveButtons(row, pane);
    row->addStretch();
    connect(moves->at(0), &QPushButton::clicked, this, [this] { goToRow(0); });
    connect(moves->at(1), &QPushButton::clicked, this, [this] { goToRow(m_mapper->currentIndex() - 1); });
    connect(moves->at(2), &QPushButton::clicked, this, [this] { goToRow(m_mapper->currentIndex() + 1); });
    connect(moves->at(3), &QPushButton::clicked, this, [this] { goToRow(m_model->rowCount() - 1); });
    return pane;
}

void GoodsDocumentsScreen::fillChoosers()
{
    if (m_kind != GoodsDocument::Kind::Sale)
        return;
    m_paymentChooser->addItem(tr("现金"), Cash);
    m_paymentChooser->addItem(tr("刷卡"), Card);
    const ResultOf<QStringList> tables = GoodsDocument::openTables(m_state.DbConn);
    if (!tables)
        showError(tables.result());
    m_tableChooser->addItem(QString());
    if (tables)
        m_tableChooser->addItems(*tables);
}

void GoodsDocumentsScreen::reload()
{
    QSqlQuery query(m_state.DbConn);
    Result result = Sql::exec(query, GoodsDocument::listing(m_kind));
    if (result) {
        m_model->setQuery(std::move(query));
        while (m_model->canFetchMore())
            m_model->fetchMore();
        if (m_model->lastError().isValid())
            result = Result::fromSqlError(m_model->lastError());
    }
    if (!result)
        showError(result);
    m_mapper->clearMapping();
    const std::array<QLineEdit*, 10> all = boxes();
    for (int i = 0; i < BoxCount; ++i)
        m_mapper->addMapping(all[std::size_t(i)], m_model->record().indexOf(QLatin1String(Boxes[i].column)));
}

// Every document of the kind, in the boxes' order and under their captions.
void GoodsDocumentsScreen::exportDocuments()
{
    NumberDelegate numbers;
    QList<GridDocument::Column> columns;
    for (const BoxText& box : Boxes) {
        const int column = m_model->record().indexOf(QLatin1String(box.column));
        numbers.setMoney(column, box.kind == CellKind::Money);
        columns.append({column, QCoreApplication::translate("GoodsDocumentsScreen", box.label), box.kind});
    }
    SpreadsheetExport::offer(GridDocument::fromModel(*m_model, windowTitle(), columns, &numbers),
                             SpreadsheetExport::fileName(windowTitle()), this);
}

void GoodsDocumentsScreen::goToRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        for (QLineEdit* edit : boxes())
            edit->clear();
    } else {
        m_mapper->setCurrentIndex(row);
        m_mapper->revert();
    }
    showRowState();
    m_mode.showMoves();
}

qint64 GoodsDocumentsScreen::currentId() const
{
    const int row = m_mapper->currentIndex();
    if (row < 0 || row >= m_model->rowCount())
        return 0;
    return m_model->record(row).value(QStringLiteral("id")).toLongLong();
}

void GoodsDocumentsScreen::showRowState()
{
    if (m_kind != GoodsDocument::Kind::Sale)
        return;
    const int row = m_mapper->currentIndex();
    if (currentId() == 0) {
        m_settledLabel->clear();
        m_tableChooser->setCurrentIndex(0);
        m_paymentChooser->setCurrentIndex(m_paymentChooser->findData(Cash));
        return;
    }
    const QSqlRecord record = m_model->record(row);
    m_settledLabel->setText(record.value(QStringLiteral("jzbj")).toInt() != 0 ? tr("已结账") : tr("未结账"));
    const QString table = record.value(QStringLiteral("zhao")).toString();
    if (table.isEmpty()) {
        m_tableChooser->setCurrentIndex(0);
        m_paymentChooser->setCurrentIndex(m_paymentChooser->findData(Cash));
        return;
    }
    // A settled table is no longer offered, but its rows still name it.
    if (m_tableChooser->findText(table) < 0)
        m_tableChooser->addItem(table);
    m_tableChooser->setCurrentText(table);
    m_paymentChooser->setCurrentIndex(m_paymentChooser->findData(Card));
}

void GoodsDocumentsScreen::add()
{
    const ResultOf<qint64> number = DocumentNumber::next(m_state.DbConn, GoodsDocument::tableOf(m_kind));
    if (!number) {
        showError(number.result());
        return;
    }
    for (QLineEdit* edit : boxes())
        edit->clear();
    m_editedId = 0;
    m_lookedUp.clear();
    m_goodsKnown = false;
    m_mode.set(RecordEditMode::Mode::Add);
    m_numberBox->setText(QString::number(*number));
    m_preparerBox->setText(m_state.OperatorName);
    m_dateBox->setText(DateText::date(m_state.BusinessDate));
    if (m_kind == GoodsDocument::Kind::Sale) {
        m_paymentBox->setText(Cash);
        m_paymentChooser->setCurrentIndex(m_paymentChooser->findData(Cash));
        m_tableChooser->setCurrentIndex(0);
        m_settledLabel->clear();
    }
    m_dateBox->setFocus();
}

// A settled sale has moved its money: the operator is told it cannot change.
bool GoodsDocumentsScreen::stoppedAsSettled(qint64 id, const QString& refusal)
{
    const ResultOf<bool> settled = GoodsDocument::isSettled(m_state.DbConn, m_kind, id);
    return showStopped(settled.result(), settled && *settled ? Notice::information(refusal) : Notice());
}

void GoodsDocumentsScreen::edit()
{
    const qint64 id = currentId();
    if (id == 0 || stoppedAsSettled(id, GoodsDocument::SettledNoEdit))
        return;
    m_editedId = id;
    m_lookedUp = m_goodsBox->text();
    m_goodsKnown = true;
    m_mode.set(RecordEditMode::Mode::Edit);
    m_dateBox->setFocus();
}

void GoodsDocumentsScreen::save()
{
    if (!m_mode.typing())
        return;
    GoodsDocument::Typed typed{
        m_dateBox->text(),    m_goodsBox->text(),    m_countBox->text(),  m_priceBox->text(),   m_amountBox->text(),
        m_handlerBox->text(), m_preparerBox->text(), m_remarkBox->text(), m_paymentBox->text(), QString()};
    if (m_kind == GoodsDocument::Kind::Sale)
        typed.table = m_tableChooser->currentText();
    GoodsDocument::Booking booking{m_state.BusinessDate, m_state.OperatorName};
    GoodsDocument::Saved saved = GoodsDocument::save(m_state.DbConn, m_kind, typed, m_editedId, booking);
    if (!saved.dateQuestion.isEmpty()) {
        if (!Messages::askDefaultNo(saved.dateQuestion, windowTitle())) {
            box(saved.box)->setFocus();
            return;
        }
        booking.farDateConfirmed = true;
        saved = GoodsDocument::save(m_state.DbConn, m_kind, typed, m_editedId, booking);
    }
    if (!saved.result) {
        showError(saved.result);
        return;
    }
    if (!saved.refusal.isEmpty()) {
        Messages::tell(saved.refusal);
        if (saved.box >= 0)
            box(saved.box)->setFocus();
        return;
    }
    m_mode.set(RecordEditMode::Mode::Browse);
    reload();
    goToRow(m_model->rowCount() - 1);
    // The next document starts at once.
    add();
}

void GoodsDocumentsScreen::cancel()
{
    const int row = m_mapper->currentIndex();
    m_editedId = 0;
    m_mode.set(RecordEditMode::Mode::Browse);
    goToRow(row >= 0 ? row : m_model->rowCount() - 1);
}

void GoodsDocumentsScreen::remove()
{
    const qint64 id = currentId();
    if (id == 0 || stoppedAsSettled(id, GoodsDocument::SettledNoDelete))
        return;
    if (!Messages::askDefaultNo(tr("确认删除当前数据吗？")))
        return;
    const ResultOf<bool> refused = GoodsDocument::remove(m_state.DbConn, m_kind, id);
    if (!refused) {
        showError(refused.result());
        return;
    }
    if (*refused)
        Messages::information(GoodsDocument::SettledNoDelete);
    const int row = m_mapper->currentIndex();
    reload();
    goToRow(std::min(row, m_model->rowCount() - 1));
}

bool GoodsDocumentsScreen::lookUpGoods()
{
    const QString text = m_goodsBox->text();
    if (!m_mode.typing() || text.trimmed().isEmpty())
        return false;
    if (text == m_lookedUp)
        return m_goodsKnown;
    // Remembered before any message, whose focus change would ask again.
    m_lookedUp = text;
    m_goodsKnown = false;
    const ResultOf<std::optional<GoodsLookup::Goods>> found = GoodsLookup::find(m_state.DbConn, text);
    if (!found) {
        showError(found.result());
        return false;
    }
    if (!*found) {
        Messages::information(tr("商品输入错误，请重新输入!"));
        m_goodsBox->setFocus();
        return false;
    }
    showGoods(**found);
    return true;
}

void GoodsDocumentsScreen::showGoods(const GoodsLookup::Goods& goods)
{
    m_lookedUp = goods.name;
    m_goodsKnown = true;
    m_goodsBox->setText(goods.name);
    m_priceBox->setText(GoodsLookup::priceText(goods.price));
}

void GoodsDocumentsScreen::showGoodsList()
{
    GoodsPickList list(m_state.DbConn, this);
    list.move(m_goodsListButton->mapToGlobal(QPoint(0, m_goodsListButton->height())));
    if (list.exec() != QDialog::Accepted || !list.chosen())
        return;
    showGoods(*list.chosen());
    m_countBox->setFocus();
}

void GoodsDocumentsScreen::pickDate()
{
    const std::optional<QDate> typed = DateText::parseDate(m_dateBox->text().trimmed());
    DateDialog dialog(typed ? *typed : m_state.BusinessDate, this);
    dialog.move(m_dateButton->mapToGlobal(QPoint(0, m_dateButton->height())));
    if (dialog.exec() == QDialog::Accepted && dialog.answer())
        m_dateBox->setText(DateText::date(*dialog.answer()));
}

void GoodsDocumentsScreen::computeAmount()
{
    if (!m_mode.typing())
        return;
    if (const std::optional<double> amount = GoodsDocument::amountOf(m_countBox->text(), m_priceBox->text()))
        m_amountBox->setText(GoodsDocument::amountText(*amount));
}

void GoodsDocumentsScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"), windowTitle());
}

bool GoodsDocumentsScreen::eventFilter(QObject* watched, QEvent* event)
{
    const auto isEnter = [event] {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    };
    if (watched == m_tableChooser && isEnter()) {
        save();
        return true;
    }
    const std::array<QLineEdit*, 10> all = boxes();
    const auto found = std::find(all.begin(), all.end(), watched);
    if (found == all.end())
        return QDialog::eventFilter(watched, event);
    if (watched == m_goodsBox && event->type() == QEvent::FocusOut)
        lookUpGoods();
    if (!isEnter())
        return QDialog::eventFilter(watched, event);
    if (watched == m_goodsBox && !lookUpGoods())
        return true;
    // Enter walks the boxes from the date to the remark, then to the table.
    const auto i = found - all.begin();
    if (i >= GoodsDocument::Date && i < GoodsDocument::Remark)
        (*std::next(found))->setFocus();
    else if (watched == m_remarkBox && m_kind == GoodsDocument::Kind::Sale)
        m_tableChooser->setFocus();
    return true;
}
