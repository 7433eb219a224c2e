#include "ui/program/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QUrl Manual(QStringLiteral("qrc:/manual/index.html"));

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Tavoro 帮助"));
    resize(760, 620);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(Manual);

    auto* contents = button("helpContents", tr("目录(&C)"), this);
    connect(contents, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    auto* back = button("helpBack", tr("后退(&B)"), this);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(tr("输入要找的字词，按回车"));
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    auto* find = button("helpFind", tr("查找(&F)"), this);
    connect(find, &QPushButton::clicked, this, &HelpWindow::findNext);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addSpacing(20);
    bar->addWidget(new QLabel(tr("查找："), this));
    bar->addWidget(m_search, 1);
    bar->addWidget(find);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
}

HelpWindow* HelpWindow::open(Page page)
{
    static QPointer<HelpWindow> window;
    // A modal screen blocks every window but its own children.
    QWidget* over = QApplication::activeModalWidget();
    if (!over)
        over = QApplication::activeWindow();
    if (window && over == window)
        over = window->parentWidget();
    if (!window)
        window = new HelpWindow(over);
    else if (window->parentWidget() != over)
        window->setParent(over, Qt::Window);
    window->show(page);
    return window;
}

void HelpWindow::show(Page page)
{
    m_browser->setSource(page == Page::Questions ? QUrl(Manual.toString() + QStringLiteral("#faq")) : Manual);
    QWidget::show();
    raise();
    activateWindow();
    if (page == Page::Search)
        m_search->setFocus();
}

void HelpWindow::findNext()
{
    const QString word = m_search->text().trimmed();
    if (word.isEmpty())
        return;
    // From the end, the next search starts again at the top.
    if (!m_browser->find(word)) {
        m_browser->moveCursor(QTextCursor::Start);
        m_browser->find(word);
    }
}
