// tavoro-cardsim: plays the card reader on a pseudo-terminal. Point the
// reader's port row ("读卡器串口号设置") at the path it prints; each line typed
// here is sent as one swipe, without its line end.

#include "devices/PseudoTerminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

void say(const QString& text, FILE* stream = stdout)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stream);
    std::fflush(stream);
}

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

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays Tavoro's card reader on a pseudo-terminal: each line read "
                                                    "from standard input is sent as one swipe."));
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"),
                                        QStringLiteral("Also reach the port through a symbolic link at <path>."),
                                        QStringLiteral("path"));
    parser.addOption(linkOption);
    parser.process(app);

    PseudoTerminal pty;
    if (!pty.isValid() || (parser.isSet(linkOption) && !pty.link(parser.value(linkOption)))) {
        say(QStringLiteral("tavoro-cardsim: ") + pty.error(), stderr);
        return 1;
    }
    interruptOnQuitSignals();
    say(QStringLiteral("读卡器 (card reader): %1").arg(pty.path()));
    if (parser.isSet(linkOption))
        say(QStringLiteral("链接 (link): %1").arg(parser.value(linkOption)));
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
