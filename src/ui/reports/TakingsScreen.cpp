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

    m_text5 = totalBox("Text5", this);
    m_text5->setAlignment(Qt::AlignLeft);
    m_text5->setText(state.OperatorName);
    m_text2 = totalBox("Text2", this);
    m_text1 = totalBox("Text1", this);
    m_text4 = totalBox("Text4", this);
    auto* totals = new QGridLayout;
    const auto addBox = [&](int column, const QString& caption, QLineEdit* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        totals->addWidget(label, 0, 2 * column, Qt::AlignRight);
        totals->addWidget(box, 0, 2 * column + 1);
    };
    addBox(0, tr("营业员"), m_text5);
    addBox(1, tr("台位费用现金"), m_text2);
    addBox(2, tr("其他销费"), m_text1);
    addBox(3, tr("合  计"), m_text4);

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
    m_text2->setText(tableFees);
    m_text1->setText(other);
    m_text4->setText(total);
}

QString TakingsScreen::clerk() const
{
    return m_text5->text();
}

void TakingsScreen::startCalculator()
{
    if (!DesktopCalculator::start(programFolder()))
        Messages::exclamation(tr("没有找到计算器程序。"));
}
