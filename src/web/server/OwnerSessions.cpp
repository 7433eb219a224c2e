#include "web/server/OwnerSessions.h"

#include "core/admin/LoginPause.h"
#include "core/base/Clock.h"

#include <algorithm>
#include <sodium.h>

namespace {

constexpr std::size_t TokenBytes = 32;
// The token as the cookie carries it, in hex.
constexpr std::size_t TokenLength = TokenBytes * 2;

} // namespace

QByteArray OwnerSessions::open(const QHostAddress& client)
{
    // Safe to call again; before it, libsodium's generator may be unready.
    if (sodium_init() < 0)
        qFatal("libsodium cannot start");
    QByteArray random(TokenBytes, Qt::Uninitialized);
    randombytes_buf(random.data(), TokenBytes);
    const QDateTime now = Clock::now();
    std::erase_if(m_sessions, [&](const Session& session) { return session.expires <= now; });
    if (m_sessions.size() >= MostSessions)
        m_sessions.erase(m_sessions.begin());
    m_sessions.push_back({random.toHex(), client, now.addSecs(LifetimeSeconds)});
    return m_sessions.back().token;
}

std::vector<OwnerSessions::Session>::iterator OwnerSessions::find(const QByteArray& token)
{
    if (token.size() != qsizetype(TokenLength))
        return m_sessions.end();
    // Every token is compared in full, so that the time taken tells nothing
    // of how much of a guess was right.
    auto found = m_sessions.end();
    for (auto it = m_sessions.begin(); it != m_sessions.end(); ++it) {
        if (sodium_memcmp(it->token.constData(), token.constData(), TokenLength) == 0)
            found = it;
    }
    return found;
}

bool OwnerSessions::holds(const QByteArray& token, const QHostAddress& client)
{
    const auto found = find(token);
    if (found == m_sessions.end())
        return false;
    if (found->expires <= Clock::now()) {
        m_sessions.erase(found);
        return false;
    }
    return found->client.isEqual(client, QHostAddress::TolerantConversion);
}

void OwnerSessions::close(const QByteArray& token)
{
    if (const auto found = find(token); found != m_sessions.end())
        m_sessions.erase(found);
}

qint64 OwnerSessions::secondsToWait() const
{
    const QDateTime now = Clock::now();
    // A clock set back must not lock the owner out until it catches up.
    if (m_failures == 0 || now < m_lastFailure)
        return 0;
    return std::max(qint64(0), now.secsTo(m_lastFailure.addSecs(LoginPause::pauseAfter(m_failures))));
}

void OwnerSessions::recordFailure()
{
    m_failures = std::min(m_failures + 1, qint64(64));
    m_lastFailure = Clock::now();
}

void OwnerSessions::clearFailures()
{
    m_failures = 0;
}
