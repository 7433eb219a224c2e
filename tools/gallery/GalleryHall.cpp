#include "GalleryHall.h"

#include "core/admin/LoginLogic.h"
#include "core/base/Clock.h"
#include "core/base/Database.h"
#include "core/base/SettingsStore.h"
#include "core/data/ParameterLoading.h"
#include "core/data/ShippedRows.h"

#include <QDir>
#include <QProcess>

GalleryHall::~GalleryHall()
{
    if (m_opened) {
        m_state.DbConn = QSqlDatabase();
        Database::close(Database::ConnectionName);
    }
}

Result GalleryHall::open(const QString& makedbProgram, const QString& folder)
{
    QString hallFolder = QDir(folder).absolutePath();
    if (folder.isEmpty()) {
        m_temporary.emplace();
        if (!m_temporary->isValid())
            return Result::failure(QStringLiteral("cannot make a temporary folder: ") + m_temporary->errorString());
        hallFolder = m_temporary->path();
    } else if (!QDir().mkpath(hallFolder)) {
        return Result::failure(QStringLiteral("cannot make the folder ") + hallFolder);
    }
    const DbLocation location = resolveDbLocation(QString(), QString(), hallFolder);
    m_state.DbFolder = location.DbFolder;
    m_state.DbFileName = location.DbFileName;
    m_state.DbFullName = location.DbFullName;
    // A fixed name rather than the host's, so that the pictures do not
    // depend on the machine that drew them.
    m_state.CounterName = QStringLiteral("前台");

    Result result = make(makedbProgram, m_state.DbFullName);
    if (!result)
        return result;
    result = Database::open(m_state.DbFullName, Database::ConnectionName, &m_state.DbConn);
    if (!result)
        return result;
    m_opened = true;

    const ResultOf<QStringList> wrongParameters = loadParameters(m_state.DbConn, m_state.params);
    if (!wrongParameters)
        return wrongParameters.result();
    if (!wrongParameters->isEmpty())
        return Result::failure(QStringLiteral("the demo hall has parameters that do not convert: ") +
                               wrongParameters->join(QStringLiteral(", ")));
    return logIn();
}

Result GalleryHall::make(const QString& makedbProgram, const QString& fullName)
{
    QProcess makedb;
    makedb.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    makedb.start(makedbProgram, {QStringLiteral("--demo"), fullName});
    if (!makedb.waitForFinished(60000) || makedb.exitStatus() != QProcess::NormalExit || makedb.exitCode() != 0)
        return Result::failure(
            QStringLiteral("cannot make the demo hall with ") + makedbProgram + QStringLiteral(": ") +
            (makedb.error() == QProcess::UnknownError ? QStringLiteral("it failed") : makedb.errorString()));
    return Result::success();
}

// Fills the operator part of the state as a login by the system operator at
// the clock's time would.
Result GalleryHall::logIn()
{
    const ResultOf<QList<LoginLogic::Shift>> shifts = LoginLogic::loadShifts(m_state.DbConn);
    if (!shifts)
        return shifts.result();
    if (shifts->isEmpty())
        return Result::failure(QStringLiteral("the demo hall has no shifts"));
    const int shift = LoginLogic::preselectedShift(*shifts, Clock::timeOfDay());
    m_state.OperatorName = ShippedRows::SystemOperator;
    m_state.ShiftName = shifts->at(shift < 0 ? 0 : shift).name;
    m_state.BusinessDate = Clock::today();
    m_state.IsSystemOperator = true;
    return Result::success();
}
