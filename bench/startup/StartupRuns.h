#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <optional>

// Starts programs that end themselves once their first window is painted and
// measures the wall time from start to exit. They run with user settings of
// their own that point at a demo hall, so the machine's settings play no
// part, on the display the benchmark was started on (an X server such as
// xvfb-run's), or on the offscreen platform when there is none.
class StartupRuns
{
public:
    // Makes the demo hall and the settings in a temporary folder.
    bool prepare(const QString& makedbProgram, QString* error);

    // Milliseconds of one run; nothing, with the reason, when the program
    // fails or does not end in time (a message box left waiting, say).
    std::optional<double> timeOnce(const QString& program, QString* error) const;

    // The Qt platform the programs run on.
    QString platform() const { return m_environment.value(QStringLiteral("QT_QPA_PLATFORM")); }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
};
