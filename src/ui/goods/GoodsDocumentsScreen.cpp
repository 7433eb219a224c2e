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

#include <iterator>

namespace {

// The screen's name in the operator log: data, Chinese whatever language is shown.
const QString LogName = QStringLiteral("商品进货");
// The payment ways as fkfs stores them; Combo1 shows them translated and keeps
// these as its items' data.
const QString Cash = QStringLiteral("现金");
const QString Card = QStringLiteral("刷卡");

struct BoxText
{
    const char* label;
    const char* column;
};

// Txtzzd by index; 9, the payment, is shown through Combo1.
const BoxText Boxes[] = {{QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "单据号"), "dj_id"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "日  期"), "rc"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "商品名称"), "wlcode"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "数  量"), "count"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "单  价"), "price"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "金  额"), "amount"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "经手人"), "jsr"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "制  单"), "czyname"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "备  注"), "abs"},
                         {QT_TRANSLATE_NOOP("GoodsDocumentsScreen", "付款方式"), "fkfs"}};
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

GoodsDocumentsScreen::GoodsDocumentsScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
    , m_kind(GoodsDocument::kindOfMode(state.GoodsMode))
{
    setObjectName(QStringLiteral("GoodsDocumentsScreen"));
    setWindowTitle(m_kind == GoodsDocument::Kind::Sale ? tr("商品销售") : tr("商品进货"));
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    zzdset();
    reload();
    goToRow(m_model->rowCount() - 1);
    zzdlock(true);
    kongjian_enabled(false);
    centerOnScreen(this);
}

void GoodsDocumentsScreen::done(int result)
{
    if (const Result closed = m_log.close(); !closed)
        showError(closed);
    QDialog::done(result);
}

