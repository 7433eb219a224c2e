#include <QApplication>
#include <QEvent>
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(400, 300);
    window.installEventFilter(new QuitWhenPainted(&app));
    window.show();
    return app.exec();
}
