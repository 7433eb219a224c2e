#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// Starts programs that end themselves once their first window is painted and
// measures the wall time from start to exit. They run with user settings of
// their own that point at a hall, so the machine's settings play no part, on
// the display the benchmark was started on (an X server such as xvfb-run's),
// or on the offscreen platform when there is none.
class StartupRuns
{
public:
    enum class Hall
    {
        Demo,
        FiveYears
    };

    // Makes the demo hall and the settings in a temporary folder.
    bool prepare(const QString& makedbProgram, QString* error);

    // Settings for the five-year hall in `file`, which is made (from the
    // demo hall, in a minute or two) only when it is not there yet, so that
    // a file kept from an earlier run serves again; empty: a file of the
    // temporary folder. *made says whether it was made now.
    bool prepareFiveYears(const QString& file, bool* made, QString* error);

    // Milliseconds of one run; nothing, with the reason, when the program
    // fails or does not end in time (a message box left waiting, say).
    std::optional<double> timeOnce(const QString& program, Hall hall, QString* error,
                                   const QStringList& arguments = {}) const;

    // The Qt platform the programs run on.
    QString platform() const { return m_environment.value(QStringLiteral("QT_QPA_PLATFORM")); }

    QString fiveYearFile() const { return m_fiveYearFile; }

private:
    bool writeSettings(const QString& configHome, const QString& database, QString* error) const;

    QTemporaryDir m_dir;
    QString m_demoFile;
    QString m_fiveYearFile;
    QProcessEnvironment m_environment;
};
