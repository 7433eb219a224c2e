#include "core/devices/CardReader.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/devices/SerialLink.h"
#include "core/devices/SerialSettings.h"

#include <QHash>
#include <QTimer>

#include <utility>

namespace {

const QString InUseRow = QStringLiteral("串口读卡器使用标记");
const QString PortRow = QStringLiteral("读卡器串口号设置");
const QString LineRow = QStringLiteral("读卡器传输速率");
const QString BufferRow = QStringLiteral("读卡器输入缓冲区大小");

// Readers send a swipe within a few milliseconds, even at 1200 baud; the
// next swipe comes seconds later.
constexpr int DefaultSwipePause = 200;
// Bounds a swipe when the hall sets no card length, so that a stream of
// noise cannot grow it without end.
constexpr int LongestSwipe = 64;

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

bool isCardCharacter(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

ResultOf<QHash<QString, QString>> storedRows(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select sm, valuenr from stcs where lx=?"), {QStringLiteral("dkq")});
    if (!result)
        return result;
    QHash<QString, QString> rows;
    while (query.next())
        rows.insert(query.value(0).toString(), query.value(1).toString());
    return rows;
}

} // namespace

CardReader::CardReader(QObject* parent)
    : QObject(parent)
    , m_link(new SerialLink(tr("读卡器"), this))
    , m_pause(new QTimer(this))
    , m_lastError(tr("读卡器没有设置"))
{
    m_pause->setSingleShot(true);
    m_pause->setInterval(DefaultSwipePause);
    connect(m_pause, &QTimer::timeout, this, &CardReader::endSwipe);
    connect(m_link, &SerialLink::received, this, &CardReader::onReceived);
    connect(m_link, &SerialLink::notice, this, &CardReader::notice);
}

CardReader::~CardReader() = default;

ResultOf<SerialSettings> CardReader::storedSettings(const QSqlDatabase& db)
{
    const ResultOf<QHash<QString, QString>> rows = storedRows(db);
    if (!rows)
        return rows.result();
    SerialSettings settings;
    if (const Result applied = applyRows(*rows, settings); !applied)
        return applied;
    return settings;
}

bool CardReader::openPort(const QSqlDatabase& db)
{
    m_link->close();
    m_pause->stop();
    m_swipe.clear();
    const ResultOf<QHash<QString, QString>> stored = storedRows(db);
    Result result = stored.result();
    const QHash<QString, QString> rows = stored ? *stored : QHash<QString, QString>();
    // "0" is false, any other number true, as are the words true and false.
    std::optional<bool> inUse = false;
    if (result && rows.contains(InUseRow)) {
        inUse = Notation::CBool(rows[InUseRow]);
        if (!inUse)
            result = Result::failure(tr("参数“%1”的值“%2”不能用").arg(InUseRow, rows[InUseRow]));
    }
    if (result && !*inUse) {
        m_lastError = tr("读卡器没有启用（“%1”不是 1）").arg(InUseRow);
        return false;
    }
    SerialSettings settings;
    if (result)
        result = applyRows(rows, settings);
    if (!result) {
        Q_EMIT notice(tr("读卡器：%1").arg(result.message()));
        m_lastError = result.message();
        return false;
    }
    return openPort(settings);
}

bool CardReader::openPort(const SerialSettings& settings)
{
    m_link->close();
    m_pause->stop();
    m_swipe.clear();
    const Result result = m_link->open(settings);
    m_lastError = result.message();
    return result.ok();
}

bool CardReader::isOpen() const
{
    return m_link->isOpen();
}

void CardReader::setCardLength(int length)
{
    m_cardLength = length;
}

void CardReader::setSwipePause(int milliseconds)
{
    m_pause->setInterval(milliseconds);
}

void CardReader::setRetryInterval(int milliseconds)
{
    m_link->setRetryInterval(milliseconds);
}

void CardReader::onReceived(const QByteArray& bytes)
{
    const int longest = m_cardLength > 0 ? m_cardLength : LongestSwipe;
    for (const char c : bytes) {
        if (c == '\r' || c == '\n')
            endSwipe();
        else if (isCardCharacter(c) && m_swipe.size() < longest)
            m_swipe.append(QLatin1Char(c));
    }
    m_pause->start();
}

void CardReader::endSwipe()
{
    m_pause->stop();
    if (!m_swipe.isEmpty())
        Q_EMIT swiped(std::exchange(m_swipe, QString()));
}
