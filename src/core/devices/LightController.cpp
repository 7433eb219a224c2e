#include "core/devices/LightController.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/devices/SerialLink.h"
#include "core/devices/SerialSettings.h"

#include <QTimer>

namespace {

constexpr quint8 Confirmation = 0x88;
constexpr int FirstTable = 1;
constexpr int LastTable = 48;
constexpr int DefaultEchoTimeout = 500;

} // namespace

LightController::LightController(QObject* parent)
    : QObject(parent)
    , m_link(new SerialLink(tr("灯光控制器"), this))
    , m_echoTimer(new QTimer(this))
    , m_lastError(tr("灯光控制器的串口没有打开"))
{
    m_echoTimer->setSingleShot(true);
    m_echoTimer->setInterval(DefaultEchoTimeout);
    connect(m_echoTimer, &QTimer::timeout, this, &LightController::onEchoMissing);
    connect(m_link, &SerialLink::received, this, &LightController::onReceived);
    connect(m_link, &SerialLink::notice, this, &LightController::notice);
}

LightController::~LightController() = default;

ResultOf<SerialSettings> LightController::storedSettings(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    Result result = Sql::exec(query, QStringLiteral("select sm, valuenr from stcs where lx=?"), {QStringLiteral("dk")});
    SerialSettings settings;
    while (result && query.next()) {
        const QString row = Notation::UCase(Notation::Trim(query.value(0).toString()));
        const QString value = query.value(1).toString();
        if (row == QStringLiteral("串口号设置"))
            result = settings.setPort(row, value);
        else if (row == QStringLiteral("输入缓冲区大小"))
            result = settings.setReadBufferSize(row, value);
        else if (row == QStringLiteral("传输速率"))
            result = settings.setLine(row, value);
    }
    if (!result)
        return result;
    return settings;
}

bool LightController::openPort(const QSqlDatabase& db)
{
    const ResultOf<SerialSettings> settings = storedSettings(db);
    if (settings)
        return openPort(*settings);
    m_link->close();
    m_echoTimer->stop();
    m_queue.clear();
    m_inFlight.reset();
    Q_EMIT notice(tr("灯光控制器：%1").arg(settings.result().message()));
    m_lastError = settings.result().message();
    return false;
}

bool LightController::openPort(const SerialSettings& settings)
{
    m_link->close();
    m_echoTimer->stop();
    m_queue.clear();
    m_inFlight.reset();
    const Result result = m_link->open(settings);
    m_lastError = result.message();
    return result.ok();
}

bool LightController::isOpen() const
{
    return m_link->isOpen();
}

std::optional<quint8> LightController::tableByte(int command, const QString& table)
{
    const auto n = Notation::CInt(Notation::Val(table));
    if (!n || *n < FirstTable || *n > LastTable)
        return std::nullopt;
    if (command == 1)
        return static_cast<quint8>(0x3F + *n);
    if (command == 0)
        return static_cast<quint8>(*n - 1);
    return std::nullopt;
}

std::optional<quint8> LightController::allTablesByte(int kind)
{
    if (kind == 0)
        return quint8(0x90);
    if (kind == 1)
        return quint8(0x91);
    return std::nullopt;
}

bool LightController::sendTable(int command, const QString& table)
{
    if (!m_link->isOpen())
        return false;
    // Converting "no byte" to a byte would switch table 1 off.
    const auto byte = tableByte(command, table);
    if (!byte)
        return true;
    const QString what = (command == 1 ? tr("%1号台开灯") : tr("%1号台关灯")).arg(Notation::Trim(table));
    enqueue({*byte, what});
    return true;
}

bool LightController::sendAllTables()
{
    if (!m_link->isOpen())
        return false;
    enqueue({*allTablesByte(0), tr("全部台")});
    return true;
}

bool LightController::sendConfirmation()
{
    return m_link->write(QByteArray(1, static_cast<char>(Confirmation)));
}

void LightController::setEchoTimeout(int milliseconds)
{
    m_echoTimer->setInterval(milliseconds);
}

void LightController::enqueue(const Command& command)
{
    m_queue.append(command);
    sendNext();
}

void LightController::sendNext()
{
    if (m_inFlight || m_queue.isEmpty())
        return;
    m_inFlight = m_queue.takeFirst();
    m_resent = false;
    m_link->write(QByteArray(1, static_cast<char>(m_inFlight->byte)));
    m_echoTimer->start();
}

// Bytes after the echo in the same read were sent before the next command
// went out, so none of them can be its echo: a repeated echo is confirmed once.
void LightController::onReceived(const QByteArray& bytes)
{
    if (!m_inFlight || !bytes.contains(static_cast<char>(m_inFlight->byte)))
        return;
    m_echoTimer->stop();
    const QString what = m_inFlight->what;
    m_inFlight.reset();
    sendConfirmation();
    Q_EMIT answered(what);
    sendNext();
}

void LightController::onEchoMissing()
{
    if (!m_link->isOpen()) {
        // The lost port was told; its lamps wait for the operator, not for a reopen.
        m_queue.clear();
        m_inFlight.reset();
        return;
    }
    if (!m_resent) {
        m_resent = true;
        m_link->write(QByteArray(1, static_cast<char>(m_inFlight->byte)));
        m_echoTimer->start();
        return;
    }
    Q_EMIT notice(tr("灯光控制器没有回应“%1”的命令（已重发一次），请查看灯光").arg(m_inFlight->what));
    m_inFlight.reset();
    sendNext();
}
