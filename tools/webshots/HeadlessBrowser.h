#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariant>
#include <QWebSocket>

// Chromium without a window, driven over its DevTools protocol: pages are
// opened, scripts run in them and their screens captured as a phone of the
// given size shows them. Every call waits for its answer, at most a few
// seconds, and says what went wrong in error().
class HeadlessBrowser
{
public:
    explicit HeadlessBrowser(QSize viewport);
    ~HeadlessBrowser();
    HeadlessBrowser(const HeadlessBrowser&) = delete;
    HeadlessBrowser& operator=(const HeadlessBrowser&) = delete;

    bool start();
    // Opens the address and waits until the page has loaded.
    bool open(const QUrl& url);
    // Runs the script in the page; its value, or an invalid one on failure.
    QVariant evaluate(const QString& script);
    // Runs a script that makes the page load another (a form's submit) and
    // waits for that one.
    bool evaluateAndWaitForLoad(const QString& script);
    QByteArray screenshot();

    QString error() const { return m_error; }

private:
    QJsonObject call(const QString& method, const QJsonObject& params = {});
    bool waitForEvent(const QString& method);
    bool fail(const QString& error);

    QSize m_viewport;
    QTemporaryDir m_profile;
    QProcess m_chromium;
    QWebSocket m_socket;
    int m_nextId = 1;
    QList<QJsonObject> m_received;
    QString m_error;
};
