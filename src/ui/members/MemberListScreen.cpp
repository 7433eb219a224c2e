#include "ui/members/MemberListScreen.h"

#include "core/base/AppState.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/members/MemberDeletion.h"
#include "core/members/MemberList.h"
#include "core/members/MemberTopUp.h"
#include "ui/admin/PasswordDialog.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/ProgramFolder.h"
#include "ui/base/WindowPlacement.h"
#include "ui/members/MemberFormScreen.h"
#include "ui/members/TopUpDialog.h"
#include "ui/printing/GridDocument.h"
#include "ui/printing/SpreadsheetExport.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The screen's name in the operator log: data, Chinese whatever language is shown.
const QString LogName = QStringLiteral("会员管理");

} // namespace

MemberListScreen::MemberListScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_log(state, LogName)
{
    if (!m_log.opened())
        showError(m_log.opened());
    buildScreen();
    refresh();
    goToRow(m_model->rowCount() - 1);
    centerOnScreen(this);
}

void MemberListScreen::done(int result)
{
    const Result closed = m_log.close();
    if (!closed)
        showError(closed);
    QDialog::done(result);
}

void MemberListScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The grid knows its height only once it is laid out: the current row,
    // the last one on opening, is scrolled to then.
    QTimer::singleShot(0, this, [this] { m_grid->scrollTo(m_grid->currentIndex()); });
}

void MemberListScreen::buildScreen()
{
    setObjectName(QStringLiteral("MemberListScreen"));
    setWindowTitle(tr("会员管理"));
    resize(1000, 600);

    auto* toolbar = new KeyToolbar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    addToolbarKeys(toolbar);
    toolbar->alignKeys();

    auto* title = new QLabel(tr("会员名单"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);

    m_model = new MemberList(m_state.DbConn, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("Grid_user"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    // Fixed heights and widths: measuring contents would read every member.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(24);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {70, 40, 85, 85, 95, 75, 65, 45, 45, 85, 60, 60, 65};
    for (int c = 0; c < int(std::size(widths)); ++c)
        m_grid->setColumnWidth(c, widths[c]);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(toolbar);
    layout->addWidget(title);
    layout->addWidget(m_grid, 1);
}

void MemberListScreen::addToolbarKeys(KeyToolbar* toolbar)
{
    const auto noAction = [](QAction* action) {
        action->setEnabled(false);
    };
    noAction(toolbar->addKey("Prinview", tr("预览"), QStyle::SP_FileDialogContentsView, [] {}));
    noAction(toolbar->addKey("Print", tr("打印"), QStyle::SP_DialogSaveButton, [] {}));
    toolbar->addKey("exportExcel", SpreadsheetExport::caption(), QStyle::SP_DriveFDIcon, [this] { exportList(); });
    toolbar->addKey("Add", tr("增加"), QStyle::SP_FileIcon, [this] { addMember(); });
    toolbar->addKey("Edit", tr("修改"), QStyle::SP_FileDialogInfoView, [this] { editMember(); });
    toolbar->addKey("Del", tr("删除"), QStyle::SP_TrashIcon, [this] { deleteMember(); });
    // Set apart, so that a hand reaching for the top-up does not land on the deletion.
    toolbar->addSeparator();
    toolbar->addKey("AddMoney", tr("存款"), QStyle::SP_ArrowUp, [this] { topUp(); });
    toolbar->addSeparator();
    QAction* find = toolbar->addKey("Find", tr("查询"), QStyle::SP_FileDialogDetailedView, [] {});
    find->setToolTip(tr("查找"));
    noAction(find);
    noAction(toolbar->addKey("Help", tr("帮助"), QStyle::SP_DialogHelpButton, [] {}));
    toolbar->addKey("Calc", tr("计算器"), QStyle::SP_ComputerIcon, [this] { startCalculator(); });
    toolbar->addSeparator();
    toolbar->addKey("Quit", tr("退出"), QStyle::SP_DialogCloseButton, [this] { reject(); });
}

void MemberListScreen::refresh()
{
    if (const Result result = m_model->refresh(); !result)
        showError(result);
}

void MemberListScreen::requery()
{
    const int row = currentRow();
    const QString card = currentCard();
    refresh();
    const int found = card.isEmpty() ? -1 : m_model->rowOfCard(card);
    goToRow(found >= 0 ? found : std::min(row, m_model->rowCount() - 1));
}

void MemberListScreen::goToRow(int row)
{
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index);
}

int MemberListScreen::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString MemberListScreen::currentCard() const
{
    return m_model->cardAt(currentRow());
}

QString MemberListScreen::currentName() const
{
    return m_model->nameAt(currentRow());
}

void MemberListScreen::addMember()
{
    MemberFormScreen form(m_state, QString(), this);
    form.exec();
    requery();
}

// The form stays open beside the list while the operator edits, and the list
// shows the saved member once the form is closed.
void MemberListScreen::editMember()
{
    if (currentRow() < 0)
        return;
    auto* form = new MemberFormScreen(m_state, currentCard(), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &QDialog::finished, this, &MemberListScreen::requery);
    form->show();
}

void MemberListScreen::deleteMember()
{
    if (currentRow() < 0)
        return;
    const QString name = currentName();
    const QString card = currentCard();
    const ResultOf<QString> question = MemberDeletion::question(m_state.DbConn, card, name);
    if (!question) {
        showError(question.result());
        return;
    }
    if (!Messages::askDefaultNo(*question))
        return;
    const MemberDeletion::Removal removal = MemberDeletion::remove(m_state.DbConn, card, name);
    if (showStopped(removal.result, removal.refusal))
        return;
    refresh();
    goToRow(m_model->rowCount() > 0 ? 0 : -1);
}

void MemberListScreen::topUp()
{
    if (currentRow() < 0) {
        Messages::exclamation(tr("没有会员可以存款！"));
        return;
    }
    // Leaving the prompt is no answer: it must not pass for an empty password.
    const std::optional<QString> password = PasswordDialog::ask(this);
    if (!password)
        return;
    if (!MemberTopUp::passwordMatches(m_state, *password)) {
        Messages::critical(tr("口令错误，请重新输入！"));
        return;
    }
    TopUpDialog screen(m_state, currentCard(), currentName(), this);
    if (screen.exec() == QDialog::Accepted)
        requery();
}

void MemberListScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"));
}

void MemberListScreen::exportList()
{
    QHash<int, CellKind> kinds;
    for (int column = 0; column < MemberList::ColumnCount; ++column)
        kinds.insert(column, MemberList::kind(column));
    const QString title = tr("会员名单");
    SpreadsheetExport::offer(GridDocument::fromGrid(*m_grid, title, kinds), SpreadsheetExport::fileName(title), this);
}
