#pragma once

#include "core/devices/PseudoTerminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

// What the device simulators print, flushed at once so a pipe shows it live.
inline void say(const QString& text, FILE* stream = stdout)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stream);
    std::fflush(stream);
}

// The command line every simulator shares (--help, --link PATH) and its
// pseudo-terminal: prints the port's path (and link) under the device's
// title, or the reason it could not be opened. False on failure.
inline bool openSimulatorPort(QCoreApplication& app, const QString& description, const QString& title,
                              PseudoTerminal& pty)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"),
                                        QStringLiteral("Also reach the port through a symbolic link at <path>."),
                                        QStringLiteral("path"));
    parser.addOption(linkOption);
    parser.process(app);

    if (!pty.isValid() || (parser.isSet(linkOption) && !pty.link(parser.value(linkOption)))) {
        say(QCoreApplication::applicationName() + QStringLiteral(": ") + pty.error(), stderr);
        return false;
    }
    say(title + QStringLiteral(": ") + pty.path());
    if (parser.isSet(linkOption))
        say(QStringLiteral("链接 (link): %1").arg(parser.value(linkOption)));
    return true;
}
