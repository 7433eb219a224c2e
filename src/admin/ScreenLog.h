#pragma once

#include <QString>

struct AppState;

// The operator-log entry of one open management screen: written when the
// screen opens, closed once when it closes (or, at the latest, when the
// screen is destroyed). A failure is shown as an error.
class ScreenLog
{
public:
    ScreenLog(const AppState& state, const QString& screenName);
    ~ScreenLog();
    ScreenLog(const ScreenLog&) = delete;
    ScreenLog& operator=(const ScreenLog&) = delete;

    void close();

private:
    const AppState& m_state;
    QString m_screenName;
    bool m_open = true;
};
