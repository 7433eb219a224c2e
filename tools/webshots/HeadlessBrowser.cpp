#include "HeadlessBrowser.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int AnswerMs = 15000;

// Runs the event loop until `done` holds or the time is up.
template <typename Done>
bool waitUntil(Done done, int milliseconds = AnswerMs)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

} // namespace

HeadlessBrowser::HeadlessBrowser(QSize viewport)
    : m_viewport(viewport)
{
    QObject::connect(&m_socket, &QWebSocket::textMessageReceived, [this](const QString& text) {
        m_received.append(QJsonDocument::fromJson(text.toUtf8()).object());
    });
}

HeadlessBrowser::~HeadlessBrowser()
{
    // Closed politely, Chromium ends its helpers and leaves its profile
    // folder free to be removed.
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        call(QStringLiteral("Browser.close"));
    m_socket.close();
    if (!m_chromium.waitForFinished(5000)) {
        m_chromium.kill();
        m_chromium.waitForFinished(5000);
    }
}

bool HeadlessBrowser::fail(const QString& error)
{
    m_error = error;
    return false;
}

bool HeadlessBrowser::start()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (program.isEmpty())
        return fail(QStringLiteral("chromium is not installed"));
    m_chromium.setProcessChannelMode(QProcess::SeparateChannels);
    m_chromium.start(program,
                     {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                      QStringLiteral("--no-first-run"), QStringLiteral("--remote-debugging-port=0"),
                      QStringLiteral("--user-data-dir=") + m_profile.path(),
                      QStringLiteral("--window-size=%1,%2").arg(m_viewport.width()).arg(m_viewport.height()),
                      QStringLiteral("about:blank")});
    // Chromium names the port it chose on its error output.
    static const QRegularExpression listening(QStringLiteral("DevTools listening on ws://([^/]+)/"));
    QString host;
    QByteArray said;
    const bool heard = waitUntil([&] {
        said += m_chromium.readAllStandardError();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(said));
        host = match.captured(1);
        return match.hasMatch() || m_chromium.state() == QProcess::NotRunning;
    });
    if (!heard || host.isEmpty())
        return fail(QStringLiteral("chromium did not start: ") + QString::fromUtf8(said.right(500)));

    // A page of its own, whose socket takes the page's commands.
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(QStringLiteral("http://%1/json/new?about:blank").arg(host)));
    QNetworkReply* reply = network.put(request, QByteArray());
    waitUntil([reply] { return reply->isFinished(); });
    const QJsonObject target = QJsonDocument::fromJson(reply->readAll()).object();
    reply->deleteLater();
    const QString socketUrl = target.value(QStringLiteral("webSocketDebuggerUrl")).toString();
    if (socketUrl.isEmpty())
        return fail(QStringLiteral("chromium gave no page to drive"));
    m_socket.open(QUrl(socketUrl));
    if (!waitUntil([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }))
        return fail(QStringLiteral("cannot reach chromium's page: ") + m_socket.errorString());

    call(QStringLiteral("Page.enable"));
    if (!m_error.isEmpty())
        return false;
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"), {{QStringLiteral("width"), m_viewport.width()},
                                                                {QStringLiteral("height"), m_viewport.height()},
                                                                {QStringLiteral("deviceScaleFactor"), 1},
                                                                {QStringLiteral("mobile"), true}});
    return m_error.isEmpty();
}

QJsonObject HeadlessBrowser::call(const QString& method, const QJsonObject& params)
{
    m_error.clear();
    const int id = m_nextId++;
    const QJsonObject message{
        {QStringLiteral("id"), id}, {QStringLiteral("method"), method}, {QStringLiteral("params"), params}};
    m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    QJsonObject answer;
    const bool answered = waitUntil([&] {
        for (qsizetype i = 0; i < m_received.size(); ++i) {
            if (m_received.at(i).value(QStringLiteral("id")).toInt() == id) {
                answer = m_received.takeAt(i);
                return true;
            }
        }
        return false;
    });
    if (!answered) {
        fail(method + QStringLiteral(": no answer"));
        return {};
    }
    if (answer.contains(QStringLiteral("error"))) {
        fail(method + QStringLiteral(": ") +
             answer.value(QStringLiteral("error")).toObject().value(QStringLiteral("message")).toString());
        return {};
    }
    return answer.value(QStringLiteral("result")).toObject();
}

bool HeadlessBrowser::waitForEvent(const QString& method)
{
    const bool seen = waitUntil([&] {
        for (qsizetype i = 0; i < m_received.size(); ++i) {
            if (m_received.at(i).value(QStringLiteral("method")).toString() == method) {
                m_received.remove(0, i + 1);
                return true;
            }
        }
        return false;
    });
    return seen || fail(QStringLiteral("waited in vain for ") + method);
}

bool HeadlessBrowser::open(const QUrl& url)
{
    m_received.clear();
    const QJsonObject navigated = call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url.toString()}});
    if (!m_error.isEmpty())
        return false;
    if (navigated.contains(QStringLiteral("errorText")))
        return fail(url.toString() + QStringLiteral(": ") + navigated.value(QStringLiteral("errorText")).toString());
    return waitForEvent(QStringLiteral("Page.loadEventFired"));
}

QVariant HeadlessBrowser::evaluate(const QString& script)
{
    const QJsonObject result = call(QStringLiteral("Runtime.evaluate"),
                                    {{QStringLiteral("expression"), script}, {QStringLiteral("returnByValue"), true}});
    if (result.contains(QStringLiteral("exceptionDetails"))) {
        fail(QStringLiteral("script failed: ") + script);
        return {};
    }
    return result.value(QStringLiteral("result")).toObject().value(QStringLiteral("value")).toVariant();
}

bool HeadlessBrowser::evaluateAndWaitForLoad(const QString& script)
{
    m_received.clear();
    if (!evaluate(script).isValid() && !m_error.isEmpty())
        return false;
    return waitForEvent(QStringLiteral("Page.loadEventFired"));
}

QByteArray HeadlessBrowser::screenshot()
{
    const QJsonObject shot =
        call(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("format"), QStringLiteral("png")}});
    return QByteArray::fromBase64(shot.value(QStringLiteral("data")).toString().toLatin1());
}
