#include "ui/admin/OperatorRightsScreen.h"

#include "core/admin/OperatorRights.h"
#include "core/base/AppState.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/Notation.h"
#include "core/billing/DiscountCheck.h"
#include "ui/admin/OperatorAddDialog.h"
#include "ui/admin/OperatorLoadingNotice.h"
#include "ui/admin/RightsFrame.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/ProgramFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The screen's name in the operator log, which stays Chinese whatever the language.
const QString LogName = QStringLiteral("操作员权限设置");
constexpr int NameRole = Qt::UserRole;
constexpr int GroupRole = Qt::UserRole + 1;
constexpr int OperatorNode = -1;

int groupOf(const QTreeWidgetItem* item)
{
    return item->data(0, GroupRole).toInt();
}

} // namespace

OperatorRightsScreen::OperatorRightsScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
    , m_store(state.DbConn)
{
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    auto* notice = new OperatorLoadingNotice(this);
    notice->show();
    loadTree();
}

void OperatorRightsScreen::done(int result)
{
    const Result closed = m_log.close();
    if (!closed)
        showError(closed);
    QDialog::done(result);
}

void OperatorRightsScreen::buildScreen()
{
    setObjectName(QStringLiteral("OperatorRightsScreen"));
    setWindowTitle(tr("操作员权限设置"));
    resize(860, 580);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(buildToolbarAndMenu());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(buildTreePane(), 2);
    middle->addWidget(buildRightsPane(), 5);
    layout->addLayout(middle, 1);
    layout->addWidget(buildDiscountPane());
}

