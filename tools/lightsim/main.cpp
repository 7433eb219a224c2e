// tavoro-lightsim: plays the table-light controller on a pseudo-terminal.
// Point the light controller's port row ("串口号设置", group dk) at the path
// it prints and watch the lamps follow the tables.

#include "LampPanel.h"
#include "SimulatorPort.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

// Ctrl-C and SIGTERM arrive as readable data, so the program ends through its
// event loop and removes its link.
int quitSignals()
{
    sigset_t quitSet;
    sigemptyset(&quitSet);
    sigaddset(&quitSet, SIGINT);
    sigaddset(&quitSet, SIGTERM);
    if (sigprocmask(SIG_BLOCK, &quitSet, nullptr) != 0)
        return -1;
    return signalfd(-1, &quitSet, SFD_CLOEXEC);
}

} // namespace

int main(int argc, char* argv[])
{
    const int quitFd = quitSignals();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavoro-lightsim"));

    PseudoTerminal pty;
    if (!openSimulatorPort(app, QStringLiteral("Plays Tavoro's table-light controller on a pseudo-terminal."),
                           QStringLiteral("灯光控制器 (light controller)"), pty))
        return 1;
    say(QStringLiteral("Ctrl-C 退出 (to quit)"));

    LampPanel panel;
    QSocketNotifier received(pty.descriptor(), QSocketNotifier::Read);
    QObject::connect(&received, &QSocketNotifier::activated, &app, [&] {
        const LampPanel::Outcome outcome = panel.receive(pty.readAvailable());
        if (!outcome.reply.isEmpty() && !pty.write(outcome.reply))
            say(QStringLiteral("回应失败 (echo failed): %1").arg(pty.error()));
        for (const QString& line : outcome.lines)
            say(line);
    });

    std::unique_ptr<QSocketNotifier> quit;
    if (quitFd >= 0) {
        quit = std::make_unique<QSocketNotifier>(quitFd, QSocketNotifier::Read);
        QObject::connect(quit.get(), &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    }

    const int code = app.exec();
    say(QStringLiteral("结束 (done): %1 次确认 (confirmations), 亮灯 (lit) %2")
            .arg(panel.confirmations())
            .arg(panel.litTables()));
    if (quitFd >= 0)
        ::close(quitFd);
    return code;
}
