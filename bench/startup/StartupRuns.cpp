#include "StartupRuns.h"

#include "BenchStats.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>

#include <algorithm>

namespace {

constexpr int RunTimeoutMs = 60000;

QString outputOf(QProcess& process)
{
    return QString::fromLocal8Bit(process.readAll()).trimmed();
}

} // namespace

bool StartupRuns::prepare(const QString& makedbProgram, QString* error)
{
    if (!m_dir.isValid()) {
        *error = QStringLiteral("cannot make a temporary folder: ") + m_dir.errorString();
        return false;
    }
    const QString database = m_dir.filePath(QStringLiteral("jssfserver.mdb"));
    QProcess makedb;
    makedb.setProcessChannelMode(QProcess::MergedChannels);
    makedb.start(makedbProgram, {QStringLiteral("--demo"), database});
    if (!makedb.waitForFinished(RunTimeoutMs) || makedb.exitStatus() != QProcess::NormalExit ||
        makedb.exitCode() != 0) {
        *error = QStringLiteral("cannot make the demo hall with ") + makedbProgram + QStringLiteral(": ") +
                 makedb.errorString() + QLatin1Char('\n') + outputOf(makedb);
        return false;
    }

    // Where QSettings("Tavoro", "Tavoro") looks once XDG_CONFIG_HOME is ours.
    const QString configHome = m_dir.filePath(QStringLiteral("config"));
    QSettings settings(configHome + QStringLiteral("/Tavoro/Tavoro.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("main_path/path"), QString(m_dir.path() + QLatin1Char('/')));
    settings.setValue(QStringLiteral("main_path/data"), QStringLiteral("jssfserver.mdb"));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        *error = QStringLiteral("cannot write the settings in ") + configHome;
        return false;
    }

    m_environment = QProcessEnvironment::systemEnvironment();
    // Showing a window means showing it on a display; without one the
    // offscreen platform still measures everything but the display server.
    if (!m_environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), m_environment.contains(QStringLiteral("DISPLAY"))
                                                                    ? QStringLiteral("xcb")
                                                                    : QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    m_environment.insert(QStringLiteral("TAVORO_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    return true;
}

std::optional<double> StartupRuns::timeOnce(const QString& program, QString* error) const
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
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