QWidget* OperatorRightsScreen::buildToolbarAndMenu()
{
    auto* toolbar = new KeyToolbar(this);
    toolbar->addKey("append", tr("增加"), QStyle::SP_FileDialogNewFolder, [this] { addOperator(); });
    toolbar->addKey("dele", tr("删除"), QStyle::SP_TrashIcon, [this] { deleteOperator(); });
    toolbar->addKey("password", tr("清除口令"), QStyle::SP_DialogResetButton, [this] { clearPassword(); });
    toolbar->addSeparator();
    toolbar->addKey("exit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });

    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(tr("文件(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto item = [this, file](int index, const QString& caption, auto slot) {
        QAction* result = file->addAction(caption, this, slot);
        result->setObjectName(QStringLiteral("mnuFile_") + QString::number(index));
    };
    item(0, tr("增加"), [this] { addOperator(); });
    item(1, tr("删除"), [this] { deleteOperator(); });
    item(2, tr("清除操作员口令"), [this] { clearPassword(); });
    file->addSeparator();
    item(3, tr("计算器"), [this] { startCalculator(); });
    file->addSeparator();
    item(4, tr("退出"), [this] { reject(); });
    QMenu* help = menuBar->addMenu(tr("帮助(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(tr("使用说明"), this, [this] { showHelp(); })->setObjectName(QStringLiteral("mnuHelp_0"));
    this->layout()->setMenuBar(menuBar);
    return toolbar;
}

QWidget* OperatorRightsScreen::buildTreePane()
{
    auto* pane = new QWidget(this);
    auto* label = new QLabel(tr("操作员列表:"), pane);
    label->setObjectName(QStringLiteral("Label1"));
    m_tree = new QTreeWidget(pane);
    m_tree->setObjectName(QStringLiteral("Tree"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setMinimumWidth(200);
    label->setBuddy(m_tree);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { showSelection(); });

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_tree, 1);
    return pane;
}

QWidget* OperatorRightsScreen::buildRightsPane()
{
    auto* pane = new QWidget(this);
    auto* groups = new QGroupBox(tr("授权的权限组"), pane);
    groups->setObjectName(QStringLiteral("Frame_groups"));
    auto* groupsLayout = new QHBoxLayout(groups);
    groupsLayout->setContentsMargins(12, 10, 12, 10);
    groupsLayout->setSpacing(18);

    m_stack = new QStackedWidget(pane);
    m_stack->setObjectName(QStringLiteral("Frames"));
    auto* hint = new QLabel(tr("在左边的操作员列表中选择操作员下的权限组，即可设置该组的权限。\n"
                               "勾选或取消上面的权限组，即授予或收回该组。"),
                            m_stack);
    hint->setObjectName(QStringLiteral("Label4"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);
    m_stack->addWidget(hint);

    for (int i = 0; i < rightsGroups().size(); ++i) {
        const RightsGroup& group = rightsGroups().at(i);
        auto* box = new QCheckBox(group.shownCaption(), groups);
        box->setObjectName(QStringLiteral("Check_") + QString::number(i));
        box->setEnabled(false);
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) { grantGroup(i, checked); });
        groupsLayout->addWidget(box);
        m_groupBoxes.append(box);

        auto* frame = new RightsFrame(group, m_stack);
        connect(frame, &RightsFrame::rightsClicked, this, [this, i] { saveRights(i); });
        m_stack->addWidget(frame);
        m_frames.append(frame);
    }
    groupsLayout->addStretch();

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(groups);
    layout->addWidget(m_stack, 1);
    return pane;
}

QWidget* OperatorRightsScreen::buildDiscountPane()
{
    auto* pane = new QGroupBox(this);
    pane->setObjectName(QStringLiteral("Frame_zk"));
    auto* label = new QLabel(tr("折扣率"), pane);
    label->setObjectName(QStringLiteral("Label3"));
    m_discountLimitEdit = new QLineEdit(pane);
    m_discountLimitEdit->setObjectName(QStringLiteral("discountLimitEdit"));
    m_discountLimitEdit->setFixedWidth(90);
    m_discountLimitEdit->setEnabled(false);
    label->setBuddy(m_discountLimitEdit);
    m_saveDiscountLimitButton = new QPushButton(tr("保存折扣率"), pane);
    m_saveDiscountLimitButton->setObjectName(QStringLiteral("saveDiscountLimitButton"));
    m_saveDiscountLimitButton->setAutoDefault(false);
    m_saveDiscountLimitButton->setEnabled(false);
    connect(m_saveDiscountLimitButton, &QPushButton::clicked, this, &OperatorRightsScreen::saveDiscountLimit);
    auto* help = new QLabel(tr("0 为不打折 ，请输入大于 0 小于10的小数。先点击要设置的操作员:"
                               "如8.5  为最高打折权限八五折。"),
                            pane);
    help->setObjectName(QStringLiteral("Label2"));
    help->setWordWrap(true);

    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(10);
    layout->addWidget(label);
    layout->addWidget(m_discountLimitEdit);
    layout->addWidget(m_saveDiscountLimitButton);
    layout->addSpacing(12);
    layout->addWidget(help, 1);
    return pane;
}

void OperatorRightsScreen::loadTree()
{
    const ResultOf<QList<OperatorRecord>> operators = m_store.load();
    if (!operators)
        showError(operators.result());
    m_tree->clear();
    for (const OperatorRecord& record : operators ? *operators : QList<OperatorRecord>())
        addOperatorNode(record);
    m_tree->expandAll();
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

QTreeWidgetItem* OperatorRightsScreen::addOperatorNode(const OperatorRecord& record)
{
    auto* node = new QTreeWidgetItem(m_tree, {Notation::Trim(record.name)});
    node->setData(0, NameRole, record.name);
    node->setData(0, GroupRole, OperatorNode);
    for (int group = 0; group < int(record.rights.size()); ++group) {
        if (!record.rights[std::size_t(group)].isNull())
            addGroupNode(node, group);
    }
    updateOperatorIcon(node);
    return node;
}

void OperatorRightsScreen::addGroupNode(QTreeWidgetItem* operatorNode, int group)
{
    int position = 0;
    while (position < operatorNode->childCount() && groupOf(operatorNode->child(position)) < group)
        ++position;
    auto* node = new QTreeWidgetItem({rightsGroups().at(group).shownCaption()});
    node->setData(0, NameRole, operatorNode->data(0, NameRole));
    node->setData(0, GroupRole, group);
    node->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    operatorNode->insertChild(position, node);
}

void OperatorRightsScreen::updateOperatorIcon(QTreeWidgetItem* operatorNode)
{
    operatorNode->setIcon(
        0, style()->standardIcon(operatorNode->childCount() > 0 ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
}

QTreeWidgetItem* OperatorRightsScreen::selectedOperatorNode() const
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (item && item->parent())
        item = item->parent();
    return item;
}

void OperatorRightsScreen::showSelection()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    m_current.reset();
    if (item) {
        const ResultOf<std::optional<OperatorRecord>> found = m_store.find(item->data(0, NameRole).toString());
        if (found)
            m_current = *found;
        else
            showError(found.result());
    }
    const bool editable = m_current && !m_current->isSystem;
    for (int i = 0; i < m_groupBoxes.size(); ++i) {
        m_groupBoxes.at(i)->setChecked(m_current && !m_current->rights[std::size_t(i)].isNull());
        m_groupBoxes.at(i)->setEnabled(editable);
    }
    m_discountLimitEdit->setText(m_current && m_current->discountLimit ? discountText(*m_current->discountLimit)
                                                                       : QString());
    m_discountLimitEdit->setEnabled(m_current.has_value());
    m_saveDiscountLimitButton->setEnabled(m_current.has_value());

    const int group = m_current ? groupOf(item) : OperatorNode;
    if (group == OperatorNode) {
        m_stack->setCurrentIndex(0);
        return;
    }
    m_frames.at(group)->showLetters(m_current->rights[std::size_t(group)].toString(), editable);
    m_stack->setCurrentWidget(m_frames.at(group));
}

void OperatorRightsScreen::grantGroup(int group, bool granted)
{
    QTreeWidgetItem* operatorNode = selectedOperatorNode();
    if (!m_current || !operatorNode)
        return;
    const Result saved = m_store.setGroupGranted(m_current->name, group, granted);
    if (!saved) {
        showError(saved);
        showSelection();
        return;
    }
    if (granted) {
        addGroupNode(operatorNode, group);
        operatorNode->setExpanded(true);
    } else {
        for (int i = 0; i < operatorNode->childCount(); ++i) {
            if (groupOf(operatorNode->child(i)) == group) {
                if (m_tree->currentItem() == operatorNode->child(i))
                    m_tree->setCurrentItem(operatorNode);
                delete operatorNode->takeChild(i);
                break;
            }
        }
    }
    updateOperatorIcon(operatorNode);
    showSelection();
}

void OperatorRightsScreen::saveRights(int group)
{
    if (!m_current)
        return;
    const Result saved = m_store.saveRights(m_current->name, group, m_frames.at(group)->letters());
    if (!saved)
        showError(saved);
    showSelection();
}

void OperatorRightsScreen::saveDiscountLimit()
{
    if (!m_current)
        return;
    const OperatorStore::Outcome outcome = m_store.saveDiscountLimit(m_current->name, m_discountLimitEdit->text());
    if (outcome.refusal == OperatorStore::Refusal::LimitOutOfRange) {
        Messages::exclamation(tr("折扣率设置错误，请重新设置。"));
        m_discountLimitEdit->setFocus();
        m_discountLimitEdit->selectAll();
        return;
    }
    if (!outcome.result) {
        showError(outcome.result);
        return;
    }
    Messages::information(tr("%1 最大折扣率保存完成。").arg(Notation::Trim(m_current->name)));
    showSelection();
}

void OperatorRightsScreen::addOperator()
{
    OperatorAddDialog dialog(m_state, this);
    connect(&dialog, &OperatorAddDialog::operatorAdded, this, [this](const QString& name) {
        const ResultOf<std::optional<OperatorRecord>> record = m_store.find(name);
        if (!record) {
            showError(record.result());
            return;
        }
        if (!*record)
            return;
        QTreeWidgetItem* node = addOperatorNode(**record);
        node->setExpanded(true);
        m_tree->setCurrentItem(node);
    });
    dialog.exec();
}

void OperatorRightsScreen::deleteOperator()
{
    QTreeWidgetItem* node = selectedOperatorNode();
    if (!m_current || !node)
        return;
    if (m_current->isSystem) {
        Messages::exclamation(tr("不可以删除系统管理员！"), tr("权限设置"));
        return;
    }
    const QString name = Notation::Trim(m_current->name);
    if (!Messages::askDefaultNo(tr("是否删除操作员'%1'？").arg(name), tr("权限设置")))
        return;
    const OperatorStore::Outcome outcome = m_store.remove(m_current->name);
    if (!outcome.result) {
        showError(outcome.result);
        return;
    }
    if (outcome.done())
        delete node;
}

void OperatorRightsScreen::clearPassword()
{
    if (!m_current)
        return;
    if (m_current->isSystem) {
        Messages::exclamation(tr("不可以清除系统管理员的口令！"), tr("权限设置"));
        return;
    }
    const QString name = Notation::Trim(m_current->name);
    if (!Messages::askDefaultNo(tr("是否清除操作员'%1'的口令？").arg(name), tr("权限设置")))
        return;
    const OperatorStore::Outcome outcome = m_store.clearPassword(m_current->name);
    if (!outcome.result)
        showError(outcome.result);
}

void OperatorRightsScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"));
}

void OperatorRightsScreen::showHelp()
{
    Messages::information(tr("先在左边的操作员列表中选择操作员：勾选权限组即授予该组，取消即收回；"
                             "选择操作员下的权限组，勾选其中的权限，改动立即保存。\n"
                             "折扣率为该操作员可给的最低折扣（如 8.5 为八五折，0 为不打折），"
                             "输入后点击“保存折扣率”。"),
                          tr("操作员权限设置"));
}
