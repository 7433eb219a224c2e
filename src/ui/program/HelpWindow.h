#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;

// The manual bundled with the program, in a window of its own beside the
// screen it was asked from. There is one such window; asking again brings
// it forward at the page asked for.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Page
    {
        Contents,
        Search, // the contents, with the search box ready for a word
        Questions
    };

    // Shows the manual over whichever window the operator is using, so that
    // a modal screen does not block it.
    static HelpWindow* open(Page page = Page::Contents);

    QTextBrowser* browser() const { return m_browser; }

private:
    explicit HelpWindow(QWidget* parent);
    void show(Page page);
    void findNext();

    QTextBrowser* m_browser;
    QLineEdit* m_search;
};
