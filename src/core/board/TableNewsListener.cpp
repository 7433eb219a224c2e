#include "core/board/TableNewsListener.h"

#include "core/base/AppState.h"
#include "core/base/SqlDialect.h"
#include "core/base/TableNews.h"

#include <QTimer>

#include <limits>

namespace {

// How often the listener looks whether its connection still listens; a
// local look, no statement. Notices told after a reconnection and before
// this reach the board with the full refresh of resumed().
constexpr int ListenCheckInterval = 5000;

} // namespace

TableNewsListener::TableNewsListener(const AppState& state, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(ListenCheckInterval);
    connect(m_timer, &QTimer::timeout, this, &TableNewsListener::listenAgain);
}

void TableNewsListener::start()
{
    if (SqlDialect::of(m_state.DbConn) != SqlDialect::Store::Server)
        return;
    connect(m_state.DbConn.driver(), &QSqlDriver::notification, this, &TableNewsListener::onNotification,
            Qt::UniqueConnection);
    listen();
    m_timer->start();
}

bool TableNewsListener::listenAgain()
{
    const QSqlDriver* driver = m_state.DbConn.driver();
    if (!m_timer->isActive() || driver->subscribedToNotifications().contains(TableNews::Channel))
        return false;
    if (!listen())
        return false;
    Q_EMIT resumed();
    return true;
}

// A lost connection cannot listen; the statement that reopens it comes from
// the board or the lamp round, and the next look listens again.
bool TableNewsListener::listen()
{
    QSqlDriver* driver = m_state.DbConn.driver();
    return driver->isOpen() && driver->subscribeToNotification(TableNews::Channel);
}

void TableNewsListener::onNotification(const QString& channel, QSqlDriver::NotificationSource source,
                                       const QVariant& payload)
{
    if (channel != TableNews::Channel || source != QSqlDriver::OtherSource)
        return;
    bool ok = false;
    const int table = payload.toString().toInt(&ok);
    if (ok && table > 0 && table <= std::numeric_limits<qint16>::max())
        Q_EMIT tableChanged(static_cast<qint16>(table));
}
