#include "ui/board/HallSetupPages.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/TypedNumber.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* lineBox(const QString& name, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QLabel* hint(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

HallNamePage::HallNamePage(AppState& state, QWidget* parent)
    : HallSetupPage(tr("第 1 步：球厅名称"), tr("这个名称打印在账单和报表上。"), parent)
    , m_state(state)
    , m_nameBox(lineBox(QStringLiteral("hallNameBox"), state.params.companyName.trimmed(), this))
{
    setObjectName(QStringLiteral("HallNamePage"));
    m_nameBox->setMaxLength(40);
    auto* form = new QFormLayout(this);
    form->addRow(tr("球厅名称："), m_nameBox);
}

HallSetup::Step HallNamePage::apply()
{
    HallSetup::Step step = HallSetup::saveHallName(m_state.DbConn, m_nameBox->text());
    // Bills printed from now on carry the new name.
    if (step.done())
        m_state.params.companyName = m_nameBox->text().trimmed();
    return step;
}

TablesSetupPage::TablesSetupPage(AppState& state, QWidget* parent)
    : HallSetupPage(tr("第 2 步：台位"), tr("增加台位，并给每张台起名（双击台名可修改）。"), parent)
    , m_state(state)
    , m_present(new QLabel(this))
    , m_countBox(lineBox(QStringLiteral("tableCountBox"), QString(), this))
    , m_nameList(new QListWidget(this))
    , m_billingUnitBox(lineBox(QStringLiteral("billingUnitBox"), QStringLiteral("15"), this))
    , m_minimumBox(lineBox(QStringLiteral("minimumBox"), QStringLiteral("60"), this))
{
    setObjectName(QStringLiteral("TablesSetupPage"));
    m_present->setObjectName(QStringLiteral("presentTables"));
    m_present->setWordWrap(true);
    m_countBox->setMaximumWidth(80);
    m_nameList->setObjectName(QStringLiteral("tableNameList"));
    m_nameList->setFlow(QListView::TopToBottom);
    m_nameList->setWrapping(true);
    m_nameList->setResizeMode(QListView::Adjust);
    for (QLineEdit* box : {m_billingUnitBox, m_minimumBox})
        box->setMaximumWidth(80);
    connect(m_countBox, &QLineEdit::textChanged, this, &TablesSetupPage::listNames);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(tr("增加台数："), this), 0, 0);
    form->addWidget(m_countBox, 0, 1);
    form->addWidget(hint(tr("1 到 %1 张").arg(HallSetup::MostTables), this), 0, 2);
    form->addWidget(new QLabel(tr("最小计费分钟："), this), 1, 0);
    form->addWidget(m_billingUnitBox, 1, 1);
    form->addWidget(hint(tr("如设为 15，客人玩 20 分钟按 30 分钟计费；0 按实际分钟计费。"), this), 1, 2);
    form->addWidget(new QLabel(tr("最低消费分钟："), this), 2, 0);
    form->addWidget(m_minimumBox, 2, 1);
    form->addWidget(hint(tr("不足这个分钟数的按这个分钟数计费；0 不设最低消费。"), this), 2, 2);
    form->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_present);
    layout->addLayout(form);
    layout->addWidget(m_nameList, 1);
}

void TablesSetupPage::initializePage()
{
    const ResultOf<int> first = HallSetup::firstNewNumber(m_state.DbConn);
    if (!first)
        showError(first.result());
    m_firstNumber = first ? *first : 1;
    // A hall that has tables keeps them: only tables beyond them are added.
    m_present->setText(m_firstNumber == 1 ? tr("还没有台位。新台从 1 号起编号。")
                                          : tr("已有台位，最大台号 %1。这里只增加新台位（从 %2 号起），"
                                               "不改动也不删除已有的；不需要增加请按“跳过此步”。")
                                                .arg(m_firstNumber - 1)
                                                .arg(m_firstNumber));
    m_countBox->setText(m_firstNumber == 1 ? QStringLiteral("6") : QString());
    listNames();
}

