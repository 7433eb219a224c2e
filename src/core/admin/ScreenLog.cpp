#include "core/admin/ScreenLog.h"

#include "core/base/AppState.h"
#include "core/base/OperatorLog.h"

ScreenLog::ScreenLog(const AppState& state, const QString& screenName)
    : m_state(state)
    , m_screenName(screenName)
    , m_opened(openLogEntry(m_state, m_screenName))
{}

ScreenLog::~ScreenLog()
{
    // A screen destroyed without closing has nobody left to tell: a failure
    // leaves the entry open, as a crash would.
    [[maybe_unused]] const Result closed = close();
}

Result ScreenLog::close()
{
    if (!m_open)
        return Result::success();
    m_open = false;
    return closeLogEntries(m_state, m_state.OperatorName, m_screenName);
}
