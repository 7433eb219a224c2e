#include "app/Main.h"

#include "app/HelpKey.h"
#include "app/MainWindow.h"
#include "app/MessageBoxPresenter.h"
#include "app/SplashScreen.h"
#include "app/StartDatabase.h"
#include "core/base/AppState.h"
#include "core/base/Database.h"
#include "core/base/DateFormatCheck.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/Schema.h"
#include "core/base/SettingsStore.h"
#include "core/base/UserDataFolder.h"
#include "core/data/ParameterLoading.h"
#include "ui/admin/LoginScreen.h"
#include "ui/base/ProgramFolder.h"
#include "ui/base/WindowPlacement.h"
#include "ui/program/Language.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QSettings>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// For the start-up benchmark: ends the program once the watched screen has
// been painted, so that a run measures exactly the way to the login screen.
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

// Where the file is set is worth saying only when the file may be the wrong
// one; a damaged, locked or read-only file is the right one in a bad state.
QString startFailure(const Result& opened, const SettingsStore& settings)
{
    QString text = opened.message();
    const bool maybeWrongFile =
        opened.number() == Result::DatabaseFailure || opened.number() == Result::NotTavoroDatabase;
    const QString settingsFile = QSettings(QStringLiteral("Tavoro"), QStringLiteral("Tavoro")).fileName();
    if (settings.onServer())
        text += QCoreApplication::translate("Main", "\n服务器的位置记录在 %1（server 组）。").arg(settingsFile);
    else if (maybeWrongFile && !settings.path().isEmpty())
        text += QCoreApplication::translate("Main", "\n数据文件的位置记录在 %1（main_path 组的 path 和 data）。")
                    .arg(settingsFile);
    return text;
}

// Written once the file is known to be sound, before anything else is: the
// columns an older file lacks, which later statements write, and the
// parameters' help texts.
Result bringUpToDate(const QSqlDatabase& db)
{
    const ResultOf<QStringList> added = Schema::addMissingColumns(db);
    return added ? mendParameterHelpTexts(db) : added.result();
}

} // namespace

int Main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tavoro"));
    QApplication::setApplicationName(QStringLiteral("Tavoro"));
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(10);
    QApplication::setFont(font);

    SettingsStore settings;
    installLanguage(app, chooseLanguage(settings.language()));

    MessageBoxPresenter presenter;
    Messages::setPresenter(&presenter);
    HelpKey helpKey;
    app.installEventFilter(&helpKey);

    if (!checkDateFormat()) {
        Messages::exclamation(WrongDateFormat);
        return 1;
    }
    if (const Result moved = UserDataFolder::moveOldFolder(settings); !moved) {
        Messages::critical(moved.message());
        return 1;
    }

    AppState state;
    state.CounterName = settings.counterName();
    std::unique_ptr<Database::IntegrityCheck> check;
    Result opened = Result::success();
    if (settings.onServer()) {
        const ServerPlace place = settings.serverPlace();
        state.DbFullName = place.describe();
        // Backups of the server's books are kept where this user's own data are.
        state.DbFolder = UserDataFolder::path();
        const std::optional<Result> started = startServer(place, &state.DbConn);
        if (!started)
            return 1;
        opened = *started;
    } else {
        const std::optional<DbLocation> location =
            startDatabase(settings.path(), settings.data(), programFolder(), programFolderWritable());
        if (!location)
            return 1;
        state.DbFolder = location->DbFolder;
        state.DbFileName = location->DbFileName;
        state.DbFullName = location->DbFullName;
        // Reading a grown file through for damage takes longer than the rest
        // of the start: it goes on while the login screen shows.
        opened = Database::openCheckingLater(state.DbFullName, Database::ConnectionName, &state.DbConn, &check);
    }
    if (!opened) {
        Messages::critical(startFailure(opened, settings));
        return 1;
    }
    if (!check) {
        const Result mended = bringUpToDate(state.DbConn);
        if (!mended) {
            showError(mended);
            return 1;
        }
    }
    // The first login writes: it waits for the file to be found sound, and a
    // damaged file ends the program as it would have at start.
    const std::function<bool()> fileSound = [&]() {
        if (!check)
            return true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Result verdict = check->verdict();
        QApplication::restoreOverrideCursor();
        const Result mended = verdict ? bringUpToDate(state.DbConn) : verdict;
        if (!verdict)
            Messages::critical(startFailure(verdict, settings));
        else if (!mended)
            showError(mended);
        if (!mended) {
            QCoreApplication::exit(1);
            return false;
        }
        check.reset();
        return true;
    };

    const ResultOf<QStringList> wrongParameters = loadParameters(state.DbConn, state.params);
    if (!wrongParameters) {
        showError(wrongParameters.result());
        return 1;
    }
    if (!wrongParameters->isEmpty())
        Messages::exclamation(QCoreApplication::translate(
                                  "Main", "下列参数的值无法识别，本次运行使用初始值：\n%1\n请在“系统参数设置”中改正。")
                                  .arg(wrongParameters->join(QStringLiteral("、"))));

    QPointer<SplashScreen> splash = new SplashScreen;
    QPointer<MainWindow> mainWindow;
    // The same login serves the start and every change of shift.
    std::function<LoginScreen*()> showLogin = [&]() {
        auto* login = new LoginScreen(state, splash);
        login->setAttribute(Qt::WA_DeleteOnClose);
        login->setBeforeAttempt(fileSound);
        QObject::connect(login, &LoginScreen::loggedIn, &app, [&] {
            if (!mainWindow) {
                mainWindow = new MainWindow(state, splash);
                mainWindow->setAttribute(Qt::WA_DeleteOnClose);
                QObject::connect(mainWindow, &MainWindow::shiftChangeRequested, &app, [&] { showLogin(); });
                QObject::connect(
                    mainWindow, &MainWindow::endProgram, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
            }
            mainWindow->applyLogin();
            showFillingScreen(mainWindow);
            // The board's keys act only in the active window; a counter
            // without a window manager would not activate it by itself.
            mainWindow->activateWindow();
            // After the login has closed, over the board.
            QTimer::singleShot(0, mainWindow, &MainWindow::offerHallSetup);
        });
        QObject::connect(
            login, &LoginScreen::endProgram, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        login->show();
        return login;
    };

    LoginScreen* login = showLogin();
    if (qEnvironmentVariableIntValue("TAVORO_QUIT_WHEN_SHOWN") == 1)
        login->installEventFilter(new QuitWhenPainted(&app));
    return app.exec();
}
