#include "admin/ScreenLog.h"

#include "base/AppState.h"
#include "base/ModCWCl.h"
#include "base/OperatorLog.h"

ScreenLog::ScreenLog(const AppState& state, const QString& screenName)
    : m_state(state)
    , m_screenName(screenName)
{
    const Result result = czyrz_add(m_state, m_screenName);
    if (!result)
        ShowErr(result);
}

ScreenLog::~ScreenLog()
{
    close();
}

void ScreenLog::close()
{
    if (!m_open)
        return;
    m_open = false;
    const Result result = czyrz_close(m_state, m_state.OperatorName, m_screenName);
    if (!result)
        ShowErr(result);
}
