#pragma once

#include "core/base/Result.h"

#include <QString>

struct AppState;

// The operator-log entry of one open management screen: written when the
// screen opens, closed once when it closes (or, at the latest, when the
// screen is destroyed). The screen shows a failure: opened() after
// construction, and what close() returns.
class ScreenLog
{
public:
    ScreenLog(const AppState& state, const QString& screenName);
    ~ScreenLog();
    ScreenLog(const ScreenLog&) = delete;
    ScreenLog& operator=(const ScreenLog&) = delete;

    const Result& opened() const { return m_opened; }
    // Succeeds without writing when the entry is already closed.
    Result close();

private:
    const AppState& m_state;
    QString m_screenName;
    Result m_opened;
    bool m_open = true;
};
