// tavoro-webshots URL PASSWORD FOLDER [--watch]: logs in to the owner's view
// at URL with a headless Chromium the size of a phone, opens every page,
// saves each screen as FOLDER/Web<Page>.png and prints each page's text after
// a line "== <path>", and "wider than the screen: <path>" for a page that
// would scroll sideways. With --watch it then opens the board, prints
// "watching", waits for a line on its input (the caller changes the hall
// meanwhile), lets the page refresh itself for six seconds and prints the
// board's text again after "== / refreshed". Tests read the text; the
// gallery keeps the pictures.

#include "HeadlessBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

struct Shot
{
    const char* path;
    const char* name;
};

constexpr Shot Pages[] = {
    {"/", "WebBoard"},      {"/takings", "WebTakings"},     {"/statistics", "WebStatistics"},
    {"/stock", "WebStock"}, {"/giveaways", "WebGiveaways"},
};

int fail(const QString& text)
{
    std::fprintf(stderr, "tavoro-webshots: %s\n", qUtf8Printable(text));
    return 1;
}

bool save(HeadlessBrowser& browser, const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name + QStringLiteral(".png")));
    const QByteArray png = browser.screenshot();
    return !png.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

void print(HeadlessBrowser& browser, const QString& path)
{
    std::printf("== %s\n%s\n", qUtf8Printable(path),
                qUtf8Printable(browser.evaluate(QStringLiteral("document.body.innerText")).toString()));
    if (browser.evaluate(QStringLiteral("document.documentElement.scrollWidth > window.innerWidth")).toBool())
        std::printf("wider than the screen: %s\n", qUtf8Printable(path));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool watch = args.size() == 5 && args.at(4) == QStringLiteral("--watch");
    if (args.size() != 4 && !watch)
        return fail(QStringLiteral("usage: tavoro-webshots URL PASSWORD FOLDER [--watch]"));
    const QUrl base(args.at(1));
    const QDir folder(args.at(3));
    if (!QDir().mkpath(folder.path()))
        return fail(QStringLiteral("cannot make ") + folder.path());

    HeadlessBrowser browser({390, 844});
    if (!browser.start())
        return fail(browser.error());
    if (!browser.open(base.resolved(QUrl(QStringLiteral("/login")))))
        return fail(browser.error());
    print(browser, QStringLiteral("/login"));
    if (!save(browser, folder, QStringLiteral("WebLogin")))
        return fail(QStringLiteral("no screenshot of the login"));
    // Typed as a person would, so the page's own form posts it.
    const QString password = QString::fromUtf8(QJsonDocument(QJsonArray{args.at(2)}).toJson(QJsonDocument::Compact));
    if (!browser.evaluateAndWaitForLoad(QStringLiteral("document.querySelector('input[type=password]').value = %1[0];"
                                                       "document.querySelector('form').submit();")
                                            .arg(password)))
        return fail(browser.error());
    for (const Shot& shot : Pages) {
        const QString path = QString::fromLatin1(shot.path);
        if (!browser.open(base.resolved(QUrl(path))))
            return fail(browser.error());
        print(browser, path);
        if (!save(browser, folder, QString::fromLatin1(shot.name)))
            return fail(QStringLiteral("no screenshot of ") + path);
    }
    if (!watch)
        return 0;
    if (!browser.open(base.resolved(QUrl(QStringLiteral("/")))))
        return fail(browser.error());
    std::printf("watching\n");
    std::fflush(stdout);
    QTextStream(stdin).readLine();
    // The page's own timer, not a reload, must bring the change.
    QEventLoop pause;
    QTimer::singleShot(6000, &pause, &QEventLoop::quit);
    pause.exec();
    print(browser, QStringLiteral("/ refreshed"));
    return save(browser, folder, QStringLiteral("WebBoardRefreshed")) ? 0 : fail(QStringLiteral("no screenshot"));
}
