#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>

#include <vector>

// Who has logged in to the owner's view: each session is a random token the
// browser returns in a cookie, good for eight hours and only from the
// address that logged in. Kept in memory: the view's role cannot write, and
// a restart asks the owner to log in again.
class OwnerSessions
{
public:
    static constexpr qint64 LifetimeSeconds = 8 * 3600;
    // The oldest is dropped past this, so that logins cannot grow memory.
    static constexpr std::size_t MostSessions = 64;

    // A new session for that client: its token, as the cookie carries it.
    QByteArray open(const QHostAddress& client);
    // Whether the token is a session of that client that has not expired.
    bool holds(const QByteArray& token, const QHostAddress& client);
    void close(const QByteArray& token);

    // The pause after failed logins, counted as the counter's login counts
    // it, here in memory.
    qint64 secondsToWait() const;
    void recordFailure();
    void clearFailures();

private:
    struct Session
    {
        QByteArray token;
        QHostAddress client;
        QDateTime expires;
    };
    std::vector<Session>::iterator find(const QByteArray& token);

    std::vector<Session> m_sessions;
    qint64 m_failures = 0;
    QDateTime m_lastFailure;
};