void GoodsDocumentsScreen::buildScreen()
{
    auto* toolbar = new KeyToolbar(this);
    const auto inert = [toolbar](const char* key, const QString& caption, QStyle::StandardPixmap icon) {
        // Keys the documents share with the other record screens but do not use.
        toolbar->addKey(key, caption, icon, [] {})->setEnabled(false);
    };
    inert("PrintView", tr("预览"), QStyle::SP_FileDialogContentsView);
    inert("print", tr("打印"), QStyle::SP_DialogSaveButton);
    toolbar->addSeparator();
    m_browseActions = {toolbar->addKey("Add", tr("增加"), QStyle::SP_FileDialogNewFolder, [this] { xs_add(); }),
                       toolbar->addKey("Edit", tr("修改"), QStyle::SP_FileDialogDetailedView, [this] { edit(); })};
    m_editActions = {toolbar->addKey("Save", tr("保存"), QStyle::SP_DialogApplyButton, [this] { save(); }),
                     toolbar->addKey("Cancel", tr("撤消"), QStyle::SP_DialogCancelButton, [this] { cancel(); })};
    // With Ctrl+N to start and Enter from box to box, ending on the table
    // with a save, a sale needs no mouse.
    m_browseActions.first()->setShortcut(QKeySequence::New);
    inert("Find", tr("查询"), QStyle::SP_FileDialogListView);
    m_browseActions.append(toolbar->addKey("Dele", tr("删除"), QStyle::SP_TrashIcon, [this] { dj_del(); }));
    toolbar->addSeparator();
    inert("Help", tr("帮助"), QStyle::SP_DialogHelpButton);
    m_browseActions.append(toolbar->addKey("Calc", tr("计算"), QStyle::SP_ComputerIcon, [this] { startCalculator(); }));
    m_browseActions.append(toolbar->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); }));

    auto* title = new QLabel(m_kind == GoodsDocument::Kind::Sale ? tr("商品销售管理 ") : tr("商品进货管理 "), this);
    title->setObjectName(QStringLiteral("Label1"));
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
    layout->addWidget(buildMoves());
    layout->addStretch();
    resize(640, 420);
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
    for (int i = 0; i < BoxCount; ++i) {
        auto* edit = new QLineEdit(pane);
        edit->setObjectName(QStringLiteral("Txtzzd_") + QString::number(i));
        edit->installEventFilter(this);
        m_boxes.append(edit);
    }
    box(0)->setReadOnly(true);
    box(9)->hide();
    connect(box(3), &QLineEdit::textChanged, this, &GoodsDocumentsScreen::jejs);
    connect(box(4), &QLineEdit::textChanged, this, &GoodsDocumentsScreen::jejs);

    m_cmdDate = smallButton(QStringLiteral("CmdDate"), QStringLiteral("..."), pane);
    connect(m_cmdDate, &QPushButton::clicked, this, &GoodsDocumentsScreen::pickDate);
    m_command1 = smallButton(QStringLiteral("Command1"), QStringLiteral("..."), pane);
    connect(m_command1, &QPushButton::clicked, this, &GoodsDocumentsScreen::showHelpList);

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
    const auto label = [](int i) {
        return QCoreApplication::translate("GoodsDocumentsScreen", Boxes[i].label);
    };
    place(0, 0, label(0), box(0));
    place(0, 3, label(1), box(1), m_cmdDate);
    place(1, 0, label(2), box(2), m_command1);
    place(1, 3, label(3), box(3));
    place(2, 0, label(4), box(4));
    place(2, 3, label(5), box(5));
    place(3, 0, label(6), box(6));
    place(3, 3, label(7), box(7));
    auto* remark = new QLabel(label(8), pane);
    grid->addWidget(remark, 4, 0);
    grid->addWidget(box(8), 4, 1, 1, 4);

    m_combo1 = new QComboBox(pane);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combzhao = new QComboBox(pane);
    m_combzhao->setObjectName(QStringLiteral("Combzhao"));
    m_combzhao->installEventFilter(this);
    m_labJz = new QLabel(pane);
    m_labJz->setObjectName(QStringLiteral("LabJz"));
    m_labJz->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    QLabel* payment = place(5, 0, label(9), m_combo1);
    QLabel* table = place(5, 3, tr("选择台号"), m_combzhao);
    auto* settled = new QLabel(tr("是否结账"), pane);
    grid->addWidget(settled, 6, 0);
    grid->addWidget(m_labJz, 6, 1);
    if (m_kind == GoodsDocument::Kind::Purchase) {
        for (QWidget* hidden :
             {static_cast<QWidget*>(payment), static_cast<QWidget*>(m_combo1), static_cast<QWidget*>(table),
              static_cast<QWidget*>(m_combzhao), static_cast<QWidget*>(settled), static_cast<QWidget*>(m_labJz)})
            hidden->hide();
    }
    connect(m_combo1, &QComboBox::activated, this, [this] {
        box(9)->setText(m_combo1->currentData().toString());
        if (m_combo1->currentData().toString() == Cash)
            m_combzhao->setCurrentIndex(0);
    });
    connect(m_combzhao, &QComboBox::activated, this, [this] {
        if (m_combzhao->currentText().isEmpty())
            return;
        m_combo1->setCurrentIndex(m_combo1->findData(Card));
        box(9)->setText(Card);
    });
    return pane;
}

QWidget* GoodsDocumentsScreen::buildMoves()
{
    auto* pane = new QWidget(this);
    auto* moves = new QHBoxLayout(pane);
    moves->setContentsMargins(0, 0, 0, 0);
    moves->addStretch();
    m_moves = addMoveButtons(moves, pane);
    moves->addStretch();
    connect(m_moves[0], &QPushButton::clicked, this, [this] { goToRow(0); });
    connect(m_moves[1], &QPushButton::clicked, this, [this] { goToRow(m_mapper->currentIndex() - 1); });
    connect(m_moves[2], &QPushButton::clicked, this, [this] { goToRow(m_mapper->currentIndex() + 1); });
    connect(m_moves[3], &QPushButton::clicked, this, [this] { goToRow(m_model->rowCount() - 1); });
    return pane;
}

void GoodsDocumentsScreen::zzdset()
{
    m_model = new QSqlQueryModel(this);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    NumberDelegate::install(m_mapper);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    if (m_kind != GoodsDocument::Kind::Sale)
        return;
    m_combo1->addItem(tr("现金"), Cash);
    m_combo1->addItem(tr("刷卡"), Card);
    QStringList tables;
    if (const Result result = GoodsDocument::openTables(m_state.DbConn, &tables); !result)
        showError(result);
    m_combzhao->addItem(QString());
    m_combzhao->addItems(tables);
}

