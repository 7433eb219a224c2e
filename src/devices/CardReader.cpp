#include "devices/CardReader.h"

#include "base/Notation.h"
#include "base/Sql.h"
#include "devices/SerialSettings.h"

#include <QHash>
#include <QSerialPort>

namespace {

const QString InUseRow = QStringLiteral("串口读卡器使用标记");
const QString PortRow = QStringLiteral("读卡器串口号设置");
const QString LineRow = QStringLiteral("读卡器传输速率");
const QString BufferRow = QStringLiteral("读卡器输入缓冲区大小");

// "0" is false, any other number true, as are the words true and false.
Result applyRows(const QHash<QString, QString>& rows, SerialSettings& settings)
{
    Result result = Result::success();
    if (result && rows.contains(PortRow))
        result = settings.setPort(PortRow, rows[PortRow]);
    if (result && rows.contains(LineRow))
        result = settings.setLine(LineRow, rows[LineRow]);
    if (result && rows.contains(BufferRow))
        result = settings.setReadBufferSize(BufferRow, rows[BufferRow]);
    return result;
}

} // namespace

CardReader::CardReader(QObject* parent)
    : QObject(parent)
    , m_port(new QSerialPort(this))
    , m_decoder(QStringDecoder::Utf8)
    , m_lastError(QStringLiteral("读卡器没有设置"))
{
    connect(m_port, &QSerialPort::readyRead, this, &CardReader::onReadyRead);
}

CardReader::~CardReader() = default;

bool CardReader::stardkqset(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    Result result =
        Sql::exec(query, QStringLiteral("select sm, valuenr from stcs where lx=?"), {QStringLiteral("dkq")});
    m_port->close();
    QHash<QString, QString> rows;
    while (result && query.next())
        rows.insert(query.value(0).toString(), query.value(1).toString());
    std::optional<bool> inUse = false;
    if (result && rows.contains(InUseRow)) {
        inUse = Notation::CBool(rows[InUseRow]);
        if (!inUse)
            result = Result::failure(QStringLiteral("参数“%1”的值“%2”不能用").arg(InUseRow, rows[InUseRow]));
    }
    if (result && !*inUse)
        result = Result::failure(QStringLiteral("读卡器没有启用（“%1”不是 1）").arg(InUseRow));
    SerialSettings settings;
    if (result)
        result = applyRows(rows, settings);
    if (result)
        result = settings.open(*m_port);
    m_decoder.resetState();
    m_lastError = result.message();
    return result.ok();
}

bool CardReader::isOpen() const
{
    return m_port->isOpen();
}

QString CardReader::appendReceived(const QString& box, const QString& received, int cardLength)
{
    return Notation::Trim(Notation::Mid(box + received, 1, cardLength));
}

void CardReader::onReadyRead()
{
    const QString text = m_decoder.decode(m_port->readAll());
    if (!text.isEmpty())
        Q_EMIT received(text);
}
