// tavoro-cardsim: plays the card reader on a pseudo-terminal. Point the
// reader's port row ("读卡器串口号设置") at the path it prints; each line typed
// here is sent as one swipe, without its line end.

#include "SimulatorPort.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

void ignore(int) {}

// Without SA_RESTART, Ctrl-C or SIGTERM interrupts the wait for a line, which
// ends the loop and lets the link be removed.
void interruptOnQuitSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = ignore;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavoro-cardsim"));

    PseudoTerminal pty;
    if (!openSimulatorPort(app,
                           QStringLiteral("Plays Tavoro's card reader on a pseudo-terminal: each line read "
                                          "from standard input is sent as one swipe."),
                           QStringLiteral("读卡器 (card reader)"), pty))
        return 1;
    interruptOnQuitSignals();
    say(QStringLiteral("输入卡号后回车 (type a card number, then Enter); Ctrl-D 或 Ctrl-C 退出 (to quit)"));

    int swipes = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        // Whatever Tavoro's port has not taken yet still waits in the pty.
        const QByteArray card = QByteArray::fromStdString(line);
        if (!pty.write(card)) {
            say(QStringLiteral("发送失败 (send failed): %1").arg(pty.error()), stderr);
            continue;
        }
        ++swipes;
        say(QStringLiteral("已发送 (sent) #%1: %2 字节 (bytes)").arg(swipes).arg(card.size()));
    }
    say(QStringLiteral("结束 (done): %1 次刷卡 (swipes)").arg(swipes));
    return 0;
}
