#include "ui/members/ConsumptionScreen.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/WindowPlacement.h"
#include "ui/printing/SpreadsheetExport.h"
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
                   toolbar->addKey("print", tr("打印"), QStyle::SP_DialogSaveButton, [this] { print(); }),
                   toolbar->addKey("exportExcel", SpreadsheetExport::caption(), QStyle::SP_DriveFDIcon, [this] {
                       ListingPrint::report(m_state, ConsumptionQuery::listCode(m_kind), *m_rows,
                                            ListingPrint::Mode::Spreadsheet, this);
                   })};
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

    m_conditionText = new QLineEdit(tab);
    m_conditionText->setObjectName(QStringLiteral("conditionText"));
    m_conditionText->setReadOnly(true);
    auto* shown = new QHBoxLayout;
    shown->addWidget(new QLabel(tr("查询条件："), tab));
    shown->addWidget(m_conditionText, 1);

    auto* findButton = button("findButton", tr("查询(&F)"), tab);
    connect(findButton, &QPushButton::clicked, this, [this] { find(); });
    auto* clear = button("clearButton", tr("清除(&C)"), tab);
    connect(clear, &QPushButton::clicked, this, [this] { clearConditions(); });
    auto* viewButton = button("viewButton", tr("预览(&V)"), tab);
    connect(viewButton, &QPushButton::clicked, this, [this] { printView(); });
    auto* printButton = button("printButton", tr("打印(&P)"), tab);
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    m_printButtons = {viewButton, printButton};
    auto* quitButton = button("quitButton", tr("退出(&X)"), tab);
    connect(quitButton, &QPushButton::clicked, this, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(findButton);
    buttons->addWidget(clear);
    buttons->addWidget(viewButton);
    buttons->addWidget(printButton);
    buttons->addWidget(quitButton);

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
    field->setObjectName(indexed("fieldCombo", i));
    field->setMinimumWidth(150);
    auto* op = new QComboBox(tab);
    op->setObjectName(indexed("operatorCombo", i));
    op->addItems(ConsumptionCondition::operators());
    auto* value = new QLineEdit(tab);
    value->setObjectName(indexed("valueEdit", i));
    auto* joiner = new QComboBox(tab);
    joiner->setObjectName(indexed("joinerCombo", i));
    joiner->addItem(tr("并且"), QStringLiteral("and"));
    joiner->addItem(tr("或者"), QStringLiteral("or"));
    joiner->setEnabled(false);
    auto* hidden = new QLineEdit(QStringLiteral("and"), tab);
    hidden->setObjectName(indexed("joinerEdit", i));
    hidden->hide();

    connect(value, &QLineEdit::textChanged, joiner,
            [joiner](const QString& text) { joiner->setEnabled(!text.trimmed().isEmpty()); });
    connect(joiner, &QComboBox::currentIndexChanged, hidden,
            [hidden, joiner] { hidden->setText(joiner->currentData().toString()); });

    grid->addWidget(field, i + 1, 0);
    grid->addWidget(op, i + 1, 1);
    grid->addWidget(value, i + 1, 2);
    grid->addWidget(joiner, i + 1, 3);
    m_fieldCombos.append(field);
    m_operatorCombos.append(op);
    m_valueEdits.append(value);
    m_joinerCombos.append(joiner);
    m_joinerEdits.append(hidden);
}

QWidget* ConsumptionScreen::buildResultTab()
{
    auto* tab = new QWidget(m_tabs);
    m_rows = new QSqlQueryModel(this);
    m_resultGrid = new QTableView(tab);
    m_resultGrid->setObjectName(QStringLiteral("resultGrid"));
    m_resultGrid->setModel(m_rows);
    m_resultGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_resultGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultGrid->verticalHeader()->setDefaultSectionSize(24);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_resultGrid);
    return tab;
}

void ConsumptionScreen::loadConditionFields()
{
    const ResultOf<QList<ConsumptionCondition::Field>> fields =
        ConsumptionCondition::loadFields(m_state.DbConn, ConsumptionQuery::conditionCode(m_kind));
    if (fields)
        m_fields = *fields;
    else
        showError(fields.result());
    QStringList captions;
    for (const ConsumptionCondition::Field& field : std::as_const(m_fields))
        captions.append(field.caption.trimmed());
    for (int i = 0; i < ConditionRows; ++i) {
        m_fieldCombos.at(i)->addItems(captions);
        m_fieldCombos.at(i)->setCurrentIndex(i < captions.size() ? i : -1);
    }
}

void ConsumptionScreen::clearConditions()
{
    for (QLineEdit* value : std::as_const(m_valueEdits))
        value->clear();
    m_conditionText->clear();
}

QList<ConsumptionCondition::Row> ConsumptionScreen::typedRows() const
{
    QList<ConsumptionCondition::Row> rows;
    for (int i = 0; i < ConditionRows; ++i)
        rows.append({m_fieldCombos.at(i)->currentText(), m_operatorCombos.at(i)->currentText(),
                     m_valueEdits.at(i)->text(), m_joinerEdits.at(i)->text()});
    return rows;
}

bool ConsumptionScreen::readCondition(ConsumptionCondition::Condition* condition)
{
    const ConsumptionCondition::Built built = ConsumptionCondition::build(typedRows(), m_fields);
    *condition = built.condition ? *built.condition : ConsumptionCondition::Condition();
    m_conditionText->setText(condition->readable);
    if (built.condition)
        return true;
    Messages::exclamation(built.condition.result().message(), windowTitle());
    if (built.badRow >= 0) {
        m_tabs->setCurrentIndex(0);
        m_valueEdits.at(built.badRow)->setFocus();
        m_valueEdits.at(built.badRow)->selectAll();
    }
    return false;
}

bool ConsumptionScreen::find()
{
    ConsumptionCondition::Condition condition;
    if (!readCondition(&condition))
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
    ListingGrid::layOut(m_resultGrid, m_state.DbConn, ConsumptionQuery::listCode(m_kind));
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
