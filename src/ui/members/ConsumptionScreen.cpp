#include "ui/members/ConsumptionScreen.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/WindowPlacement.h"
#include "ui/reports/ListingGrid.h"
#include "ui/reports/ListingPrint.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString indexed(const char* name, int i)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(i);
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    result->setMinimumWidth(96);
    return result;
}

} // namespace

ConsumptionScreen::ConsumptionScreen(AppState& state, ConsumptionQuery::Kind kind, const QString& logName,
                                     QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_kind(kind)
    , m_log(state, logName)
{
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    enablePrinting(false);
    loadConditionFields();
    if (parent)
        centerInMainWindow(this, parent->window());
}

void ConsumptionScreen::done(int result)
{
    const Result closed = m_log.close();
    if (!closed)
        showError(closed);
    QDialog::done(result);
}

void ConsumptionScreen::buildScreen()
{
    resize(900, 560);

    auto* toolbar = new KeyToolbar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->addKey("find", tr("查询"), QStyle::SP_FileDialogContentsView, [this] { find(); });
    m_printKeys = {toolbar->addKey("printview", tr("预览"), QStyle::SP_FileDialogInfoView, [this] { printView(); }),
                   toolbar->addKey("print", tr("打印"), QStyle::SP_DialogSaveButton, [this] { print(); })};
    toolbar->addSeparator();
    toolbar->addKey("exit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(buildConditionTab(), tr("查询条件"));
    m_tabs->addTab(buildResultTab(), tr("查询结果"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(toolbar);
    layout->addWidget(m_tabs, 1);
}

QWidget* ConsumptionScreen::buildConditionTab()
{
    auto* tab = new QWidget(m_tabs);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnStretch(2, 1);
    const QStringList headers = {tr("条件"), tr("比较"), tr("数据"), tr("关系")};
    for (int c = 0; c < headers.size(); ++c)
        grid->addWidget(new QLabel(headers.at(c), tab), 0, c);
    for (int i = 0; i < ConditionRows; ++i)
        addConditionRow(grid, i);

    m_text4 = new QLineEdit(tab);
    m_text4->setObjectName(QStringLiteral("Text4"));
    m_text4->setReadOnly(true);
    auto* shown = new QHBoxLayout;
    shown->addWidget(new QLabel(tr("查询条件："), tab));
    shown->addWidget(m_text4, 1);

    auto* cmdfind = button("cmdfind", tr("查询(&F)"), tab);
    connect(cmdfind, &QPushButton::clicked, this, [this] { find(); });
    auto* clear = button("cmdclear", tr("清除(&C)"), tab);
    connect(clear, &QPushButton::clicked, this, [this] { txtsjclear(); });
    auto* cmdview = button("cmdview", tr("预览(&V)"), tab);
    connect(cmdview, &QPushButton::clicked, this, [this] { printView(); });
    auto* cmdprint = button("Cmdprint", tr("打印(&P)"), tab);
    connect(cmdprint, &QPushButton::clicked, this, [this] { print(); });
    m_printButtons = {cmdview, cmdprint};
    auto* cmdquit = button("Cmdquit", tr("退出(&X)"), tab);
    connect(cmdquit, &QPushButton::clicked, this, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdfind);
    buttons->addWidget(clear);
    buttons->addWidget(cmdview);
    buttons->addWidget(cmdprint);
    buttons->addWidget(cmdquit);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addLayout(shown);
    layout->addStretch();
    layout->addLayout(buttons);
    return tab;
}

void ConsumptionScreen::addConditionRow(QGridLayout* grid, int i)
{
    QWidget* tab = grid->parentWidget();
    auto* field = new QComboBox(tab);
    field->setObjectName(indexed("DataCombo1", i));
    field->setMinimumWidth(150);
    auto* op = new QComboBox(tab);
    op->setObjectName(indexed("Combo1", i));
    op->addItems(ConsumptionCondition::operators());
    auto* value = new QLineEdit(tab);
    value->setObjectName(indexed("txtsj", i));
    auto* joiner = new QComboBox(tab);
    joiner->setObjectName(indexed("Combljtj", i));
    joiner->addItem(tr("并且"), QStringLiteral("and"));
    joiner->addItem(tr("或者"), QStringLiteral("or"));
    joiner->setEnabled(false);
    auto* hidden = new QLineEdit(QStringLiteral("and"), tab);
    hidden->setObjectName(indexed("Txttj", i));
    hidden->hide();

    connect(value, &QLineEdit::textChanged, joiner,
            [joiner](const QString& text) { joiner->setEnabled(!text.trimmed().isEmpty()); });
    connect(joiner, &QComboBox::currentIndexChanged, hidden,
            [hidden, joiner] { hidden->setText(joiner->currentData().toString()); });

    grid->addWidget(field, i + 1, 0);
    grid->addWidget(op, i + 1, 1);
    grid->addWidget(value, i + 1, 2);
    grid->addWidget(joiner, i + 1, 3);
    m_dataCombo1.append(field);
    m_combo1.append(op);
    m_txtsj.append(value);
    m_combljtj.append(joiner);
    m_txttj.append(hidden);
}

QWidget* ConsumptionScreen::buildResultTab()
{
    auto* tab = new QWidget(m_tabs);
    m_rows = new QSqlQueryModel(this);
    m_msFl = new QTableView(tab);
    m_msFl->setObjectName(QStringLiteral("MsFl"));
    m_msFl->setModel(m_rows);
    m_msFl->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_msFl->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_msFl->verticalHeader()->setDefaultSectionSize(24);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_msFl);
    return tab;
}

void ConsumptionScreen::loadConditionFields()
{
    if (const Result loaded =
            ConsumptionCondition::loadFields(m_state.DbConn, ConsumptionQuery::conditionCode(m_kind), &m_fields);
        !loaded)
        showError(loaded);
    QStringList captions;
    for (const ConsumptionCondition::Field& field : std::as_const(m_fields))
        captions.append(field.caption.trimmed());
    for (int i = 0; i < ConditionRows; ++i) {
        m_dataCombo1.at(i)->addItems(captions);
        m_dataCombo1.at(i)->setCurrentIndex(i < captions.size() ? i : -1);
    }
}

void ConsumptionScreen::txtsjclear()
{
    for (QLineEdit* value : std::as_const(m_txtsj))
        value->clear();
    m_text4->clear();
}

QList<ConsumptionCondition::Row> ConsumptionScreen::typedRows() const
{
    QList<ConsumptionCondition::Row> rows;
    for (int i = 0; i < ConditionRows; ++i)
        rows.append({m_dataCombo1.at(i)->currentText(), m_combo1.at(i)->currentText(), m_txtsj.at(i)->text(),
                     m_txttj.at(i)->text()});
    return rows;
}

bool ConsumptionScreen::strtjset(ConsumptionCondition::Condition* condition)
{
    int badRow = -1;
    const Result built = ConsumptionCondition::strtjset(typedRows(), m_fields, condition, &badRow);
    m_text4->setText(condition->readable);
    if (built)
        return true;
    Messages::exclamation(built.message(), windowTitle());
    if (badRow >= 0) {
        m_tabs->setCurrentIndex(0);
        m_txtsj.at(badRow)->setFocus();
        m_txtsj.at(badRow)->selectAll();
    }
    return false;
}

bool ConsumptionScreen::find()
{
    ConsumptionCondition::Condition condition;
    if (!strtjset(&condition))
        return false;
    if (const Result ran = ConsumptionQuery::run(m_state.DbConn, m_kind, condition, m_rows); !ran) {
        showError(ran);
        return false;
    }
    enablePrinting(m_rows->rowCount() > 0);
    if (m_rows->rowCount() == 0) {
        Messages::information(tr("没有符合条件的记录。"), windowTitle());
        return true;
    }
    ListingGrid::layOut(m_msFl, m_state.DbConn, ConsumptionQuery::listCode(m_kind));
    m_tabs->setCurrentIndex(1);
    return true;
}

void ConsumptionScreen::enablePrinting(bool enabled)
{
    for (QAction* key : std::as_const(m_printKeys))
        key->setEnabled(enabled);
    for (QPushButton* button : std::as_const(m_printButtons))
        button->setEnabled(enabled);
}

void ConsumptionScreen::printView()
{
    ListingPrint::report(m_state, ConsumptionQuery::listCode(m_kind), *m_rows, ListingPrint::Mode::Preview, this);
}

// Printed from the database as it is now, not as it was at the last find.
void ConsumptionScreen::print()
{
    if (find() && m_rows->rowCount() > 0)
        ListingPrint::report(m_state, ConsumptionQuery::listCode(m_kind), *m_rows, ListingPrint::Mode::Print, this);
}
