#include "StartupRuns.h"

#include "FiveYearHistory.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

namespace {

constexpr int RunTimeoutMs = 60000;

QString outputOf(QProcess& process)
{
    return QString::fromLocal8Bit(process.readAll()).trimmed();
}

QString configHomeOf(const QTemporaryDir& dir, StartupRuns::Hall hall)
{
    return dir.filePath(hall == StartupRuns::Hall::Demo ? QStringLiteral("config-demo")
                                                        : QStringLiteral("config-five-years"));
}

// The history goes into a copy of the demo hall, written without a journal
// (a failure leaves only the copy, which is removed) and switched back to
// WAL at the end, as the program keeps its files.
Result fillFiveYears(const QString& file)
{
    const QString connection = QStringLiteral("five-years");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    Result result = db.open() ? Result::success() : Result::fromSqlError(db.lastError());
    for (const char* pragma : {"PRAGMA journal_mode=OFF", "PRAGMA synchronous=OFF", "PRAGMA cache_size=-262144"})
        if (result)
            result = Sql::exec(db, QString::fromLatin1(pragma));
    if (result)
        result = Sql::transaction(db, [&] {
            Result added = FiveYearHistory::addVisitsAndGoods(db);
            return added ? FiveYearHistory::addMembers(db) : added;
        });
    if (result)
        result = Sql::exec(db, QStringLiteral("PRAGMA journal_mode=WAL"));
    db = QSqlDatabase();
    Database::close(connection);
    return result;
}

} // namespace

bool StartupRuns::writeSettings(const QString& configHome, const QString& database, QString* error) const
{
    // Where QSettings("Tavoro", "Tavoro") looks once XDG_CONFIG_HOME is ours.
    const QFileInfo info(database);
    QSettings settings(configHome + QStringLiteral("/Tavoro/Tavoro.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("main_path/path"), QString(info.absolutePath() + QLatin1Char('/')));
    settings.setValue(QStringLiteral("main_path/data"), info.fileName());
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        *error = QStringLiteral("cannot write the settings in ") + configHome;
        return false;
    }
    return true;
}

bool StartupRuns::prepare(const QString& makedbProgram, QString* error)
{
    if (!m_dir.isValid()) {
        *error = QStringLiteral("cannot make a temporary folder: ") + m_dir.errorString();
        return false;
    }
    m_demoFile = m_dir.filePath(QStringLiteral("jssfserver.mdb"));
    QProcess makedb;
    makedb.setProcessChannelMode(QProcess::MergedChannels);
    makedb.start(makedbProgram, {QStringLiteral("--demo"), m_demoFile});
    if (!makedb.waitForFinished(RunTimeoutMs) || makedb.exitStatus() != QProcess::NormalExit ||
        makedb.exitCode() != 0) {
        *error = QStringLiteral("cannot make the demo hall with ") + makedbProgram + QStringLiteral(": ") +
                 makedb.errorString() + QLatin1Char('\n') + outputOf(makedb);
        return false;
    }
    if (!writeSettings(configHomeOf(m_dir, Hall::Demo), m_demoFile, error))
        return false;

    m_environment = QProcessEnvironment::systemEnvironment();
    // Showing a window means showing it on a display; without one the
    // offscreen platform still measures everything but the display server.
    if (!m_environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), m_environment.contains(QStringLiteral("DISPLAY"))
                                                                    ? QStringLiteral("xcb")
                                                                    : QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("TAVORO_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    return true;
}

bool StartupRuns::prepareFiveYears(const QString& file, bool* made, QString* error)
{
    m_fiveYearFile = file.isEmpty() ? m_dir.filePath(QStringLiteral("five-years/jssfserver.mdb"))
                                    : QFileInfo(file).absoluteFilePath();
    *made = !QFileInfo::exists(m_fiveYearFile);
    if (*made) {
        // Made under another name first, so that a file found there is always a whole one.
        const QString making = m_fiveYearFile + QStringLiteral(".making");
        QFile::remove(making);
        Result result = QDir().mkpath(QFileInfo(m_fiveYearFile).absolutePath()) && QFile::copy(m_demoFile, making)
                            ? Result::success()
                            : Result::failure(QStringLiteral("cannot copy the demo hall to ") + making);
        if (result)
            result = fillFiveYears(making);
        if (result && !QFile::rename(making, m_fiveYearFile))
            result = Result::failure(QStringLiteral("cannot rename ") + making);
        if (!result) {
            QFile::remove(making);
            *error = QStringLiteral("cannot make the five-year hall: ") + result.message();
            return false;
        }
    }
    return writeSettings(configHomeOf(m_dir, Hall::FiveYears), m_fiveYearFile, error);
}

std::optional<double> StartupRuns::timeOnce(const QString& program, Hall hall, QString* error,
                                            const QStringList& arguments) const
{
    QProcessEnvironment environment = m_environment;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHomeOf(m_dir, hall));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    const bool finished = process.waitForFinished(RunTimeoutMs);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!finished) {
        process.kill();
        process.waitForFinished();
        *error = program + QStringLiteral(" did not end within ") + QString::number(RunTimeoutMs / 1000) +
                 QStringLiteral(" s; is a message box waiting?\n") + outputOf(process);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = program + QStringLiteral(" failed (exit code ") + QString::number(process.exitCode()) +
                 QStringLiteral("): ") + process.errorString() + QLatin1Char('\n') + outputOf(process);
        return std::nullopt;
    }
    return ms;
}
