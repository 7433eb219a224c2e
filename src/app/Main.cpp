#include "app/Main.h"

#include "app/AppState.h"
#include "app/Database.h"
#include "app/MessageBoxPresenter.h"
#include "app/Messages.h"
#include "app/ModCheckDate.h"
#include "app/SettingsStore.h"
#include "data/Modstcs.h"

#include <QApplication>

int Main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    MessageBoxPresenter presenter;
    Messages::setPresenter(&presenter);

    if (!CheckDate())
        return 1;
    AppState state;
    SettingsStore settings;
    const DbLocation location = resolveDbLocation(settings.path(), settings.data(), QApplication::applicationDirPath());
    state.DbFolder = location.DbFolder;
    state.DbFileName = location.DbFileName;
    state.DbFullName = location.DbFullName;
    const Result opened = Database::open(state.DbFullName, Database::ConnectionName, &state.DbConn);
    if (!opened) {
        Messages::critical(opened.message());
        return 1;
    }
    QStringList wrong;
    Modstcs(state.DbConn, state.params, &wrong);
    return 0;
}