void TablesSetupPage::listNames()
{
    const std::optional<double> count = typedNumber(m_countBox->text(), 0);
    if (!count || *count > HallSetup::MostTables)
        return;
    while (m_nameList->count() > int(*count))
        delete m_nameList->takeItem(m_nameList->count() - 1);
    while (m_nameList->count() < int(*count)) {
        auto* item = new QListWidgetItem(HallSetup::proposedName(m_firstNumber + m_nameList->count()), m_nameList);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

HallSetup::Step TablesSetupPage::apply()
{
    QStringList names;
    for (int i = 0; i < m_nameList->count(); ++i)
        names.append(m_nameList->item(i)->text());
    return HallSetup::addTables(m_state.DbConn, m_countBox->text(), names, m_billingUnitBox->text(),
                                m_minimumBox->text());
}

RatesSetupPage::RatesSetupPage(AppState& state, QWidget* parent)
    : HallSetupPage(tr("第 3 步：计费方案"),
                    tr("每小时的价格，会员和散客各一个，白天和晚间各一个。全部台位都用这个方案。"), parent)
    , m_state(state)
    , m_schemeBox(lineBox(QStringLiteral("schemeBox"), QString(), this))
    , m_dayMemberBox(lineBox(QStringLiteral("dayMemberBox"), QStringLiteral("20"), this))
    , m_dayGuestBox(lineBox(QStringLiteral("dayGuestBox"), QStringLiteral("25"), this))
    , m_eveningMemberBox(lineBox(QStringLiteral("eveningMemberBox"), QStringLiteral("25"), this))
    , m_eveningGuestBox(lineBox(QStringLiteral("eveningGuestBox"), QStringLiteral("30"), this))
    , m_eveningStartsBox(lineBox(QStringLiteral("eveningStartsBox"), QStringLiteral("18"), this))
{
    setObjectName(QStringLiteral("RatesSetupPage"));
    // As the scheme editor takes it.
    m_schemeBox->setMaxLength(15);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("方案名称："), this), 0, 0);
    grid->addWidget(m_schemeBox, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("会员价（元/小时）"), this), 1, 1);
    grid->addWidget(new QLabel(tr("散客价（元/小时）"), this), 1, 2);
    grid->addWidget(new QLabel(tr("白天："), this), 2, 0);
    grid->addWidget(m_dayMemberBox, 2, 1);
    grid->addWidget(m_dayGuestBox, 2, 2);
    grid->addWidget(new QLabel(tr("晚间："), this), 3, 0);
    grid->addWidget(m_eveningMemberBox, 3, 1);
    grid->addWidget(m_eveningGuestBox, 3, 2);
    grid->addWidget(new QLabel(tr("晚间开始："), this), 4, 0);
    grid->addWidget(m_eveningStartsBox, 4, 1);
    grid->addWidget(new QLabel(tr("点（白天从 0 点起，晚间到 24 点）"), this), 4, 2);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(
        hint(tr("已有台位的时段收费标准会被这个方案替换。以后可在“台位时段收费标准设置”和“计费方案设定”中细分时段。"),
             this));
    layout->addStretch();
}

void RatesSetupPage::initializePage()
{
    const ResultOf<QString> name = HallSetup::proposedSchemeName(m_state.DbConn);
    if (!name)
        showError(name.result());
    m_schemeBox->setText(name ? *name : QString());
}

HallSetup::Step RatesSetupPage::apply()
{
    const ResultOf<int> priced = HallSetup::pricedTables(m_state.DbConn);
    if (!priced)
        return {priced.result(), QString()};
    if (*priced > 0 && !Messages::askDefaultNo(
                           tr("已有 %1 张台位设了时段收费标准，保存后都换成这个方案。继续吗？").arg(*priced), title()))
        return {Result::success(), tr("没有保存计费方案。不需要改计费请按“跳过此步”。")};
    return HallSetup::addScheme(m_state.DbConn,
                                {m_schemeBox->text(), m_dayMemberBox->text(), m_dayGuestBox->text(),
                                 m_eveningMemberBox->text(), m_eveningGuestBox->text(), m_eveningStartsBox->text()});
}
