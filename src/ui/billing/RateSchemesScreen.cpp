#include "ui/billing/RateSchemesScreen.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/billing/RateSchemes.h"
#include "ui/billing/BandEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

} // namespace

RateSchemesScreen::RateSchemesScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("RateSchemesScreen"));
    setWindowTitle(tr("设定计费方案"));
    resize(820, 560);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));

    upgradeSchemes();
    m_tabs->addTab(buildSchemeTab(), tr("计费方案"));
    m_tabs->addTab(buildTablesTab(), tr("分配到台位"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            loadTables();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    loadSchemes();
}

QWidget* RateSchemesScreen::buildSchemeTab()
{
    auto* tab = new QWidget(m_tabs);
    m_schemeCombo = new QComboBox(tab);
    m_schemeCombo->setObjectName(QStringLiteral("schemeCombo"));
    m_schemeCombo->setMinimumWidth(220);
    m_editor = new BandEditor(BandStore::scheme(m_state.DbConn, QString()), tab);
    m_newSchemeEdit = new QLineEdit(tab);
    m_newSchemeEdit->setObjectName(QStringLiteral("newSchemeEdit"));
    m_newSchemeEdit->setMaxLength(15);
    QPushButton* save = button(QStringLiteral("addSchemeButton"), tr("保存计费方案"), tab);
    connect(m_schemeCombo, &QComboBox::currentIndexChanged, this, &RateSchemesScreen::showScheme);
    connect(m_editor, &BandEditor::closeRequested, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &RateSchemesScreen::addScheme);

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(tr("计费方案："), tab));
    chooser->addWidget(m_schemeCombo);
    chooser->addStretch();
    auto* adding = new QHBoxLayout;
    adding->addWidget(new QLabel(tr("新增计费方案名称："), tab));
    adding->addWidget(m_newSchemeEdit);
    adding->addWidget(save);
    adding->addStretch();
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(chooser);
    layout->addWidget(m_editor, 1);
    layout->addLayout(adding);
    return tab;
}

QWidget* RateSchemesScreen::buildTablesTab()
{
    auto* tab = new QWidget(m_tabs);
    m_tableList = new QTreeWidget(tab);
    m_tableList->setObjectName(QStringLiteral("tableList"));
    m_tableList->setRootIsDecorated(false);
    m_tableList->setHeaderLabels({tr("台位")});
    QPushButton* assign = button(QStringLiteral("assignSchemeButton"), tr("保存当前设定计费方案"), tab);
    connect(assign, &QPushButton::clicked, this, &RateSchemesScreen::assignScheme);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(assign);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(m_tableList, 1);
    layout->addLayout(buttons);
    return tab;
}

void RateSchemesScreen::upgradeSchemes()
{
    if (const Result result = RateSchemes::upgrade(m_state.DbConn); !result)
        showError(result);
}

void RateSchemesScreen::loadSchemes()
{
    const ResultOf<QStringList> found = RateSchemes::names(m_state.DbConn);
    if (!found)
        showError(found.result());
    const QStringList names = found ? *found : QStringList();
    const QString chosen = m_schemeCombo->currentText();
    const QSignalBlocker quiet(m_schemeCombo);
    m_schemeCombo->clear();
    m_schemeCombo->addItems(names);
    m_schemeCombo->setCurrentIndex(qMax(0, names.indexOf(chosen)));
    showScheme();
}

void RateSchemesScreen::showScheme()
{
    m_editor->setStore(BandStore::scheme(m_state.DbConn, m_schemeCombo->currentText()));
}

void RateSchemesScreen::loadTables()
{
    const ResultOf<QList<RateSchemes::Table>> found = RateSchemes::tables(m_state.DbConn);
    if (!found)
        showError(found.result());
    const QList<RateSchemes::Table> tables = found ? *found : QList<RateSchemes::Table>();
    m_tableList->clear();
    for (const RateSchemes::Table& table : std::as_const(tables)) {
        auto* item = new QTreeWidgetItem(m_tableList, {table.name});
        item->setData(0, Qt::UserRole, table.tableNumber);
        item->setCheckState(0, Qt::Unchecked);
    }
}

void RateSchemesScreen::addScheme()
{
    const QString name = m_newSchemeEdit->text().trimmed();
    if (name.isEmpty())
        return;
    const ResultOf<bool> existed = RateSchemes::add(m_state.DbConn, name);
    if (!existed) {
        showError(existed.result());
        return;
    }
    if (*existed) {
        Messages::exclamation(tr("计费方案“%1”已经存在！").arg(name));
        return;
    }
    Messages::exclamation(tr("新方案保存完成！"));
    m_newSchemeEdit->clear();
    loadSchemes();
}

void RateSchemesScreen::assignScheme()
{
    const QString name = m_schemeCombo->currentText();
    if (name.isEmpty() || !Messages::ask(tr("%1分配给选中台位吗？").arg(name)))
        return;
    QList<int> tables;
    for (int i = 0; i < m_tableList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_tableList->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            tables.append(item->data(0, Qt::UserRole).toInt());
    }
    const ResultOf<QString> refusal = RateSchemes::assign(m_state.DbConn, name, tables);
    if (!refusal) {
        showError(refusal.result());
        return;
    }
    if (!refusal->isEmpty()) {
        Messages::exclamation(*refusal);
        return;
    }
    Messages::information(tr("方案设定完成！"));
}