void GoodsDocumentsScreen::zzdlock(bool locked)
{
    for (int i = 1; i < BoxCount; ++i)
        box(i)->setReadOnly(locked);
    m_cmdDate->setEnabled(!locked);
    m_command1->setEnabled(!locked);
    m_combo1->setEnabled(!locked);
    m_combzhao->setEnabled(!locked);
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
    for (int i = 0; i < BoxCount; ++i)
        m_mapper->addMapping(box(i), m_model->record().indexOf(QLatin1String(Boxes[i].column)));
}

void GoodsDocumentsScreen::goToRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        for (QLineEdit* edit : std::as_const(m_boxes))
            edit->clear();
    } else {
        m_mapper->setCurrentIndex(row);
        m_mapper->revert();
    }
    showRowState();
    cmd_yd();
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
        m_labJz->clear();
        m_combzhao->setCurrentIndex(0);
        m_combo1->setCurrentIndex(m_combo1->findData(Cash));
        return;
    }
    const QSqlRecord record = m_model->record(row);
    m_labJz->setText(record.value(QStringLiteral("jzbj")).toInt() != 0 ? tr("已结账") : tr("未结账"));
    const QString zhao = record.value(QStringLiteral("zhao")).toString();
    if (zhao.isEmpty()) {
        m_combzhao->setCurrentIndex(0);
        m_combo1->setCurrentIndex(m_combo1->findData(Cash));
        return;
    }
    // A settled table is no longer offered, but its rows still name it.
    if (m_combzhao->findText(zhao) < 0)
        m_combzhao->addItem(zhao);
    m_combzhao->setCurrentText(zhao);
    m_combo1->setCurrentIndex(m_combo1->findData(Card));
}

void GoodsDocumentsScreen::xs_add()
{
    qint64 number = 0;
    if (const Result result = DocumentNumber::next(m_state.DbConn, GoodsDocument::tableOf(m_kind), &number); !result) {
        showError(result);
        return;
    }
    for (QLineEdit* edit : std::as_const(m_boxes))
        edit->clear();
    m_entering = true;
    m_editedId = 0;
    m_lookedUp.clear();
    m_goodsKnown = false;
    zzdlock(false);
    box(0)->setText(QString::number(number));
    box(7)->setText(m_state.OperatorName);
    box(1)->setText(DateText::date(m_state.BusinessDate));
    if (m_kind == GoodsDocument::Kind::Sale) {
        box(9)->setText(Cash);
        m_combo1->setCurrentIndex(m_combo1->findData(Cash));
        m_combzhao->setCurrentIndex(0);
        m_labJz->clear();
    }
    kongjian_enabled(true);
    box(1)->setFocus();
}

// A settled sale has moved its money: the operator is told it cannot change.
bool GoodsDocumentsScreen::stoppedAsSettled(qint64 id, const QString& refusal)
{
    bool settled = false;
    const Result result = GoodsDocument::isSettled(m_state.DbConn, m_kind, id, &settled);
    return showStopped(result, settled ? Notice::information(refusal) : Notice());
}

void GoodsDocumentsScreen::edit()
{
    const qint64 id = currentId();
    if (id == 0 || stoppedAsSettled(id, GoodsDocument::SettledNoEdit))
        return;
    m_entering = true;
    m_editedId = id;
    m_lookedUp = box(2)->text();
    m_goodsKnown = true;
    zzdlock(false);
    kongjian_enabled(true);
    box(1)->setFocus();
}

void GoodsDocumentsScreen::save()
{
    if (!m_entering)
        return;
    GoodsDocument::Typed typed{box(1)->text(), box(2)->text(), box(3)->text(), box(4)->text(), box(5)->text(),
                               box(6)->text(), box(7)->text(), box(8)->text(), box(9)->text(), QString()};
    if (m_kind == GoodsDocument::Kind::Sale)
        typed.zhao = m_combzhao->currentText();
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
    m_entering = false;
    reload();
    goToRow(m_model->rowCount() - 1);
    kongjian_enabled(false);
    xs_add();
}

void GoodsDocumentsScreen::cancel()
{
    const int row = m_mapper->currentIndex();
    m_entering = false;
    m_editedId = 0;
    zzdlock(true);
    kongjian_enabled(false);
    goToRow(row >= 0 ? row : m_model->rowCount() - 1);
}

