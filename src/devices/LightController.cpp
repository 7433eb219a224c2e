#include "devices/LightController.h"

#include "base/Notation.h"
#include "base/Sql.h"
#include "devices/SerialSettings.h"

#include <QSerialPort>

namespace {

constexpr quint8 Confirmation = 0x88;
constexpr int FirstTable = 1;
constexpr int LastTable = 48;

QString notOpen()
{
    return QStringLiteral("灯光控制器的串口没有打开");
}

} // namespace

LightController::LightController(QObject* parent)
    : QObject(parent)
    , m_port(new QSerialPort(this))
    , m_lastError(notOpen())
{
    connect(m_port, &QSerialPort::readyRead, this, &LightController::onReadyRead);
}

LightController::~LightController() = default;

bool LightController::stardkset(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    Result result = Sql::exec(query, QStringLiteral("select sm, valuenr from stcs where lx=?"), {QStringLiteral("dk")});
    m_port->close();
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
    if (result)
        result = settings.open(*m_port);
    m_lastError = result.message();
    return result.ok();
}

bool LightController::isOpen() const
{
    return m_port->isOpen();
}

std::optional<quint8> LightController::dataZh(int command, const QString& table)
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

std::optional<quint8> LightController::dataAll2(int kind)
{
    if (kind == 0)
        return quint8(0x90);
    if (kind == 1)
        return quint8(0x91);
    return std::nullopt;
}

bool LightController::SendDAta(int command, const QString& table)
{
    if (!m_port->isOpen())
        return false;
    // Converting "no byte" to a byte would switch table 1 off.
    const auto byte = dataZh(command, table);
    if (!byte)
        return true;
    m_lastCommand = *byte;
    return writeByte(*byte);
}

bool LightController::sendAllTables()
{
    if (!m_port->isOpen())
        return false;
    m_lastCommand = dataAll2(0);
    return writeByte(*m_lastCommand);
}

bool LightController::Send66H()
{
    return m_port->isOpen() && writeByte(Confirmation);
}

bool LightController::writeByte(quint8 byte)
{
    const char data = static_cast<char>(byte);
    m_port->clearError();
    const bool written = m_port->write(&data, 1) == 1;
    m_port->flush();
    if (!written || m_port->error() != QSerialPort::NoError) {
        m_lastError = m_port->errorString();
        return false;
    }
    return true;
}

void LightController::onReadyRead()
{
    const QByteArray bytes = m_port->readAll();
    for (const char c : bytes) {
        const auto byte = static_cast<quint8>(c);
        if (byte != Confirmation && byte == m_lastCommand)
            Send66H();
    }
}
