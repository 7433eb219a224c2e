#include "GalleryHall.h"
#include "GalleryScreens.h"
#include "SilentPresenter.h"
#include "core/base/FixedClock.h"
#include "core/base/SettingsStore.h"
#include "ui/program/Language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

namespace {

// The offscreen platform's own screen is 800 x 800; the pictures show the
// screens on a common counter monitor instead.
void useCounterScreen(const QTemporaryDir& dir)
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != QLatin1String("offscreen"))
        return;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(R"({"screens": [{"name": "counter", "x": 0, "y": 0, "width": 1366, "height": 768,)"
               R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
}

// Lets the screen lay itself out and fill its lists before the picture is taken.
void settle(QWidget& screen)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 2000 && !(screen.windowHandle() && screen.windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    const qint64 exposed = waited.elapsed();
    while (waited.elapsed() < exposed + 150)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool render(const GalleryScreen& entry, GalleryContext& context, const QDir& out)
{
    const std::unique_ptr<QWidget> screen = entry.make(context);
    screen->show();
    settle(*screen);
    const QString fileName = out.filePath(entry.name + QStringLiteral(".png"));
    if (!screen->grab().save(fileName)) {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(fileName));
        return false;
    }
    screen->hide();
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 30)));
    Clock::install(&clock);
    SilentPresenter presenter;
    Messages::setPresenter(&presenter);

    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    useCounterScreen(work);

    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders every screen of Tavoro, filled from a demo hall, to OUTPUT_FOLDER/<Screen>.png."));
    parser.addHelpOption();
    const QCommandLineOption hallOption(QStringLiteral("hall"),
                                        QStringLiteral("Make the demo hall in FOLDER instead of a temporary folder."),
                                        QStringLiteral("FOLDER"));
    parser.addOption(hallOption);
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("Render in LANGUAGE: zh_CN (the default) or en."),
                                        QStringLiteral("LANGUAGE"), languageSetting(Language::Chinese));
    parser.addOption(langOption);
    parser.addPositionalArgument(QStringLiteral("OUTPUT_FOLDER"), QStringLiteral("Where the pictures go."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    // The pictures must not depend on the language of the machine they are
    // rendered on.
    if (!installLanguage(app, chooseLanguage(parser.value(langOption), QLocale(QLocale::Chinese)))) {
        std::fprintf(stderr, "cannot load the translation for %s\n", qUtf8Printable(parser.value(langOption)));
        return 1;
    }

    const QDir out(parser.positionalArguments().first());
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot make %s\n", qUtf8Printable(out.path()));
        return 1;
    }
    const QString family = QStringLiteral("Noto Sans CJK SC");
    if (!QFontDatabase::families().contains(family))
        std::fprintf(stderr, "warning: the font %s is not installed\n", qUtf8Printable(family));
    QFont font(family);
    font.setPointSize(10);
    QApplication::setFont(font);

    GalleryHall hall;
    const Result opened = hall.open(QString::fromUtf8(TAVORO_MAKEDB), parser.value(hallOption));
    if (!opened) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(opened.message()));
        return 1;
    }
    QSettings settingsFile(work.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    SettingsStore settings(&settingsFile);
    GalleryContext context{hall.state(), settings};

    bool allRendered = true;
    for (const GalleryScreen& entry : galleryScreens())
        allRendered = render(entry, context, out) && allRendered;
    return allRendered ? 0 : 1;
}
