#include "core/board/LampRound.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/OperatorLog.h"
#include "core/board/BoardRows.h"
#include "core/devices/LightController.h"

#include <QTimer>

namespace {

// How often the clock is looked at; a round is late by at most this.
constexpr int CheckInterval = 20000;

} // namespace

LampRound::LampRound(const AppState& state, LightController* light, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_light(light)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(CheckInterval);
    connect(m_timer, &QTimer::timeout, this, &LampRound::check);
}

void LampRound::start()
{
    m_last = Clock::now();
    runAndTell(QT_TR_NOOP("启动灯光校正"));
    if (m_state.params.lampRoundMinutes > 0)
        m_timer->start();
}

void LampRound::check()
{
    const qint16 minutes = m_state.params.lampRoundMinutes;
    if (minutes <= 0 || m_light->isSending())
        return;
    const QDateTime now = Clock::now();
    // A clock set back would otherwise hold the rounds off by as much.
    if (now < m_last)
        m_last = now;
    if (m_last.secsTo(now) < qint64(minutes) * 60)
        return;
    m_last = now;
    runAndTell(QT_TR_NOOP("灯光巡检"));
}

void LampRound::catchUp()
{
    m_last = Clock::now();
    runAndTell(QT_TR_NOOP("重新连接后灯光校正"));
}

void LampRound::follow(qint16 table)
{
    if (!m_state.params.lightControl || !m_light->isOpen())
        return;
    const ResultOf<std::optional<BoardRow>> found = BoardRows::loadOne(m_state.DbConn, table);
    if (!found) {
        Q_EMIT notice(tr("%1号台的灯没有跟上另一台电脑的改动：%2").arg(table).arg(found.result().message()));
        return;
    }
    m_light->sendTable(*found && (*found)->visit ? 1 : 0, QString::number(table));
}

ResultOf<LampRound::Count> LampRound::run(const QString& logPrefix)
{
    Count sent;
    if (!m_state.params.lightControl || !m_light->isOpen())
        return sent;
    const ResultOf<QList<BoardRow>> rows = BoardRows::load(m_state.DbConn);
    if (!rows)
        return rows.result();
    for (const BoardRow& row : *rows) {
        const QString table = QString::number(row.number);
        const int command = row.visit ? 1 : 0;
        if (!LightController::tableByte(command, table) || !m_light->sendTable(command, table))
            continue;
        ++(command == 1 ? sent.on : sent.off);
    }
    if (sent.on + sent.off == 0)
        return sent;
    if (const Result logged = logEvent(m_state, QStringLiteral("%1：重发 %2 条灯光命令（开 %3，关 %4）")
                                                    .arg(logPrefix)
                                                    .arg(sent.on + sent.off)
                                                    .arg(sent.on)
                                                    .arg(sent.off));
        !logged)
        return logged;
    return sent;
}

void LampRound::runAndTell(const char* logPrefix)
{
    if (const ResultOf<Count> sent = run(QString::fromUtf8(logPrefix)); !sent)
        Q_EMIT notice(tr("%1没有完成：%2").arg(tr(logPrefix), sent.result().message()));
}
