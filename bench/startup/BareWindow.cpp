#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Ends the program once the window has been painted, as Tavoro does for the
// benchmark once its login screen has been.
class QuitWhenPainted final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// The least any login in the hall's font must pay for: the font's regular
// and bold faces loaded and a line of each shaped, as the splash shows them.
void addHallText(QWidget* window)
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(10);
    QApplication::setFont(font);
    auto* title = new QLabel(QStringLiteral("Tavoro"), window);
    QFont titleFont = title->font();
    titleFont.setPointSize(40);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(title);
    layout->addWidget(new QLabel(QStringLiteral("台球厅计费管理系统"), window));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    if (QCoreApplication::arguments().contains(QStringLiteral("--hall-text")))
        addHallText(&window);
    window.resize(400, 300);
    window.installEventFilter(new QuitWhenPainted(&app));
    window.show();
    return app.exec();
}