void GoodsDocumentsScreen::dj_del()
{
    const qint64 id = currentId();
    if (id == 0 || stoppedAsSettled(id, GoodsDocument::SettledNoDelete))
        return;
    if (!Messages::askDefaultNo(tr("确认删除当前数据吗？")))
        return;
    bool refused = false;
    if (const Result result = GoodsDocument::remove(m_state.DbConn, m_kind, id, &refused); !result) {
        showError(result);
        return;
    }
    if (refused)
        Messages::information(GoodsDocument::SettledNoDelete);
    const int row = m_mapper->currentIndex();
    reload();
    goToRow(std::min(row, m_model->rowCount() - 1));
}

bool GoodsDocumentsScreen::sp_find()
{
    const QString text = box(2)->text();
    if (!m_entering || text.trimmed().isEmpty())
        return false;
    if (text == m_lookedUp)
        return m_goodsKnown;
    // Remembered before any message, whose focus change would ask again.
    m_lookedUp = text;
    m_goodsKnown = false;
    std::optional<GoodsLookup::Goods> found;
    if (const Result result = GoodsLookup::sp_find(m_state.DbConn, text, &found); !result) {
        showError(result);
        return false;
    }
    if (!found) {
        Messages::information(tr("商品输入错误，请重新输入!"));
        box(2)->setFocus();
        return false;
    }
    showGoods(*found);
    return true;
}

void GoodsDocumentsScreen::showGoods(const GoodsLookup::Goods& goods)
{
    m_lookedUp = goods.name;
    m_goodsKnown = true;
    box(2)->setText(goods.name);
    box(4)->setText(GoodsLookup::priceText(goods.price));
}

void GoodsDocumentsScreen::showHelpList()
{
    GoodsPickList list(m_state.DbConn, this);
    list.move(m_command1->mapToGlobal(QPoint(0, m_command1->height())));
    if (list.exec() != QDialog::Accepted || !list.chosen())
        return;
    showGoods(*list.chosen());
    box(3)->setFocus();
}

void GoodsDocumentsScreen::pickDate()
{
    const std::optional<QDate> typed = DateText::parseDate(box(1)->text().trimmed());
    m_state.PickedDate = typed ? *typed : m_state.BusinessDate;
    DateDialog dialog(m_state, this);
    dialog.move(m_cmdDate->mapToGlobal(QPoint(0, m_cmdDate->height())));
    if (dialog.exec() == QDialog::Accepted)
        box(1)->setText(DateText::date(m_state.PickedDate));
}

void GoodsDocumentsScreen::jejs()
{
    if (!m_entering)
        return;
    if (const std::optional<double> amount = GoodsDocument::amountOf(box(3)->text(), box(4)->text()))
        box(5)->setText(GoodsDocument::amountText(*amount));
}

void GoodsDocumentsScreen::kongjian_enabled(bool editing)
{
    for (QAction* action : std::as_const(m_browseActions))
        action->setEnabled(!editing);
    for (QAction* action : std::as_const(m_editActions))
        action->setEnabled(editing);
    cmd_yd();
}

void GoodsDocumentsScreen::cmd_yd()
{
    const int row = m_mapper->currentIndex();
    const int last = m_model->rowCount() - 1;
    const bool browsing = !m_entering && last >= 0;
    m_moves[0]->setEnabled(browsing && row > 0);
    m_moves[1]->setEnabled(browsing && row > 0);
    m_moves[2]->setEnabled(browsing && row < last);
    m_moves[3]->setEnabled(browsing && row < last);
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
    if (watched == m_combzhao && isEnter()) {
        save();
        return true;
    }
    const int i = int(m_boxes.indexOf(qobject_cast<QLineEdit*>(watched)));
    if (i < 0)
        return QDialog::eventFilter(watched, event);
    if (i == 2 && event->type() == QEvent::FocusOut)
        sp_find();
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (i == 2 && !sp_find())
        return true;
    if (i >= 1 && i < 8)
        box(i + 1)->setFocus();
    else if (i == 8 && m_kind == GoodsDocument::Kind::Sale)
        m_combzhao->setFocus();
    return true;
}
