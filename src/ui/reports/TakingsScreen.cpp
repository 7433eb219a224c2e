#include "ui/reports/TakingsScreen.h"

#include "core/base/AppState.h"
#include "core/base/DesktopCalculator.h"
#include "core/base/Messages.h"
#include "ui/base/KeyToolbar.h"
#include "ui/base/ProgramFolder.h"
#include "ui/base/WindowPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QLineEdit* totalBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(110);
    return box;
}

} // namespace

TakingsScreen::TakingsScreen(AppState& state, const QString& caption, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setWindowTitle(caption);
    resize(900, 600);

    m_toolbar = new KeyToolbar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    const QPixmap book = programPicture(QStringLiteral("book.wmf"));
    if (!book.isNull())
        picture->setPixmap(book.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("Label2"));
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    heading->setFont(big);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(heading, 1, Qt::AlignCenter);

    m_choices = new QHBoxLayout;
    m_choices->setSpacing(10);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("MSGrid"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->setDefaultSectionSize(24);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_middle = new QHBoxLayout;
    m_middle->addWidget(m_grid, 1);

    m_clerkEdit = totalBox("clerkEdit", this);
    m_clerkEdit->setAlignment(Qt::AlignLeft);
    m_clerkEdit->setText(state.OperatorName);
    m_tableFeesEdit = totalBox("tableFeesEdit", this);
    m_otherEdit = totalBox("otherEdit", this);
    m_totalEdit = totalBox("totalEdit", this);
    auto* totals = new QGridLayout;
    const auto addBox = [&](int column, const QString& caption, QLineEdit* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        totals->addWidget(label, 0, 2 * column, Qt::AlignRight);
        totals->addWidget(box, 0, 2 * column + 1);
    };
    addBox(0, tr("营业员"), m_clerkEdit);
    addBox(1, tr("台位费用现金"), m_tableFeesEdit);
    addBox(2, tr("其他销费"), m_otherEdit);
    addBox(3, tr("合  计"), m_totalEdit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 10);
    layout->addWidget(m_toolbar);
    layout->addLayout(top);
    layout->addLayout(m_choices);
    layout->addLayout(m_middle, 1);
    layout->addLayout(totals);
    if (parent)
        centerInMainWindow(this, parent->window());
}

void TakingsScreen::putBeside(QWidget* widget)
{
    m_middle->addWidget(widget, 1);
}

void TakingsScreen::showTotals(const QString& tableFees, const QString& other, const QString& total)
{
    m_tableFeesEdit->setText(tableFees);
    m_otherEdit->setText(other);
    m_totalEdit->setText(total);
}

QString TakingsScreen::clerk() const
{
    return m_clerkEdit->text();
}

void TakingsScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"));
}
